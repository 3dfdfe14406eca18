#pragma once

#include <QDate>
#include <QString>

class Form1;

// The client archive on screen. The register, editing and search come with
// the client archive; for now the module switches in and out with an empty
// register and keeps the reminder record.
class ClientModule
{
public:
    explicit ClientModule(Form1 &form);

    void clearRegister();
    void LoadClients();
    void CustClass();
    void categoryClick(int number);
    void FindClients(const QString &dateFilter);
    void rowClick(const QString &rowText);

    // The reminder record "clients\remind.txt": created with "0" and today
    // when missing, then read into ReminderFlag and the reminder date.
    void ensureRemindFile();
    void readRemindFile();
    // label14 and the date picker in the client archive.
    void applyScheduleCaption();

    static QString remindFile();

private:
    Form1 &f;
    QDate m_reminderDate;
};
