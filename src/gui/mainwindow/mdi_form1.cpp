#include "gui/mainwindow/mdi_form1.h"

#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/twips.h"

#include <QEvent>
#include <QMenuBar>

using namespace Qt::StringLiterals;

MDIForm1::MDIForm1(Form1 *form1, QWidget *parent)
    : QMainWindow(parent)
    , m_form1(form1)
{
    setObjectName(u"MDIForm1"_s);
    setWindowTitle(u"Veridane"_s);
    m_client = new QWidget(this);
    m_client->setObjectName(u"MDIClient"_s);
    // The empty area around the main window is grey; its own role stays
    // Window, as the elements take their roles from their parents.
    QPalette grey = m_client->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_client->setPalette(grey);
    m_client->setAutoFillBackground(true);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    form1->setParent(m_client);
    form1->move(0, 0);
    form1->setAutoFillBackground(true);

    QMenu *tools = menuBar()->addMenu(u"数据维护"_s);
    tools->setObjectName(u"MaintenanceMenu"_s);
    QAction *duplicates = tools->addAction(u"重复记录存档"_s);
    duplicates->setObjectName(u"Command1"_s);
    connect(duplicates, &QAction::triggered, this, [this] { m_form1->law().Command1Click(); });
    QAction *missing = tools->addAction(u"内容丢失查验"_s);
    missing->setObjectName(u"Command2"_s);
    connect(missing, &QAction::triggered, this, [this] { m_form1->law().Command2Click(); });
    QAction *years = tools->addAction(u"年份索引"_s);
    years->setObjectName(u"Form2Action"_s);
    connect(years, &QAction::triggered, this, [this] { m_form1->law().showForm2(); });

    resize(Twips::size(15000, 10500));
}

void MDIForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_form1->layouts().frameResize(Twips::fromPixels(width()), Twips::fromPixels(height()));
}

bool MDIForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::MouseButtonPress)
        m_form1->layouts().frameClick();
    return QMainWindow::eventFilter(watched, event);
}
