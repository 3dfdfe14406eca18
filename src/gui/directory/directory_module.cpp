#include "gui/directory/directory_module.h"

#include "core/directory/comcodes.h"
#include "core/directory/web_pickup.h"
#include "gui/directory/address_pickup.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/twips.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalBlocker>

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
        const QSignalBlocker quiet(f.Combo1);
        f.Combo1->clear();
        f.Combo1->addItems(websiteSubclasses());
        f.Combo1->setCurrentIndex(f.Combo1->count() - 1);
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
    const std::optional<QStringList> names = ClassVNames(f.files());
    if (!names) {
        for (int n = 5; n <= 9; ++n)
            f.categoryButton(n)->hide();
        return;
    }
    for (int k = 1; k <= 5; ++k) {
        ClickLabel *button = f.categoryButton(4 + k);
        button->setText(QString::number(4 + k) + u'.' + names->value(k - 1));
        button->setVisible(k == 1 ? !names->value(0).isEmpty() : button->text().size() > 3);
    }
}

void DirectoryModule::categoryClick(int number)
{
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
        // The ninth category lists the records of its name like the four before it.
        {{{u"名称"_s, 7500}, {u"电话\\传真"_s, 3500}, {u"类别"_s, 4000}}, 0, {}},
        {{{u"名称"_s, 5000}, {u"代码/地址"_s, 2500}, {u"类别或隶属关系"_s, 5000}}, 2, true},
    };
    const auto &set = sets[number - 1];
    list.setColumns(set.columns, set.key, Qt::DescendingOrder, set.headers);
    if ((number >= 5 && number <= 9) || number == 10)
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
    ComCodesQuery query;
    query.Category = f.state.Category;
    if (query.Category >= 1 && query.Category <= 10)
        query.keyword =
            directoryCategoryKeyword(query.Category, f.categoryButton(query.Category)->text());
    query.keyWords = f.keyWords;
    query.keywordBoxBlank = f.Text1->text().trimmed().isEmpty();
    query.subclass = f.Combo1->currentText();
    ComCodesResult found = ::FindComCodes(f.files(), query);
    list.ListBuffer = std::move(found.ListBuffer);
    const int n = found.RelevantRecords;
    f.TotalRecords->setCaption(QString::number(found.TotalRecords));
    f.RelevantRecords->setCaption(QString::number(n));
    f.Label35->setCaption(
        QString::number(n / RecordList::PageSize + (n % RecordList::PageSize != 0 ? 1 : 0)));
    f.Progress->setCaption(u"1"_s);
    f.txtProgress->setText(u"1"_s);
    list.DisplayIndex13Buffer();
}

void DirectoryModule::Combo1Click()
{
    FindComCodes();
    if (f.recordList().rowCount() == 0)
        f.sounds.clickSound();
    else
        f.sounds.pageSound();
}

void DirectoryModule::rowDoubleClicked(const QString &code)
{
    if (!code.toLower().contains(u"http"))
        return;
    f.sounds.emailSound();
    f.pickup().WebSitesClick(code);
}
