#include "gui/directory/directory_module.h"

#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/twips.h"

#include <QComboBox>
#include <QDateEdit>

using namespace Qt::StringLiterals;

DirectoryModule::DirectoryModule(Form1 &form)
    : f(form)
{}

void DirectoryModule::Combo1Position(const QString &where)
{
    if (where.isEmpty())
        Twips::setGeometry(f.Combo1, 7100, 120, Twips::width(f.DTPicker1), Twips::height(f.Combo1));
    else if (where == u"4")
        Twips::setGeometry(f.Combo1, Twips::left(f.categoryButton(4)), 120,
                           Twips::width(f.categoryButton(4)), Twips::height(f.Combo1));
}

void DirectoryModule::Combo1Change()
{
    const int m = f.module();
    if (m == 2) {
        f.law().Combo1Set();
    } else if (m == 3 && f.state.Category == 4) {
        f.Combo1->clear();
        f.Combo1->setEditText(u"全部"_s);
    } else if (m == 3 && f.state.Category >= 1 && f.state.Category <= 3) {
        f.Combo1->hide();
    }
}

void DirectoryModule::LB8toLB12()
{
    for (int n = 5; n <= 9; ++n)
        f.categoryButton(n)->show();
    if (f.module() != 3)
        return;
    // The user category names come with the directory; without them the
    // five buttons are hidden.
    for (int n = 5; n <= 9; ++n)
        f.categoryButton(n)->hide();
}

void DirectoryModule::categoryClick(int number)
{
    if (number == 9)
        return;
    RecordList &list = f.recordList();
    const struct {
        QList<ListColumn> columns;
        int key;
        std::optional<bool> headers;
    } sets[] = {
        {{{u"名称"_s, 4500}, {u"电话区号"_s, 1600}, {u"类别"_s, 4500}}, 2, {}},
        {{{u"名称"_s, 4500}, {u"电话"_s, 1600}, {u"类别"_s, 4500}}, 2, {}},
        {{{u"名称"_s, 4500}, {u"邮政编码"_s, 1600}, {u"类别"_s, 4500}}, 2, {}},
        {{{u"网站名称(双击名称上网)"_s, 6500}, {u"网址(URL)"_s, 2800}, {u"类别"_s, 3500}}, 2, {}},
        {{{u"名称"_s, 7500}, {u"电话\\传真"_s, 3500}, {u"类别"_s, 4000}}, 0, {}},
        {{{u"名称"_s, 7500}, {u"电话\\传真"_s, 3500}, {u"类别"_s, 4000}}, 0, {}},
        {{{u"名称"_s, 7500}, {u"电话"_s, 3500}, {u"类别"_s, 4000}}, 0, {}},
        {{{u"名称"_s, 7500}, {u"电话\\传真"_s, 3500}, {u"类别"_s, 4000}}, 0, {}},
        {},
        {{{u"名称"_s, 5000}, {u"代码/地址"_s, 2500}, {u"类别或隶属关系"_s, 5000}}, 2, true},
    };
    const auto &set = sets[number - 1];
    list.setColumns(set.columns, set.key, Qt::DescendingOrder, set.headers);
    if ((number >= 5 && number <= 8) || number == 10)
        list.clearRows();
    f.state.Category = qint16(number);
    if (number <= 3 || number == 10) {
        f.Combo1->setEditText(u"全部"_s);
        f.Combo1->hide();
    } else if (number >= 5) {
        f.Combo1->hide();
    } else {
        f.Combo1->show();
        Combo1Position(u"4"_s);
        Combo1Change();
    }
    FindComCodes();
}

void DirectoryModule::FindComCodes()
{
    RecordList &list = f.recordList();
    list.clearRows();
    list.ListBuffer.clear();
    f.TotalRecords->setCaption(u"0"_s);
    f.RelevantRecords->setCaption(u"0"_s);
    f.Label35->setCaption(u"0"_s);
    f.Progress->setCaption(u"1"_s);
    list.DisplayIndex13Buffer();
}
