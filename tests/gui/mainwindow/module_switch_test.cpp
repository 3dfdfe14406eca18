#include "window_fixture.h"

#include <QHeaderView>

namespace {

QStringList captions(const Form1 *form)
{
    QStringList c;
    for (int n = 1; n <= 10; ++n)
        c.append(form->categoryButton(n)->text());
    return c;
}

} // namespace

TEST_F(WindowTest, TheRingGoesRoundBothWays)
{
    writeErrNoList();
    start();
    const struct {
        bool next;
        int module;
    } steps[] = {{true, 2}, {true, 3}, {true, 1}, {false, 3}, {false, 2}, {false, 1}};
    for (const auto &s : steps) {
        click(s.next ? form->Image3 : form->Image2);
        EXPECT_EQ(form->module(), s.module) << (s.next ? "next" : "previous");
        EXPECT_TRUE(highlighted(10)) << s.module;
        EXPECT_EQ(form->state.Category, 10);
        EXPECT_EQ(form->state.RowShown, 0);
        EXPECT_EQ(form->Progress->caption(), u"1"_s);
    }
}

TEST_F(WindowTest, EachModuleSetsItsTitleCaptionsColumnsAndTools)
{
    writeErrNoList();
    writeLawIndex({{u"甲规定"_s, u"2003-04-01"_s, u"2国务院"_s, u"有效"_s}});
    start();
    const struct {
        int module;
        QString title;
        QString keywordCaption;
        QString moduleDir;
        QStringList headers;
        bool headersShown;
        QString firstCaption;
        bool combo, picker, check1, pane, text2, photo, favourites, wordEdit, delete_;
        QString icon;
    } cases[] = {
        {1,
         u"《档案管理》"_s,
         u"任意关键词>>>"_s,
         u"c:\\program files\\quorix\\clients\\"_s,
         {u"名称 (同右边框内第一行)"_s, u"类别"_s, u"上一次编辑时间"_s},
         true,
         u"1.企业"_s,
         false,
         true,
         false,
         true,
         true,
         true,
         false,
         true,
         true,
         u"objpics\\clients.ico"_s},
        {2,
         u"《法律法规》"_s,
         u"标题关键词>>>"_s,
         u"c:\\program files\\quorix\\lawbase\\"_s,
         {u"Index2"_s},
         false,
         u"1.全国人大"_s,
         true,
         false,
         true,
         true,
         true,
         false,
         true,
         true,
         false,
         u"objpics\\law.ico"_s},
        {3,
         u"《电邮号码》"_s,
         u"任意关键词>>>"_s,
         u"c:\\program files\\quorix\\YellowPage\\"_s,
         {u"名称"_s, u"代码/地址"_s, u"类别或隶属关系"_s},
         true,
         u"1.电话区号"_s,
         false,
         false,
         false,
         false,
         false,
         false,
         false,
         false,
         false,
         u"objpics\\Telecom.ico"_s},
    };
    for (const auto &c : cases) {
        goToModule(c.module);
        SCOPED_TRACE(c.module);
        EXPECT_EQ(element<QLabel>(u"Label20"_s)->text(), c.title);
        EXPECT_EQ(form->Label16->text(), c.keywordCaption);
        EXPECT_EQ(form->state.ModuleDir.toString(), c.moduleDir);
        EXPECT_EQ(headers(form->List1), c.headers);
        EXPECT_EQ(!form->List1->isHeaderHidden(), c.headersShown);
        EXPECT_EQ(form->categoryButton(1)->text(), c.firstCaption);
        EXPECT_EQ(form->categoryButton(10)->text(), u"10.全部"_s);
        EXPECT_EQ(form->Combo1->isVisible(), c.combo);
        EXPECT_EQ(form->DTPicker1->isVisible(), c.picker);
        EXPECT_EQ(form->Check1->isVisible(), c.check1);
        EXPECT_EQ(form->RichTextBox1->isVisible(), c.pane);
        EXPECT_EQ(form->Text2->isVisible(), c.text2);
        EXPECT_EQ(form->Picture1->isVisible(), c.photo);
        EXPECT_EQ(form->Image11->isEnabled(), c.favourites);
        EXPECT_EQ(form->Image15->isEnabled(), c.wordEdit);
        EXPECT_EQ(form->Image12->isEnabled(), c.delete_);
        EXPECT_EQ(form->Image5->pictureName(), c.icon);
        EXPECT_EQ(form->RichTextBox1->isReadOnly(), c.module != 1);
        EXPECT_EQ(form->Text4->isVisible(), c.module != 3);
    }
}

TEST_F(WindowTest, CategoryCaptionsOfEveryModule)
{
    writeErrNoList();
    start();
    EXPECT_EQ(captions(form),
              (QStringList{u"1.企业"_s, u"2.行政"_s, u"3.事业"_s, u"4.公益"_s, u"5.私人"_s,
                           u"6.涉外"_s, u"7.刑事"_s, u"8.知识产权"_s, u"9.其他"_s, u"10.全部"_s}));
    nextModule();
    EXPECT_EQ(captions(form), (QStringList{u"1.全国人大"_s, u"2.中央国务院"_s, u"3.高法高检"_s,
                                           u"4.部委协会"_s, u"5.省市地方"_s, u"6.涉外"_s,
                                           u"7.范本"_s, u"8.案例"_s, u"9.其他"_s, u"10.全部"_s}));
    nextModule();
    EXPECT_EQ(captions(form),
              (QStringList{u"1.电话区号"_s, u"2.求助电话"_s, u"3.邮政编码"_s, u"4.常用网站"_s,
                           u"5.法律机构"_s, u"6.政府机构"_s, u"7.旅行服务"_s, u"8.备用"_s,
                           u"9.其他"_s, u"10.全部"_s}));
    // Every caption here is longer than 3 characters.
    for (int n = 1; n <= 10; ++n)
        EXPECT_TRUE(form->categoryButton(n)->isVisible()) << n;
}

TEST_F(WindowTest, ClickingACategoryHighlightsItAlone)
{
    writeErrNoList();
    writeLawIndex({{u"甲规定"_s, u"2003-04-01"_s, u"2国务院"_s, u"有效"_s}});
    start();
    nextModule();
    click(form->categoryButton(3));
    EXPECT_TRUE(highlighted(3));
    for (int n = 1; n <= 10; ++n) {
        if (n != 3) {
            EXPECT_FALSE(highlighted(n)) << n;
        }
    }
    EXPECT_EQ(form->state.Category, 3);
    EXPECT_EQ(form->state.CurCategoryName, u"高法高检"_s);
    click(form->categoryButton(10));
    EXPECT_EQ(form->state.Category, 10);
    EXPECT_EQ(form->state.CurCategoryName, u"其他"_s);
    EXPECT_EQ(form->state.LawAllShown.toInt(), 1);
}

TEST_F(WindowTest, DirectoryOtherListsTheRecordsOfItsName)
{
    writeErrNoList();
    start();
    goToModule(3);
    const int clicks = form->sounds.played(Sounds::Click);
    click(form->categoryButton(9));
    EXPECT_TRUE(highlighted(9));
    EXPECT_EQ(headers(form->List1), (QStringList{u"名称"_s, u"电话\\传真"_s, u"类别"_s}));
    EXPECT_EQ(form->sounds.played(Sounds::Click), clicks + 1) << "nothing listed";
    click(form->categoryButton(4));
    EXPECT_EQ(headers(form->List1),
              (QStringList{u"网站名称(双击名称上网)"_s, u"网址(URL)"_s, u"类别"_s}));
    EXPECT_TRUE(form->Combo1->isVisible());
    EXPECT_EQ(Twips::left(form->Combo1), Twips::left(form->categoryButton(4)));
}

TEST_F(WindowTest, UserClassNamesGiveTheFirstEightCaptions)
{
    writeErrNoList();
    tree.writeRecords(u"c:\\program files\\quorix\\clients\\class.txt"_s,
                      {{u"公司"_s}, {u"2.机关"_s}});
    start();
    EXPECT_EQ(form->categoryButton(1)->text(), u"1.公司"_s);
    EXPECT_EQ(form->categoryButton(2)->text(), u"2.机关"_s);
    EXPECT_EQ(form->categoryButton(3)->text(), u"3.事业"_s);
    EXPECT_EQ(form->categoryButton(9)->text(), u"9.其他"_s);
    click(form->categoryButton(2));
    EXPECT_EQ(form->state.CurCategoryName, u"机关"_s);
}

TEST_F(WindowTest, HoverAndPressLooks)
{
    writeErrNoList();
    start();
    form->sounds.resetCounts();
    ClickLabel *button = form->categoryButton(3);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(button->frameShape(), QFrame::Box);
    EXPECT_EQ(form->hint(), u"[类别3]"_s);
    EXPECT_EQ(form->state.HintX.toInt(), Twips::left(button));
    EXPECT_EQ(form->state.HintY.toInt(), Twips::top(button));
    EXPECT_EQ(form->sounds.played(Sounds::Button), 1);
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(button->frameShadow(), QFrame::Sunken);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(button->frameShadow(), QFrame::Plain);

    QApplication::sendEvent(form->Label33, &enter);
    EXPECT_EQ(form->hint(), u"下一页"_s);
    EXPECT_EQ(form->Label33->frameShape(), QFrame::Box);
    QApplication::sendEvent(form->Label34, &enter);
    EXPECT_EQ(form->hint(), u"上一页"_s);
    QApplication::sendEvent(form->txtProgress, &enter);
    EXPECT_EQ(form->hint(), u"页号"_s);

    // The list: the hint two thirds across it in the browse layout.
    QTest::mouseMove(form->List1->viewport(), QPoint(20, 20));
    EXPECT_EQ(form->hint(), u"列表框"_s);
    EXPECT_EQ(form->state.OverBackground, 1);
    EXPECT_EQ(form->state.HintX.toInt(),
              Twips::left(form->List1) + Twips::width(form->List1) * 2 / 3);
    EXPECT_EQ(form->state.HintY.toInt(), Twips::top(form->List1) + 500);

    // Back over the background (the top band's picture) every frame goes.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form->Image13, &move);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(form->categoryButton(n)->frameShape(), QFrame::NoFrame) << n;
    EXPECT_EQ(form->Label33->frameShape(), QFrame::NoFrame);
}

TEST_F(WindowTest, KeywordSelectionFeedsTheCopyButton)
{
    writeErrNoList();
    start();
    form->Text1->setText(u"合同纠纷"_s);
    form->Text1->setSelection(0, 2);
    QTest::mouseRelease(form->Text1, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(form->state.CopyBuffer, u"合同"_s);
    EXPECT_TRUE(form->Image19->isEnabled());
    form->Text1->deselect();
    QTest::mouseRelease(form->Text1, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(form->Image19->isEnabled());
}

TEST_F(WindowTest, EachCategoryOfTheOtherModules)
{
    writeErrNoList();
    start();
    const struct {
        int category;
        QStringList headers;
        bool combo;
    } directory[] = {
        {1, {u"名称"_s, u"电话区号"_s, u"类别"_s}, false},
        {2, {u"名称"_s, u"电话"_s, u"类别"_s}, false},
        {3, {u"名称"_s, u"邮政编码"_s, u"类别"_s}, false},
        {4, {u"网站名称(双击名称上网)"_s, u"网址(URL)"_s, u"类别"_s}, true},
        {5, {u"名称"_s, u"电话\\传真"_s, u"类别"_s}, false},
        {6, {u"名称"_s, u"电话\\传真"_s, u"类别"_s}, false},
        {7, {u"名称"_s, u"电话"_s, u"类别"_s}, false},
        {8, {u"名称"_s, u"电话\\传真"_s, u"类别"_s}, false},
        {10, {u"名称"_s, u"代码/地址"_s, u"类别或隶属关系"_s}, false},
    };
    goToModule(3);
    for (const auto &d : directory) {
        click(form->categoryButton(d.category));
        EXPECT_EQ(headers(form->List1), d.headers) << d.category;
        EXPECT_EQ(form->Combo1->isVisible(), d.combo) << d.category;
        EXPECT_EQ(form->state.Category, d.category);
        EXPECT_TRUE(highlighted(d.category)) << d.category;
    }

    goToModule(1);
    const QStringList names = {u"企业"_s, u"行政"_s, u"事业"_s,     u"公益"_s, u"私人"_s,
                               u"涉外"_s, u"刑事"_s, u"知识产权"_s, u"其他"_s, u"其他"_s};
    for (int n = 1; n <= 10; ++n) {
        click(form->categoryButton(n));
        EXPECT_EQ(form->state.Category, n);
        EXPECT_EQ(form->state.CurCategoryName, names[n - 1]) << n;
        EXPECT_EQ(form->state.RecordShown, 0);
        EXPECT_EQ(headers(form->List1),
                  (QStringList{u"名称 (同右边框内第一行)"_s, u"类别"_s, u"上一次编辑时间"_s}));
    }
}
