#pragma once

#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_index.h"
#include "core/lawdb/word_find.h"

#include <QStringList>

class Form1;
class QKeyEvent;

// The law module on screen: browse by year and category, title keywords,
// full-text search, the shown document and the word find.
class LawModule
{
public:
    explicit LawModule(Form1 &form);

    void loadIndex();
    const LawTables &tables() const { return m_tables; }

    // Combo1: the years from the current year down to 1875.
    void Combo1Set();
    void Combo1Click();
    void label14Click();
    void label14Change();

    void BeginNoEndNoIndex2();
    void Index2Find();
    void DisplayBuffer();
    void DisplayBufferFSearch();
    void categoryClick(int number);

    // Check1 changed (ticked or not).
    void Check1Click();
    void YearSearch2();

    void FindContents2();

    void Text1Changed();
    void Text1GotFocus();
    // Returns true when the key was handled (and is not typed).
    bool Text1KeyPress(QKeyEvent *key);
    void Text2GotFocus();
    bool Text2KeyPress(QKeyEvent *key);
    void FindWord();

    // The favourites: Image11 adds the opened document and lists them,
    // Image12 removes the selected one.
    void favoritesClicked();
    void FavoriteAdd2();
    void DeleteFavorite2();
    // The official websites of the shown law text, offered one by one.
    void ToURLGov();

    void LoadErrNoList();
    const ErrNoList &errNoList() const { return m_errNoList; }

    // The maintenance tools over the shown list, and the year index window.
    void Command1Click();
    void Command2Click();
    void showForm2();

    QStringList ResultBuffer;
    BrowseRange range;
    static constexpr int FirstYear = 1875;

private:
    int currentYear() const;
    void showBusy(const QString &text);
    void hideBusy();

    Form1 &f;
    LawTables m_tables;
    ErrNoList m_errNoList;
    int m_redundantNumber = 0; // the running number of RedandentRecords.txt entries
};
