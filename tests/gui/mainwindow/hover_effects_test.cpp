#include "window_fixture.h"

#include "gui/clients/ledger_window.h"
#include "gui/mainwindow/hover_effects.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

// The pointer entering an element, as the window system tells it.
void enter(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &e);
}

// A move of the pointer over a background part, at a point of it.
void moveOver(QWidget *w, QPoint at = QPoint(2, 2))
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A point of the main window where no element is: its bare background.
QPoint bareBackground(const QWidget *form)
{
    for (int y = form->height() - 2; y > 0; y -= 7)
        for (int x = form->width() - 2; x > 0; x -= 7)
            if (!form->childAt(x, y))
                return {x, y};
    ADD_FAILURE() << "no bare background";
    return {};
}

} // namespace

class HoverTest : public WindowTest
{
protected:
    void SetUp() override
    {
        writeErrNoList();
        start();
        fakes.messageBoxes.calls.clear();
        form->sounds.resetCounts();
    }
};

TEST_F(HoverTest, TheNavigationButtonsShowTheirHoverAndPressedPictures)
{
    const struct {
        PictureButton *button;
        QString rest, hover, down;
    } cases[] = {
        {form->Image1, u"exit1"_s, u"exit2"_s, u"exit3"_s},
        {form->Image2, u"preview1"_s, u"preview2"_s, u"preview3"_s},
        {form->Image3, u"next1"_s, u"next2"_s, u"next3"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.hover.toStdString());
        auto picture = [](const QString &name) -> QString {
            return u"objpics\\"_s + name + u".jpg"_s;
        };
        enter(c.button);
        EXPECT_EQ(c.button->pictureName(), picture(c.hover));
        EXPECT_EQ(c.button->frameShape(), QFrame::NoFrame) << "a picture, no frame";
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.button, &press);
        EXPECT_EQ(c.button->pictureName(), picture(c.down));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-5, -5), QPointF(-5, -5),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c.button, &release);
        EXPECT_EQ(c.button->pictureName(), picture(c.hover));
    }
    EXPECT_EQ(form->state.OverBackground, 0) << "the exit button clears the background mark";
    EXPECT_EQ(form->module(), 1) << "released outside: no click";

    // Over the bare background the pictures stay; over Frame1 they go back.
    moveOver(form, bareBackground(form));
    EXPECT_EQ(form->Image1->pictureName(), u"objpics\\exit2.jpg"_s);
    EXPECT_EQ(form->Image3->pictureName(), u"objpics\\next2.jpg"_s);
    moveOver(form->Frame1);
    EXPECT_EQ(form->Image1->pictureName(), u"objpics\\exit1.jpg"_s);
    EXPECT_EQ(form->state.OverBackground, 1);
}

TEST_F(HoverTest, AButtonIsFramedAndAnchorsItsHint)
{
    enter(form->Image7);
    EXPECT_EQ(form->Image7->frameShape(), QFrame::Box);
    EXPECT_EQ(form->state.HintX.toInt(), Twips::left(form->Image7));
    EXPECT_EQ(form->state.HintY.toInt(), Twips::top(form->Image7));
    EXPECT_EQ(form->sounds.played(Sounds::Button), 1);
    // The background resets every effect.
    moveOver(form, bareBackground(form));
    EXPECT_EQ(form->Image7->frameShape(), QFrame::NoFrame);
}

TEST_F(HoverTest, HintAnchorsOfThePanelsAndBoxes)
{
    const struct {
        QWidget *element;
        QWidget *anchor;
        int dx, dy;
        bool framed;
    } cases[] = {
        {form->Label29, form->Frame2, 200, 100, true},
        {form->Image18, form->Frame2, 1000, 100, true},
        {form->Label38, form->Frame2, 1700, 450, true},
        {form->lbACC, form->Frame2, 800, 100, true},
        {form->Image8, form->Picture1, 300, 1600, true},
        {form->Image6, form->Picture1, 0, 300, true},
        {form->Text1, form->Text1, 600, 0, false},
        {form->Text4, form->Text4, 1000, -100, true},
        {form->Check1, form->Check1, 400, -100, false},
        {form->Check3, form->Check3, -600, 300, false},
        {form->lbVer, form->lbVer, 0, -200, true},
        {form->Image5, form->Image5, 100, 100, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.element->objectName().toStdString());
        enter(c.element);
        EXPECT_EQ(form->state.HintX.toInt(), Twips::left(c.anchor) + c.dx);
        EXPECT_EQ(form->state.HintY.toInt(), Twips::top(c.anchor) + c.dy);
        if (auto *frame = qobject_cast<QFrame *>(c.element);
            frame && !qobject_cast<QLineEdit *>(c.element))
            EXPECT_EQ(frame->frameShape() == QFrame::Box, c.framed);
    }
    EXPECT_TRUE(form->Text4->hasFrame());
    enter(form->Text5);
    EXPECT_FALSE(form->Text4->hasFrame()) << "the e-mail box loses its frame to the website box";
}

TEST_F(HoverTest, AMoveOverAnElementWithoutTrackingIsNoBackgroundMove)
{
    enter(form->Image7);
    // A check box tracks no moves: the window gets them, with the point over the box.
    moveOver(form, form->Check2->geometry().center());
    EXPECT_EQ(form->Image7->frameShape(), QFrame::Box) << "nothing reset";
}

TEST_F(HoverTest, BackupAndRestoreAnswerOnlyInTheClientArchive)
{
    enter(form->Image9);
    EXPECT_EQ(form->Image9->frameShape(), QFrame::Box);
    moveOver(form, bareBackground(form));
    goToModule(2);
    form->sounds.resetCounts();
    for (PictureButton *b : {form->Image9, form->Image10, form->Image12}) {
        enter(b);
        EXPECT_EQ(b->frameShape(), QFrame::NoFrame) << b->objectName().toStdString();
    }
    EXPECT_EQ(form->sounds.played(Sounds::Button), 0);
}

TEST_F(HoverTest, PrintBillingAndExit)
{
    click(form->Image7);
    ASSERT_EQ(fakes.windowPrinter.calls.size(), 1u);
    EXPECT_EQ(form->sounds.played(Sounds::Print), 1);

    form->state.CurClient = u"华信科技"_s;
    click(form->Image21);
    const QPointer<FrmPACC> ledger = form->findChild<FrmPACC *>(u"frmPACC"_s);
    ASSERT_TRUE(ledger);
    EXPECT_TRUE(ledger->isVisible());

    click(form->Image1);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(!ledger || !ledger->isVisible()) << "the ledger window goes with the program";
    EXPECT_TRUE(fakes.messageBoxes.calls.empty()) << "no question at exit";
}
