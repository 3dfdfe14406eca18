#include "gui/platform/qt_message_boxes.h"

#include <QGuiApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The answer for a box closed without a button: Cancel where there is one, else the
// box's last button (No of a Yes/No box, the only button of an OK box).
MessageAnswer closedAnswer(MessageButtons buttons)
{
    const QList<MessageAnswer> answers = answersOf(buttons);
    return answers.contains(MessageAnswer::Cancel) ? MessageAnswer::Cancel : answers.last();
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget *parent)
    : m_parent(parent)
{}

void QtMessageBoxes::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

MessageAnswer QtMessageBoxes::show(const MessageRequest &request)
{
    const QList<MessageAnswer> answers = answersOf(request.buttons);
    QMessageBox::StandardButtons buttons;
    for (MessageAnswer answer : answers)
        buttons |= qtButton(answer);

    QString text = request.text;
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    const QString title =
        request.title.isEmpty() ? QGuiApplication::applicationDisplayName() : request.title;

    QMessageBox box(qtIcon(request.icon), title, text, buttons, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(qtButton(defaultAnswer(request)));
    box.exec();

    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (MessageAnswer answer : answers) {
        if (qtButton(answer) == pressed)
            return answer;
    }
    return closedAnswer(request.buttons);
}
