#include "gui/mainwindow/text_pane.h"

#include "core/foundation/atomic_file.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/rtf_writer.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/twips.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

TextPane::TextPane(Form1 &form)
    : f(form)
{}

void TextPane::clicked()
{
    if (f.module() == 2) {
        if (f.paneText().isEmpty()) {
            f.services().messageBoxes.information(u"请在左边的列表中选择记录。"_s, u"提示"_s);
            f.List1->setFocus();
        } else {
            Twips::setLeft(f.Text11, Twips::left(f.RichTextBox1) + Twips::width(f.RichTextBox1) -
                                         Twips::width(f.Text11) - 900);
            Twips::setTop(f.Text11, Twips::top(f.RichTextBox1) + 1000);
            f.Text11->show();
            f.Text11->raise();
        }
    }
    f.layouts().Richtextbox1SetFocus();
    const QString selected = f.RichTextBox1->textCursor().selectedText();
    if (!selected.isEmpty()) {
        // A selection's paragraph breaks come as U+2029.
        QString text = selected;
        text.replace(QChar::ParagraphSeparator, u"\r\n"_s);
        f.state.CopyBuffer = text;
        f.layouts().CopyAct(1);
    } else {
        f.layouts().CopyAct(0);
    }
    f.Text10->hide();
}

void TextPane::doubleClicked()
{
    f.Text11->hide();
    Editing();
}

QList<RtfRun> TextPane::runs() const
{
    QList<RtfRun> runs;
    const QColor red(255, 0, 0);
    for (QTextBlock block = f.RichTextBox1->document()->begin(); block.isValid();
         block = block.next()) {
        if (block != f.RichTextBox1->document()->begin())
            runs.append({u"\n"_s, false});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                runs.append({fragment.text(), fragment.charFormat().foreground().color() == red});
        }
    }
    return runs;
}

void TextPane::Editing()
{
    QString suffix;
    if (f.module() == 1)
        suffix = u"-客户档案"_s;
    else if (f.module() == 2)
        suffix = u"-法律法规"_s;
    const QString path = InstallPaths::installDir() + u"Word编辑"_s + suffix + u".rtf"_s;
    const QString host = f.files().hostPath(path);
    if (host.isEmpty() || !AtomicFile::replace(host, writeRtf(runs())))
        return;
    f.services().shellOpen.open(host, false);
}

void TextPane::wordButtonClicked()
{
    if (f.module() == 3)
        return;
    Editing();
    f.sounds.clickSound();
}

void TextPane::pasteClicked()
{
    const QString text = f.services().clipboard.text();
    switch (f.state.FocusedInput) {
    case 1:
        f.Text1->insert(text);
        f.state.EnterCount = 0;
        break;
    case 2:
        f.Text2->insert(text);
        break;
    case 5:
        f.RichTextBox1->insertPlainText(text);
        break;
    default:
        break;
    }
}

void TextPane::copyClicked()
{
    f.services().clipboard.setText(f.state.CopyBuffer);
}
