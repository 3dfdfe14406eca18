#include "gui/clients/client_editor.h"

#include "gui/clients/client_module.h"
#include "gui/directory/address_pickup.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/text_pane.h"
#include "gui/mainwindow/twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// The nine characters no folder name may hold.
bool forbiddenInNames(QChar c)
{
    return QStringView(u"\"*|:<>?/\\").contains(c);
}

} // namespace

ClientEditor::ClientEditor(Form1 &form)
    : f(form)
{}

QString ClientEditor::text8()
{
    return u"       第一行将被作为记录名\r\n"
           u"用于建立同名的文件夹，因\r\n"
           u"此不得含有Windows文件夹\r\n"
           u"名所禁用的如下9个符号：\r\n"
           u"*   \"   :   ?   /   \\   |   <   > \r\n"_s;
}

QString ClientEditor::text9()
{
    return u"<<<从键盘录入或使用[粘贴]将文字从其它文档(如Word)中粘贴到此[正文框]内。\r\n"
           u"       对于输入的信息没有次序限制一律将被用于检索。\r\n"_s;
}

bool ClientEditor::paneBlank() const
{
    const QString t = f.paneText().trimmed();
    return t.isEmpty() || t == u"\r\n";
}

bool ClientEditor::onFirstLine() const
{
    const QString plain = f.RichTextBox1->toPlainText();
    const qsizetype firstBreak = plain.indexOf(u'\n');
    return firstBreak < 0 || f.RichTextBox1->textCursor().position() <= firstBreak;
}

void ClientEditor::gotFocus()
{
    f.textPane().clicked();
    f.state.FocusedInput = 5;
    f.state.NameState = f.paneText().isEmpty() ? 1 : 2;
    f.state.EnterCount = 0;
    try {
        Twips::setHeight(f.Text4, 245);
    } catch (const Twips::SizeError &) {
    }
    const bool clients = f.module() == 1;
    f.Text9->setVisible(clients && f.paneText().isEmpty());
    if (clients) {
        f.Label36->show();
        f.Label36->setStyleSheet(QString());
        f.Label36->setText((paneBlank() ? EmptyHint : EnterHint).toString());
        f.List1->setColumnWidth(0, Twips::toPixels(1800));
    }
}

bool ClientEditor::keyPress(QKeyEvent *key)
{
    if (f.module() != 1)
        return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const QString typed = key->text();
    const int caret = f.RichTextBox1->textCursor().position();
    // 1. No forbidden character on the first line: the key acts as Backspace.
    if (typed.size() == 1 && forbiddenInNames(typed[0])) {
        if (onFirstLine()) {
            f.RichTextBox1->textCursor().deletePreviousChar();
            return true;
        }
        return false;
    }
    // 2. A record does not begin with a blank.
    if (caret == 0 && typed == u" ") {
        f.RichTextBox1->textCursor().deletePreviousChar();
        return true;
    }
    if (enter && caret == 0) {
        // 3. Enter at the start: an empty pane is left, a first line is kept.
        if (paneBlank()) {
            f.Text1->setFocus();
            return true;
        }
        return true;
    }
    if (enter) {
        // 4. Stage the record; the second Enter in a row saves it.
        f.clients().stageRecord(f.state.EnterCount >= 1);
        ++f.state.EnterCount;
        return false;
    }
    // 5. Any other key.
    if (!typed.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
        f.state.EnterCount = 0;
    return false;
}

void ClientEditor::showHints()
{
    f.Label36->setText((paneBlank() ? EmptyHint : EditHint).toString());
    const bool text8 = f.state.EnterCount == 0 && !f.paneText().isEmpty() && onFirstLine();
    if (text8) {
        Twips::setLeft(f.Text8, Twips::left(f.RichTextBox1) + 1000);
        Twips::setTop(f.Text8, Twips::top(f.RichTextBox1) + 600);
        f.Text8->raise();
    }
    f.Text8->setVisible(text8);
    f.Text9->setVisible(f.paneText().isEmpty() && f.RichTextBox1->styleSheet().isEmpty());
}

void ClientEditor::changed()
{
    if (m_inChange)
        return;
    m_inChange = true;
    const QString text = f.paneText();
    // 1. Double-byte input ends a run of Enter presses.
    const QTextCursor cursor = f.RichTextBox1->textCursor();
    const QString plain = f.RichTextBox1->toPlainText();
    if (cursor.position() > 0 && cursor.position() <= plain.size() &&
        plain[cursor.position() - 1].unicode() >= 0x80)
        f.state.EnterCount = 0;
    // 2.
    if (f.Text2->text().trimmed().isEmpty() || text.isEmpty())
        f.Label36->clear();
    if (f.module() == 1) {
        // 3.
        if (paneBlank())
            f.clients().paneEmptied();
        else
            f.clients().setEditText(text);
        // 4.
        if (f.state.nameState() != 0)
            showHints();
    }
    // 5. A lone line break is no text.
    QString now = text;
    if (text.size() == 2 && text[0] == u'\r') {
        f.clearPane();
        now.clear();
    }
    // 6. and 8.
    if (now.isEmpty())
        f.clients().noPaneText();
    // 7. The web and e-mail addresses of the text.
    f.pickup().paneChanged(now);
    m_inChange = false;
}

void ClientEditor::lostFocus()
{
    f.Label36->clear();
    if (f.module() == 1 && !f.paneText().trimmed().isEmpty()) {
        f.state.EnterCount = 1;
        const QString kept = f.paneText();
        f.clients().stageRecord(true);
        f.setPaneText(kept);
        f.Label36->hide();
    }
    f.state.FocusedInput = 0;
    f.state.NameState = 0;
    f.Text8->hide();
    f.Text9->hide();
    f.Text11->hide();
}
