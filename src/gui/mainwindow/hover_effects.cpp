#include "gui/mainwindow/hover_effects.h"

#include "gui/clients/ledger_window.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/module_switch.h"
#include "gui/mainwindow/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

using namespace Qt::StringLiterals;

HoverEffects::HoverEffects(Form1 &form)
    : QObject(&form)
    , f(form)
{}

void HoverEffects::add(QWidget *element, Hot hot)
{
    m_hot.insert(element, std::move(hot));
    if (auto *label = qobject_cast<ClickLabel *>(element)) {
        connect(label, &ClickLabel::hovered, this, [this, element] { hovered(element); });
        connect(label, &ClickLabel::pressed, this, [this, element] { pressed(element, true); });
        connect(label, &ClickLabel::released, this, [this, element] { pressed(element, false); });
    } else {
        element->installEventFilter(this);
    }
}

void HoverEffects::wire()
{
    // The picture buttons of the top band and the page row.
    const struct {
        PictureButton *button;
        const char16_t *topic;
    } buttons[] = {{f.Image1, u"退出"},      {f.Image2, u"上一模块"}, {f.Image3, u"下一模块"},
                   {f.Image4, u"Email发送"}, {f.Image7, u"打印"},     {f.Image9, u"备份"},
                   {f.Image10, u"恢复"},     {f.Image11, u"收藏"},    {f.Image12, u"删除记录"},
                   {f.Image15, u"编辑"},     {f.Image16, u"粘贴"},    {f.Image19, u"复制"},
                   {f.Image21, u"帐单"}};
    for (const auto &b : buttons)
        add(b.button, {QString::fromUtf16(b.topic)});
    add(f.Image5, {u"功能特色"_s, 100, 100, nullptr, false, false});
    // The photo frame and the attachment panel anchor their elements' hints.
    add(f.Image6, {u"照片"_s, 0, 300, f.Picture1});
    add(f.Image8, {u"打开附件夹"_s, 300, 1600, f.Picture1});
    add(f.Image18, {u"删除附件"_s, 1000, 100, f.Frame2});
    add(f.Label29, {u"添加附件"_s, 200, 100, f.Frame2});
    add(f.Label38, {u"关闭附件夹"_s, 1700, 450, f.Frame2});
    add(f.lbACC, {u"帐单"_s, 800, 100, f.Frame2});
    add(f.File1, {u"附件列表框"_s, 600, 1000, f.Frame2, false});
    add(f.label14, {QString(), 500, 300});
    add(f.lbVer, {u"版本说明"_s, 0, -200});
    add(f.Label39, {QString(), 200, -150});
    add(f.Text1, {u"主关键词"_s, 600, 0, nullptr, false});
    add(f.Text2, {u"辅关键词"_s, 0, 0, nullptr, false});
    add(f.Text4, {u"Email拣出"_s, 1000, -100});
    add(f.Text5, {u"URL"_s, 100, -150});
    add(f.Check1, {u"正文检索"_s, 400, -100, nullptr, false});
    add(f.Check2, {u"声效"_s, -100, 0, nullptr, false});
    add(f.Check3, {u"帮助"_s, -600, 300, nullptr, false});
    add(f.DTPicker1, {u"日历"_s, 0, 0, nullptr, false});
    add(f.RichTextBox1->viewport(), {u"正文框"_s, 0, 680, f.RichTextBox1, false});

    // The background.
    for (QWidget *w : {static_cast<QWidget *>(f.Frame1), static_cast<QWidget *>(f.Frame2),
                       static_cast<QWidget *>(f.Picture1), static_cast<QWidget *>(f.Picture3)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QWidget *w : {static_cast<QWidget *>(f.Image13), static_cast<QWidget *>(f.Image14),
                       static_cast<QWidget *>(f.Label26), static_cast<QWidget *>(f.Label23)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    connect(f.Image7, &ClickLabel::clicked, this, &HoverEffects::printClicked);
    connect(f.Image21, &ClickLabel::clicked, this, &HoverEffects::billingClicked);
    connect(f.Image1, &ClickLabel::clicked, this, &HoverEffects::exitClicked);
}

void HoverEffects::frame(QWidget *element, bool on)
{
    if (auto *box = qobject_cast<QLineEdit *>(element))
        box->setFrame(on);
    else if (auto *label = qobject_cast<QFrame *>(element))
        label->setFrameShape(on ? QFrame::Box : QFrame::NoFrame);
}

bool HoverEffects::active(QWidget *element) const
{
    const int m = f.module();
    if (element == f.Image9 || element == f.Image10)
        return m == 1;
    if (element == f.Image12)
        return m == 1 || (m == 2 && f.state.favoritesShown());
    if (element == f.label14)
        return m == 1 || m == 2;
    return true;
}

void HoverEffects::hovered(QWidget *element)
{
    const auto it = m_hot.constFind(element);
    if (it == m_hot.cend() || !active(element))
        return;
    const Hot &hot = *it;
    // The look.
    if (element == f.Image1) {
        f.Image1->showPicture(f.files(), u"objpics\\exit2.jpg"_s);
        f.state.OverBackground = 0;
    } else if (element == f.Image2) {
        f.Image2->showPicture(f.files(), u"objpics\\preview2.jpg"_s);
    } else if (element == f.Image3) {
        f.Image3->showPicture(f.files(), u"objpics\\next2.jpg"_s);
    } else if (hot.frame) {
        frame(element, true);
    }
    if (element == f.Text4)
        frame(f.Text5, false);
    else if (element == f.Text5)
        frame(f.Text4, false);
    // The hint at its anchor.
    QWidget *anchor = hot.anchor ? hot.anchor : element;
    int x = Twips::left(anchor) + hot.dx;
    if (element == f.RichTextBox1->viewport())
        x += f.RichTextBox1->styleSheet().isEmpty() ? 6000 : 300;
    f.state.HintX = x;
    f.state.HintY = Twips::top(anchor) + hot.dy;
    QString topic = hot.topic;
    if (element == f.label14)
        topic = f.module() == 1 ? u"日程"_s : u"年度"_s;
    if (element != f.Label39)
        f.HintShow(topic);
    // The sound.
    if (element == f.RichTextBox1->viewport()) {
        f.state.OverBackground = 1;
        f.sounds.paneHover();
    } else if (hot.sound) {
        f.sounds.buttonSound();
    }
    if (element == f.Image11 && !f.Image11->isEnabled())
        f.moduleSwitch().ResetObjPics();
}

void HoverEffects::pressed(QWidget *element, bool down)
{
    if (!m_hot.contains(element) || !active(element))
        return;
    if (element == f.Image1) {
        f.Image1->showPicture(f.files(), down ? u"objpics\\exit3.jpg"_s : u"objpics\\exit2.jpg"_s);
        return;
    }
    if (element == f.Image2 || element == f.Image3) {
        const QString name = element == f.Image2 ? u"preview"_s : u"next"_s;
        static_cast<PictureButton *>(element)->showPicture(
            f.files(), u"objpics\\"_s + name + (down ? u"3.jpg"_s : u"2.jpg"_s));
        return;
    }
    auto *shape = qobject_cast<QFrame *>(element);
    if (!shape || !qobject_cast<ClickLabel *>(element))
        return;
    if (qobject_cast<PictureButton *>(element)) {
        // A picture button: pressed in, then flat again.
        shape->setFrameShape(down ? QFrame::Panel : QFrame::Box);
        shape->setFrameShadow(down ? QFrame::Sunken : QFrame::Plain);
    } else {
        // A label button: pressed in, then without its pressed look.
        shape->setFrameShape(down ? QFrame::Panel : QFrame::NoFrame);
        shape->setFrameShadow(down ? QFrame::Sunken : QFrame::Plain);
    }
}

void HoverEffects::overFrame1()
{
    f.Image1->showPicture(f.files(), u"objpics\\exit1.jpg"_s);
    f.state.OverBackground = 1;
    f.sounds.clearLatch();
    f.moduleSwitch().ResetObjPics();
}

void HoverEffects::overTopBand()
{
    f.sounds.clearLatch();
    if (m_comboPicked) {
        m_comboPicked = false;
        return;
    }
    f.moduleSwitch().ResetObjPics();
}

void HoverEffects::overStrip()
{
    f.sounds.clearLatch();
    if (!m_keywordTyping)
        f.moduleSwitch().ResetObjPics();
}

void HoverEffects::overAttachments()
{
    for (QFrame *e :
         std::initializer_list<QFrame *>{f.Label29, f.Image18, f.Label38, f.Image8, f.lbACC})
        e->setFrameShape(QFrame::NoFrame);
    f.sounds.clearLatch();
    f.moduleSwitch().ResetObjPics();
}

void HoverEffects::overPhotoFrame()
{
    f.Image8->setFrameShape(QFrame::NoFrame);
    f.Image6->setFrameShape(QFrame::NoFrame);
}

void HoverEffects::overPlainBackground()
{
    f.moduleSwitch().ResetObjPics();
}

bool HoverEffects::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Enter && m_hot.contains(w)) {
        hovered(w);
    } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (w == f.Frame1)
            overFrame1();
        else if (w == f.Image13)
            overTopBand();
        else if (w == f.Image14)
            overStrip();
        else if (w == f.Frame2)
            overAttachments();
        else if (w == f.Picture1)
            overPhotoFrame();
        else if (w == f.Label26 || w == f.Picture3)
            overPlainBackground();
        else if (w == f.Label23)
            f.sounds.clearLatch();
        else if (w == f.RichTextBox1->viewport() && event->type() == QEvent::MouseMove)
            hovered(w);
    }
    return QObject::eventFilter(watched, event);
}

void HoverEffects::printClicked()
{
    // A missing printer or a refused job is not the user's concern here.
    (void)f.services().windowPrinter.printImage(f.window());
    f.sounds.play(Sounds::Print);
}

void HoverEffects::billingClicked()
{
    f.Image21->setFrameShape(QFrame::NoFrame);
    FrmPACC::open(f);
}

void HoverEffects::exitClicked()
{
    f.sounds.clickSound();
    // The help and ledger windows go with the program; nothing is left to save.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w != f.window() && w->isVisible())
            w->close();
    }
    f.window()->hide();
    QCoreApplication::exit(0);
}
