#include "gui/platform/message_boxes.h"

QList<MessageAnswer> answersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {MessageAnswer::Ok};
    case MessageButtons::OkCancel:
        return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo:
        return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    }
    return {MessageAnswer::Ok};
}

MessageAnswer defaultAnswer(const MessageRequest &request)
{
    const QList<MessageAnswer> answers = answersOf(request.buttons);
    if (request.defaultButton && answers.contains(*request.defaultButton))
        return *request.defaultButton;
    return answers.first();
}

MessageBoxes::~MessageBoxes() = default;

void MessageBoxes::information(const QString &text, const QString &title)
{
    show({.text = text,
          .title = title,
          .icon = MessageIcon::Information,
          .buttons = MessageButtons::Ok,
          .defaultButton = {}});
}

void MessageBoxes::warning(const QString &text, const QString &title)
{
    show({.text = text,
          .title = title,
          .icon = MessageIcon::Warning,
          .buttons = MessageButtons::Ok,
          .defaultButton = {}});
}

void MessageBoxes::critical(const QString &text, const QString &title)
{
    show({.text = text,
          .title = title,
          .icon = MessageIcon::Critical,
          .buttons = MessageButtons::Ok,
          .defaultButton = {}});
}

MessageAnswer MessageBoxes::question(const QString &text, const QString &title,
                                     MessageButtons buttons,
                                     std::optional<MessageAnswer> defaultButton)
{
    return show({.text = text,
                 .title = title,
                 .icon = MessageIcon::Question,
                 .buttons = buttons,
                 .defaultButton = defaultButton});
}
