#include "gui/lawdb/law_module.h"

#include "core/foundation/clock.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/full_text.h"
#include "core/lawdb/maintenance.h"
#include "gui/clients/client_module.h"
#include "gui/directory/directory_module.h"
#include "gui/lawdb/form2.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/module_switch.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

LawModule::LawModule(Form1 &form)
    : f(form)
{}

int LawModule::currentYear() const
{
    // The last four characters of "20" and the year.
    const QString text = u"20"_s + QString::number(f.clock().today().year());
    return text.right(4).toInt();
}

void LawModule::loadIndex()
{
    m_tables = LoadIndex2(f.files());
}

void LawModule::Combo1Set()
{
    f.Combo1->blockSignals(true);
    f.Combo1->clear();
    const int year = currentYear();
    QStringList years;
    for (int y = year; y >= FirstYear; --y)
        years.append(QString::number(y));
    f.Combo1->addItems(years);
    f.Combo1->setEditText(QString::number(year));
    f.Combo1->blockSignals(false);
}

void LawModule::Combo1Click()
{
    f.Text1->setFocus();
    BeginNoEndNoIndex2();
    Index2Find();
    f.clearPane();
    if (f.recordList().rowCount() == 0)
        f.sounds.clickSound();
    else
        f.sounds.pageSound();
}

void LawModule::label14Click()
{
    const QString caption = f.label14->caption();
    if (caption == YearModeBeforeCaption)
        f.label14->setCaption(YearModeAfterCaption.toString());
    else if (caption == YearModeAfterCaption)
        f.label14->setCaption(YearModeBeforeCaption.toString());
    f.sounds.clickSound();
}

void LawModule::label14Change()
{
    BeginNoEndNoIndex2();
    Index2Find();
    if (f.recordList().rowCount() == 0)
        f.sounds.clickSound();
    else
        f.sounds.pageSound();
}

void LawModule::BeginNoEndNoIndex2()
{
    const RangeOutcome outcome = ::BeginNoEndNoIndex2(m_tables, comboYear(f.Combo1->currentText()),
                                                      yearModeOf(f.label14->caption()), range);
    if (outcome == RangeOutcome::NoRecords)
        f.services().messageBoxes.warning(u"没有记录!"_s, u"警告!"_s);
}

void LawModule::showBusy(const QString &text)
{
    f.Label30->setCaption(text);
    f.Picture3->show();
    f.Picture3->raise();
}

void LawModule::hideBusy()
{
    f.Picture3->hide();
}

void LawModule::Index2Find()
{
    f.recordList().setTextColour(Qt::black);
    showBusy(u"稍侯......."_s);
    ResultBuffer.clear();
    f.Progress->setCaption(u"1"_s);
    ResultBuffer = ::Index2Find(m_tables, range, f.state.Category, f.keyWords,
                                f.Text1->text().trimmed().isEmpty());
    f.RelevantRecords->setCaption(QString::number(ResultBuffer.size()));
    hideBusy();
    f.Progress->setCaption(u"1"_s);
    DisplayBuffer();
}

void LawModule::DisplayBuffer()
{
    if (f.isVisible())
        f.Text1->setFocus();
    RecordList &list = f.recordList();
    f.List1->setUpdatesEnabled(false);
    list.clearRows();
    const int page = f.Progress->number();
    const int relevant = f.RelevantRecords->number();
    if (page >= 1) {
        for (int k = (page - 1) * RecordList::PageSize + 1; k <= page * RecordList::PageSize; ++k) {
            if (k > relevant + 1 || k > ResultBuffer.size())
                break;
            const QString &row = ResultBuffer[k - 1];
            if (!row.trimmed().isEmpty())
                list.addRow(row);
        }
    }
    f.List1->setUpdatesEnabled(true);
    if (list.rowCount() > 0)
        f.sounds.pageSound();
}

void LawModule::DisplayBufferFSearch()
{
    RecordList &list = f.recordList();
    list.clearRows();
    const int page = f.Progress->number();
    if (page >= 1) {
        for (int k = (page - 1) * RecordList::PageSize + 1; k <= page * RecordList::PageSize; ++k) {
            if (k > ResultBuffer.size() || ResultBuffer[k - 1].isEmpty())
                break;
            list.addRow(ResultBuffer[k - 1]);
        }
    }
    if (list.rowCount() > 0)
        f.sounds.pageSound();
}

void LawModule::categoryClick(int number)
{
    f.Check1->setChecked(false);
    f.clearPane();
    f.recordList().clearRows();
    Index2Find();
    f.Check1->setChecked(false);
    if (number == 10)
        f.state.LawAllShown = 1;
}

void LawModule::Check1Click()
{
    if (f.Check1->isChecked()) {
        f.state.Category = 10;
        f.moduleSwitch().ResetLbForecolor();
        setTextColour(f.categoryButton(10), QColor(255, 0, 0));
        f.Label16->setText(u"正文关键词>>>"_s);
        f.Check1->setStyleSheet(u"color: black"_s);
        f.services().messageBoxes.information(u"   [正文检索]将在选定的年份区间,对所有含有\r\n"
                                              u"同样关键词(或一组词)的正文不分类别进行搜索。\r\n"
                                              u"   搜索时间可能较长, 取决于您的电脑速度\r\n"
                                              u"和年份分布, 从1秒到数十秒!"_s,
                                              u"提示"_s);
        f.label14->setEnabled(true);
        f.Combo1->setEnabled(true);
    } else {
        f.Label16->setText(u"标题关键词>>>"_s);
        f.Check1->setStyleSheet(u"color: rgb(128, 128, 128)"_s);
    }
    if (f.isVisible())
        f.Text1->setFocus();
}

void LawModule::YearSearch2()
{
    ResultBuffer.clear();
    f.Label30->setCaption(u"请稍侯..."_s);
    Twips::setWidth(f.Label30, 10);
    const FullTextResult result = ::YearSearch2(
        f.files(), f.noDateTexts(), f.keyWords, yearModeOf(f.label14->caption()),
        comboYear(f.Combo1->currentText()), f.clock().today().year(), [this](int width) {
            if (width != Twips::width(f.Label30)) {
                Twips::setWidth(f.Label30, width);
                // The window stays painted while the years are searched.
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
        });
    ResultBuffer = result.rows;
    f.RelevantRecords->setCaption(QString::number(ResultBuffer.size()));
    f.txtProgress->setText(u"1"_s);
    f.Progress->setCaption(u"1"_s);
    DisplayBufferFSearch();
    if (result.cut)
        f.Text3->setText(fullTextCutMessage());
}

void LawModule::FindContents2()
{
    QTreeWidgetItem *item = f.List1->currentItem();
    const QString row = item ? item->text(0).trimmed() : QString();
    if (row.isEmpty())
        return;
    f.Picture3->show();
    const ShowResult shown = ::FindContents2(f.files(), f.noDateTexts(), row);
    switch (shown.kind) {
    case ShowResult::Kind::Document:
    case ShowResult::Kind::Placeholder:
        f.setPaneText(shown.text);
        break;
    case ShowResult::Kind::NotFound:
        f.Text3->setText(u"没有查到!"_s);
        break;
    case ShowResult::Kind::IllegalFormat:
        f.services().messageBoxes.critical(u"非法格式!"_s, u"错误"_s);
        break;
    case ShowResult::Kind::Damaged:
        f.services().messageBoxes.warning(u"文件已损坏！"_s, u"警告"_s);
        break;
    case ShowResult::Kind::Nothing:
        break;
    }
    f.Picture3->hide();
    f.state.RowShown = 1;
}

void LawModule::Text1Changed()
{
    f.keyWords = UKeyWordsSet(f.Text1->text());
    if (f.Text1->text().trimmed().isEmpty())
        f.Text2->clear();
}

void LawModule::Text1GotFocus()
{
    f.Label16->setStyleSheet(u"color: rgb(255, 0, 0)"_s);
    f.Picture3->hide();
    if (f.module() != 3)
        f.layouts().List1SetFocus();
    f.layouts().copyFromSelection(f.Text1);
    if (f.module() == 2) {
        f.Check1->show();
        f.Label36->setText(f.state.favoritesShown() ? u"回车退出收藏夹。"_s : QString());
    }
}

bool LawModule::Text1KeyPress(QKeyEvent *key)
{
    const QString typed = key->text();
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool tab = key->key() == Qt::Key_Tab;
    // Navigation keys are no key presses.
    if (typed.isEmpty() && !enter && !tab)
        return false;
    f.recordList().clearRows();
    f.Text3->clear();
    f.clearPane();
    if (!enter && !tab && typed.size() == 1) {
        const char16_t replaced = Text1KeyReplacement(typed[0].unicode());
        if (replaced != typed[0].unicode()) {
            f.Text1->insert(QString(QChar(replaced)));
            return true;
        }
        return false;
    }
    if (tab) {
        // In the client archive the focus moves on to the client text.
        if (f.module() == 1)
            f.RichTextBox1->setFocus();
        return true;
    }
    KWDDTFormat(f.keyWords, f.Text1->text(), f.module() == 2);
    f.recordList().setTextColour(Qt::black);
    switch (f.module()) {
    case 2: {
        if (f.state.favoritesShown())
            f.Label36->clear();
        const bool empty = f.Text1->text().trimmed().isEmpty();
        const bool fullText = f.Check1->isChecked();
        if (empty || f.state.Category < 10 || !fullText) {
            f.Image12->setEnabled(false);
            f.TotalRecords->setCaption(QString::number(m_tables.count()));
            Index2Find();
            if (f.recordList().rowCount() > 0)
                f.sounds.pageSound();
            f.List1->update();
            f.state.FavoritesShown = 0;
        } else {
            showBusy(u"稍候......"_s);
            f.services().beeper.beep();
            YearSearch2();
            if (f.recordList().rowCount() > 0)
                f.sounds.pageSound();
            f.Check1->setChecked(false);
            hideBusy();
            f.Text2->setText(f.keyWords.slot[KeyWords::FirstSlot]);
        }
        break;
    }
    case 1:
        f.clients().FindClients(f.state.ClientDateFilter);
        f.state.FavoritesShown = 0;
        break;
    case 3:
        f.directory().FindComCodes();
        f.state.FavoritesShown = 0;
        break;
    }
    return true;
}

void LawModule::Text2GotFocus()
{
    f.layouts().Richtextbox1SetFocus();
    f.Label17->setStyleSheet(u"color: rgb(255, 0, 0)"_s);
    f.Check1->hide();
}

bool LawModule::Text2KeyPress(QKeyEvent *key)
{
    if (f.Text2->text().trimmed().isEmpty())
        return false;
    if (key->key() == Qt::Key_Tab) {
        f.layouts().List1SetFocus();
        f.Text1->setFocus();
        return true;
    }
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (f.module() != 1 && f.module() != 2)
        return true;
    const QString text = f.paneText();
    if (needsLongTextQuestion(text.size()) &&
        f.services().messageBoxes.question(longTextQuestion(text.size()), u"提示"_s) ==
            MessageAnswer::Yes)
        return true;
    QTextCursor all(f.RichTextBox1->document());
    all.select(QTextCursor::Document);
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(Qt::black);
    all.mergeCharFormat(plain);
    if (!f.Text2->text().trimmed().isEmpty() && !text.trimmed().isEmpty()) {
        f.Label36->setText(u"请稍侯......"_s);
        FindWord();
    } else {
        f.Label36->clear();
    }
    return true;
}

void LawModule::FindWord()
{
    const QString text = f.paneText();
    const WordFindResult found = ::FindWord(text, f.Text2->text(), m_errNoList);
    QTextDocument *doc = f.RichTextBox1->document();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    // The occurrences come in text order: one pass maps them all.
    PanePositions starts(text);
    PanePositions ends(text);
    for (const WordOccurrence &o : found.occurrences) {
        QTextCursor c(doc);
        const int start = starts(o.start);
        const int end = ends(o.start + o.length);
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        c.mergeCharFormat(red);
    }
    f.Label36->show();
    f.Label36->setText(found.label36);
    const QColor colour = fromBgr(found.label36Colour);
    f.Label36->setStyleSheet(u"color: "_s + colour.name());
    QTextCursor cursor = f.RichTextBox1->textCursor();
    cursor.clearSelection();
    f.RichTextBox1->setTextCursor(cursor);
    f.RichTextBox1->setTextColor(QColor(64, 64, 64));
}

void LawModule::LoadErrNoList()
{
    m_errNoList = ::LoadErrNoList(f.files());
    if (!m_errNoList.exists)
        f.services().messageBoxes.warning(missingErrNoListMessage(), u"警告"_s);
}

void LawModule::Command1Click()
{
    // The next page, then its rows as the list shows them.
    f.recordList().nextPage();
    QStringList rows;
    for (int i = 0; i < f.List1->topLevelItemCount(); ++i)
        rows.append(f.List1->topLevelItem(i)->text(0));
    const DuplicateRowsResult r = recordDuplicateRows(f.files(), {rows}, m_redundantNumber);
    if (!r.result)
        f.services().messageBoxes.critical(r.result.message(), u"错误"_s);
    f.services().beeper.beep();
}

void LawModule::Command2Click()
{
    const MissingPartsCheck check = checkMissingParts(f.files(), m_tables);
    f.services().messageBoxes.show(
        {check.firstDate, QString(), MessageIcon::None, MessageButtons::Ok, std::nullopt});
    const FileResult written = appendMissingReports(f.files(), check);
    if (!written)
        f.services().messageBoxes.critical(written.message(), u"错误"_s);
    if (check.stop != MissingPartsCheck::Stop::None)
        f.Text1->setText(check.note);
    f.sounds.killSound();
}

void LawModule::showForm2()
{
    auto *form2 = new Form2([this] { return form2Rows(m_tables.YearIndex); }, &f);
    form2->show();
}
