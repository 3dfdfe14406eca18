#include "gui/mainwindow/mdi_form1.h"

#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/twips.h"

using namespace Qt::StringLiterals;

MDIForm1::MDIForm1(Form1 *form1, QWidget *parent)
    : QMainWindow(parent)
    , m_form1(form1)
{
    setObjectName(u"MDIForm1"_s);
    setWindowTitle(u"Veridane"_s);
    setCentralWidget(form1);
    resize(Twips::size(12000, 9000));
}
