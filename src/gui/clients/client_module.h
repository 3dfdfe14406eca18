#pragma once

#include "core/clients/client_edit.h"
#include "core/clients/client_register.h"
#include "core/clients/client_search.h"
#include "core/foundation/file_result.h"

#include <QDate>
#include <QString>

#include <optional>

class Form1;

// The client archive on screen: the register, the staging and saving of
// the edited record, the search, the classes and the reminder record.
class ClientModule
{
public:
    explicit ClientModule(Form1 &form);

    const ClientReg &register_() const { return m_reg; }

    void clearRegister();
    void LoadClients();
    void CustClass();
    void categoryClick(int number);
    void FindClients(const QString &mode);
    void ClientClass();
    void rowClick(const QString &rowText);
    void FindClientContents(const QString &name);

    // The photo and the attachment panel.
    void FindPhoto(const QString &name);
    void photoClicked();
    void openAttachments();
    void addAttachment();
    void deleteAttachment();
    void openAttachment(const QString &fileName);
    void closeAttachments();

    // Image12 in the client archive, and the removal of CurClient's folder and record.
    void deleteClicked();
    void DeleteClient();

    // The edit cycle: Enter in the pane stages the record; with `save` the
    // record is stored, the pane emptied and the list rebuilt.
    void stageRecord(bool save);
    // The pane became blank / holds this text / is empty.
    void paneEmptied();
    void setEditText(const QString &text);
    void noPaneText();

    // The reminder record "clients\remind.txt": created with "0" and today
    // when missing, then read into ReminderFlag and the reminder date.
    void ensureRemindFile();
    void readRemindFile();
    // Writes the record anew in ModuleDir: ReminderFlag and the picker's day.
    [[nodiscard]] FileResult writeRemindFile();
    // label14 and the date picker in the client archive.
    void applyScheduleCaption();

    static QString remindFile();

    NamePick pick;
    int QuoteToggle = 0;
    EditRecord editRecord;

    // A message of the archive in a message box with an OK button.
    void show(const ClientNotice &notice);

private:
    // Lists the client's folder in File1 and its count in Label23.
    void refreshFiles();
    // "请先选择[列表框]中的客户!" or "[列表框]中没有客户!", title "提示：".
    void noClientMessage();
    bool paneBlank() const;

    Form1 &f;
    ClientReg m_reg;
    QList<DateHit> m_dateHits;
    QDate m_reminderDate;
};
