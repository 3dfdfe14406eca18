#include "core/clients/client_register.h"

#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A field's text, allocated at its exact length.
QString decodeField(QByteArrayView bytes)
{
    thread_local std::vector<char16_t> scratch;
    if (scratch.size() < size_t(bytes.size()))
        scratch.resize(size_t(bytes.size()));
    const qsizetype n = Gbk::decodeInto(bytes, scratch.data());
    return QString(reinterpret_cast<const QChar *>(scratch.data()), n);
}

// The bytes from `start` on, copied: `bytes` may be a mapped file's.
QByteArray copiedFrom(const QByteArray &bytes, qsizetype start)
{
    return QByteArray(bytes.constData() + start, bytes.size() - start);
}

} // namespace

bool ClientReg::append(ClientRecord record)
{
    if (isFull())
        return false;
    m_rows.append(std::move(record));
    return true;
}

void ClientReg::setRows(QList<ClientRecord> rows)
{
    if (rows.size() > Capacity)
        rows.resize(Capacity);
    m_rows = std::move(rows);
}

void ClientReg::setCategory(int k, const QString &category)
{
    m_rows[k - 1].category = category;
}

QString clientsDirectory()
{
    return InstallPaths::installDir() + InstallPaths::clientsDir();
}

QString clientsRegisterPath()
{
    return clientsDirectory() + u"clients.txt"_s;
}

ClientNotice clientLimitNotice()
{
    return {u"超过允许的最大客户数量10000！\r\n10000之后的客户将被忽略。"_s,
            {},
            ClientNotice::Icon::None};
}

namespace {

// The records of a register from the start, at most `limit` of them. Reading
// ends at a record without a name or one cut off by the end of the file; that
// record and everything after it (or after the limit) are kept as bytes.
// Returns true when records followed the limit.
bool readRecords(const QByteArray &bytes, qsizetype limit, QList<ClientRecord> &rows,
                 QByteArray &rest)
{
    RecordReader reader(bytes);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        if (rows.size() >= limit) {
            rest = copiedFrom(bytes, start);
            return true;
        }
        std::optional<RecordReader::RawField> fields[4];
        bool whole = true;
        for (auto &field : fields) {
            field = reader.nextField();
            whole = whole && field.has_value();
            if (!whole)
                break;
        }
        if (!whole || fields[0]->bytes.isEmpty()) {
            rest = copiedFrom(bytes, start);
            return false;
        }
        rows.append({decodeField(fields[0]->bytes), decodeField(fields[1]->bytes),
                     decodeField(fields[2]->bytes), decodeField(fields[3]->bytes)});
    }
    return false;
}

} // namespace

ClientsLoad LoadClients(const QByteArray &registerBytes)
{
    ClientsLoad load;
    QList<ClientRecord> rows;
    QByteArray rest;
    // Records after the 10000th stay in the file, not in the register.
    if (readRecords(registerBytes, ClientReg::Capacity, rows, rest))
        load.notice = clientLimitNotice();
    load.reg.setRows(std::move(rows));
    load.reg.setRest(std::move(rest));
    return load;
}

ClientRecords readClientRecords(const QByteArray &registerBytes)
{
    ClientRecords records;
    readRecords(registerBytes, std::numeric_limits<qsizetype>::max(), records.rows, records.rest);
    return records;
}

ClientsLoad LoadClients(const RecordFile &files)
{
    const QString path = clientsRegisterPath();
    if (!files.exists(path))
        return {};
    // Mapped, not read into a buffer: the register can be tens of
    // megabytes, and everything taken from it is copied out.
    FileResult result;
    const auto mapped = files.map(path, &result);
    if (!mapped) {
        ClientsLoad load;
        load.reg.setLoadError(result);
        load.notice = ClientNotice{u"客户档案文件无法读取：\r\n"_s + result.message() +
                                       u"\r\n在此问题解决之前，客户档案不能存盘或归类。"_s,
                                   u"错误"_s, ClientNotice::Icon::Critical};
        return load;
    }
    return LoadClients(mapped->rawData());
}

FileResult rewriteClients(const RecordFile &files, const QList<ClientRecord> &rows,
                          QByteArrayView rest)
{
    RecordWriter writer = files.openForWriting(clientsRegisterPath());
    for (const ClientRecord &r : rows)
        writer.write({r.name, r.timestamp, r.category, r.text});
    writer.writeBytes(rest);
    return writer.commit();
}

ClientNotice clientsUnreadableNotice(const ClientReg &reg, const QString &what)
{
    return {u"客户档案文件没有读入，为保护其中的记录，不能"_s + what + u"。\r\n"_s +
                reg.loadError().message(),
            u"错误"_s, ClientNotice::Icon::Critical};
}

ClientNotice clientsWriteFailedNotice(const FileResult &result, const QString &what)
{
    return {u"客户档案未能"_s + what + u"：\r\n"_s + result.message(), u"错误"_s,
            ClientNotice::Icon::Critical};
}
