#pragma once

#include "gui/platform/file_dialogs.h"

#include <QPointer>

class QWidget;

// The open-file dialog of QFileDialog.
class QtFileDialogs final : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent = nullptr);

    // The window the dialog belongs to; may be null, and may go away before this does.
    void setParentWidget(QWidget *parent);

    QString openFile(const QString &title, const QString &directory,
                     const QString &filter) override;

private:
    QPointer<QWidget> m_parent;
};
