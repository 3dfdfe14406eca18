#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class Form1;
class PictureButton;
class QWidget;

// The pointer over the main window's hot elements: each one shows its
// hover look (a frame, or a hover picture for the navigation buttons),
// sets the hint anchor HintX, HintY, asks for its hint and the button
// sound; pressing and releasing give the pressed look. Moves over the
// background reset every effect. Also the print, billing and exit buttons.
class HoverEffects : public QObject
{
    Q_OBJECT

public:
    explicit HoverEffects(Form1 &form);

    // Connects the hot elements and watches the ones that are no labels.
    void wire();

    // The pointer entered an element of the table (by its object name).
    void hovered(QWidget *element);
    void pressed(QWidget *element, bool down);

    // Moves over the background parts of the window.
    void overFrame1();
    void overTopBand();         // Image13
    void overStrip();           // Image14
    void overAttachments();     // the attachment panel's own background
    void overPhotoFrame();      // Picture1
    void overPlainBackground(); // Label26, Picture3
    // An entry of Combo1 was just picked: the next move over the top band only clears that mark.
    void comboPicked() { m_comboPicked = true; }
    // Text1 got a key / lost the focus.
    void keywordTyped() { m_keywordTyping = true; }
    void keywordLeft() { m_keywordTyping = false; }

    void printClicked();   // Image7
    void billingClicked(); // Image21
    void exitClicked();    // Image1

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hot {
        QString topic;
        int dx = 0, dy = 0;
        QWidget *anchor =
            nullptr; // whose left and top the offsets are from; the element itself when unset
        bool frame = true;
        bool sound = true;
    };
    void add(QWidget *element, Hot hot);
    void frame(QWidget *element, bool on);
    // Whether the element answers the pointer in the current module and state.
    bool active(QWidget *element) const;

    Form1 &f;
    QHash<QWidget *, Hot> m_hot;
    bool m_comboPicked = false;
    bool m_keywordTyping = false;
};
