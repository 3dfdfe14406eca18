#include "window_fixture.h"

#include "core/directory/comcodes.h"
#include "core/foundation/gbk.h"
#include "gui/directory/directory_module.h"

namespace {

Record rec(const QString &name, const QString &code, const QString &cls)
{
    return {name, QString(), code, cls};
}

} // namespace

class DirectoryWindowTest : public WindowTest
{
protected:
    void startWith(const QList<Record> &records)
    {
        writeErrNoList();
        tree.writeRecords(comCodesPath(), records);
        start();
        goToModule(3);
        fakes.messageBoxes.calls.clear();
        form->sounds.resetCounts();
    }
    QStringList captions() const
    {
        QStringList out;
        for (int n = 1; n <= 10; ++n)
            out.append(form->categoryButton(n)->text());
        return out;
    }
    QList<bool> shown() const
    {
        QList<bool> out;
        for (int n = 1; n <= 10; ++n)
            out.append(form->categoryButton(n)->isVisible());
        return out;
    }
    void chooseSubclass(const QString &name) const
    {
        const int index = form->Combo1->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        form->Combo1->setCurrentIndex(index);
        Q_EMIT form->Combo1->activated(index);
    }
    QStringList codes() const
    {
        QStringList out;
        for (int i = 0; i < form->List1->topLevelItemCount(); ++i)
            out.append(form->List1->topLevelItem(i)->text(1));
        return out;
    }
};

TEST_F(DirectoryWindowTest, AreaCodesPageByPage)
{
    QList<Record> records;
    for (int i = 0; i < 36; ++i)
        records.append(rec(u"城市"_s + QString::number(i).rightJustified(2, u'0'),
                           u"0"_s + QString::number(100 + i), u"DD电话区号：某省"_s));
    records.append(rec(u"匪警"_s, u"110"_s, u"求助电话：紧急求助"_s));
    startWith(records);
    click(form->categoryButton(1));
    EXPECT_EQ(form->TotalRecords->caption(), u"37"_s);
    EXPECT_EQ(form->RelevantRecords->caption(), u"36"_s);
    EXPECT_EQ(form->Label35->caption(), u"2"_s);
    EXPECT_EQ(listRows().size(), 35);
    EXPECT_EQ(headers(form->List1), (QStringList{u"名称"_s, u"电话区号"_s, u"类别"_s}));
    EXPECT_FALSE(form->Combo1->isVisible());
    EXPECT_GE(form->sounds.played(Sounds::Page), 1);
    click(form->Label33);
    EXPECT_EQ(listRows(), QStringList{u"城市35"_s});

    enterKeywords(u"城市0 0105"_s);
    EXPECT_EQ(listRows(), QStringList{u"城市05"_s});
    EXPECT_EQ(codes(), QStringList{u"0105"_s});
}

TEST_F(DirectoryWindowTest, WebsitesBySubclass)
{
    startWith({rec(u"新华网"_s, u"http://www.news.cn"_s, u"常用网站：新闻\\通讯社"_s),
               rec(u"中国法院网"_s, u"https://www.chinacourt.org"_s, u"常用网站：法律\\法院"_s),
               rec(u"最高人民法院"_s, u"北京市东城区东交民巷27号"_s, u"法律机构：法院"_s),
               rec(u"司法部"_s, u"http://www.moj.gov.cn"_s, u"法律机构：司法行政"_s)});
    click(form->categoryButton(4));
    EXPECT_TRUE(form->Combo1->isVisible());
    EXPECT_EQ(form->Combo1->count(), 13);
    EXPECT_EQ(form->Combo1->itemText(0), u"综合"_s);
    EXPECT_EQ(form->Combo1->currentText(), u"全部"_s);
    EXPECT_EQ(listRows(), (QStringList{u"中国法院网"_s, u"新华网"_s})) << "by class, descending";

    chooseSubclass(u"法律"_s);
    EXPECT_EQ(listRows(), QStringList{u"中国法院网"_s});
    const int clicks = form->sounds.played(Sounds::Click);
    chooseSubclass(u"证券"_s);
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_EQ(form->sounds.played(Sounds::Click), clicks + 1);

    // The hidden box does not filter another category.
    chooseSubclass(u"新闻"_s);
    click(form->categoryButton(5));
    EXPECT_FALSE(form->Combo1->isVisible());
    EXPECT_EQ(listRows(), (QStringList{u"最高人民法院"_s, u"司法部"_s}));
}

TEST_F(DirectoryWindowTest, ADoubleClickOnAWebsiteOpensIt)
{
    startWith({rec(u"新华网"_s, u"http://www.news.cn"_s, u"常用网站：新闻\\通讯社"_s),
               rec(u"匪警"_s, u"110"_s, u"求助电话：紧急求助 常用网站"_s)});
    click(form->categoryButton(10));
    ASSERT_EQ(listRows().size(), 2);
    doubleClickRow(0);
    doubleClickRow(1);
    ASSERT_EQ(fakes.shellOpen.calls.size(), 1u) << "the telephone number opens nothing";
    EXPECT_EQ(fakes.shellOpen.calls[0], (FakeShellOpen::Call{u"http://www.news.cn"_s, true}));
    EXPECT_EQ(form->sounds.played(Sounds::Email), 1);
}

TEST_F(DirectoryWindowTest, DefaultCaptionsWithoutUserNames)
{
    startWith({});
    EXPECT_EQ(captions(), directoryCategoryCaptions());
    EXPECT_EQ(shown(), QList<bool>(10, true));
}

TEST_F(DirectoryWindowTest, UserNamesOfClassV)
{
    writeErrNoList();
    tree.writeBytes(directoryFolder() + u"ClassV.txt"_s,
                    Gbk::encode(u"\"同行\",\"法院\",\"\",\"X\"\r\n"_s));
    tree.writeRecords(comCodesPath(), {rec(u"金陵律师事务所"_s, u"025-1"_s, u"同行：南京"_s)});
    start();
    goToModule(3);
    EXPECT_EQ(captions().mid(4, 5),
              (QStringList{u"5.同行"_s, u"6.法院"_s, u"7."_s, u"8.X"_s, u"9."_s}));
    EXPECT_EQ(shown().mid(4, 5), (QList<bool>{true, true, false, false, false}));
    click(form->categoryButton(5));
    EXPECT_EQ(listRows(), QStringList{u"金陵律师事务所"_s}) << "the category looks for its name";
}

TEST_F(DirectoryWindowTest, AnEmptyOrMissingDirectory)
{
    writeErrNoList();
    start();
    goToModule(3);
    fakes.messageBoxes.calls.clear();
    click(form->categoryButton(1));
    EXPECT_EQ(form->TotalRecords->caption(), u"0"_s);
    EXPECT_EQ(form->RelevantRecords->caption(), u"0"_s);
    EXPECT_EQ(form->Label35->caption(), u"0"_s);
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_TRUE(fakes.messageBoxes.calls.empty());
}
