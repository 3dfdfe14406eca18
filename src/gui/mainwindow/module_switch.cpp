#include "gui/mainwindow/module_switch.h"

#include "core/foundation/clock.h"
#include "core/foundation/install_paths.h"
#include "gui/clients/client_module.h"
#include "gui/directory/directory_module.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const char16_t *const Captions[3][10] = {
    {u"1.企业", u"2.行政", u"3.事业", u"4.公益", u"5.私人", u"6.涉外", u"7.刑事", u"8.知识产权",
     u"9.其他", u"10.全部"},
    {u"1.全国人大", u"2.中央国务院", u"3.高法高检", u"4.部委协会", u"5.省市地方", u"6.涉外",
     u"7.范本", u"8.案例", u"9.其他", u"10.全部"},
    {u"1.电话区号", u"2.求助电话", u"3.邮政编码", u"4.常用网站", u"5.法律机构", u"6.政府机构",
     u"7.旅行服务", u"8.备用", u"9.其他", u"10.全部"},
};

} // namespace

ModuleSwitch::ModuleSwitch(Form1 &form)
    : f(form)
{}

QString ModuleSwitch::moduleTitle(int module)
{
    switch (module) {
    case 1:
        return u"《档案管理》"_s;
    case 2:
        return u"《法律法规》"_s;
    case 3:
        return u"《电邮号码》"_s;
    }
    return {};
}

void ModuleSwitch::previousModule()
{
    const int m = f.module();
    f.lbPageNo->setCaption(QString::number(m > 1 ? m - 1 : 3));
}

void ModuleSwitch::nextModule()
{
    const int m = f.module();
    f.lbPageNo->setCaption(QString::number(m < 3 && m >= 1 ? m + 1 : 1));
}

void ModuleSwitch::moduleChanged()
{
    const int m = f.module();
    // 1.
    f.Text10->hide();
    f.directory().Combo1Position(QString());
    f.Text5->hide();
    f.RichTextBox1->setReadOnly(true);
    f.Label36->clear();
    // 2.
    f.law().ResultBuffer.clear();
    f.recordList().ListBuffer.clear();
    f.clients().clearRegister();
    // 3.
    f.Check1->blockSignals(true);
    f.Check1->setChecked(false);
    f.Check1->blockSignals(false);
    f.Check1->setStyleSheet(u"color: rgb(128, 128, 128)"_s);
    f.Check1->hide();
    f.Frame2->hide();
    f.Image6->showPicture(f.files(), u"objpics\\loadphoto.jpg"_s);
    f.state.RecordShown = 0;
    f.clearPane();
    f.TotalRecords->setCaption(u"0"_s);
    f.RelevantRecords->setCaption(u"0"_s);
    f.Label30->setCaption(QString());
    // 4.
    TittleChange();
    // 5.
    f.Text1->clear();
    f.Text3->clear();
    // 6.
    f.clients().CustClass();
    // 7.
    switch (m) {
    case 2:
        f.RichTextBox1->setReadOnly(true);
        f.RichTextBox1->setFocusPolicy(Qt::ClickFocus);
        f.Text2->setFocusPolicy(Qt::StrongFocus);
        f.state.LawAllShown = 0;
        f.Check1->show();
        f.txtProgress->setEnabled(true);
        f.Label34->setEnabled(true);
        f.Label33->setEnabled(true);
        f.txtProgress->setText(u"1"_s);
        f.txtProgress->setStyleSheet(QString());
        f.TotalRecords->setCaption(QString::number(f.law().tables().count()));
        if (f.recordList().rowCount() == 0)
            categoryClick(10);
        break;
    case 1:
        f.clients().LoadClients();
        f.RichTextBox1->setReadOnly(false);
        f.RichTextBox1->setFocusPolicy(Qt::StrongFocus);
        f.Text2->setFocusPolicy(Qt::ClickFocus);
        categoryClick(10);
        break;
    case 3:
        categoryClick(10);
        break;
    }
    // 8.
    f.directory().Combo1Change();
    // 9.
    f.state.RowShown = 0;
    f.state.FavoritesShown = 0;
    f.recordList().PageActivity();
    f.txtProgress->setText(u"1"_s);
    f.Progress->setCaption(u"1"_s);
    // 10.
    f.layouts().copyFromSelection(f.Text1);
    // 11.
    ClassVisible();
}

void ModuleSwitch::TittleChange()
{
    // 1.
    f.List1->clear();
    f.List1->setColumnCount(0);
    f.ReSet();
    // 2.
    f.Image15->setEnabled(true);
    f.Image16->setEnabled(true);
    f.Image9->showPicture(f.files(), u"objpics\\backup0.jpg"_s);
    f.Image10->showPicture(f.files(), u"objpics\\restore0.jpg"_s);
    f.Image12->showPicture(f.files(), u"objpics\\delete0.jpg"_s);
    f.Image12->setEnabled(false);
    f.Image15->showPicture(f.files(), u"objpics\\word0.ico"_s);
    f.Image16->showPicture(f.files(), u"objpics\\paste.ico"_s);
    f.Image19->showPicture(f.files(), u"objpics\\copy.ico"_s);
    f.Picture1->hide();
    // 3.
    applyModuleRow(f.module());
    // 4.
    if (f.isVisible() && f.Text1->isEnabled()) {
        f.Text1->setFocus();
        f.directory().LB8toLB12();
    }
}

void ModuleSwitch::applyModuleRow(int m)
{
    using namespace Twips;
    const QString install = InstallPaths::installDir();
    // Keyword caption and box width.
    f.Label16->setText(m == 2 ? u"标题关键词>>>"_s : u"任意关键词>>>"_s);
    try {
        if (m == 1)
            setWidth(f.Text1, width(f.List1) - width(f.Label18));
        else if (m == 3)
            setWidth(f.Text1, width(&f) - 200 - width(f.Label18));
    } catch (const SizeError &) {
    }
    f.Text4->setVisible(m != 3);
    // Columns and sorting.
    RecordList &list = f.recordList();
    if (m == 1) {
        list.setColumns(
            {{u"名称 (同右边框内第一行)"_s, 4000}, {u"类别"_s, 850}, {u"上一次编辑时间"_s, 5000}},
            1, Qt::DescendingOrder, true);
    } else if (m == 2) {
        list.setColumns({{u"Index2"_s, 2 * width(f.List1)}}, 0, Qt::DescendingOrder, false);
        list.enableSorting();
    }
    // ModuleDir.
    const QString dirs[] = {InstallPaths::clientsDir(), InstallPaths::lawbaseDir(),
                            InstallPaths::yellowPageDir()};
    f.state.ModuleDir = QString(install + dirs[m - 1]);
    // label14 and DTPicker1.
    f.DTPicker1->setVisible(m == 1);
    f.label14->setVisible(m != 3);
    try {
        setLeft(f.label14, left(f.Combo1));
    } catch (const SizeError &) {
    }
    if (m == 1) {
        f.label14->setStyleSheet(QString());
        f.clients().applyScheduleCaption();
    } else if (m == 2) {
        f.label14->setStyleSheet(QString());
        f.Combo1->setEditText(QString::number(f.clock().today().year()));
        f.Combo1->show();
        f.label14->setCaption(YearModeBeforeCaption.toString());
    } else {
        f.label14->setStyleSheet(u"color: rgb(128, 128, 128)"_s);
    }
    f.Combo1->setVisible(m == 2);
    f.Picture1->setVisible(m == 1);
    f.Label20->setText(moduleTitle(m));
    if (m == 1) {
        f.Image9->showPicture(f.files(), u"objpics\\backup.jpg"_s);
        f.Image10->showPicture(f.files(), u"objpics\\restore.jpg"_s);
        f.Image12->showPicture(f.files(), u"objpics\\delete.jpg"_s);
        f.Image12->setEnabled(true);
    }
    f.Image15->setEnabled(m != 3);
    f.Image15->showPicture(f.files(), m == 3 ? u"objpics\\word0.ico"_s : u"objpics\\word.ico"_s);
    const QString icons[] = {u"objpics\\clients.ico"_s, u"objpics\\law.ico"_s,
                             u"objpics\\Telecom.ico"_s};
    f.Image5->showPicture(f.files(), icons[m - 1]);
    f.Image11->setEnabled(m == 2);
    f.Image11->showPicture(f.files(), m == 2 ? u"objpics\\favoritesadd.jpg"_s
                                             : u"objpics\\favoritesadd0.jpg"_s);
    for (int i = 0; i < 10; ++i)
        f.categoryButtons[i]->setText(QString::fromUtf16(Captions[m - 1][i]));
    if (m != 2) {
        f.Progress->setCaption(u"1"_s);
        f.txtProgress->setText(u"1"_s);
    }
    if (m == 3) {
        f.Text2->hide();
        f.Label17->hide();
        f.Label19->hide();
        f.RichTextBox1->hide();
        f.Text1->setStyleSheet(QString());
        f.List1->setStyleSheet(QString());
        try {
            setWidth(f.List1, width(&f) - 200);
        } catch (const SizeError &) {
        }
    }
}

void ModuleSwitch::categoryClick(int number)
{
    ClickLabel *button = f.categoryButton(number);
    // 1.
    ResetLbForecolor();
    setTextColour(button, QColor(255, 0, 0));
    ResetLbBorderStyle();
    button->setFrameShape(QFrame::Box);
    // 2.
    const QString text = button->text();
    f.state.Category = qint16(number == 10 ? text.left(2).toInt() : text.left(1).toInt());
    f.state.CurCategoryName = number == 10 ? u"其他"_s : text.mid(2).trimmed();
    // 3.
    if (number == 3)
        f.directory().Combo1Change();
    const bool listHadRows = f.recordList().rowCount() > 0;
    // 4.
    switch (f.module()) {
    case 1:
        f.clients().categoryClick(number);
        break;
    case 2:
        f.law().categoryClick(number);
        break;
    case 3:
        f.directory().categoryClick(number);
        break;
    }
    // 5.
    const bool hasRows = f.recordList().rowCount() > 0;
    Q_UNUSED(listHadRows);
    if (number <= 8) {
        if (f.state.nameState() == 0 && hasRows)
            f.sounds.pageSound();
        else
            f.sounds.clickSound();
    } else if (number == 9) {
        if (f.state.nameState() == 0 && hasRows && f.module() != 3)
            f.sounds.pageSound();
        else
            f.sounds.clickSound();
    } else {
        if (!hasRows)
            f.sounds.clickSound();
        else if (f.module() == 2 && f.state.LawAllShown.toInt() == 1)
            f.sounds.pageSound();
    }
}

void ModuleSwitch::ResetLbForecolor()
{
    if (f.module() == 2)
        f.label14->setStyleSheet(u"color: black"_s);
    for (ClickLabel *b : f.categoryButtons)
        setTextColour(b, {});
}

void ModuleSwitch::ResetLbBorderStyle()
{
    for (ClickLabel *b : f.categoryButtons)
        b->setFrameShape(QFrame::NoFrame);
}

void ModuleSwitch::ClassVisible()
{
    for (ClickLabel *b : f.categoryButtons)
        b->setVisible(b->text().size() > 3);
}

void ModuleSwitch::ResetObjPics()
{
    // 1.
    f.lbVer->setFrameShape(QFrame::NoFrame);
    setStyle(f.lbVer, u"background-color: rgb(255, 255, 0); color: rgb(255, 0, 0)"_s);
    setStyle(f.Text6, u"background-color: rgb(255, 255, 192)"_s);
    // 2.
    for (PictureButton *b :
         {f.Image1, f.Image2, f.Image3, f.Image4, f.Image7, f.Image6, f.Image9, f.Image10,
          f.Image11, f.Image12, f.Image15, f.Image16, f.Image19, f.Image21})
        b->setFrameShape(QFrame::NoFrame);
    // 3.
    if (f.state.OverBackground != 1) {
        f.Image1->showPicture(f.files(), u"objpics\\exit1.jpg"_s);
        f.Image3->showPicture(f.files(), u"objpics\\next1.jpg"_s);
        f.Image2->showPicture(f.files(), u"objpics\\preview1.jpg"_s);
        for (QLabel *l : {f.Label1, f.Label2, f.Label3}) {
            l->setFrameShape(QFrame::NoFrame);
            setStyle(l, u"color: rgb(128, 128, 128)"_s);
        }
        setStyle(f.Label39, u"color: rgb(64, 64, 64)"_s);
    }
    // 4.
    ResetLbBorderStyle();
    // 5.
    QString label14Colour = f.module() == 3 ? u"color: rgb(128, 128, 128)"_s : u"color: black"_s;
    setStyle(f.label14, label14Colour);
    for (QLabel *l : std::initializer_list<QLabel *>{f.label14, f.Label33, f.Label34, f.Label39})
        l->setFrameShape(QFrame::NoFrame);
    for (QLabel *l : {f.Label33, f.Label34})
        setStyle(l, u"color: rgb(0, 176, 234)"_s);
    // 6.
    try {
        Twips::setTop(f.lbVer, Twips::top(f.Label28));
        Twips::setLeft(f.lbVer, Twips::left(f.Label28) + Twips::width(f.Label28) + 50);
    } catch (const Twips::SizeError &) {
    }
    // 7.
    f.Picture1->setFrameShape(QFrame::NoFrame);
    f.Text4->setFrame(false);
    f.Text5->setFrame(false);
    setStyle(f.Label39, u"color: rgb(64, 64, 64)"_s);
    f.Picture3->hide();
    f.Text6->hide();
    try {
        Twips::setHeight(f.Text4, 245);
    } catch (const Twips::SizeError &) {
    }
}

void ModuleSwitch::categoryHovered(int number)
{
    ClickLabel *b = f.categoryButton(number);
    b->setFrameShape(QFrame::Box);
    f.state.HintX = Twips::left(b);
    f.state.HintY = Twips::top(b);
    f.HintShow(u"[类别"_s + QString::number(number) + u']');
    f.sounds.buttonSound();
}

void ModuleSwitch::categoryPressed(int number, bool down)
{
    ClickLabel *b = f.categoryButton(number);
    b->setFrameShadow(down ? QFrame::Sunken : QFrame::Plain);
    b->setFrameShape(down ? QFrame::Panel : QFrame::Box);
}
