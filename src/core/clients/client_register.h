#pragma once

#include "core/foundation/file_result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class RecordFile;

// A message for the user: the window shows it in a message box with an OK
// button. An empty title stands for the program's own title.
struct ClientNotice {
    enum class Icon { None, Information, Warning, Critical };

    QString text;
    QString title;
    Icon icon = Icon::None;

    bool operator==(const ClientNotice &) const = default;
};

// One record of the register "clients.txt": four texts.
struct ClientRecord {
    QString name;      // first line of the record, validated
    QString timestamp; // yyyy-mm-dd hh:mm:ss of the last staging
    QString category;  // a category button's caption without number and point
    QString text;      // the whole record: name, CR LF, the rest

    bool operator==(const ClientRecord &) const = default;
};

// The client register in memory, ClientReg: up to 10000 rows in file order.
//
// What the file holds beyond the rows (the records after the 10000th, or
// everything from a record without a name on) is kept as the bytes it was
// read from, and every rewrite of the file puts them back unchanged after
// the rows, so that a rewrite never loses a record the register could not
// hold.
class ClientReg
{
public:
    static constexpr int Capacity = 10000;

    int count() const { return int(m_rows.size()); }
    bool isFull() const { return count() >= Capacity; }
    // Row k, 1 <= k <= count().
    const ClientRecord &row(int k) const { return m_rows[k - 1]; }
    const QList<ClientRecord> &rows() const { return m_rows; }

    // Adds a row at the end; false (nothing added) when the register is full.
    bool append(ClientRecord record);
    // Takes these rows as the register's, at most Capacity of them.
    void setRows(QList<ClientRecord> rows);
    void setCategory(int k, const QString &category);

    // The bytes of the file after the rows, written back after them.
    const QByteArray &rest() const { return m_rest; }
    void setRest(QByteArray bytes) { m_rest = std::move(bytes); }

    // False when "clients.txt" is there but could not be read: then the
    // register is empty and nothing may rewrite the file from it.
    bool mayRewrite() const { return m_loadError.ok(); }
    const FileResult &loadError() const { return m_loadError; }
    void setLoadError(FileResult error) { m_loadError = std::move(error); }

private:
    QList<ClientRecord> m_rows;
    QByteArray m_rest;
    FileResult m_loadError;
};

// "c:\program files\quorix\clients\" and its register "clients.txt".
QString clientsDirectory();
QString clientsRegisterPath();

// What LoadClients read, and the message to show (the 10000 limit, or a
// register that could not be read).
struct ClientsLoad {
    ClientReg reg;
    std::optional<ClientNotice> notice;
};

// LoadClients: the register from "clients.txt". A missing file gives an empty
// register. Reading stops at a record whose name is empty, at a record that
// cannot be read whole, or after the 10000th record; when records follow the
// 10000th, the limit message is returned.
ClientsLoad LoadClients(const RecordFile &files);
// The same from the file's bytes; nothing taken refers to them.
ClientsLoad LoadClients(const QByteArray &registerBytes);

// Every record of a register, however many: the records up to the first one
// without a name (or cut off by the end of the file), and the bytes from
// there on, kept as they are.
struct ClientRecords {
    QList<ClientRecord> rows;
    QByteArray rest;
};
ClientRecords readClientRecords(const QByteArray &registerBytes);

// "超过允许的最大客户数量10000！" CR LF "10000之后的客户将被忽略。", the
// program's own title, no icon.
ClientNotice clientLimitNotice();

// Replaces "clients.txt" atomically by these rows followed by the bytes kept
// beyond the register (ClientReg::rest()).
FileResult rewriteClients(const RecordFile &files, const QList<ClientRecord> &rows,
                          QByteArrayView rest);

// The message for a register that cannot be rewritten: not read at load, or
// a failed write (`what` names the operation, e.g. "存盘").
ClientNotice clientsUnreadableNotice(const ClientReg &reg, const QString &what);
ClientNotice clientsWriteFailedNotice(const FileResult &result, const QString &what);
