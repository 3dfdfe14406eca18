#include "window_fixture.h"

#include "core/foundation/gbk.h"
#include "gui/clients/client_editor.h"
#include "gui/clients/client_module.h"
#include "support/failing_writes.h"

#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextCursor>

namespace {

const QString Register = u"c:\\program files\\quorix\\clients\\clients.txt"_s;

Record client(const QString &name, const QString &category, const QString &rest,
              const QString &timestamp = u"2026-11-01 09:00:00"_s)
{
    return {name, timestamp, category, name + u"\r\n"_s + rest};
}

} // namespace

class ClientWindowTest : public WindowTest
{
protected:
    void startWith(const QList<Record> &clients)
    {
        writeErrNoList();
        if (!clients.isEmpty())
            tree.writeRecords(Register, clients);
        start();
        fakes.messageBoxes.calls.clear();
    }
    QTextEdit *pane() const { return form->RichTextBox1; }
    void enterPane() const
    {
        pane()->setFocus();
        QApplication::processEvents();
    }
    void key(Qt::Key k) const { QTest::keyClick(pane(), k); }
    QList<Record> stored() const
    {
        QList<Record> records;
        auto reader = tree.files().openForReading(Register);
        if (!reader)
            return records;
        while (!reader->atEnd()) {
            const auto r = reader->readRecord();
            if (!r)
                break;
            records.append(*r);
        }
        return records;
    }
    QString storedText(int i) const { return stored().value(i).value(3).toText(); }
};

TEST_F(ClientWindowTest, NameEnterTextEnterEnterSavesOnceAndLists)
{
    startWith({});
    enterPane();
    EXPECT_EQ(form->state.nameState(), 1);
    EXPECT_EQ(form->Label36->text(), u"回车或TAB退出编辑!"_s);
    EXPECT_TRUE(form->Text9->isVisible());

    type(pane(), u"张三"_s);
    EXPECT_TRUE(form->Text8->isVisible()); // the caret is on the first line
    EXPECT_FALSE(form->Text9->isVisible());
    key(Qt::Key_Return);
    EXPECT_TRUE(tree.files().directoryExists(u"c:\\program files\\quorix\\clients\\张三"_s));
    EXPECT_TRUE(stored().isEmpty()); // one Enter stages only
    type(pane(), u"电话 010-1234"_s);
    EXPECT_EQ(form->Label36->text(), u"编辑(连续回车=存盘;TAB=存盘退出编辑!)"_s);
    key(Qt::Key_Return);
    key(Qt::Key_Return);

    const QList<Record> records = stored();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0][0].toText(), u"张三"_s);
    EXPECT_EQ(records[0][2].toText(), u"其他"_s); // saved while "10.全部" is selected
    // The first Enter's line break is part of the text; only blanks are trimmed.
    EXPECT_EQ(records[0][3].toText(), u"张三\r\n电话 010-1234\r\n"_s);
    EXPECT_EQ(records[0][1].toText().size(), 19);
    EXPECT_TRUE(form->paneText().isEmpty()); // the last line break is cleared too
    EXPECT_EQ(listRows(), (QStringList{u"张三"_s}));
    EXPECT_EQ(form->RelevantRecords->caption(), u"1"_s);
}

TEST_F(ClientWindowTest, TabSavesAndKeepsTheText)
{
    startWith({});
    enterPane();
    type(pane(), u"李四"_s);
    key(Qt::Key_Return);
    type(pane(), u"地址 北京"_s);
    key(Qt::Key_Tab);
    EXPECT_FALSE(pane()->hasFocus());
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(storedText(0), u"李四\r\n地址 北京"_s);
    EXPECT_EQ(form->paneText(), u"李四\r\n地址 北京"_s);
    EXPECT_EQ(form->state.nameState(), 0);
    EXPECT_FALSE(form->Text8->isVisible());
}

TEST_F(ClientWindowTest, FirstLineKeyRules)
{
    startWith({});
    enterPane();
    // Enter at the start of an empty pane leaves it for the keyword box.
    key(Qt::Key_Return);
    EXPECT_TRUE(form->Text1->hasFocus());
    enterPane();
    // No blank at the start; no forbidden character on the first line.
    type(pane(), u" abc*"_s);
    EXPECT_EQ(form->paneText(), u"ab"_s);
    // Enter at the start of a first line is swallowed.
    pane()->moveCursor(QTextCursor::Start);
    key(Qt::Key_Return);
    EXPECT_EQ(form->paneText(), u"ab"_s);
    pane()->moveCursor(QTextCursor::End);
    key(Qt::Key_Return);
    type(pane(), u"a*b"_s);
    EXPECT_EQ(form->paneText(), u"ab\r\na*b"_s);
}

TEST_F(ClientWindowTest, AStoredNameInAnotherCaseLoadsItsRecord)
{
    startWith({client(u"ABC"_s, u"企业"_s, u"老客户的记录"_s)});
    enterPane();
    type(pane(), u"abc"_s);
    key(Qt::Key_Return);
    EXPECT_TRUE(form->paneText().startsWith(u"ABC\r\n老客户的记录"_s))
        << form->paneText().toStdString();
    EXPECT_EQ(form->state.nameState(), 2);
}

TEST_F(ClientWindowTest, AFirstLineOfForbiddenCharactersIsRefused)
{
    startWith({});
    enterPane();
    // Typed characters of that kind never reach the first line; a pasted one can.
    pane()->insertPlainText(u"**"_s);
    key(Qt::Key_Return);
    ASSERT_FALSE(fakes.messageBoxes.calls.empty());
    const MessageRequest &m = fakes.messageBoxes.calls.front();
    EXPECT_EQ(m.text, u"首行禁用字符包括：\r\n\\  /  :  *  ?  |  “  <  > \r\n等, 请重新录入!"_s);
    EXPECT_EQ(m.title, u"警告!"_s);
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(ClientWindowTest, CategoriesKeywordsAndDates)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷 2026-12-10 开庭"_s),
               client(u"乙局"_s, u"行政"_s, u"行政复议"_s),
               client(u"丙学校"_s, u"事业"_s, u"合同审查"_s)});
    EXPECT_EQ(form->TotalRecords->caption(), u"3"_s);
    EXPECT_EQ(form->RelevantRecords->caption(), u"3"_s);
    EXPECT_EQ(form->List1->topLevelItem(0)->text(1).isEmpty(), false);

    const struct {
        int category;
        QStringList rows;
    } cases[] = {{1, {u"甲公司"_s}}, {2, {u"乙局"_s}}, {3, {u"丙学校"_s}}, {4, {}}};
    for (const auto &c : cases) {
        click(form->categoryButton(c.category));
        EXPECT_EQ(listRows(), c.rows) << c.category;
    }
    click(form->categoryButton(10));
    enterKeywords(u"合同"_s);
    EXPECT_EQ(listRows().size(), 2);
    enterKeywords(u"合同 审查"_s);
    EXPECT_EQ(listRows(), (QStringList{u"丙学校"_s}));
    enterKeywords(QString());

    // The calendar date as the filter: the record that mentions the day, and
    // its date text goes to the word box when the row is clicked.
    form->DTPicker1->setDate(QDate(2026, 12, 10));
    form->clients().FindClients(u"dtbound"_s);
    EXPECT_EQ(listRows(), (QStringList{u"甲公司"_s}));
    clickRow(0);
    EXPECT_EQ(form->Text2->text(), u"2026-12-10"_s);
    EXPECT_TRUE(form->paneText().startsWith(u"甲公司\r\n"_s));
    EXPECT_EQ(form->state.CurClient, u"甲公司"_s);
}

TEST_F(ClientWindowTest, ACategoryClickWhileEditingMovesTheClient)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷"_s)});
    clickRow(0);
    enterPane();
    click(form->categoryButton(3));
    EXPECT_EQ(stored().value(0).value(2).toText(), u"事业"_s);
    // Leaving the pane saves the record again under its class; category 3 lists it.
    form->List1->setFocus();
    QApplication::processEvents();
    click(form->categoryButton(3));
    EXPECT_EQ(listRows(), (QStringList{u"甲公司"_s}));
}

TEST_F(ClientWindowTest, AnOverFullRegisterWarnsOnceAndKeepsEveryRecord)
{
    QList<Record> many;
    for (int i = 0; i < 10001; ++i)
        many.append(client(u"客户"_s + QString::number(i), u"企业"_s, u"记录"_s));
    writeErrNoList();
    tree.writeRecords(Register, many);
    start();
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].text,
              u"超过允许的最大客户数量10000！\r\n10000之后的客户将被忽略。"_s);
    EXPECT_EQ(form->TotalRecords->caption(), u"10000"_s);
    // A save rewrites the register and keeps the 10001st record.
    fakes.messageBoxes.calls.clear();
    enterPane();
    type(pane(), u"新客户"_s);
    key(Qt::Key_Return);
    type(pane(), u"新记录"_s);
    key(Qt::Key_Tab);
    const QList<Record> records = stored();
    ASSERT_EQ(records.size(), 10002);
    QStringList names;
    for (const Record &r : records)
        names.append(r[0].toText());
    EXPECT_TRUE(names.contains(u"客户10000"_s));
    EXPECT_TRUE(names.contains(u"新客户"_s));
}

TEST_F(ClientWindowTest, AFailedSaveKeepsTheTypedText)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷"_s)});
    enterPane();
    type(pane(), u"王五"_s);
    key(Qt::Key_Return);
    type(pane(), u"重要记录"_s);
    // The disk is full: the new register cannot be written.
    withFileSizeLimit(16, [&] {
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        return FileResult::success();
    });
    ASSERT_FALSE(fakes.messageBoxes.calls.empty());
    EXPECT_EQ(fakes.messageBoxes.calls.back().title, u"错误"_s);
    EXPECT_EQ(fakes.messageBoxes.calls.back().icon, MessageIcon::Critical);
    EXPECT_TRUE(form->paneText().contains(u"重要记录"_s));
    // The old register is whole.
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(storedText(0), u"甲公司\r\n合同纠纷"_s);
}

TEST_F(ClientWindowTest, LeavingAShownRecordSavesItAgainAndTabComesFromTheKeywordBox)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷"_s, u"2020-01-01 08:00:00"_s)});
    // Tab in the keyword box goes on to the pane (any key there empties it first).
    form->Text1->setFocus();
    QApplication::processEvents();
    QTest::keyClick(form->Text1, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(pane()->hasFocus());
    EXPECT_EQ(form->state.nameState(), 1);

    form->List1->setFocus();
    click(form->categoryButton(10)); // the key emptied the list
    clickRow(0);
    ASSERT_TRUE(form->paneText().startsWith(u"甲公司"_s));
    enterPane();
    EXPECT_EQ(form->state.nameState(), 2);
    form->List1->setFocus();
    QApplication::processEvents();
    const QList<Record> records = stored();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0][3].toText(), u"甲公司\r\n合同纠纷"_s);
    EXPECT_NE(records[0][1].toText(), u"2020-01-01 08:00:00"_s); // a new timestamp
    EXPECT_EQ(records[0][1].toText(), clock.now().toString(u"yyyy-MM-dd hh:mm:ss"_s));
    EXPECT_EQ(records[0][2].toText(), u"其他"_s); // staged under "10.全部"
}

TEST_F(ClientWindowTest, TheWordProcessorGetsTheClientRecord)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷"_s)});
    clickRow(0);
    click(form->Image15);
    const QString path = u"c:\\program files\\quorix\\Word编辑-客户档案.rtf"_s;
    ASSERT_EQ(fakes.shellOpen.calls.size(), 1u);
    EXPECT_EQ(fakes.shellOpen.calls[0].target, tree.hostPath(path));
    EXPECT_FALSE(fakes.shellOpen.calls[0].maximised);
    EXPECT_TRUE(tree.readBytes(path).startsWith("{\\rtf1"));
}

TEST_F(ClientWindowTest, PhotoAndAttachments)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷"_s)});
    const QString folder = u"c:\\program files\\quorix\\clients\\甲公司\\"_s;
    tree.writeBytes(folder + u"PACC.txt"_s, "\"0\"\r\n");
    tree.writeBytes(folder + u"合同.doc"_s, "doc");
    tree.writeBytes(folder + u"判决.pdf"_s, "pdf");
    // An empty pane: no client to work on.
    click(form->Image6);
    ASSERT_FALSE(fakes.messageBoxes.calls.empty());
    EXPECT_EQ(fakes.messageBoxes.calls.back().text, u"请先选择[列表框]中的客户!"_s);
    EXPECT_EQ(fakes.messageBoxes.calls.back().title, u"提示："_s);
    EXPECT_EQ(fakes.messageBoxes.calls.back().icon, MessageIcon::Warning);
    click(form->Image8);
    EXPECT_FALSE(form->Frame2->isVisible());

    clickRow(0);
    EXPECT_EQ(form->Label23->text(), u"附件(3)>>"_s);
    // A photo: .jpg only, stored as the client's name.
    QTemporaryDir outside;
    const QString jpeg = outside.path() + u"/photo.JPEG"_s;
    const QString jpg = outside.path() + u"/photo.jpg"_s;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(jpeg, "JPG"));
    ASSERT_TRUE(image.save(jpg, "JPG"));
    fakes.fileDialogs.chosenFiles = {jpeg};
    click(form->Image6);
    EXPECT_EQ(fakes.messageBoxes.calls.back().text, u"请换成JPG格式!"_s);
    EXPECT_EQ(fakes.fileDialogs.calls.back().title, u"加入客户照片"_s);
    fakes.fileDialogs.chosenFiles = {jpg};
    click(form->Image6);
    EXPECT_FALSE(tree.readBytes(folder + u"甲公司.jpg"_s).isEmpty());
    EXPECT_FALSE(form->Image6->pixmap().isNull());
    EXPECT_EQ(form->Label23->text(), u"附件(4)>>"_s);

    // The panel: add, open, delete without a question, close.
    click(form->Image8);
    EXPECT_TRUE(form->Frame2->isVisible());
    EXPECT_EQ(form->File1->count(), 4);
    const QString letter = outside.path() + u"/律师函.txt"_s;
    QFile file(letter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    fakes.fileDialogs.chosenFiles = {letter};
    click(form->Label29);
    EXPECT_EQ(fakes.fileDialogs.calls.back().title, u"添加客户资料"_s);
    EXPECT_EQ(form->Label23->text(), u"附件(5)>>"_s);
    const auto found = form->File1->findItems(u"律师函.txt"_s, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    Q_EMIT form->File1->itemDoubleClicked(found[0]);
    ASSERT_FALSE(fakes.shellOpen.calls.empty());
    EXPECT_EQ(fakes.shellOpen.calls.back().target, tree.hostPath(folder + u"律师函.txt"_s));
    const size_t boxes = fakes.messageBoxes.calls.size();
    form->File1->setCurrentItem(found[0]);
    click(form->Image18);
    EXPECT_EQ(fakes.messageBoxes.calls.size(), boxes); // no question
    EXPECT_FALSE(QFileInfo::exists(tree.hostPath(folder + u"律师函.txt"_s)));
    EXPECT_EQ(form->Label23->text(), u"附件(4)>>"_s);
    click(form->Label38);
    EXPECT_FALSE(form->Frame2->isVisible());
}

TEST_F(ClientWindowTest, DeletingAClientRemovesItsRecordsAndFolderWithoutAQuestion)
{
    startWith({client(u"甲公司"_s, u"企业"_s, u"合同纠纷"_s),
               client(u"乙局"_s, u"行政"_s, u"复议"_s),
               client(u"甲公司 "_s, u"企业"_s, u"旧记录"_s)});
    const QString folder = u"c:\\program files\\quorix\\clients\\甲公司\\"_s;
    tree.writeBytes(folder + u"合同.doc"_s, "doc");
    clickRow(int(listRows().indexOf(u"甲公司"_s)));
    form->sounds.resetCounts();
    click(form->Image12);
    EXPECT_TRUE(fakes.messageBoxes.calls.empty());
    EXPECT_FALSE(QFileInfo::exists(tree.hostPath(folder)));
    const QList<Record> records = stored();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0][0].toText(), u"乙局"_s);
    EXPECT_EQ(form->sounds.played(Sounds::Kill), 2); // one for each record left out
    EXPECT_EQ(listRows(), (QStringList{u"乙局"_s}));
    EXPECT_TRUE(form->state.CurClient.isEmpty());
    EXPECT_TRUE(form->paneText().isEmpty());
}

TEST_F(ClientWindowTest, DeletingWithoutARegisterWarns)
{
    startWith({});
    click(form->Image12);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].text, u"没有任何客户!"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].title, u"警告!"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].icon, MessageIcon::Warning);
}
