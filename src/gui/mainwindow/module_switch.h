#pragma once

#include <QString>

class Form1;

// The module ring, the module switch and the category buttons.
class ModuleSwitch
{
public:
    explicit ModuleSwitch(Form1 &form);

    // Image2 / Image3.
    void previousModule();
    void nextModule();
    // Runs on every change of lbPageNo.
    void moduleChanged();
    void TittleChange();
    // Label4 .. Label13: number 1 .. 10.
    void categoryClick(int number);

    void ResetLbForecolor();
    void ResetLbBorderStyle();
    void ClassVisible();
    void ResetObjPics();
    // The pointer over a category button, and pressing it.
    void categoryHovered(int number);
    void categoryPressed(int number, bool down);

    // The module titles.
    static QString moduleTitle(int module);

private:
    void applyModuleRow(int module);
    Form1 &f;
};
