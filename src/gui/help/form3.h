#pragma once

#include "core/help/rtf_reader.h"

#include <QWidget>

class Form1;
class QTextEdit;

// The help window: one rich-text box showing the help text HelpFile of the
// main window's help module, placed over the frame window. A double click
// on the text enlarges it to nearly the frame's size.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    // Design size of the window, in twips.
    static constexpr int DesignWidth = 7200;
    static constexpr int DesignHeight = 5400;

    explicit Form3(Form1 &main);

    // Activation: shows HelpFile with the hint box's background, or hides
    // the window when there is no such file; then puts the window at the
    // frame's left + 3500, top + 2200 with its design size.
    // True when a help text is shown.
    bool activate();
    // Height = frame height - 3000, width = frame width - 600, left = frame
    // left + 300; the text box 215 narrower and 400 lower than the window.
    void enlarge();

    QTextEdit *RichTextBox1;

    // Puts the runs into the text box as formatted text.
    static void showRuns(QTextEdit *box, const QList<RichTextRun> &runs);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Left, top, width and height of the window's outer frame, in twips.
    void placeWindow(int left, int top, int width, int height);
    void applyPlacement();
    void fitTextBox();

    Form1 &m_main;
    QRect m_placed; // the outer frame asked for last, in twips
};
