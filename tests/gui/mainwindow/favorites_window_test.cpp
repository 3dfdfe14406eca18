#include "window_fixture.h"

#include "core/directory/comcodes.h"
#include "core/lawdb/favorites.h"
#include "core/lawdb/gov_urls.h"
#include "core/lawdb/law_fixtures.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/record_list.h"

namespace {

const QString ARow = u"2003-04-01  (有效)甲合同规定"_s;
const QString BRow = u"2003-04-20  (有效)乙管理办法"_s;

QStringList favoriteTitles(const InstallTree &tree)
{
    QStringList out;
    for (const Favorite &f : readFavorites(tree.files()))
        out.append(f.title);
    return out;
}

QList<QStringList> directoryRecords(const InstallTree &tree)
{
    QList<QStringList> out;
    if (auto reader = tree.files().openForReading(comCodesPath())) {
        QString a, b, c, d;
        while (!reader->atEnd() && reader->readFields(a, b, c, d))
            out.append({a, b, c, d});
    }
    return out;
}

} // namespace

// The law module on the small database: 乙 (row 0), 甲 (row 1), 丙, 丁.
class LawAddressTest : public WindowTest
{
protected:
    void startInLaw()
    {
        db.write(tree);
        writeErrNoList();
        start();
        goToModule(2);
        fakes.messageBoxes.calls.clear();
        form->sounds.resetCounts();
    }
    void focusList() const
    {
        form->List1->setFocus();
        QApplication::processEvents();
    }

    SmallLawDatabase db;
};

TEST_F(LawAddressTest, AddingAFavouriteListsThemAll)
{
    tree.writeRecords(favoritesPath(), {{u"2026-01-05"_s, u"早先的收藏"_s, u""_s}});
    startInLaw();
    clickRow(1);
    click(form->Image11);

    const QList<Favorite> all = readFavorites(tree.files());
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[1], (Favorite{u"2026-12-10"_s, ARow, u""_s}));
    EXPECT_EQ(listRows(), (QStringList{u"早先的收藏"_s, ARow}));
    EXPECT_EQ(form->recordList().textColour(), QColor(0, 0, 255));
    EXPECT_EQ(form->Label35->caption(), u"1"_s);
    EXPECT_EQ(form->RelevantRecords->caption(), u"2"_s);
    EXPECT_EQ(form->Label36->text(), u"回车退出收藏夹。"_s);
    EXPECT_TRUE(form->Label36->isVisible());
    EXPECT_TRUE(form->Image12->isEnabled());
    EXPECT_EQ(form->sounds.played(Sounds::Favorites), 1);
    EXPECT_TRUE(form->state.favoritesShown());

    // At once again: nothing is added, the list is shown again.
    click(form->Image11);
    EXPECT_EQ(favoriteTitles(tree), (QStringList{u"早先的收藏"_s, ARow}));

    // Enter in the keyword box leaves the view; the same document again adds nothing.
    enterKeywords(QString());
    EXPECT_FALSE(form->state.favoritesShown());
    EXPECT_EQ(form->recordList().textColour(), QColor(Qt::black));
    EXPECT_TRUE(form->Label36->text().isEmpty());
    clickRow(1);
    click(form->Image11);
    EXPECT_EQ(favoriteTitles(tree).size(), 2);
}

TEST_F(LawAddressTest, AddingWithoutAnOpenedDocumentCreatesTheFile)
{
    startInLaw();
    click(form->Image11);
    EXPECT_TRUE(tree.files().exists(favoritesPath()));
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_EQ(form->sounds.played(Sounds::Favorites), 0);
}

TEST_F(LawAddressTest, DeletingAFavouriteRemovesEveryRecordOfItsTitle)
{
    tree.writeRecords(favoritesPath(), {{u"2026-01-05"_s, ARow, u""_s},
                                        {u"2026-01-06"_s, BRow, u"自己的备注"_s},
                                        {u"2026-01-07"_s, u" "_s + ARow, u""_s}});
    startInLaw();
    click(form->Image11);
    ASSERT_EQ(listRows().size(), 3);
    clickRow(0);
    focusList();
    click(form->Image12);
    EXPECT_EQ(listRows(), QStringList{BRow});
    EXPECT_EQ(readFavorites(tree.files()),
              (QList<Favorite>{{u"2026-01-06"_s, BRow, u"自己的备注"_s}}));
    EXPECT_EQ(form->sounds.played(Sounds::Kill), 1);
    EXPECT_EQ(form->RelevantRecords->caption(), u"1"_s);

    // Without the list's focus nothing changes.
    form->Text1->setFocus();
    QApplication::processEvents();
    click(form->Image12);
    EXPECT_EQ(favoriteTitles(tree), QStringList{BRow});
}

TEST_F(LawAddressTest, AWebAddressOfTheTextIsShownAndFiledOnce)
{
    db.a.body = u"详见官方网站https://www.example.gov.cn/zcfg，自公布之日起施行。"_s
                u"联系：office@example.gov.cn；"_s;
    startInLaw();
    clickRow(1);
    EXPECT_TRUE(form->Text5->isVisible());
    EXPECT_EQ(form->Text5->text(), u"官方网址: http://www.example.gov.cn/zcfg"_s);
    EXPECT_TRUE(form->Text10->isVisible());
    EXPECT_EQ(form->Text4->text(), u"Email:office@example.gov.cn"_s);
    EXPECT_EQ(directoryRecords(tree),
              (QList<QStringList>{{u"甲合同规定"_s, u""_s, u"http://www.example.gov.cn/zcfg"_s,
                                   u"常用网站：法律\\Veridane相关"_s}}));

    clickRow(0);
    EXPECT_FALSE(form->Text5->isVisible()) << "a text without an address";
    EXPECT_FALSE(form->Text10->isVisible());
    EXPECT_EQ(form->Text4->text(), u"Email:"_s);
    click(form->Text4);
    ASSERT_EQ(fakes.shellOpen.calls.size(), 1u);
    EXPECT_EQ(fakes.shellOpen.calls[0], (FakeShellOpen::Call{u"mailto:"_s, false}))
        << "no address: a new, empty message";
    fakes.shellOpen.calls.clear();
    clickRow(1);
    EXPECT_EQ(directoryRecords(tree).size(), 1) << "the second display adds nothing";

    click(form->Text5);
    click(form->Text4);
    click(form->Image4);
    ASSERT_EQ(fakes.shellOpen.calls.size(), 3u);
    EXPECT_EQ(fakes.shellOpen.calls[0],
              (FakeShellOpen::Call{u"http://www.example.gov.cn/zcfg"_s, true}));
    EXPECT_EQ(fakes.shellOpen.calls[1],
              (FakeShellOpen::Call{u"mailto:office@example.gov.cn"_s, false}));
    EXPECT_EQ(fakes.shellOpen.calls[2], (FakeShellOpen::Call{u"mailto:"_s, false}));
}

TEST_F(LawAddressTest, TheOfficialWebsitesOfTheIssuer)
{
    db.a.issuer = u"江苏省教育厅"_s;
    db.a.title = u"江苏省教育厅甲合同规定"_s;
    startInLaw();
    tree.writeRecords(govUrlsPath(),
                      {{u"省级政府"_s, u"江苏省人民政府"_s, u"http://www.jiangsu.gov.cn"_s, u""_s},
                       {u"省级部门"_s, u"江苏省教育厅"_s, u"http://jyt.jiangsu.gov.cn"_s, u""_s},
                       {u"国务院部门"_s, u"财政部"_s, u"http://www.mof.gov.cn"_s, u""_s}});
    tree.writeRecords(placesPath(), {{u"江苏"_s}});
    tree.writeRecords(sectorsPath(), {{u"教育"_s}, {u"人民政府"_s}});

    // 乙 names no place: its issuer's site, and No opens nothing.
    fakes.messageBoxes.answers = {MessageAnswer::No};
    doubleClickRow(0);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0],
              (MessageRequest{u"搜索第 1个相关官方网站？"_s, u"智能搜索相关的官方网站"_s,
                              MessageIcon::Question, MessageButtons::YesNo, std::nullopt}));
    EXPECT_TRUE(fakes.shellOpen.calls.empty());

    // 甲 is a department of a province.
    fakes.messageBoxes.calls.clear();
    fakes.messageBoxes.answers = {MessageAnswer::Yes};
    doubleClickRow(1);
    ASSERT_EQ(fakes.shellOpen.calls.size(), 1u);
    EXPECT_EQ(fakes.shellOpen.calls[0],
              (FakeShellOpen::Call{u"http://jyt.jiangsu.gov.cn"_s, true}));

    // Without the tables.
    QFile::remove(tree.hostPath(placesPath()));
    fakes.messageBoxes.calls.clear();
    doubleClickRow(1);
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(*lastMessage(),
              (MessageRequest{u"没有地址文件!"_s, u"提示"_s, MessageIcon::Information,
                              MessageButtons::Ok, std::nullopt}));
}
