#pragma once

#include "core/clients/client_register.h"

#include <QChar>
#include <QString>

#include <optional>

class Drives;
class Form1;

// The backup and restore of the client archive on screen: the buttons
// Image9 and Image10, the drive list Drive1 that appears when a drive is to
// be chosen, and the status line Label36 above the text pane.
class BackupPanel
{
public:
    explicit BackupPanel(Form1 &form);

    // 0 while the drive list serves a backup, 1 while it serves a restore or import.
    int BackupMode = 0;

    void backupClicked();  // Image9
    void restoreClicked(); // Image10
    // A drive chosen in Drive1 (its letter); c: changes nothing.
    void driveChosen(QChar drive);
    // Label36 clicked: while the drive list is shown, the choice is cancelled.
    void statusClicked();

private:
    void show(const ClientNotice &notice);
    // Fills Drive1 with the drives and shows it, with the prompt in Label36.
    void showDriveList(const QString &prompt);
    void hideDriveList();
    // Drive1 back on the system drive, without a change of its own.
    void resetDriveList();
    void backUpTo(QChar drive);
    // Restore with its status lines, sounds and report; false when it failed.
    bool restoreFrom(QChar drive);

    Form1 &f;
};
