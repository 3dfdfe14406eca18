#include "gui/lawdb/form2.h"

#include "core/lawdb/maintenance.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form2::Form2(std::function<QStringList()> rows, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_rows(std::move(rows))
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"年份索引"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QLabel(QString::fromUtf16(Form2Header), this);
    header->setObjectName(u"Label1"_s);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"List1"_s);
    auto *button = new QPushButton(u"loadIndexIndex"_s, this);
    button->setObjectName(u"Command1"_s);
    connect(button, &QPushButton::clicked, this, &Form2::refill);
    QFont mono = m_list->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamilies({u"Noto Sans Mono CJK SC"_s, u"monospace"_s});
    m_list->setFont(mono);
    header->setFont(mono);
    layout->addWidget(header);
    layout->addWidget(m_list);
    layout->addWidget(button);
    resize(360, 480);
    refill();
}

void Form2::refill()
{
    m_list->clear();
    m_list->addItems(m_rows());
}

bool Form2::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refill();
    return QWidget::event(event);
}
