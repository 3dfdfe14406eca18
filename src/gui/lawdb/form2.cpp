#include "gui/lawdb/form2.h"

#include "core/lawdb/maintenance.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form2::Form2(const QStringList &rows, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"年份索引"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QLabel(QString::fromUtf16(Form2Header), this);
    header->setObjectName(u"Label1"_s);
    auto *list = new QListWidget(this);
    list->setObjectName(u"List1"_s);
    list->addItems(rows);
    QFont mono = list->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamilies({u"Noto Sans Mono CJK SC"_s, u"monospace"_s});
    list->setFont(mono);
    header->setFont(mono);
    layout->addWidget(header);
    layout->addWidget(list);
    resize(360, 480);
}
