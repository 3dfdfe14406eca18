#include "gui/mainwindow/form1.h"

#include "core/calendar/calendar_line.h"
#include "core/foundation/clock.h"
#include "core/foundation/install_paths.h"
#include "gui/calendar/calendar_module.h"
#include "gui/clients/backup_panel.h"
#include "gui/clients/client_editor.h"
#include "gui/clients/client_module.h"
#include "gui/clients/ledger_window.h"
#include "gui/directory/address_pickup.h"
#include "gui/directory/directory_module.h"
#include "gui/help/help_module.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/hover_effects.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/module_switch.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/text_pane.h"
#include "gui/mainwindow/twips.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// Design size of the main window, in twips.
constexpr int DesignWidth = 14800;
constexpr int DesignHeight = 9400;

template <typename W> W *make(QWidget *parent, const QString &name)
{
    auto *w = new W(parent);
    w->setObjectName(name);
    return w;
}

QLabel *caption(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = make<QLabel>(parent, name);
    l->setText(text);
    return l;
}

} // namespace

Form1::Form1(const DriveMap &drives, const Clock &clock, PlatformServices services,
             const NoDateTexts &noDateTexts, QWidget *parent)
    : QWidget(parent)
    , sounds(*this, services.wavePlayerFactory)
    , m_drives(drives)
    , m_systemDrives(drives)
    , m_files(drives)
    , m_clock(clock)
    , m_services(std::move(services))
    , m_noDateTexts(noDateTexts)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Veridane"_s);
    // The window's own colours: the elements name the system colours of a
    // light desktop, whatever theme the host desktop has.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(236, 236, 236));
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    createElements();
    placeElements();
    m_recordList = std::make_unique<RecordList>(*this);
    m_layouts = std::make_unique<Layouts>(*this);
    m_textPane = std::make_unique<TextPane>(*this);
    m_law = std::make_unique<LawModule>(*this);
    m_clients = std::make_unique<ClientModule>(*this);
    m_clientEditor = std::make_unique<ClientEditor>(*this);
    m_backup = std::make_unique<BackupPanel>(*this);
    m_pickup = std::make_unique<AddressPickup>(*this);
    m_hover = new HoverEffects(*this);
    m_directory = std::make_unique<DirectoryModule>(*this);
    m_moduleSwitch = std::make_unique<ModuleSwitch>(*this);
    m_help = std::make_unique<HelpModule>(*this);
    m_calendar = std::make_unique<CalendarModule>(*this);
    wireEvents();
    create();
}

Form1::~Form1() = default;

void Form1::HintShow(const QString &topic)
{
    m_hint = topic;
    m_help->HintShow(topic);
}

void Form1::createElements()
{
    // Top band.
    Image13 = new PictureButton(u"Image13"_s, this);
    Image5 = new PictureButton(u"Image5"_s, this);
    Label20 = caption(this, u"Label20"_s, {});
    for (int i = 0; i < 10; ++i)
        categoryButtons[i] = new ClickLabel(u"Label"_s + QString::number(i + 4), this);
    Combo1 = make<QComboBox>(this, u"Combo1"_s);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    DTPicker1 = make<QDateEdit>(this, u"DTPicker1"_s);
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(u"yyyy-M-d"_s);
    // Locked on the reminder day, the picker shows its day greyed.
    QPalette locked = DTPicker1->palette();
    locked.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    DTPicker1->setPalette(locked);
    // Its drop-down calendar names the months and weekdays in Chinese.
    DTPicker1->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    DTPicker1->calendarWidget()->setLocale(DTPicker1->locale());
    label14 = new StateLabel(u"label14"_s, this);
    label14->setText(u"label14"_s);
    const struct {
        PictureButton **button;
        const char16_t *name;
        QLabel **label;
        const char16_t *labelName;
        const char16_t *text;
    } pictures[] = {
        {&Image2, u"Image2", &Label2, u"Label2", u"向后"},
        {&Image3, u"Image3", &Label1, u"Label1", u"向前"},
        {&Image7, u"Image7", &Label21, u"Label21", u"打印"},
        {&Image9, u"Image9", &Label25, u"Label25", u"备份"},
        {&Image10, u"Image10", &Label27, u"Label27", u"恢复"},
        {&Image4, u"Image4", &Label15, u"Label15", u"Email"},
        {&Image1, u"Image1", &Label3, u"Label3", u"退出"},
    };
    for (const auto &p : pictures) {
        *p.button = new PictureButton(QString::fromUtf16(p.name), this);
        *p.label = caption(this, QString::fromUtf16(p.labelName), QString::fromUtf16(p.text));
        (*p.label)->setAlignment(Qt::AlignCenter);
    }

    // Keyword row.
    Label16 = caption(this, u"Label16"_s, u"任意关键词>>>"_s);
    Label18 = caption(this, u"Label18"_s, u"多个词用空格分开"_s);
    Label17 = caption(this, u"Label17"_s, u"内容关键词>>>"_s);
    Label19 = caption(this, u"Label19"_s, u"输入要找的(字)词"_s);
    Text1 = make<QLineEdit>(this, u"Text1"_s);
    Text2 = make<QLineEdit>(this, u"Text2"_s);
    Check1 = make<QCheckBox>(this, u"Check1"_s);
    Check1->setText(u"正文检索"_s);

    // Page row.
    Image14 = new PictureButton(u"Image14"_s, this);
    Label22 = caption(this, u"Label22"_s, u"全部记录:"_s);
    TotalRecords = new StateLabel(u"TotalRecords"_s, this);
    Label24 = caption(this, u"Label24"_s, u"相关记录:"_s);
    RelevantRecords = new StateLabel(u"RelevantRecords"_s, this);
    Label32 = caption(this, u"Label32"_s, u"共         页"_s);
    Label35 = new StateLabel(u"Label35"_s, this);
    Label34 = new ClickLabel(u"Label34"_s, this);
    Label34->setText(u"<<<"_s);
    Label26 = caption(this, u"Label26"_s, u"第           页"_s);
    Progress = new StateLabel(u"Progress"_s, this);
    txtProgress = make<QLineEdit>(this, u"txtProgress"_s);
    txtProgress->setAlignment(Qt::AlignCenter);
    Label33 = new ClickLabel(u"Label33"_s, this);
    Label33->setText(u">>>"_s);
    const struct {
        PictureButton **button;
        const char16_t *name;
    } tools[] = {{&Image12, u"Image12"}, {&Image11, u"Image11"}, {&Image19, u"Image19"},
                 {&Image16, u"Image16"}, {&Image15, u"Image15"}, {&Image21, u"Image21"}};
    for (const auto &t : tools)
        *t.button = new PictureButton(QString::fromUtf16(t.name), this);
    Label36 = new ClickLabel(u"Label36"_s, this);
    Label37 = new ClickLabel(u"Label37"_s, this);
    Label31 = caption(this, u"Label31"_s, {});

    // List and text pane.
    List1 = make<QTreeWidget>(this, u"List1"_s);
    List1->setRootIsDecorated(false);
    List1->setUniformRowHeights(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAllColumnsShowFocus(true);
    List1->header()->setStretchLastSection(false);
    List1->header()->setSortIndicatorShown(false);
    List1->header()->setSectionsClickable(false);
    RichTextBox1 = make<QTextEdit>(this, u"RichTextBox1"_s);
    RichTextBox1->setAcceptRichText(false);
    // Tab leaves the pane (and so saves a client record) instead of being typed.
    RichTextBox1->setTabChangesFocus(true);
    Picture1 = make<QFrame>(this, u"Picture1"_s);
    Picture1->setFrameShape(QFrame::Box);
    // Opaque, so that the pane's text does not show through beside the photo.
    Picture1->setAutoFillBackground(true);
    Image6 = new PictureButton(u"Image6"_s, Picture1);
    Text4 = make<QLineEdit>(this, u"Text4"_s);
    Text4->setText(u"Emial:"_s);
    Text5 = make<QLineEdit>(this, u"Text5"_s);
    // Both boxes are clicked, not typed into.
    for (QLineEdit *box : {Text4, Text5}) {
        box->setReadOnly(true);
        box->setCursor(Qt::PointingHandCursor);
    }
    Text10 = make<QLabel>(this, u"Text10"_s);
    Text10->setText(u"该网址已被收录到《电邮查询》模块\n中的“常用网站：法律”类中。"_s);
    Text10->setFrameShape(QFrame::Box);
    Text10->setAutoFillBackground(true);
    Text3 = make<QLineEdit>(this, u"Text3"_s);
    Text3->setReadOnly(true);
    Text6 = make<QLineEdit>(this, u"Text6"_s);
    Text7 = make<QLineEdit>(this, u"Text7"_s);
    Text8 = make<QLabel>(this, u"Text8"_s);
    Text9 = make<QLabel>(this, u"Text9"_s);
    Text8->setText(ClientEditor::text8().trimmed());
    Text9->setText(ClientEditor::text9().trimmed());
    Text9->setWordWrap(true);
    for (QLabel *hint : {Text8, Text9}) {
        hint->setFrameShape(QFrame::Box);
        hint->setAutoFillBackground(true);
        QPalette yellow = hint->palette();
        yellow.setColor(QPalette::Window, QColor(255, 255, 192));
        hint->setPalette(yellow);
    }
    Text11 = make<QLineEdit>(this, u"Text11"_s);
    Text11->setText(u"双击正文进入Word编辑"_s);
    Text11->setReadOnly(true);
    for (QWidget *tip :
         std::initializer_list<QWidget *>{Text6, Text7, Text8, Text9, Text10, Text11})
        tip->hide();
    Label23 = caption(Picture1, u"Label23"_s, u"附件>>>"_s);
    Image8 = new PictureButton(u"Image8"_s, Picture1);
    Image8->setCaption(u"打开"_s);
    // The empty band behind the navigation buttons: the pointer there resets their looks.
    Frame1 = make<QFrame>(this, u"Frame1"_s);
    Frame2 = make<QFrame>(this, u"Frame2"_s);
    Frame2->setFrameShape(QFrame::Box);
    Frame2->setAutoFillBackground(true);
    File1 = make<QListWidget>(Frame2, u"File1"_s);
    Label29 = new ClickLabel(u"Label29"_s, Frame2);
    Label29->setText(u"添加"_s);
    Image18 = new PictureButton(u"Image18"_s, Frame2);
    Image18->setCaption(u"删除"_s);
    Label38 = new ClickLabel(u"Label38"_s, Frame2);
    Label38->setText(u"关闭"_s);
    lbACC = new ClickLabel(u"lbACC"_s, Frame2);
    lbACC->setText(u"帐单"_s);
    Frame2->hide();
    Picture3 = make<QFrame>(this, u"Picture3"_s);
    Picture3->setFrameShape(QFrame::Panel);
    Picture3->setFrameShadow(QFrame::Raised);
    Picture3->setAutoFillBackground(true);
    Label30 = new StateLabel(u"Label30"_s, Picture3);
    Label30->setAutoFillBackground(true);
    Picture3->hide();
    ListErr = make<QListWidget>(this, u"ListErr"_s);
    ListErr->hide();
    Drive1 = make<QComboBox>(this, u"Drive1"_s);
    Check2 = make<QCheckBox>(this, u"Check2"_s);
    Check2->setText(u"声效"_s);
    Check3 = make<QCheckBox>(this, u"Check3"_s);
    Check3->setText(u"帮助"_s);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(990);
    lbPageNo = new StateLabel(u"lbPageNo"_s, this);
    lbPageNo->setText(u"lbPageNo"_s);
    lbPageNo->hide();
    Label40 = new StateLabel(u"Label40"_s, this);
    Label40->hide();

    // Under the list.
    Image20 = new PictureButton(u"Image20"_s, this);
    Label28 = caption(this, u"Label28"_s, u"Veridane 律师事务所档案与法规"_s);
    Label39 = caption(this, u"Label39"_s, {});
    lbVer = caption(this, u"lbVer"_s, u"版本说明"_s);
}

void Form1::placeElements()
{
    const auto setGeometry = [](QWidget *w, int l, int t, int wd, int h) {
        Twips::setGeometry(w, l, t, wd, h);
    };
    const int W = DesignWidth;
    const int H = DesignHeight;
    setGeometry(this, 0, 0, W, H);

    setGeometry(Image13, 0, 0, W, 820);
    Image13->lower();
    setGeometry(Image5, 150, 60, 480, 480);
    setGeometry(Label20, 60, 540, 1560, 270);
    Label20->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 10; ++i) {
        setGeometry(categoryButtons[i], 1450 + (i % 5) * 1120, i < 5 ? 120 : 450, 1100, 270);
        categoryButtons[i]->setAlignment(Qt::AlignCenter);
    }
    setGeometry(Combo1, 7100, 120, 1560, 300);
    setGeometry(DTPicker1, 7100, 120, 1560, 300);
    setGeometry(label14, 7100, 450, 1560, 270);
    const PictureButton *const buttons[] = {Image2,  Image3, Image7, Image9,
                                            Image10, Image4, Image1};
    QLabel *const labels[] = {Label2, Label1, Label21, Label25, Label27, Label15, Label3};
    setGeometry(Frame1, 8850, 0, 7 * 620 + 150, 780);
    Frame1->lower();
    Image13->lower();
    for (int i = 0; i < 7; ++i) {
        setGeometry(const_cast<PictureButton *>(buttons[i]), 9000 + i * 620, 60, 405, 405);
        setGeometry(labels[i], 9000 + i * 620 - 100, 480, 605, 240);
    }
    setGeometry(Check2, W - 1300, 560, 1200, 240);
    setGeometry(Check3, W - 1300, 290, 1200, 240);

    // Keyword row.
    setGeometry(Label16, 30, 880, 1460, 270);
    setGeometry(Label18, 30, 1180, 1460, 240);
    setGeometry(Text1, 1500, 880, 9800 - 1400 - 60, 300);
    setGeometry(Check1, 1500 + 9800 - 1400 - 60 - 1200, 1180, 1200, 240);
    setGeometry(Label17, 9860, 880, 1400, 270);
    setGeometry(Label19, 9860, 1180, 1800, 240);
    setGeometry(Text2, 9860 + 1400, 880, 3300 - 1400, 300);

    // Page row.
    setGeometry(Image14, 0, 1420, W, 420);
    Image14->lower();
    Image13->lower();
    const int y = 1510;
    setGeometry(Label22, 60, y, 900, 240);
    setGeometry(TotalRecords, 960, y, 900, 240);
    setGeometry(Label24, 1900, y, 900, 240);
    setGeometry(RelevantRecords, 2800, y, 900, 240);
    setGeometry(Label32, 3750, y, 1050, 240);
    setGeometry(Label35, 3990, y, 560, 240);
    Label35->setAlignment(Qt::AlignCenter);
    setGeometry(Label34, 4850, y, 450, 240);
    setGeometry(Label26, 5350, y, 1200, 240);
    setGeometry(Progress, 5570, y, 480, 240);
    setGeometry(txtProgress, 5570, y - 30, 480, 300);
    txtProgress->raise();
    setGeometry(Label33, 6600, y, 450, 240);
    PictureButton *const tools[] = {Image12, Image11, Image19, Image16, Image15, Image21};
    for (int i = 0; i < 6; ++i)
        setGeometry(tools[i], 7200 + i * 520, 1427, 405, 405);
    setGeometry(Label36, 10400, y, 4200, 240);
    setGeometry(Drive1, 12500, y - 30, 1900, 300);
    setGeometry(Label31, 13050, y, 800, 240);

    // List and text pane: the browse layout sizes them.
    setGeometry(List1, 60, 1860, 9800, H - 2150);
    setGeometry(RichTextBox1, 9860, 1860, 3300, H - 2150);
    setGeometry(Picture1, 9860 + 3300 - 1500 - 300, 1920, 1500, 1800);
    setGeometry(Image6, 30, 30, 1440, 1500);
    setGeometry(Label23, 30, 1540, 1000, 240);
    setGeometry(Image8, 1060, 1540, 400, 240);
    setGeometry(Text4, 9900, 1860 + H - 2150 - 240, 2950, 240);
    setGeometry(Text5, 9900, 1860 + H - 2150 - 480, 2950, 240);
    // Two lines high, right above the website box.
    setGeometry(Text10, 9900, 1860 + H - 2150 - 1020, 2950, 540);
    // Below the photo frame, so that the photo and the file count stay in sight.
    setGeometry(Frame2, 9860 + 3300 - 2960, 3780, 2900, 3600);
    setGeometry(Text8, 10860, 2460, 2700, 1400);
    setGeometry(Text9, 9900, 2000, 3200, 1100);
    setGeometry(Text11, 10000, 2860, 2400, 270);
    setGeometry(Label29, 60, 60, 600, 270);
    setGeometry(Image18, 760, 60, 600, 270);
    setGeometry(lbACC, 1460, 60, 600, 270);
    setGeometry(Label38, 2160, 60, 600, 270);
    setGeometry(File1, 60, 400, 2780, 3140);
    setGeometry(Picture3, 2000, 4200, 8200, 500);
    setGeometry(Label30, 100, 100, 8000, 300);

    // Under the list.
    setGeometry(Image20, 60, 1860 + H - 2150, 300, 240);
    setGeometry(Label28, 420, 1860 + H - 2150 + 55, 4000, 240);
    setGeometry(Label39, 4500, 1860 + H - 2150 + 35, 3000, 240);
    setGeometry(lbVer, 7600, 1860 + H - 2150 + 55, 1200, 240);
    setGeometry(Text3, 9860, 1860 + H - 2150 + 10, 3300, 270);
    // The calendar line under the keyword box (CalendarModule::placeLine
    // keeps it there), and its pop-up copy under the picker's calendar.
    setGeometry(Label37, 1590, 1180, 6950, 240);
    setGeometry(Text7, 7160, 2930, 5200, 300);
    Text7->setReadOnly(true);
}

void Form1::wireEvents()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Text1, Text2, List1, RichTextBox1,
                                                       txtProgress, Text4, Text5})
        w->installEventFilter(this);
    RichTextBox1->viewport()->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    List1->viewport()->setMouseTracking(true);
    setMouseTracking(true);

    connect(lbPageNo, &StateLabel::captionChanged, this,
            [this] { m_moduleSwitch->moduleChanged(); });
    connect(RelevantRecords, &StateLabel::captionChanged, this,
            [this] { m_recordList->pageCountUpdate(); });
    connect(Progress, &StateLabel::captionChanged, this, [this] { m_recordList->pageChange(); });
    connect(label14, &StateLabel::captionChanged, this, [this] {
        if (module() == 2)
            m_law->label14Change();
    });
    connect(label14, &ClickLabel::clicked, this, [this] {
        if (module() == 1)
            m_calendar->modeSwitch();
        else if (module() == 2)
            m_law->label14Click();
    });
    for (int n = 1; n <= 10; ++n) {
        ClickLabel *b = categoryButton(n);
        connect(b, &ClickLabel::clicked, this, [this, n] { m_moduleSwitch->categoryClick(n); });
        connect(b, &ClickLabel::hovered, this, [this, n] { m_moduleSwitch->categoryHovered(n); });
        connect(b, &ClickLabel::pressed, this,
                [this, n] { m_moduleSwitch->categoryPressed(n, true); });
        connect(b, &ClickLabel::released, this,
                [this, n] { m_moduleSwitch->categoryPressed(n, false); });
    }
    for (const bool next : {true, false}) {
        ClickLabel *arrow = next ? Label33 : Label34;
        connect(arrow, &ClickLabel::hovered, this,
                [this, next] { m_recordList->arrowHovered(next); });
        connect(arrow, &ClickLabel::pressed, this,
                [this, next] { m_recordList->arrowPressed(next, true); });
        connect(arrow, &ClickLabel::released, this,
                [this, next] { m_recordList->arrowPressed(next, false); });
    }
    connect(Image2, &ClickLabel::clicked, this, [this] { m_moduleSwitch->previousModule(); });
    connect(Image3, &ClickLabel::clicked, this, [this] { m_moduleSwitch->nextModule(); });
    connect(Label33, &ClickLabel::clicked, this, [this] { m_recordList->nextPage(); });
    connect(Label34, &ClickLabel::clicked, this, [this] { m_recordList->previousPage(); });
    connect(Combo1, &QComboBox::activated, this, [this] {
        m_hover->comboPicked();
        if (module() == 2)
            m_law->Combo1Click();
        else if (module() == 3)
            m_directory->Combo1Click();
    });
    connect(Text5, &QLineEdit::textChanged, this, [this] { m_pickup->websiteBoxChanged(); });
    connect(Image4, &ClickLabel::clicked, this, [this] { m_pickup->newMailClicked(); });
    connect(Image11, &ClickLabel::clicked, this, [this] {
        if (module() == 2)
            m_law->favoritesClicked();
    });
    connect(List1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (module() == 3)
            m_directory->rowDoubleClicked(item->text(1));
        else if (module() == 2)
            m_law->ToURLGov();
    });
    connect(Check1, &QCheckBox::toggled, this, [this] { m_law->Check1Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { sounds.Check2Click(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { m_law->Text1Changed(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { m_calendar->lockedDayQuestion(); });
    connect(Label37, &ClickLabel::clicked, this, [this] { m_calendar->showToday(); });
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { m_calendar->pickerChanged(); });
    DTPicker1->installEventFilter(this);
    DTPicker1->calendarWidget()->window()->installEventFilter(this);
    connect(Timer1, &QTimer::timeout, this, [this] { m_calendar->Timer1Timer(); });
    connect(RichTextBox1, &QTextEdit::textChanged, this, [this] { m_clientEditor->changed(); });
    connect(List1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { m_layouts->rowClick(item); });
    connect(Image14, &ClickLabel::clicked, this, [this] { m_layouts->stripClick(); });
    connect(Image15, &ClickLabel::clicked, this, [this] { m_textPane->wordButtonClicked(); });
    connect(Image16, &ClickLabel::clicked, this, [this] { m_textPane->pasteClicked(); });
    connect(Image19, &ClickLabel::clicked, this, [this] { m_textPane->copyClicked(); });
    connect(Image6, &ClickLabel::clicked, this, [this] { m_clients->photoClicked(); });
    connect(Image8, &ClickLabel::clicked, this, [this] { m_clients->openAttachments(); });
    connect(Label29, &ClickLabel::clicked, this, [this] { m_clients->addAttachment(); });
    connect(Image18, &ClickLabel::clicked, this, [this] { m_clients->deleteAttachment(); });
    connect(Label38, &ClickLabel::clicked, this, [this] { m_clients->closeAttachments(); });
    connect(lbACC, &ClickLabel::clicked, this, [this] { FrmPACC::open(*this); });
    connect(Image12, &ClickLabel::clicked, this, [this] {
        if (module() == 1)
            m_clients->deleteClicked();
        else if (module() == 2)
            m_law->DeleteFavorite2();
    });
    connect(Image9, &ClickLabel::clicked, this, [this] { m_backup->backupClicked(); });
    connect(Image10, &ClickLabel::clicked, this, [this] { m_backup->restoreClicked(); });
    connect(Label36, &ClickLabel::clicked, this, [this] { m_backup->statusClicked(); });
    connect(Drive1, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QString letter = Drive1->itemData(index).toString();
        if (!letter.isEmpty())
            m_backup->driveChosen(letter[0]);
    });
    connect(File1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { m_clients->openAttachment(item->text()); });
    m_hover->wire();
}

// Creation of the main window.
void Form1::create()
{
    law().Combo1Set();
    m_moduleSwitch->ResetObjPics();
    m_recordList->setColumns({{u" "_s, 3 * Twips::width(List1)}}, -1, Qt::DescendingOrder,
                             std::nullopt);
    Label30->setCaption(u"请稍侯......"_s);
    Drive1->hide();
    sounds.readSwitch();
    sounds.openFiles();
    Text5->clear();
    Text5->hide();
    Text6->hide();
    Text7->hide();
    Label40->setCaption(u"3"_s);
    Timer1->start();
    // The pictures of the window's own design.
    Image13->showPicture(m_files, u"objpics\\background.jpg"_s);
    Image14->showPicture(m_files, u"objpics\\strip.jpg"_s);
    Image7->showPicture(m_files, u"objpics\\print.jpg"_s);
    Image4->showPicture(m_files, u"objpics\\email.jpg"_s);
    Image21->showPicture(m_files, u"objpics\\billing.jpg"_s);
}

void Form1::load()
{
    Clearance();
    law().loadIndex();
    state.InstallDir = InstallPaths::installDir();
    state.CalendarFile = InstallPaths::calendarFile();
}

void Form1::activate()
{
    lbPageNo->setCaption(u"1"_s);
    Progress->setCaption(u"1"_s);
    Label30->setCaption(u"请稍侯......"_s);
    const bool canFocus = isVisible() && List1->isEnabled() && Text1->isEnabled();
    if (canFocus) {
        List1->setFocus();
        Text1->setFocus();
    }
    try {
        Twips::setLeft(Frame2, Twips::left(RichTextBox1) + Twips::width(RichTextBox1) - 2960);
    } catch (const Twips::SizeError &) {
    }
    m_services.beeper.beep();
    m_calendar->CalendarShow(calendarKey(m_clock.today()));
    if (canFocus)
        Text1->setFocus();
    law().LoadErrNoList();
    Twips::setTop(lbVer, Twips::top(Label28));
    QFont font = RichTextBox1->font();
    font.setFamilies({u"宋体"_s, u"Noto Serif CJK SC"_s, u"Noto Sans CJK SC"_s});
    RichTextBox1->setFont(font);
}

void Form1::Clearance()
{
    Text1->clear();
    Label30->setCaption(u"请稍侯......"_s);
    Text1->clear();
    Text2->clear();
    Text3->clear();
    clearPane();
    TotalRecords->setCaption(u"0"_s);
    RelevantRecords->setCaption(u"0"_s);
    Label36->clear();
    Label37->clear();
    Label30->setCaption(QString());
    Label31->clear();
}

void Form1::ReSet()
{
    Text2->show();
    Label17->show();
    Label19->show();
    RichTextBox1->show();
    Text9->hide();
    Text8->hide();
    m_moduleSwitch->ResetObjPics();
    Text11->hide();
    m_clients->ensureRemindFile();
    m_clients->readRemindFile();
    m_layouts->List1SetFocus();
}

QString Form1::paneText() const
{
    QString text = RichTextBox1->toPlainText();
    text.replace(u'\n', u"\r\n"_s);
    return text;
}

void Form1::setPaneText(const QString &text)
{
    QString plain = text;
    plain.replace(u"\r\n"_s, u"\n"_s);
    RichTextBox1->setPlainText(plain);
}

int PanePositions::operator()(qsizetype position)
{
    if (position < m_scanned) {
        m_scanned = 0;
        m_breaks = 0;
    }
    // A CR LF pair counts when its LF lies before the position.
    for (; m_scanned + 1 < position && m_scanned + 1 < m_text.size(); ++m_scanned) {
        if (m_text[m_scanned] == u'\r' && m_text[m_scanned + 1] == u'\n')
            ++m_breaks;
    }
    return int(position - m_breaks);
}

int Form1::documentPosition(const QString &paneText, qsizetype position)
{
    return PanePositions(paneText)(position);
}

void Form1::clearPane()
{
    RichTextBox1->clear();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a child without pointer tracking of its own (a check box, a
    // box) come here too: they are no moves over the background.
    if (childAt(event->position().toPoint()) == nullptr) {
        state.OverBackground = 1;
        m_moduleSwitch->ResetObjPics();
        sounds.closeButtonPlayer();
    }
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    m_calendar->filterEvent(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == Text1) {
            state.FocusedInput = 1;
            m_law->Text1GotFocus();
        } else if (watched == Text2) {
            state.FocusedInput = 2;
            m_law->Text2GotFocus();
        } else if (watched == RichTextBox1) {
            state.FocusedInput = 5;
            if (module() == 1)
                m_clientEditor->gotFocus();
        } else if (watched == List1)
            m_recordList->listGotFocus();
        break;
    case QEvent::FocusOut:
        if (watched == Text1 || watched == Text2 || watched == RichTextBox1)
            state.FocusedInput = 0;
        if (watched == Text1) {
            m_hover->keywordLeft();
            Label16->setStyleSheet(u"color: #808080"_s);
        } else if (watched == Text2)
            Label17->setStyleSheet(u"color: #808080"_s);
        else if (watched == List1)
            m_recordList->listLostFocus();
        else if (watched == RichTextBox1)
            m_clientEditor->lostFocus();
        else if (watched == txtProgress)
            m_recordList->pageEntry();
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == Text1) {
            m_hover->keywordTyped();
            return m_law->Text1KeyPress(key);
        }
        if (watched == Text2)
            return m_law->Text2KeyPress(key);
        if (watched == RichTextBox1)
            return m_clientEditor->keyPress(key);
        if (watched == txtProgress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            m_recordList->pageEntry();
            return true;
        }
        if (watched == List1 && !key->text().isEmpty() && key->key() != Qt::Key_Up &&
            key->key() != Qt::Key_Down) {
            Text1->setFocus();
            return true;
        }
        break;
    }
    case QEvent::Enter:
        if (watched == txtProgress)
            m_recordList->pageBoxHovered();
        break;
    case QEvent::MouseMove:
        if (watched == List1->viewport())
            m_recordList->listPointerMoved();
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Text4)
            m_pickup->emailBoxClicked();
        else if (watched == Text5)
            m_pickup->websiteBoxClicked();
        else if (watched == Text1 || watched == Text2)
            m_layouts->copyFromSelection(static_cast<QLineEdit *>(watched));
        else if (watched == RichTextBox1->viewport())
            m_textPane->clicked();
        break;
    case QEvent::MouseButtonPress:
        if (watched == List1->viewport())
            m_recordList->listClicked();
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == RichTextBox1->viewport())
            m_textPane->doubleClicked();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
