#pragma once

#include <QString>

class Form1;

// The directory on screen: the categories with their column sets, the query
// FindComCodes, the website sub-class box and the user category names.
class DirectoryModule
{
public:
    explicit DirectoryModule(Form1 &form);

    void Combo1Position(const QString &where);
    void Combo1Change();
    void LB8toLB12();
    void categoryClick(int number);
    void FindComCodes();
    // An entry of the sub-class box chosen.
    void Combo1Click();
    // A double click on a row: a website row opens its address.
    void rowDoubleClicked(const QString &code);

private:
    Form1 &f;
};
