#pragma once

class Form1;
class QLineEdit;
class QTreeWidgetItem;

// The browse and reading layouts of the list and the text pane, the frame's
// resize and click, the row click and the copy button's state.
class Layouts
{
public:
    explicit Layouts(Form1 &form);

    void List1SetFocus();
    void Richtextbox1SetFocus();
    // The frame window's size in twips.
    void frameResize(int frameWidth, int frameHeight);
    void frameClick();
    void rowClick(QTreeWidgetItem *item);
    void CopyAct(int flag);
    // A keyword box's selection becomes what the copy button copies.
    void copyFromSelection(const QLineEdit *box);
    // A click on the strip Image14: CopyBuffer to the clipboard.
    void stripClick();

private:
    // The e-mail line Text4 near the pane's bottom, Text5 and Text10 stacked above it.
    void placePaneLines(int text4FromBottom);

    Form1 &f;
};
