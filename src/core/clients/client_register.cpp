#include "core/clients/client_register.h"

#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

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

ClientsLoad LoadClients(const QByteArray &registerBytes)
{
    ClientsLoad load;
    ClientReg &reg = load.reg;
    RecordReader reader(registerBytes);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        if (reg.isFull()) {
            // Records follow the 10000th: they stay in the file, not in the register.
            reg.setRest(copiedFrom(registerBytes, start));
            load.notice = clientLimitNotice();
            break;
        }
        std::optional<RecordReader::RawField> fields[4];
        bool whole = true;
        for (auto &field : fields) {
            field = reader.nextField();
            whole = whole && field.has_value();
            if (!whole)
                break;
        }
        // A record cut off by the end of the file, or one without a name,
        // ends the register; it and what follows are kept as they are.
        if (!whole || fields[0]->bytes.isEmpty()) {
            reg.setRest(copiedFrom(registerBytes, start));
            break;
        }
        reg.append({decodeField(fields[0]->bytes), decodeField(fields[1]->bytes),
                    decodeField(fields[2]->bytes), decodeField(fields[3]->bytes)});
    }
    return load;
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
