#include "core/clients/client_backup.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <QHash>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString registerName = u"clients.txt"_s;

QString registerOf(QChar drive)
{
    return backupFolder(drive) + u'\\' + registerName;
}

// The clients folder without its final backslash.
QString clientsFolder()
{
    QString folder = clientsDirectory();
    folder.chop(1);
    return folder;
}

// Megabytes cut to two decimals, in hundredths.
qint64 cutHundredths(qint64 bytes)
{
    return bytes / 10000;
}

QString nameKey(const QString &name)
{
    return name.trimmed().toUpper();
}

// Every record of a register file; a missing file has none.
std::optional<ClientRecords> readRegister(const RecordFile &files, const QString &path,
                                          FileResult *result)
{
    if (!files.exists(path))
        return ClientRecords{};
    const auto mapped = files.map(path, result);
    if (!mapped)
        return std::nullopt;
    return readClientRecords(mapped->rawData());
}

} // namespace

QString backupDriveFile()
{
    return InstallPaths::installDir() + u"BackupDrv.txt"_s;
}

std::optional<QChar> lastBackupDrive(const RecordFile &files)
{
    auto reader = files.openForReading(backupDriveFile());
    if (!reader)
        return std::nullopt;
    RecordValue value;
    if (!reader->read(value))
        return std::nullopt;
    const QString text = value.toText().trimmed();
    if (text.isEmpty() || !text[0].isLetter() || (text.size() > 1 && text[1] != u':'))
        return std::nullopt;
    return text[0].toLower();
}

FileResult rememberBackupDrive(const RecordFile &files, QChar drive)
{
    RecordWriter writer = files.openForWriting(backupDriveFile());
    writer.write({RecordValue(QString(drive.toLower()) + u':')});
    return writer.commit();
}

QString backupFolder(QChar drive)
{
    return QString(drive.toLower()) + u":\\clients"_s;
}

bool backupFolderHasFiles(const RecordFile &files, QChar drive)
{
    return !files.listFiles(backupFolder(drive)).isEmpty();
}

bool backupRegisterExists(const RecordFile &files, QChar drive)
{
    return files.exists(registerOf(drive));
}

bool backupRegisterHasRecords(const RecordFile &files, QChar drive)
{
    FileResult result;
    const auto records = readRegister(files, registerOf(drive), &result);
    return records && !records->rows.isEmpty();
}

std::optional<ClientNotice> backupRefusal(const RecordFile &files)
{
    if (!files.exists(clientsRegisterPath()))
        return ClientNotice{u"没有资料需要备份!"_s, u"警告!"_s, ClientNotice::Icon::Warning};
    FileResult result;
    const auto records = readRegister(files, clientsRegisterPath(), &result);
    if (!records)
        return clientsWriteFailedNotice(result, u"备份"_s);
    if (records->rows.isEmpty())
        return ClientNotice{u"没有客户资料!"_s, u"警告!"_s, ClientNotice::Icon::Warning};
    return std::nullopt;
}

ClientNotice readOnlyDriveNotice()
{
    return {u"该设备是只读设备!请重新选择驱动器。"_s, u"警告!"_s, ClientNotice::Icon::Warning};
}

ClientNotice driveUnavailableNotice(QChar drive)
{
    return {u"无法读取驱动器 "_s + drive.toUpper() + u": 的剩余空间。"_s +
                u"\r\n请确认该磁盘已经插入或连接。"_s,
            u"警告!"_s, ClientNotice::Icon::Warning};
}

BackupSpace BackupSpace::of(qint64 freeBytes, qint64 neededBytes)
{
    BackupSpace space;
    // Rounded half to even, as the user's figures always were.
    space.freeMB = qint64(std::llrint(double(cutHundredths(freeBytes)) / 100));
    space.neededHundredths = cutHundredths(neededBytes);
    return space;
}

ClientNotice lowSpaceNotice(const BackupSpace &space)
{
    return {u"剩余空间不足!(需要不少于"_s + QString::number(space.minimumMB(), 'g', 15) +
                u"MB磁盘空间)。\r\n请选择其他磁盘或删除不必要的文件。"_s,
            u"警告!"_s, ClientNotice::Icon::Warning};
}

std::optional<BackupSpace> backupSpace(const Drives &drives, const RecordFile &files, QChar drive,
                                       bool replacing)
{
    const auto free = drives.freeBytes(drive.toLower());
    if (!free)
        return std::nullopt;
    const qint64 freed = replacing ? files.treeSize(backupFolder(drive)) : 0;
    return BackupSpace::of(*free + freed, files.treeSize(clientsFolder()));
}

FileResult BackUpClients(const RecordFile &files, QChar drive)
{
    return files.copyTree(clientsFolder(), backupFolder(drive));
}

ClientNotice backupFailedNotice(const FileResult &result)
{
    return {u"备份失败："_s + result.message(), u"备份-导出"_s, ClientNotice::Icon::Critical};
}

MergedClients mergeClients(QList<ClientRecord> local, const QList<ClientRecord> &incoming)
{
    MergedClients merged;
    merged.rows = std::move(local);
    // The first row of each name, as a search from the top finds it.
    QHash<QString, qsizetype> rowOf;
    rowOf.reserve(merged.rows.size() + incoming.size());
    for (qsizetype i = 0; i < merged.rows.size(); ++i)
        if (const QString key = nameKey(merged.rows[i].name); !rowOf.contains(key))
            rowOf.insert(key, i);
    for (const ClientRecord &record : incoming) {
        const QString key = nameKey(record.name);
        if (const auto it = rowOf.constFind(key); it != rowOf.cend()) {
            merged.rows[*it] = record;
            ++merged.replaced;
        } else {
            rowOf.insert(key, merged.rows.size());
            merged.rows.append(record);
            ++merged.added;
        }
    }
    return merged;
}

RestoreResult Restore(const RecordFile &files, QChar drive)
{
    RestoreResult out;
    // 1. The merged register, before anything changes.
    auto local = readRegister(files, clientsRegisterPath(), &out.result);
    if (!local)
        return out;
    const auto incoming = readRegister(files, registerOf(drive), &out.result);
    if (!incoming)
        return out;
    MergedClients merged = mergeClients(std::move(local->rows), incoming->rows);

    // 2. The backup's files over the local ones, its register aside.
    const QString from = backupFolder(drive);
    const QString to = clientsFolder();
    if (out.result = files.makeDirectory(to); !out.result)
        return out;
    for (const QString &name : files.listFiles(from)) {
        if (name.compare(registerName, Qt::CaseInsensitive) == 0)
            continue;
        if (out.result = files.copyFile(from + u'\\' + name, to + u'\\' + name); !out.result)
            return out;
    }
    for (const QString &name : files.listDirectories(from)) {
        if (out.result = files.copyTree(from + u'\\' + name, to + u'\\' + name); !out.result)
            return out;
    }

    // 3. The merged register in one step.
    if (out.result = rewriteClients(files, merged.rows, local->rest); !out.result)
        return out;
    out.written = int(merged.rows.size());
    out.replaced = merged.replaced;
    out.added = merged.added;
    return out;
}

ClientNotice restoreFailedNotice(const FileResult &result)
{
    return {u"恢复失败："_s + result.message(), u"恢复-导入"_s, ClientNotice::Icon::Critical};
}
