#pragma once

#include <QString>

class Form1;

// The directory on screen. Its query comes with the directory; for now the
// module switches in and out with its column sets and an empty result.
class DirectoryModule
{
public:
    explicit DirectoryModule(Form1 &form);

    void Combo1Position(const QString &where);
    void Combo1Change();
    void LB8toLB12();
    void categoryClick(int number);
    void FindComCodes();

private:
    Form1 &f;
};
