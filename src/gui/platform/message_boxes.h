#pragma once

#include <QList>
#include <QString>

#include <optional>

// The icon shown beside a message.
enum class MessageIcon {
    None,
    Information,
    Warning,
    Critical,
    Question,
};

// The set of buttons a message box offers, in the order they are offered.
enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
};

// The button the user pressed.
enum class MessageAnswer {
    Ok,
    Cancel,
    Yes,
    No,
};

struct MessageRequest {
    QString text;
    QString title; // empty: the application's name stands as the title
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button that Enter presses. Unset, or not one of buttons: the first button.
    std::optional<MessageAnswer> defaultButton;

    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};

// The answers a set of buttons can give, in the order the buttons are offered.
QList<MessageAnswer> answersOf(MessageButtons buttons);

// The answer of the button that Enter presses in the box the request describes.
MessageAnswer defaultAnswer(const MessageRequest &request);

// Modal message boxes: the caller waits until the user has answered.
class MessageBoxes
{
public:
    virtual ~MessageBoxes();

    virtual MessageAnswer show(const MessageRequest &request) = 0;

    // An OK box with an information, warning or error icon.
    void information(const QString &text, const QString &title);
    void warning(const QString &text, const QString &title);
    void critical(const QString &text, const QString &title);

    // A box with a question icon; Yes/No unless other buttons are given.
    MessageAnswer question(const QString &text, const QString &title,
                           MessageButtons buttons = MessageButtons::YesNo,
                           std::optional<MessageAnswer> defaultButton = {});
};
