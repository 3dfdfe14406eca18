#include "gui/platform/qt_file_dialogs.h"

#include <QFileDialog>

QtFileDialogs::QtFileDialogs(QWidget *parent)
    : m_parent(parent)
{}

void QtFileDialogs::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

QString QtFileDialogs::openFile(const QString &title, const QString &directory,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, directory, filter);
}
