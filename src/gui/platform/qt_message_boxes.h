#pragma once

#include "gui/platform/message_boxes.h"

#include <QPointer>

class QWidget;

// Message boxes shown with QMessageBox, modal to the whole application. The button
// captions come from Qt's own translations.
class QtMessageBoxes final : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr);

    // The window the boxes are centred on; may be null, and may go away before this does.
    void setParentWidget(QWidget *parent);

    MessageAnswer show(const MessageRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};
