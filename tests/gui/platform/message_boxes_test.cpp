#include "gui/platform/qt_message_boxes.h"
#include "support/fake_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace Qt::StringLiterals;

namespace {

struct DefaultCase {
    MessageButtons buttons;
    std::optional<MessageAnswer> defaultButton;
    MessageAnswer expected;
};

void PrintTo(const DefaultCase &c, std::ostream *out)
{
    PrintTo(c.buttons, out);
    *out << " default ";
    if (c.defaultButton)
        PrintTo(*c.defaultButton, out);
    else
        *out << "unset";
}

class DefaultAnswerTest : public testing::TestWithParam<DefaultCase>
{};

TEST_P(DefaultAnswerTest, IsTheGivenButtonIfOfferedElseTheFirst)
{
    const DefaultCase &c = GetParam();
    const MessageRequest request{u"t"_s, u"提示"_s, MessageIcon::Question, c.buttons,
                                 c.defaultButton};
    EXPECT_EQ(defaultAnswer(request), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, DefaultAnswerTest,
    testing::Values(
        DefaultCase{MessageButtons::Ok, {}, MessageAnswer::Ok},
        DefaultCase{MessageButtons::OkCancel, {}, MessageAnswer::Ok},
        DefaultCase{MessageButtons::OkCancel, MessageAnswer::Cancel, MessageAnswer::Cancel},
        DefaultCase{MessageButtons::YesNo, {}, MessageAnswer::Yes},
        DefaultCase{MessageButtons::YesNo, MessageAnswer::No, MessageAnswer::No},
        DefaultCase{MessageButtons::YesNo, MessageAnswer::Cancel, MessageAnswer::Yes},
        DefaultCase{MessageButtons::YesNoCancel, MessageAnswer::Cancel, MessageAnswer::Cancel},
        DefaultCase{MessageButtons::Ok, MessageAnswer::No, MessageAnswer::Ok}));

TEST(MessageBoxHelpers, AskForTheBoxTheirNameSays)
{
    FakeMessageBoxes boxes;
    boxes.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::No,
                     MessageAnswer::Cancel};
    boxes.information(u"备份结束!"_s, u"备份-导出"_s);
    boxes.warning(u"w"_s, u"警告"_s);
    boxes.critical(u"c"_s, u"错误"_s);
    EXPECT_EQ(boxes.question(u"今天被锁定!  要检索吗？"_s, u"[日程设置]选择"_s), MessageAnswer::No);
    EXPECT_EQ(boxes.question(u"q"_s, u"t"_s, MessageButtons::YesNoCancel, MessageAnswer::No),
              MessageAnswer::Cancel);

    const std::vector<MessageRequest> expected = {
        {u"备份结束!"_s, u"备份-导出"_s, MessageIcon::Information, MessageButtons::Ok, {}},
        {u"w"_s, u"警告"_s, MessageIcon::Warning, MessageButtons::Ok, {}},
        {u"c"_s, u"错误"_s, MessageIcon::Critical, MessageButtons::Ok, {}},
        {u"今天被锁定!  要检索吗？"_s,
         u"[日程设置]选择"_s,
         MessageIcon::Question,
         MessageButtons::YesNo,
         {}},
        {u"q"_s, u"t"_s, MessageIcon::Question, MessageButtons::YesNoCancel, MessageAnswer::No},
    };
    EXPECT_EQ(boxes.calls, expected);
}

// How the user closes the box in a test of the real QMessageBox.
enum class UserAction { PressEnter, PressEscape, ClickYes, ClickNo, ClickCancel };

struct QtBoxCase {
    MessageButtons buttons;
    std::optional<MessageAnswer> defaultButton;
    UserAction action;
    MessageAnswer expected;
};

void PrintTo(const QtBoxCase &c, std::ostream *out)
{
    static const char *const actions[] = {"Enter", "Escape", "Yes", "No", "Cancel"};
    PrintTo(DefaultCase{c.buttons, c.defaultButton, c.expected}, out);
    *out << ", user presses " << actions[int(c.action)];
}

class QtMessageBoxesTest : public testing::TestWithParam<QtBoxCase>
{};

void pressKey(QWidget *widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// Runs act on the message box once its own event loop runs. Should act leave the box
// open, the box is closed anyway, so that a failing test does not hang.
void whenBoxShows(std::function<void(QMessageBox *)> act)
{
    QMetaObject::invokeMethod(
        qApp,
        [act = std::move(act)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                ADD_FAILURE() << "no message box is shown";
                return;
            }
            act(box);
            if (box->isVisible()) {
                ADD_FAILURE() << "the box stayed open";
                box->done(0);
            }
        },
        Qt::QueuedConnection);
}

TEST_P(QtMessageBoxesTest, AnswersWithTheButtonTheUserPressed)
{
    const QtBoxCase &c = GetParam();
    whenBoxShows([&c](QMessageBox *box) {
        switch (c.action) {
        case UserAction::PressEnter:
            pressKey(box, Qt::Key_Return);
            return;
        case UserAction::PressEscape:
            pressKey(box, Qt::Key_Escape);
            return;
        case UserAction::ClickYes:
            box->button(QMessageBox::Yes)->click();
            return;
        case UserAction::ClickNo:
            box->button(QMessageBox::No)->click();
            return;
        case UserAction::ClickCancel:
            box->button(QMessageBox::Cancel)->click();
            return;
        }
    });
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.show({.text = u"t"_s,
                          .title = u"提示"_s,
                          .icon = MessageIcon::Question,
                          .buttons = c.buttons,
                          .defaultButton = c.defaultButton}),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, QtMessageBoxesTest,
    testing::Values(
        QtBoxCase{MessageButtons::Ok, {}, UserAction::PressEnter, MessageAnswer::Ok},
        QtBoxCase{MessageButtons::Ok, {}, UserAction::PressEscape, MessageAnswer::Ok},
        QtBoxCase{MessageButtons::OkCancel, {}, UserAction::PressEnter, MessageAnswer::Ok},
        QtBoxCase{MessageButtons::OkCancel, MessageAnswer::Cancel, UserAction::PressEnter,
                  MessageAnswer::Cancel},
        QtBoxCase{MessageButtons::OkCancel, {}, UserAction::PressEscape, MessageAnswer::Cancel},
        QtBoxCase{MessageButtons::YesNo, {}, UserAction::PressEnter, MessageAnswer::Yes},
        QtBoxCase{MessageButtons::YesNo, MessageAnswer::No, UserAction::PressEnter,
                  MessageAnswer::No},
        QtBoxCase{MessageButtons::YesNo, {}, UserAction::ClickNo, MessageAnswer::No},
        QtBoxCase{MessageButtons::YesNoCancel, {}, UserAction::ClickYes, MessageAnswer::Yes},
        QtBoxCase{MessageButtons::YesNoCancel, {}, UserAction::ClickCancel, MessageAnswer::Cancel},
        QtBoxCase{
            MessageButtons::YesNoCancel, {}, UserAction::PressEscape, MessageAnswer::Cancel}));

TEST(QtMessageBoxes, ShowsTheTextAsPlainTextWithTitleIconAndOnlyTheGivenButtons)
{
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    whenBoxShows([&](QMessageBox *box) {
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        for (QAbstractButton *button : box->buttons())
            buttons.append(box->standardButton(button));
        box->button(QMessageBox::Ok)->click();
    });

    QtMessageBoxes boxes;
    boxes.warning(u"第一行\r\n<b>第二行</b>"_s, u"警告!"_s);

    EXPECT_EQ(text, u"第一行\n<b>第二行</b>"_s);
    EXPECT_EQ(title, u"警告!"_s);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
}

} // namespace
