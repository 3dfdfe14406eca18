#include "window_fixture.h"

#include "core/lawdb/law_fixtures.h"
#include "gui/lawdb/law_module.h"

#include <QTextBlock>
#include <QTextCursor>

namespace {

// n index rows of category 4, newest first, all in 2003.
QList<Record> rows(int n)
{
    QList<Record> records;
    for (int i = 0; i < n; ++i) {
        const QString day = QString::number(28 - i % 28).rightJustified(2, u'0');
        records.append({u"规定"_s + QString::number(i).rightJustified(3, u'0'),
                        u"2003-0"_s + QString::number(9 - i / 28) + u'-' + day, u"4财政部"_s,
                        u"有效"_s});
    }
    return records;
}

} // namespace

class LawWindowTest : public WindowTest
{
protected:
    void writeDatabase()
    {
        db.write(tree);
        writeErrNoList();
    }
    void startInLaw()
    {
        start();
        nextModule();
        ASSERT_EQ(form->module(), 2);
    }
    void setMode(const QString &year, bool before)
    {
        form->Combo1->setEditText(year);
        form->label14->setCaption(before ? u"年  和    之前"_s : u"年  和    之后"_s);
    }
    QColor colourAt(int position) const
    {
        QTextCursor cursor(form->RichTextBox1->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().foreground().color();
    }

    SmallLawDatabase db;
    const LawDocument &a = db.a;
    const LawDocument &u = db.u;
};

TEST_F(LawWindowTest, EnteringTheModuleListsEveryRecordOfTheCurrentYearAndOlder)
{
    writeDatabase();
    startInLaw();
    EXPECT_EQ(form->Combo1->currentText(), u"2026"_s);
    EXPECT_EQ(form->Combo1->count(), 2026 - 1875 + 1);
    EXPECT_EQ(form->Combo1->itemText(form->Combo1->count() - 1), u"1875"_s);
    EXPECT_EQ(form->label14->caption(), u"年  和    之前"_s);
    EXPECT_EQ(form->TotalRecords->caption(), u"4"_s);
    EXPECT_EQ(form->RelevantRecords->caption(), u"4"_s);
    EXPECT_EQ(form->Label35->caption(), u"1"_s);
    // The page is sorted by its text, descending.
    EXPECT_EQ(listRows(),
              (QStringList{u"2003-04-20  (有效)乙管理办法"_s, u"2003-04-01  (有效)甲合同规定"_s,
                           u"2001-06-30  (失效)丙决定"_s, u"0000-00-00  (有效)丁范本"_s}));
    EXPECT_EQ(form->state.LawAllShown.toInt(), 0);
}

TEST_F(LawWindowTest, CategoriesFilterTheRangeAndTheModeSwapsIt)
{
    writeDatabase();
    startInLaw();
    const struct {
        int category;
        int rows;
    } cases[] = {{1, 0}, {2, 2}, {4, 1}, {6, 1}, {7, 1}, {9, 0}, {10, 4}};
    for (const auto &k : cases) {
        click(form->categoryButton(k.category));
        EXPECT_EQ(form->RelevantRecords->number(), k.rows) << k.category;
        EXPECT_EQ(form->List1->topLevelItemCount(), k.rows) << k.category;
    }
    // Year and newer: 2002 and after gives the two of 2003, never the undated.
    form->Combo1->setEditText(u"2002"_s);
    click(form->label14);
    EXPECT_EQ(form->label14->caption(), u"年  和    之后"_s);
    EXPECT_EQ(listRows(),
              (QStringList{u"2003-04-20  (有效)乙管理办法"_s, u"2003-04-01  (有效)甲合同规定"_s}));
    click(form->label14);
    EXPECT_EQ(form->label14->caption(), u"年  和    之前"_s);
    EXPECT_EQ(listRows(),
              (QStringList{u"2001-06-30  (失效)丙决定"_s, u"0000-00-00  (有效)丁范本"_s}));
}

TEST_F(LawWindowTest, NoYearDownTo1874WarnsAndKeepsTheRange)
{
    writeDatabase();
    startInLaw();
    fakes.messageBoxes.calls.clear();
    form->Combo1->setEditText(u"1800"_s);
    form->law().Combo1Click();
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->text, u"没有记录!"_s);
    EXPECT_EQ(lastMessage()->title, u"警告!"_s);
    EXPECT_EQ(lastMessage()->icon, MessageIcon::Warning);
    EXPECT_EQ(form->RelevantRecords->number(), 4);
}

TEST_F(LawWindowTest, KeywordsAndADateKeywordNarrowTheList)
{
    writeDatabase();
    startInLaw();
    enterKeywords(u"合同"_s);
    EXPECT_EQ(listRows(), (QStringList{u"2003-04-01  (有效)甲合同规定"_s}));
    enterKeywords(u"2003/4/20"_s);
    EXPECT_EQ(listRows(), (QStringList{u"2003-04-20  (有效)乙管理办法"_s}));
    EXPECT_EQ(form->keyWords.slot[3], u"2003-04-20"_s);
    // A full-width blank separates words, full-width digits are digits.
    enterKeywords(u"２００３　办法"_s);
    EXPECT_EQ(form->Text1->text(), u"2003 办法"_s);
    EXPECT_EQ(listRows(), (QStringList{u"2003-04-20  (有效)乙管理办法"_s}));
    // Any key empties the list and the pane first.
    clickRow(0);
    ASSERT_FALSE(form->paneText().isEmpty());
    QTest::keyClick(form->Text1, Qt::Key_A);
    EXPECT_EQ(form->List1->topLevelItemCount(), 0);
    EXPECT_TRUE(form->paneText().isEmpty());
}

TEST_F(LawWindowTest, RowClickShowsTheDocumentAndCopiesTheRow)
{
    writeDatabase();
    startInLaw();
    clickRow(1);
    EXPECT_EQ(form->paneText(), a.text() + u"\r\n"_s);
    EXPECT_EQ(form->state.RowShown, 1);
    EXPECT_EQ(form->state.CopyBuffer, u"2003-04-01  (有效)甲合同规定"_s);
    EXPECT_EQ(form->state.LastItemText, u"2003-04-01  (有效)甲合同规定"_s);
    EXPECT_EQ(form->state.SelectedIndex.toInt(), 2);
    EXPECT_EQ(form->state.LedgerPath.toString(),
              u"c:\\program files\\quorix\\lawbase\\2003-04-01  (有效)甲合同规定\\PACC.txt"_s);
    EXPECT_TRUE(form->Image19->isEnabled());
    EXPECT_EQ(form->Image19->pictureName(), u"objpics\\copy.ico"_s);
    EXPECT_FALSE(form->Picture3->isVisible());
    // The strip puts the row on the clipboard.
    click(form->Image14);
    EXPECT_EQ(fakes.clipboard.content, u"2003-04-01  (有效)甲合同规定"_s);
    // The undated row opens from the undated texts.
    clickRow(3);
    EXPECT_EQ(form->paneText(), u.text() + u"\r\n"_s);
}

TEST_F(LawWindowTest, MissingMonthDamagedAndIllegalDocuments)
{
    writeDatabase();
    LawDocument noMarker{u"无标记"_s};
    noMarker.date = u"1999-05-05"_s;
    QString broken = noMarker.text();
    broken.remove(RecordMarker());
    LawDocument damaged{u"损坏"_s};
    damaged.date = u"1998-05-05"_s;
    damaged.body = u"中国法律资源"_s;
    writeContentFile(tree, 1999, 5, {broken});
    writeContentFile(tree, 1998, 5, {damaged.text()});
    writeLawIndex({{a.title, a.date, u"2"_s, a.validity},
                   {u"不存在"_s, u"2000-03-03"_s, u"2"_s, u"有效"_s},
                   {noMarker.title, noMarker.date, u"2"_s, u"有效"_s},
                   {damaged.title, damaged.date, u"2"_s, u"有效"_s},
                   {u"另一个"_s, u"2003-04-09"_s, u"2"_s, u"有效"_s}});
    startInLaw();
    fakes.messageBoxes.calls.clear();
    const QStringList shown = listRows();
    const auto open = [&](const QString &row) { clickRow(int(shown.indexOf(row))); };
    open(u"2000-03-03  (有效)不存在"_s);
    EXPECT_TRUE(form->paneText().startsWith(u"【标    题】   不存在\r\n【颁布单位】   ......"_s));
    open(u"1999-05-05  (有效)无标记"_s);
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->text, u"非法格式!"_s);
    EXPECT_EQ(lastMessage()->title, u"错误"_s);
    EXPECT_EQ(lastMessage()->icon, MessageIcon::Critical);
    EXPECT_TRUE(form->paneText().isEmpty());
    open(u"1998-05-05  (有效)损坏"_s);
    EXPECT_EQ(lastMessage()->text, u"文件已损坏！"_s);
    EXPECT_EQ(lastMessage()->title, u"警告"_s);
    EXPECT_EQ(lastMessage()->buttons, MessageButtons::Ok);
    open(u"2003-04-09  (有效)另一个"_s);
    EXPECT_EQ(form->Text3->text(), u"没有查到!"_s);
}

TEST_F(LawWindowTest, PagingEdges)
{
    const struct {
        int rows;
        QString pages;
        QString progress;
        int firstPageRows;
        QString afterNext;
        int lastPageRows;
    } cases[] = {
        {0, u"0"_s, u"1"_s, 0, u"1"_s, 0},
        {35, u"1"_s, u"1"_s, 35, u"1"_s, 35},
        {36, u"2"_s, u"1"_s, 35, u"2"_s, 1},
        {70, u"2"_s, u"1"_s, 35, u"2"_s, 35},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.rows);
        WindowTest::TearDown();
        frame.reset();
        writeErrNoList();
        writeLawIndex(rows(k.rows));
        startInLaw();
        EXPECT_EQ(form->Label35->caption(), k.pages);
        EXPECT_EQ(form->Progress->caption(), k.progress);
        EXPECT_EQ(form->List1->topLevelItemCount(), k.firstPageRows);
        click(form->Label33);
        EXPECT_EQ(form->Progress->caption(), k.afterNext);
        EXPECT_EQ(form->txtProgress->text(), k.afterNext);
        EXPECT_EQ(form->List1->topLevelItemCount(), k.lastPageRows);
        // The last page: >>> does nothing more.
        click(form->Label33);
        EXPECT_EQ(form->Progress->caption(), k.afterNext);
        if (k.rows > 35) {
            click(form->Label34);
            EXPECT_EQ(form->Progress->caption(), u"1"_s);
            click(form->Label34);
            EXPECT_EQ(form->Progress->caption(), u"1"_s);
        }
    }
}

TEST_F(LawWindowTest, PageEntryRefusesWhatIsNoPage)
{
    writeErrNoList();
    writeLawIndex(rows(70));
    startInLaw();
    fakes.messageBoxes.calls.clear();
    for (const QString &typed : {u"3"_s, u"0"_s, u"-1"_s, u"abc"_s, u"1.5"_s}) {
        form->txtProgress->setText(typed);
        QTest::keyClick(form->txtProgress, Qt::Key_Return);
        ASSERT_NE(lastMessage(), nullptr) << typed.toStdString();
        EXPECT_EQ(lastMessage()->text, u"没有该页!"_s);
        EXPECT_EQ(lastMessage()->title, u"警告!"_s);
        EXPECT_EQ(lastMessage()->icon, MessageIcon::Warning);
        EXPECT_EQ(form->txtProgress->text(), u"1"_s);
        EXPECT_EQ(form->Progress->caption(), u"1"_s);
    }
    fakes.messageBoxes.calls.clear();
    const int pages = form->sounds.played(Sounds::Page);
    form->txtProgress->setText(u"1"_s);
    QTest::keyClick(form->txtProgress, Qt::Key_Return);
    EXPECT_TRUE(fakes.messageBoxes.calls.empty());
    EXPECT_EQ(form->sounds.played(Sounds::Page), pages); // no redisplay
    form->txtProgress->setText(u"2"_s);
    QTest::keyClick(form->txtProgress, Qt::Key_Return);
    EXPECT_EQ(form->Progress->caption(), u"2"_s);
    EXPECT_EQ(listRows().first(), u"2003-08-21  (有效)规定035"_s);
}

TEST_F(LawWindowTest, FullTextModeSearchesTheTextsAndEndsItself)
{
    writeDatabase();
    startInLaw();
    fakes.messageBoxes.calls.clear();
    form->Check1->click();
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->text, u"   [正文检索]将在选定的年份区间,对所有含有\r\n"
                                   u"同样关键词(或一组词)的正文不分类别进行搜索。\r\n"
                                   u"   搜索时间可能较长, 取决于您的电脑速度\r\n"
                                   u"和年份分布, 从1秒到数十秒!"_s);
    EXPECT_EQ(lastMessage()->title, u"提示"_s);
    EXPECT_EQ(lastMessage()->icon, MessageIcon::Information);
    EXPECT_EQ(form->Label16->text(), u"正文关键词>>>"_s);
    EXPECT_EQ(form->state.Category, 10);
    // Entering the module listed the records through the year mode, so the
    // frames were reset and only the red text of "10.全部" is left.
    EXPECT_EQ(textColour(form->categoryButton(10)), QColor(255, 0, 0));

    const int beeps = fakes.beeper.beeps;
    enterKeywords(u"wto 合同"_s);
    EXPECT_EQ(fakes.beeper.beeps, beeps + 1);
    // Scan order: newest month first, the undated texts last.
    EXPECT_EQ(form->law().ResultBuffer,
              (QStringList{u"2003-04-01  (有效)甲合同规定"_s, u"0000-00-00  (有效)丁范本"_s}));
    EXPECT_EQ(form->RelevantRecords->caption(), u"2"_s);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(form->Label16->text(), u"标题关键词>>>"_s);
    EXPECT_EQ(form->Text2->text(), u"WTO"_s);
    EXPECT_FALSE(form->Picture3->isVisible());
    // The bar ends at 95 % of its 8000 twips after the oldest year.
    EXPECT_EQ(Twips::width(form->Label30), 7600);
    // Opening a result marks the first word.
    clickRow(0);
    EXPECT_EQ(form->Label36->text(), u"查出 1 个相同的字(词)"_s);

    // A category click ends full-text mode and browses.
    form->Check1->click();
    click(form->categoryButton(2));
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_EQ(form->Label16->text(), u"标题关键词>>>"_s);
}

TEST_F(LawWindowTest, WordFindColoursEveryOccurrenceAndCounts)
{
    writeDatabase();
    startInLaw();
    clickRow(1); // 甲合同规定: 合同 four times, once in the title
    form->Text2->setText(u"合同"_s);
    form->Text2->setFocus();
    QTest::keyClick(form->Text2, Qt::Key_Return);
    EXPECT_EQ(form->Label36->text(), u"查出 4 个相同的字(词)"_s);
    EXPECT_EQ(form->Label36->styleSheet(), u"color: #ff0000"_s);
    const QString plain = form->RichTextBox1->toPlainText();
    int red = 0;
    for (qsizetype at = plain.indexOf(u"合同"); at >= 0; at = plain.indexOf(u"合同", at + 1)) {
        EXPECT_EQ(colourAt(int(at)), QColor(255, 0, 0)) << at;
        ++red;
    }
    EXPECT_EQ(red, 4);
    EXPECT_NE(colourAt(int(plain.indexOf(u"遵守"))), QColor(255, 0, 0));

    form->Text2->setText(u"没有的词"_s);
    QTest::keyClick(form->Text2, Qt::Key_Return);
    EXPECT_EQ(form->Label36->text(), u"查出 0 个相同的字(词)"_s);
    EXPECT_EQ(form->Label36->styleSheet(), u"color: #0080ff"_s);
    // The earlier marks are gone.
    EXPECT_NE(colourAt(int(plain.indexOf(u"合同"))), QColor(255, 0, 0));
}

TEST_F(LawWindowTest, AVeryLongTextAsksFirst)
{
    writeDatabase();
    startInLaw();
    form->setPaneText(QString(250001, u'字'));
    form->Text2->setText(u"字"_s);
    fakes.messageBoxes.calls.clear();
    fakes.messageBoxes.answers.push_back(MessageAnswer::Yes);
    form->Text2->setFocus();
    QTest::keyClick(form->Text2, Qt::Key_Return);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].text,
              u"此记录25万字, 可能需要较长时间。\r\n建议使用Word链接编辑。是否退出?"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].title, u"提示"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(form->Label36->text().isEmpty());
    EXPECT_NE(colourAt(0), QColor(255, 0, 0));
}

TEST_F(LawWindowTest, PaneClicksAndTheWordProcessorHandOver)
{
    writeDatabase();
    startInLaw();
    fakes.messageBoxes.calls.clear();
    QTest::mouseClick(form->RichTextBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->text, u"请在左边的列表中选择记录。"_s);
    EXPECT_EQ(lastMessage()->title, u"提示"_s);
    EXPECT_EQ(lastMessage()->icon, MessageIcon::Information);

    clickRow(1);
    form->Text2->setText(u"合同"_s);
    form->Text2->setFocus();
    QTest::keyClick(form->Text2, Qt::Key_Return);
    QTest::mouseClick(form->RichTextBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(form->Text11->isVisible());
    EXPECT_EQ(form->Text11->text(), u"双击正文进入Word编辑"_s);
    EXPECT_EQ(Twips::left(form->RichTextBox1), 3030); // the reading layout

    QTest::mouseDClick(form->RichTextBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(form->Text11->isVisible());
    const QString path = u"c:\\program files\\quorix\\Word编辑-法律法规.rtf"_s;
    ASSERT_EQ(fakes.shellOpen.calls.size(), 1u);
    EXPECT_EQ(fakes.shellOpen.calls[0].target, tree.hostPath(path));
    const QByteArray rtf = tree.readBytes(path);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    // The four marks of the word find are red in the document.
    EXPECT_EQ(rtf.count("\\cf2 "), 4);

    // The word button does the same; in the directory it does nothing.
    click(form->Image15);
    EXPECT_EQ(fakes.shellOpen.calls.size(), 2u);
    goToModule(3);
    click(form->Image15);
    EXPECT_EQ(fakes.shellOpen.calls.size(), 2u);
}

TEST_F(LawWindowTest, CopyAndPasteButtons)
{
    writeDatabase();
    startInLaw();
    clickRow(0);
    click(form->Image19);
    EXPECT_EQ(fakes.clipboard.content, u"2003-04-20  (有效)乙管理办法"_s);
    fakes.clipboard.content = u"办法"_s;
    form->Text1->setFocus();
    form->Text1->clear();
    click(form->Image16);
    EXPECT_EQ(form->Text1->text(), u"办法"_s);
    form->Text2->setFocus();
    click(form->Image16);
    EXPECT_EQ(form->Text2->text(), u"办法"_s);
}
