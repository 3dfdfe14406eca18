#pragma once

#include <QString>
#include <QVariant>

// The variables of the main window shared by the modules, under their own
// names. Variant variables are QVariant; 16-bit integers are qint16.
struct MainWindowState {
    QVariant InstallDir;
    QVariant ModuleDir;
    QString CalendarFile;
    qint16 Category = 10;
    QString CurCategoryName;
    QVariant ListFocus = 0;
    QVariant NameState = 0;
    QString LastItemText;
    QVariant SelectedIndex = 0;
    qint16 RowShown = 0;
    qint16 RecordShown = 0;
    QVariant FavoritesShown = 0;
    QVariant LawAllShown = 0;
    qint16 OverBackground = 0;
    qint16 ReminderFlag = 0;
    QString ClientDateFilter;
    // The input that last had the focus: 1 Text1, 2 Text2, 5 the text pane, 0 none.
    int FocusedInput = 0;
    // Consecutive Enter presses in the text pane since the last other key.
    int EnterCount = 0;
    QVariant HintX = 0;
    QVariant HintY = 0;

    // Shared with the other windows of the system.
    QString CurClient;
    QVariant LedgerPath;
    QString CopyBuffer;
    QString SelectedRowText;

    int nameState() const { return NameState.toInt(); }
    bool favoritesShown() const { return FavoritesShown.toInt() == 1; }
};
