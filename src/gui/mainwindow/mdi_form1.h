#pragma once

#include <QMainWindow>

class Form1;

// The frame window hosting the main window.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(Form1 *form1, QWidget *parent = nullptr);

    Form1 *form1() const { return m_form1; }

private:
    Form1 *m_form1;
};
