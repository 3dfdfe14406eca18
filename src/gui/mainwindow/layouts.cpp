#include "gui/mainwindow/layouts.h"

#include "gui/clients/client_module.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace Twips;

namespace {

const QString LightGrey = u"background-color: rgb(224, 224, 224)"_s;
const QString WindowBackground = QString();

} // namespace

Layouts::Layouts(Form1 &form)
    : f(form)
{}

void Layouts::placePaneLines(int text4FromBottom)
{
    setGeometry(f.Text4, left(f.RichTextBox1) + 40,
                top(f.RichTextBox1) + height(f.RichTextBox1) - text4FromBottom,
                width(f.RichTextBox1) - 350, height(f.Text4));
    setGeometry(f.Text5, left(f.Text4), top(f.Text4) - 240, width(f.Text4), height(f.Text5));
    setGeometry(f.Text10, left(f.Text5), top(f.Text5) - height(f.Text10), width(f.Text5),
                height(f.Text10));
}

void Layouts::List1SetFocus()
{
    if (f.module() != 3) {
        f.RichTextBox1->setStyleSheet(LightGrey);
        f.Text2->setStyleSheet(LightGrey);
        f.Text1->setStyleSheet(WindowBackground);
        f.List1->setStyleSheet(WindowBackground);
        f.List1->setProperty("windowBackground", true);
        if (width(f.List1) >= 2000) {
            try {
                const int W = width(&f);
                const int H = height(&f);
                setWidth(f.List1, W - 3500);
                setLeft(f.RichTextBox1, left(f.List1) + width(f.List1));
                setHeight(f.List1, H - 2150);
                setHeight(f.RichTextBox1, height(f.List1));
                setTop(f.Image20, top(f.List1) + height(f.List1));
                setTop(f.Label28, top(f.Image20) + 55);
                setTop(f.Label39, top(f.Image20) + 35);
                setWidth(f.RichTextBox1, W - width(f.List1) - 200);
                setWidth(f.Text1, width(f.List1) - width(f.Label18) - 60);
                setLeft(f.Label17, left(f.RichTextBox1));
                setLeft(f.Label19, left(f.RichTextBox1));
                setLeft(f.Text2, left(f.RichTextBox1) + width(f.Label17));
                setWidth(f.Text2, width(f.RichTextBox1) - width(f.Label17));
                setLeft(f.Picture1,
                        left(f.RichTextBox1) + width(f.RichTextBox1) - width(f.Picture1) - 300);
                placePaneLines(240);
            } catch (const SizeError &) {
            }
        }
    }
    setLeft(f.Check1, left(f.Text1) + width(f.Text1) - 1200);
}

void Layouts::Richtextbox1SetFocus()
{
    try {
        const int W = width(&f);
        if (f.module() == 3) {
            setWidth(f.List1, W - 200);
            setWidth(f.Text1, width(f.List1) - width(f.Label18) - 60);
            return;
        }
        f.RichTextBox1->setStyleSheet(WindowBackground);
        f.Text2->setStyleSheet(WindowBackground);
        f.Text1->setStyleSheet(LightGrey);
        f.List1->setStyleSheet(LightGrey);
        f.List1->setProperty("windowBackground", false);
        setLeft(f.RichTextBox1, 3030);
        setWidth(f.RichTextBox1, W - 3100);
        setWidth(f.List1, W - width(f.RichTextBox1) - 200);
        setWidth(f.Text1, width(f.List1) - width(f.Label16) - 20);
        setLeft(f.Label17, left(f.RichTextBox1));
        setLeft(f.Label19, left(f.RichTextBox1));
        setLeft(f.Text2, left(f.Label17) + width(f.Label17));
        setWidth(f.Text2, width(f.RichTextBox1) - width(f.Label17));
        setLeft(f.Picture1, left(f.RichTextBox1) + width(f.RichTextBox1) - width(f.Picture1) - 300);
        placePaneLines(300);
    } catch (const SizeError &) {
    }
}

void Layouts::frameResize(int frameWidth, int frameHeight)
{
    try {
        setWidth(&f, frameWidth - 200);
    } catch (const SizeError &) {
    }
    try {
        if (frameHeight > 1000) {
            setHeight(&f, frameHeight - 600);
            setHeight(f.List1, height(&f) - 1800);
            setHeight(f.RichTextBox1, height(&f) - 1800);
        }
        if (frameWidth > 4000) {
            setWidth(f.RichTextBox1, width(&f) - width(f.List1) - 200);
            if (f.Text2->isVisibleTo(&f))
                setWidth(f.Text2, width(f.RichTextBox1) - width(f.Label17) - 100);
        }
    } catch (const SizeError &) {
    }
    if (f.Frame2->isVisibleTo(&f))
        setLeft(f.Frame2, left(f.RichTextBox1) + width(f.RichTextBox1) - 3080);
    setLeft(f.Check1, left(f.Text2) - 2860);
    setGeometry(f.Text10, left(f.Text5), top(f.Text5) - height(f.Text10), width(f.Text5),
                height(f.Text10));
    // The strips follow the window's width; the under-list line its bottom.
    try {
        setWidth(f.Image13, width(&f));
        setWidth(f.Image14, width(&f));
        setTop(f.Image20, top(f.List1) + height(f.List1));
        setTop(f.Label28, top(f.Image20) + 55);
        setTop(f.Label39, top(f.Image20) + 35);
        setTop(f.lbVer, top(f.Label28));
        setGeometry(f.Text3, left(f.RichTextBox1), top(f.Image20) + 10,
                    std::max(width(f.RichTextBox1), 0), height(f.Text3));
    } catch (const SizeError &) {
    }
}

void Layouts::frameClick()
{
    setGeometry(f.Text5, left(f.Text4), top(f.Text4) - 455, width(f.Text4), height(f.Text5));
}

void Layouts::rowClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString rowText = item->text(0);
    if (!rowText.isEmpty()) {
        f.state.LedgerPath = QString(f.state.ModuleDir.toString() + rowText + u"\\PACC.txt"_s);
        f.state.SelectedRowText = rowText;
    }
    const int index = f.List1->indexOfTopLevelItem(item) + 1;
    f.state.SelectedIndex = index;
    f.Label36->clear();
    f.Picture3->show();
    f.Label30->setCaption(u"稍侯......."_s);
    const bool busy = f.Label30->caption() == u"稍侯.......";
    switch (f.module()) {
    case 2:
        if (busy) {
            f.clearPane();
            f.law().FindContents2();
            if (f.Text5->isVisibleTo(&f))
                f.sounds.emailSound();
        }
        break;
    case 1:
        if (busy)
            f.clients().rowClick(rowText);
        break;
    default:
        f.sounds.clickSound();
        break;
    }
    f.Picture3->hide();
    f.Label30->setCaption(QString());
    f.state.ListFocus = 1;
    if (f.state.FavoritesShown.toInt() == 0)
        f.state.RowShown = 1;
    if (!f.Text2->text().trimmed().isEmpty() && (f.module() == 2 || f.module() == 1)) {
        f.law().FindWord();
        if (f.module() == 1)
            f.state.RecordShown = 1;
    }
    if (f.module() == 2)
        f.state.CopyBuffer = rowText;
    else
        f.state.CopyBuffer = rowText + u"\r\n"_s + item->text(1) + u"\r\n"_s + item->text(2);
    CopyAct(1);
    if (!f.paneText().trimmed().isEmpty() && rowText != f.state.LastItemText) {
        if (f.Text5->isVisibleTo(&f))
            f.sounds.emailSound();
        else
            f.sounds.pageSound();
    }
    f.state.LastItemText = rowText;
    f.state.SelectedIndex = index;
}

void Layouts::CopyAct(int flag)
{
    if (flag == 1) {
        f.Image19->showPicture(f.files(), u"objpics\\copy.ico"_s);
        f.Image19->setEnabled(true);
    } else if (flag == 0) {
        f.Image19->showPicture(f.files(), u"objpics\\copy0.ico"_s);
        f.Image19->setEnabled(false);
    }
}

void Layouts::copyFromSelection(const QLineEdit *box)
{
    if (box->hasSelectedText()) {
        f.state.CopyBuffer = box->selectedText();
        CopyAct(1);
    } else {
        CopyAct(0);
    }
}

void Layouts::stripClick()
{
    f.services().clipboard.setText(f.state.CopyBuffer);
}
