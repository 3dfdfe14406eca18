#include "window_fixture.h"

#include "core/foundation/gbk.h"
#include "core/lawdb/maintenance.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/record_list.h"

#include <QAction>
#include <QListWidget>
#include <QMenuBar>

using namespace Twips;

TEST_F(WindowTest, BrowseAndReadingLayoutsInAWideWindow)
{
    writeErrNoList();
    start();
    frame->resize(Twips::size(16000, 11000));
    QApplication::processEvents();
    const int W = width(form);
    ASSERT_EQ(W, Twips::fromPixels(frame->width()) - 200);

    form->layouts().List1SetFocus();
    EXPECT_EQ(width(form->RichTextBox1), 3300);
    EXPECT_EQ(left(form->RichTextBox1), left(form->List1) + width(form->List1));
    EXPECT_EQ(width(form->List1), W - 3500);
    EXPECT_EQ(height(form->List1), height(form) - 2150);
    EXPECT_EQ(top(form->Image20), top(form->List1) + height(form->List1));
    EXPECT_EQ(top(form->Label28), top(form->Image20) + 55);
    EXPECT_EQ(width(form->Text1), width(form->List1) - width(form->Label18) - 60);
    EXPECT_EQ(left(form->Text2), left(form->RichTextBox1) + width(form->Label17));
    EXPECT_EQ(left(form->Check1), left(form->Text1) + width(form->Text1) - 1200);
    EXPECT_EQ(top(form->Text4), top(form->RichTextBox1) + height(form->RichTextBox1) - 240);
    EXPECT_EQ(form->RichTextBox1->styleSheet(), u"background-color: rgb(224, 224, 224)"_s);

    form->layouts().Richtextbox1SetFocus();
    EXPECT_EQ(width(form->List1), 2900);
    EXPECT_EQ(left(form->RichTextBox1), 3030);
    EXPECT_EQ(width(form->RichTextBox1), W - 3100);
    EXPECT_EQ(width(form->Text1), width(form->List1) - width(form->Label16) - 20);
    EXPECT_EQ(top(form->Text4), top(form->RichTextBox1) + height(form->RichTextBox1) - 300);
    EXPECT_EQ(form->List1->styleSheet(), u"background-color: rgb(224, 224, 224)"_s);

    // Whatever the width, the browse layout gives the pane 3300 again.
    frame->resize(Twips::size(20000, 11000));
    QApplication::processEvents();
    form->layouts().List1SetFocus();
    EXPECT_EQ(width(form->RichTextBox1), 3300);
}

TEST_F(WindowTest, ANarrowWindowKeepsTheSizesAndOnlyRecolours)
{
    writeErrNoList();
    start();
    frame->resize(Twips::size(5000, 6000));
    QApplication::processEvents();
    form->layouts().List1SetFocus(); // the list ends up less than 2000 wide
    ASSERT_LT(width(form->List1), 2000);
    const int list = width(form->List1);
    const int pane = width(form->RichTextBox1);
    const int paneLeft = left(form->RichTextBox1);
    form->layouts().Richtextbox1SetFocus();
    form->layouts().List1SetFocus();
    EXPECT_EQ(width(form->List1), list);
    EXPECT_EQ(width(form->RichTextBox1), pane);
    EXPECT_EQ(left(form->RichTextBox1), paneLeft);
    EXPECT_EQ(left(form->Check1), left(form->Text1) + width(form->Text1) - 1200);
}

TEST_F(WindowTest, FrameResizeAndFrameClick)
{
    writeErrNoList();
    start();
    form->layouts().frameResize(15000, 10000);
    EXPECT_EQ(width(form), 14800);
    EXPECT_EQ(height(form), 9400);
    EXPECT_EQ(height(form->List1), 9400 - 1800);
    EXPECT_EQ(height(form->RichTextBox1), 9400 - 1800);
    EXPECT_EQ(width(form->RichTextBox1), 14800 - width(form->List1) - 200);
    EXPECT_EQ(left(form->Check1), left(form->Text2) - 2860);
    EXPECT_EQ(top(form->Text10), top(form->Text5) - height(form->Text10));
    // A low frame leaves the heights alone.
    form->layouts().frameResize(15000, 900);
    EXPECT_EQ(height(form), 9400);

    form->layouts().frameClick();
    EXPECT_EQ(left(form->Text5), left(form->Text4));
    EXPECT_EQ(width(form->Text5), width(form->Text4));
    EXPECT_EQ(top(form->Text5), top(form->Text4) - 455);
}

TEST_F(WindowTest, RowClickInTheDirectoryAndTheClientArchive)
{
    writeErrNoList();
    start();
    goToModule(3);
    form->recordList().addRow(u"北京"_s, {u"010"_s, u"电话区号"_s});
    const int clicks = form->sounds.played(Sounds::Click);
    clickRow(0);
    EXPECT_EQ(form->sounds.played(Sounds::Click), clicks + 1);
    EXPECT_EQ(form->state.CopyBuffer, u"北京\r\n010\r\n电话区号"_s);
    EXPECT_TRUE(form->Image19->isEnabled());
    EXPECT_EQ(form->state.RowShown, 1);

    goToModule(1);
    form->recordList().addRow(u" 张三 "_s, {u"私人"_s, u"2026-12-01"_s});
    clickRow(0);
    EXPECT_EQ(form->state.CurClient, u"张三"_s);
    EXPECT_TRUE(tree.files().directoryExists(u"c:\\program files\\quorix\\clients\\张三"_s));
    EXPECT_EQ(form->state.RecordShown, 1);
    EXPECT_EQ(element<QLabel>(u"Label23"_s)->text(), u"附件(0)>>"_s);
    // A folder that is there already is no error; its files are the attachments.
    tree.writeBytes(u"c:\\program files\\quorix\\clients\\张三\\合同.doc"_s, "x");
    clickRow(0);
    EXPECT_EQ(form->state.CurClient, u"张三"_s);
    EXPECT_EQ(element<QLabel>(u"Label23"_s)->text(), u"附件(1)>>"_s);
    EXPECT_EQ(element<QListWidget>(u"File1"_s)->item(0)->text(), u"合同.doc"_s);
}

TEST_F(WindowTest, ListKeysGoToTheKeywordBoxAndLosingFocusDisablesCopy)
{
    writeErrNoList();
    writeLawIndex({{u"甲规定"_s, u"2003-04-01"_s, u"2国务院"_s, u"有效"_s}});
    start();
    nextModule();
    clickRow(0);
    EXPECT_TRUE(form->Image19->isEnabled());
    form->List1->setFocus();
    EXPECT_EQ(form->state.ListFocus.toInt(), 1);
    type(form->List1, u"x"_s);
    EXPECT_TRUE(form->Text1->hasFocus());
    EXPECT_EQ(form->state.ListFocus.toInt(), 0);
    EXPECT_FALSE(form->Image19->isEnabled());
    EXPECT_EQ(form->Image19->pictureName(), u"objpics\\copy0.ico"_s);
}

TEST_F(WindowTest, MaintenanceMenuRunsTheToolsOnTheShownList)
{
    writeErrNoList();
    // Page 2 holds two equal rows.
    QList<Record> index;
    for (int i = 0; i < 35; ++i)
        index.append({u"规定"_s + QString::number(i), u"2005-01-01"_s, u"2国务院"_s, u"有效"_s});
    index.append({u"甲规定"_s, u"2003-04-01"_s, u"2国务院"_s, u"有效"_s});
    index.append({u"甲规定"_s, u"2003-04-01"_s, u"2国务院"_s, u"有效"_s});
    index.append({u"乙规定"_s, u"2001-01-01"_s, u"2国务院"_s, u"有效"_s});
    writeLawIndex(index);
    start();
    nextModule();
    QMenu *menu = frame->menuBar()->findChild<QMenu *>(u"MaintenanceMenu"_s);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), u"数据维护"_s);
    const int beeps = fakes.beeper.beeps;
    frame->findChild<QAction *>(u"Command1"_s)->trigger();
    EXPECT_EQ(form->Progress->caption(), u"2"_s);
    EXPECT_EQ(fakes.beeper.beeps, beeps + 1);
    const QString report = Gbk::decode(tree.readBytes(lawbaseFile(RedandentRecordsName)));
    EXPECT_EQ(report, u"\"1    2003-04-01  (有效)甲规定\"\r\n"_s);
    // Again on the same page: already recorded, nothing is added.
    click(form->Label34);
    frame->findChild<QAction *>(u"Command1"_s)->trigger();
    EXPECT_EQ(Gbk::decode(tree.readBytes(lawbaseFile(RedandentRecordsName))), report);
    frame->findChild<QAction *>(u"Form2Action"_s)->trigger();
    QWidget *form2 = form->findChild<QWidget *>(u"Form2"_s);
    ASSERT_NE(form2, nullptr);
    auto *years = form2->findChild<QListWidget *>(u"List1"_s);
    ASSERT_NE(years, nullptr);
    EXPECT_EQ(years->count(), 3);
    // The check tells the first date, then ends at the first record: no
    // monthly source file here.
    fakes.messageBoxes.calls.clear();
    frame->findChild<QAction *>(u"Command2"_s)->trigger();
    ASSERT_FALSE(fakes.messageBoxes.calls.empty());
    EXPECT_EQ(fakes.messageBoxes.calls[0].text, u"2005-01-01"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].title, QString());
    EXPECT_TRUE(form->Text1->text().startsWith(u"(200501)"_s)) << form->Text1->text().toStdString();
    EXPECT_EQ(form->sounds.played(Sounds::Kill), 1);
}
