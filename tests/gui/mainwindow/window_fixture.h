#pragma once

#include "core/foundation/install_paths.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/law_index.h"
#include "core/lawdb/word_find.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/mdi_form1.h"
#include "gui/mainwindow/twips.h"
#include "support/fake_clock.h"
#include "support/fake_services.h"
#include "support/install_tree.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

// The main window on a small install tree with fake services: the test
// writes its data files, then start() runs the start-up as the program does.
class WindowTest : public ::testing::Test
{
protected:
    // The index rows of a law database: title, date, categories with issuer, validity.
    void writeLawIndex(const QList<Record> &records) const
    {
        tree.writeRecords(lawIndexPath(), records);
    }
    // A special-character table, so that activation does not warn.
    void writeErrNoList() const
    {
        tree.writeRecords(errNoListPath(),
                          {{u"□"_s, u""_s, u"~"_s, u""_s}, {u"end"_s, u""_s, u"~"_s, u"end"_s}});
    }

    void start()
    {
        undated = LoadClass789Contents(tree.files());
        form = new Form1(tree.drives(), clock, fakes.services(), undated);
        form->load();
        frame = std::make_unique<MDIForm1>(form);
        frame->show();
        form->activate();
    }

    template <typename W = QWidget> W *element(const QString &name) const
    {
        W *w = frame->findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    void click(QWidget *w) const { QTest::mouseClick(w, Qt::LeftButton); }
    void nextModule() const { click(form->Image3); }
    void goToModule(int module) const
    {
        while (form->module() != module)
            nextModule();
    }
    // Types into the keyword box and presses Enter.
    void enterKeywords(const QString &text) const
    {
        form->Text1->setFocus();
        form->Text1->clear();
        type(form->Text1, text);
        QTest::keyClick(form->Text1, Qt::Key_Return);
    }
    // Types the text one character at a time, as a keyboard or an input method would.
    static void type(QWidget *w, const QString &text)
    {
        for (const QChar ch : text) {
            const int key = ch.unicode() < 0x80 ? QKeySequence(QString(ch))[0].key() : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &release);
        }
    }
    static QStringList headers(const QTreeWidget *list)
    {
        QStringList h;
        for (int i = 0; i < list->columnCount(); ++i)
            h.append(list->headerItem()->text(i));
        return h;
    }
    QStringList listRows() const
    {
        QStringList rows;
        for (int i = 0; i < form->List1->topLevelItemCount(); ++i)
            rows.append(form->List1->topLevelItem(i)->text(0));
        return rows;
    }
    void clickRow(int index) const
    {
        QTreeWidgetItem *item = form->List1->topLevelItem(index);
        ASSERT_NE(item, nullptr);
        QApplication::processEvents();
        const QRect r = form->List1->visualItemRect(item);
        QTest::mouseClick(form->List1->viewport(), Qt::LeftButton, {},
                          QPoint(r.left() + 10, r.center().y()));
    }
    // A double click on a row, as the pointer makes it: a click, then the double click.
    void doubleClickRow(int index) const
    {
        clickRow(index);
        QTreeWidgetItem *item = form->List1->topLevelItem(index);
        ASSERT_NE(item, nullptr);
        const QRect r = form->List1->visualItemRect(item);
        QTest::mouseDClick(form->List1->viewport(), Qt::LeftButton, {},
                           QPoint(r.left() + 10, r.center().y()));
    }
    // Red text and a single-line frame.
    bool highlighted(int category) const
    {
        const ClickLabel *b = form->categoryButton(category);
        return textColour(b) == QColor(255, 0, 0) && b->frameShape() == QFrame::Box;
    }
    const MessageRequest *lastMessage() const
    {
        return fakes.messageBoxes.calls.empty() ? nullptr : &fakes.messageBoxes.calls.back();
    }

    InstallTree tree;
    FakeClock clock{QDate(2026, 12, 10)};
    FakePlatformServices fakes;
    NoDateTexts undated;
    Form1 *form = nullptr;
    std::unique_ptr<MDIForm1> frame;
};
