#pragma once

#include <QMainWindow>

class Form1;

// The frame window hosting the main window. It lays the main window out
// when resized, and offers the maintainer's tools in its menu.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(Form1 *form1, QWidget *parent = nullptr);

    Form1 *form1() const { return m_form1; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form1 *m_form1;
    QWidget *m_client;
};
