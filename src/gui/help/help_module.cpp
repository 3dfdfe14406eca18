#include "gui/help/help_module.h"

#include "core/help/help_list.h"
#include "gui/help/form3.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The hint box's colours.
const QColor HintGrey(128, 128, 128);    // &H808080
const QColor LightYellow(255, 255, 192); // &HC0FFFF
const QColor PointerBlue(0, 0, 255);     // &HFF0000
const QColor PointerYellow(255, 255, 0); // &HFFFF

const QString WaitText = u"请稍侯......"_s;

QString rgb(const QColor &c)
{
    return u"rgb(%1, %2, %3)"_s.arg(c.red()).arg(c.green()).arg(c.blue());
}

bool isLeftClick(QEvent *event, const QWidget *on)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    return mouse->button() == Qt::LeftButton && on->rect().contains(mouse->position().toPoint());
}

} // namespace

HelpModule::HelpModule(Form1 &form)
    : f(form)
{
    QLineEdit *box = f.Text6;
    // The hint is read, not typed; a click on it opens its help text.
    box->setReadOnly(true);
    box->setCursor(Qt::PointingHandCursor);
    // 180 twips a character: the characters of the hint are 12 pixels wide.
    QFont font = box->font();
    font.setPixelSize(12);
    box->setFont(font);
    box->setMouseTracking(true);
    box->installEventFilter(this);
    f.lbVer->installEventFilter(this);
    connect(f.Label30, &StateLabel::captionChanged, this, &HelpModule::busyTextChanged);
}

HelpModule::~HelpModule()
{
    delete m_form3;
}

Form3 *HelpModule::helpWindow() const
{
    return m_form3;
}

void HelpModule::setHintColours(const QColor &text, const QColor &background)
{
    // With a thin frame and no padding, so that 180 twips a character hold the hint.
    setStyle(f.Text6, u"color: %1; background-color: %2; border: 1px solid rgb(128, 128, 128); "
                      u"padding: 0px"_s.arg(rgb(text), rgb(background)));
}

QColor HelpModule::hintBackground() const
{
    return f.Text6->palette().color(QPalette::Base);
}

void HelpModule::HintShow(const QString &topic)
{
    if (!f.Check3->isChecked())
        return;
    setHintColours(HintGrey, LightYellow);
    const std::optional<QList<HelpHint>> table = readHelpList(f.files());
    if (!table)
        return;
    const std::optional<HelpHint> hint = hintFor(*table, topic, f.module());
    QLineEdit *box = f.Text6;
    const QString text = hint ? hint->hint : QString();
    if (box->text() != text) {
        box->setText(text);
        box->setCursorPosition(0);
    }
    const int width = 180 * int(text.size()) + 100;
    int left = qRound(f.state.HintX.toDouble()) + 350;
    int top = qRound(f.state.HintY.toDouble()) - 100;
    // A hint beside a control near the window's edge is moved in so that
    // none of it is cut off.
    left = std::max(0, std::min(left, Twips::fromPixels(f.width()) - width));
    top = std::max(0, top);
    Twips::setGeometry(box, left, top, width, 250);
    box->show();
    box->raise();
}

void HelpModule::hintBoxHovered()
{
    setHintColours(PointerBlue, PointerYellow);
}

void HelpModule::openShownHint()
{
    const std::optional<QList<HelpHint>> table = readHelpList(f.files());
    if (!table)
        return;
    if (const std::optional<HelpHint> record = hintRecord(*table, f.Text6->text(), f.module())) {
        if (const QString path = helpTextPath(*record); !path.isEmpty())
            HelpFile = path;
    }
    if (!HelpFile.isEmpty() && f.files().exists(HelpFile))
        showHelpWindow();
}

void HelpModule::versionNotes(bool recolour)
{
    if (recolour)
        setHintColours(f.Text6->palette().color(QPalette::Text), PointerYellow);
    const std::optional<QList<HelpHint>> table = readHelpList(f.files());
    if (table && hasVersionNotes(*table))
        HelpFile = versionNotesPath();
    if (!HelpFile.isEmpty() && f.files().exists(HelpFile))
        showHelpWindow();
}

void HelpModule::showHelpWindow()
{
    if (!m_form3)
        m_form3 = new Form3(f);
    if (!m_form3->activate())
        return;
    m_form3->show();
    m_form3->raise();
    m_form3->activateWindow();
}

void HelpModule::closeHelpWindow()
{
    if (!m_form3)
        return;
    m_form3->close(); // the window deletes itself on closing
    m_form3 = nullptr;
}

void HelpModule::busyTextChanged()
{
    if (f.Label30->caption() == WaitText) {
        f.Label31->setText(WaitText);
        f.Label31->show();
        // Emptying Label30 is a change of its own, which hides the notice
        // again: the window never goes on saying "please wait" once the work
        // that set it is over.
        f.Label30->setCaption(QString());
    } else {
        f.Label31->hide();
    }
}

bool HelpModule::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == f.Text6) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            hintBoxHovered();
            break;
        case QEvent::FocusIn:
            closeHelpWindow();
            break;
        case QEvent::MouseButtonRelease:
            if (isLeftClick(event, f.Text6))
                openShownHint();
            break;
        case QEvent::MouseButtonDblClick:
            if (isLeftClick(event, f.Text6))
                openShownHint();
            break;
        default:
            break;
        }
    } else if (watched == f.lbVer) {
        if (event->type() == QEvent::MouseButtonRelease && isLeftClick(event, f.lbVer))
            versionNotes(true);
        else if (event->type() == QEvent::MouseButtonDblClick && isLeftClick(event, f.lbVer))
            versionNotes(false);
    }
    return QObject::eventFilter(watched, event);
}
