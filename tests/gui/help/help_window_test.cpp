#include "gui/mainwindow/window_fixture.h"

#include "core/foundation/gbk.h"
#include "core/foundation/rtf_writer.h"
#include "gui/help/form3.h"
#include "gui/help/help_module.h"
#include "gui/mainwindow/module_switch.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

QString helpPath(const QString &name)
{
    return InstallTree::install(u"help\\"_s + name);
}

QColor background(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

QColor foreground(const QWidget *w)
{
    return w->palette().color(QPalette::Text);
}

const QColor Grey(128, 128, 128);
const QColor LightYellow(255, 255, 192);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

} // namespace

class HelpWindowTest : public WindowTest
{
protected:
    void startWith(const QList<Record> &hints)
    {
        writeErrNoList();
        if (!hints.isEmpty())
            tree.writeRecords(helpPath(u"helplist.txt"_s), hints);
        start();
        form->Check3->setChecked(true);
    }
    void hintAt(int x, int y, const QString &topic) const
    {
        form->state.HintX = x;
        form->state.HintY = y;
        form->HintShow(topic);
    }
    QLineEdit *hintBox() const { return form->Text6; }
    Form3 *helpWindow() const { return form->help().helpWindow(); }
    QString helpText() const
    {
        return helpWindow() ? helpWindow()->RichTextBox1->toPlainText() : QString();
    }
    static void doubleClick(QWidget *w)
    {
        QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
};

TEST_F(HelpWindowTest, TheHintOfTheTopicStandsBesideItsControl)
{
    startWith({{u"列表框: 单击一行"_s, u"123"_s}, {u"[类别1] 企业客户"_s, u"1"_s}});
    hintAt(3000, 2000, u"[类别1]"_s);
    QLineEdit *box = hintBox();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), u"[类别1] 企业客户"_s);
    // 10 characters: 180 twips each and 100 more.
    EXPECT_EQ(Twips::width(box), 1900);
    EXPECT_EQ(Twips::height(box), 250);
    EXPECT_EQ(Twips::left(box), 3350);
    EXPECT_EQ(Twips::top(box), 1900);
    EXPECT_EQ(foreground(box), Grey);
    EXPECT_EQ(background(box), LightYellow);
    // The whole hint is in sight: its frame and margins take 3 pixels a side.
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 6);

    // Through the pointer: a category button anchors the hint at its corner.
    ClickLabel *button = form->categoryButton(1);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(box->text(), u"[类别1] 企业客户"_s);
    EXPECT_EQ(Twips::left(box), Twips::left(button) + 350);
    EXPECT_EQ(Twips::top(box), std::max(0, Twips::top(button) - 100));
}

TEST_F(HelpWindowTest, AHintAppliesOnlyInItsModules)
{
    startWith({{u"[类别1] 客户与号码"_s, u"13"_s}, {u"[类别2] 行政"_s, u"2"_s}});
    for (const int module : {1, 2, 3}) {
        goToModule(module);
        hintAt(3000, 2000, u"[类别1]"_s);
        // Without a hint of its own the box is left empty.
        EXPECT_EQ(hintBox()->text(), module == 2 ? QString() : u"[类别1] 客户与号码"_s)
            << "module " << module;
        EXPECT_EQ(Twips::width(hintBox()), module == 2 ? 100 : 2080);
    }
}

TEST_F(HelpWindowTest, NoHintWhileHelpIsOff)
{
    startWith({{u"[类别1] 企业"_s, u"123"_s}});
    hintAt(3000, 2000, u"[类别1]"_s);
    const QRect shown = hintBox()->geometry();
    form->moduleSwitch().ResetObjPics();
    form->Check3->setChecked(false);
    hintAt(6000, 4000, u"[类别1]"_s);
    EXPECT_FALSE(hintBox()->isVisible());
    EXPECT_EQ(hintBox()->geometry(), shown);
}

TEST_F(HelpWindowTest, WithoutAHintTableTheBoxIsOnlyRecoloured)
{
    startWith({});
    hintAt(3000, 2000, u"[类别1]"_s);
    EXPECT_FALSE(hintBox()->isVisible());
    EXPECT_EQ(foreground(hintBox()), Grey);
    EXPECT_EQ(background(hintBox()), LightYellow);
}

TEST_F(HelpWindowTest, AHintBesideTheWindowsEdgeIsMovedIntoSight)
{
    startWith({{u"退出: 关闭本程序, 什么也不用保存"_s, u"123"_s}});
    const int windowWidth = Twips::fromPixels(form->width());
    hintAt(windowWidth - 500, 50, u"退出"_s);
    EXPECT_EQ(Twips::left(hintBox()) + Twips::width(hintBox()), windowWidth);
    EXPECT_EQ(Twips::top(hintBox()), 0);
}

TEST_F(HelpWindowTest, ThePointerOverTheHintTurnsItBlueOnYellow)
{
    startWith({{u"[类别1] 企业"_s, u"123"_s}});
    hintAt(3000, 2000, u"[类别1]"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(hintBox(), &enter);
    EXPECT_EQ(foreground(hintBox()), Blue);
    EXPECT_EQ(background(hintBox()), Yellow);
    // The next hint is grey on light yellow again.
    hintAt(3000, 2000, u"[类别1]"_s);
    EXPECT_EQ(background(hintBox()), LightYellow);
}

TEST_F(HelpWindowTest, ClickingTheHintOpensItsHelpText)
{
    startWith({{u"[类别1] 企业"_s, u"1"_s}, {u"[类别1] 企业"_s, u"123"_s}});
    // The record of module 1 comes first: its modules name the file.
    tree.writeBytes(helpPath(u"[类别1] 企业1.txt"_s),
                    writeRtf({{u"企业客户\n"_s, true}, {u"列出第一类的客户。"_s}}));
    hintAt(3000, 2000, u"[类别1]"_s);
    click(hintBox());
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_TRUE(helpWindow()->isVisible());
    EXPECT_EQ(helpWindow()->windowTitle(), u"帮助(双击展开)"_s);
    EXPECT_EQ(form->help().HelpFile, u"c:\\program files\\quorix\\help\\[类别1] 企业1.txt"_s);
    EXPECT_EQ(helpText(), u"企业客户\n列出第一类的客户。"_s);
    // The red first line, in the hint box's colour.
    const QTextDocument *doc = helpWindow()->RichTextBox1->document();
    const QTextCharFormat first = doc->begin().begin().fragment().charFormat();
    EXPECT_EQ(first.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(background(helpWindow()->RichTextBox1), background(hintBox()));

    // The hint box getting the focus closes the help window.
    QApplication::setActiveWindow(frame.get());
    hintBox()->setFocus();
    EXPECT_EQ(helpWindow(), nullptr);
    // A double click opens it again.
    doubleClick(hintBox());
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(helpText(), u"企业客户\n列出第一类的客户。"_s);
}

TEST_F(HelpWindowTest, AHintWithoutItsFileOpensNothing)
{
    startWith({{u"[类别1] 企业"_s, u"123"_s}});
    hintAt(3000, 2000, u"[类别1]"_s);
    const auto before = tree.snapshot();
    click(hintBox());
    EXPECT_EQ(helpWindow(), nullptr);
    EXPECT_EQ(tree.snapshot(), before);
}

TEST_F(HelpWindowTest, TheVersionLabelOpensTheVersionNotes)
{
    startWith({{u"[版本说明]"_s, u"123"_s}});
    tree.writeBytes(helpPath(u"[版本说明]123.txt"_s), Gbk::encode(u"本版新增:\r\n帮助窗口\r\n"));
    click(form->lbVer);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(helpText(), u"本版新增:\n帮助窗口"_s);
    // The click turns the hint box yellow first; the help text takes it on.
    EXPECT_EQ(background(hintBox()), Yellow);
    EXPECT_EQ(background(helpWindow()->RichTextBox1), Yellow);

    // A double click opens them without the colour change.
    form->help().closeHelpWindow();
    form->moduleSwitch().ResetObjPics();
    doubleClick(form->lbVer);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(background(hintBox()), LightYellow);
}

TEST_F(HelpWindowTest, WithoutVersionNotesTheVersionLabelShowsTheLastHelpText)
{
    startWith({{u"[类别1] 企业"_s, u"123"_s}});
    tree.writeBytes(helpPath(u"[类别1] 企业123.txt"_s), "{\\rtf1 first}");
    // The file is there, the record is not: nothing to show yet.
    tree.writeBytes(helpPath(u"[版本说明]123.txt"_s), "notes");
    click(form->lbVer);
    EXPECT_EQ(helpWindow(), nullptr);

    hintAt(3000, 2000, u"[类别1]"_s);
    click(hintBox());
    form->help().closeHelpWindow();
    click(form->lbVer);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(helpText(), u"first"_s);
}

TEST_F(HelpWindowTest, TheHelpWindowStandsOverTheFrameAndADoubleClickEnlargesIt)
{
    startWith({{u"[版本说明]"_s, u"123"_s}});
    tree.writeBytes(helpPath(u"[版本说明]123.txt"_s), "notes");
    frame->setGeometry(60, 40, Twips::toPixels(15000), Twips::toPixels(10500));
    const QRect outer = frame->frameGeometry();
    click(form->lbVer);
    Form3 *w = helpWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->frameGeometry().topLeft(),
              outer.topLeft() + QPoint(Twips::toPixels(3500), Twips::toPixels(2200)));
    EXPECT_EQ(w->frameGeometry().size(), Twips::size(Form3::DesignWidth, Form3::DesignHeight));

    doubleClick(w->RichTextBox1->viewport());
    const QRect enlarged = w->frameGeometry();
    EXPECT_EQ(enlarged.height(), outer.height() - Twips::toPixels(3000));
    EXPECT_EQ(enlarged.width(), outer.width() - Twips::toPixels(600));
    EXPECT_EQ(enlarged.left(), outer.left() + Twips::toPixels(300));
    EXPECT_EQ(enlarged.top(), outer.top() + Twips::toPixels(2200));
    EXPECT_EQ(Twips::width(w->RichTextBox1), Twips::fromPixels(enlarged.width()) - 215);
    EXPECT_EQ(Twips::height(w->RichTextBox1), Twips::fromPixels(enlarged.height()) - 400);

    // Opened again, it has its design size back.
    click(form->lbVer);
    EXPECT_EQ(w->frameGeometry().size(), Twips::size(Form3::DesignWidth, Form3::DesignHeight));
}

TEST_F(HelpWindowTest, TheWaitNoticeTakesOverTheBusyText)
{
    startWith({});
    // After start-up Label31 holds the notice, and nothing says "please wait".
    EXPECT_EQ(form->Label31->text(), u"请稍侯......"_s);
    EXPECT_FALSE(form->Label31->isVisible());
    EXPECT_EQ(form->Label30->caption(), QString());

    form->Label31->clear();
    form->Label31->show();
    form->Label30->setCaption(u"请稍侯......"_s);
    EXPECT_EQ(form->Label31->text(), u"请稍侯......"_s);
    EXPECT_EQ(form->Label30->caption(), QString());
    // Emptying Label30 is itself a change: the notice is hidden again.
    EXPECT_FALSE(form->Label31->isVisible());

    form->Label31->show();
    form->Label30->setCaption(u"稍侯......."_s);
    EXPECT_FALSE(form->Label31->isVisible());
    EXPECT_EQ(form->Label30->caption(), u"稍侯......."_s);
}
