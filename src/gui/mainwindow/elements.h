#pragma once

#include <QLabel>

class RecordFile;

// A label that answers the pointer: clicks, double clicks, presses and
// hovering. Used for the category buttons, the page arrows, label14 and the
// picture buttons.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &objectName, QWidget *parent);

Q_SIGNALS:
    void clicked();
    void doubleClicked();
    void pressed();
    void released();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
};

// The text colour of an element, set through its palette (a style sheet would
// take over its frame as well); an invalid colour gives back the window's own.
void setTextColour(QWidget *element, const QColor &colour);
QColor textColour(const QWidget *element);

// A colour as the system writes colours: red, green and blue bytes from the
// low end (0x8000 is green, 0x80FF orange).
QColor colourFromBgr(quint32 bgr);

// Sets a style sheet only when it differs from the element's own: setting
// one repolishes the element, which the hover paths would do on every move.
void setStyle(QWidget *element, const QString &styleSheet);

// A label used as a state holder: its caption is a value, and setting it
// runs the change handlers only when the caption really changes.
class StateLabel : public ClickLabel
{
    Q_OBJECT

public:
    explicit StateLabel(const QString &objectName, QWidget *parent);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    // The caption read as a number: its leading digits (with a sign), 0 when none.
    int number() const;

Q_SIGNALS:
    void captionChanged();
};

// A picture button: shows a picture file of the install folder. A missing
// picture leaves the button without a picture; the button still works.
class PictureButton : public ClickLabel
{
    Q_OBJECT

public:
    PictureButton(const QString &objectName, QWidget *parent);

    // Shows "c:\program files\quorix\" + relative (for example "objpics\copy.ico").
    void showPicture(const RecordFile &files, const QString &relative);
    // Shows a picture file by its host path.
    void showFile(const QString &hostPath);
    // The text shown while the button has no picture.
    void setCaption(const QString &caption);
    // The picture last asked for, as given (empty when none).
    const QString &pictureName() const { return m_picture; }

private:
    void load(const QString &hostPath);

    QString m_picture;
    QString m_caption;
};

// The leading number of a caption, as the system reads a caption holding
// digits: optional blanks, an optional sign, digits; 0 when there are none.
int captionNumber(QStringView caption);
