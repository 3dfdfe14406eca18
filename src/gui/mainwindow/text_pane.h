#pragma once

#include <QList>

struct RtfRun;
class Form1;

// The text pane's handlers shared by the modules: its click and double
// click, the hand-over to a word processor, and the copy and paste buttons.
class TextPane
{
public:
    explicit TextPane(Form1 &form);

    void clicked();
    void doubleClicked();
    // Writes the pane as a rich-text file in the install folder and opens it
    // with the desktop's default program; errors are ignored.
    void Editing();
    // Image15, Image16, Image19.
    void wordButtonClicked();
    void pasteClicked();
    void copyClicked();

    // The pane's text as runs, red where the word find marked it.
    QList<RtfRun> runs() const;

private:
    Form1 &f;
};
