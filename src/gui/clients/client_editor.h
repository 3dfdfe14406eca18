#pragma once

#include <QString>

class Form1;
class QKeyEvent;

// The text pane as the client archive's editor: the pane's focus, key,
// change and lost-focus rules, the hints and the moment of saving. The
// same handlers do only their shared steps in the other modules.
class ClientEditor
{
public:
    explicit ClientEditor(Form1 &form);

    void gotFocus();
    // Returns true when the key was handled (and is not typed).
    bool keyPress(QKeyEvent *key);
    void changed();
    void lostFocus();

    static QString text8();
    static QString text9();
    static constexpr QStringView EmptyHint = u"回车或TAB退出编辑!";
    static constexpr QStringView EditHint = u"编辑(连续回车=存盘;TAB=存盘退出编辑!)";
    static constexpr QStringView EnterHint = u"编辑(连续回车=存盘;TAB键=存盘退出编辑!)";

private:
    bool onFirstLine() const;
    bool paneBlank() const;
    void showHints();

    Form1 &f;
    bool m_inChange = false;
};
