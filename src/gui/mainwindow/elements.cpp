#include "gui/mainwindow/elements.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <QMouseEvent>
#include <QPixmap>

ClickLabel::ClickLabel(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed();
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        Q_EMIT released();
        if (rect().contains(event->position().toPoint()))
            Q_EMIT clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void ClickLabel::enterEvent(QEnterEvent *event)
{
    Q_EMIT hovered();
    QLabel::enterEvent(event);
}

void setTextColour(QWidget *element, const QColor &colour)
{
    QPalette p = element->palette();
    const QColor c =
        colour.isValid() ? colour : element->parentWidget()->palette().color(QPalette::WindowText);
    p.setColor(QPalette::WindowText, c);
    element->setPalette(p);
}

QColor colourFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void setStyle(QWidget *element, const QString &styleSheet)
{
    if (element->styleSheet() != styleSheet)
        element->setStyleSheet(styleSheet);
}

QColor textColour(const QWidget *element)
{
    return element->palette().color(QPalette::WindowText);
}

StateLabel::StateLabel(const QString &objectName, QWidget *parent)
    : ClickLabel(objectName, parent)
{}

void StateLabel::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    Q_EMIT captionChanged();
}

int StateLabel::number() const
{
    return captionNumber(text());
}

int captionNumber(QStringView caption)
{
    const QStringView t = caption.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    qint64 n = 0;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9' && n < 1000000000) {
        n = n * 10 + (t[i].unicode() - u'0');
        ++i;
    }
    return int(negative ? -n : n);
}

PictureButton::PictureButton(const QString &objectName, QWidget *parent)
    : ClickLabel(objectName, parent)
{
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
}

void PictureButton::setCaption(const QString &caption)
{
    m_caption = caption;
    if (pixmap().isNull())
        setText(caption);
}

void PictureButton::showPicture(const RecordFile &files, const QString &relative)
{
    // The picture shown already is not read again (the hover resets ask for
    // the same pictures on every pointer move).
    if (relative == m_picture && !pixmap().isNull())
        return;
    m_picture = relative;
    load(files.hostPath(InstallPaths::installDir() + relative));
}

void PictureButton::showFile(const QString &hostPath)
{
    m_picture.clear();
    load(hostPath);
}

void PictureButton::load(const QString &hostPath)
{
    const QPixmap picture(hostPath);
    if (picture.isNull()) {
        // Without its picture the button shows its caption, if it has one.
        setPixmap(QPixmap());
        setText(m_caption);
    } else {
        setPixmap(picture);
    }
}
