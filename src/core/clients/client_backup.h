#pragma once

#include "core/clients/client_register.h"
#include "core/foundation/drives.h"
#include "core/foundation/file_result.h"

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

class RecordFile;

// The backup of the client archive to another drive, and its restore: the
// whole clients folder goes to drive + "\clients"; a restore merges such a
// folder, the last backup or an archive from another computer, into the
// local archive, record by record.

// "c:\program files\quorix\BackupDrv.txt": the drive of the last backup.
QString backupDriveFile();
// That drive, lower case, when the file names one.
std::optional<QChar> lastBackupDrive(const RecordFile &files);
FileResult rememberBackupDrive(const RecordFile &files, QChar drive);

// drive + ":\clients", the backup folder of a drive.
QString backupFolder(QChar drive);
// The backup folder holds at least one file (not counting its folders).
bool backupFolderHasFiles(const RecordFile &files, QChar drive);
// The register of the backup folder exists / holds at least one record.
bool backupRegisterExists(const RecordFile &files, QChar drive);
bool backupRegisterHasRecords(const RecordFile &files, QChar drive);

// Why nothing can be backed up: no register ("没有资料需要备份!") or a
// register without a record ("没有客户资料!"), title "警告!", warning icon.
std::optional<ClientNotice> backupRefusal(const RecordFile &files);

// "该设备是只读设备!请重新选择驱动器。", title "警告!", warning icon.
ClientNotice readOnlyDriveNotice();
// The drive's free space cannot be told: it is not there, or not mounted.
ClientNotice driveUnavailableNotice(QChar drive);

// The space a backup needs and the space the drive has, in megabytes as the
// user is told them: the free space cut to two decimals and rounded to a
// whole number, the clients folder's size cut to two decimals. A backup
// goes ahead when the free space is at least 1.1 times the size.
struct BackupSpace {
    qint64 freeMB = 0;
    qint64 neededHundredths = 0; // the size in hundredths of a megabyte

    static BackupSpace of(qint64 freeBytes, qint64 neededBytes);
    double neededMB() const { return double(neededHundredths) / 100; }
    double minimumMB() const { return double(neededHundredths * 11) / 1000; }
    // Compared in whole thousandths, so that exactly 1.1 times is enough.
    bool enough() const { return freeMB * 1000 >= neededHundredths * 11; }
};
// "剩余空间不足!(需要不少于" ... "MB磁盘空间)。" CR LF "请选择其他磁盘或删除不必要的文件。"
ClientNotice lowSpaceNotice(const BackupSpace &space);
// The space of a backup of the local archive to the drive, or nullopt when
// the drive's free space cannot be told. When the backup replaces the
// drive's backup folder, the space that folder takes counts as free.
std::optional<BackupSpace> backupSpace(const Drives &drives, const RecordFile &files, QChar drive,
                                       bool replacing);

// BackUpClients: copies the clients folder to drive + "\clients", replacing
// files of the same name.
FileResult BackUpClients(const RecordFile &files, QChar drive);
// "备份失败：" + the reason, title "备份-导出", error icon.
ClientNotice backupFailedNotice(const FileResult &result);

// The merge of a restore: each incoming record replaces the record of the
// same name (spaces around it and letter case aside) or, where there is
// none, is added at the end; the local records the incoming ones do not
// name stay where they are.
struct MergedClients {
    QList<ClientRecord> rows;
    int replaced = 0;
    int added = 0;
};
MergedClients mergeClients(QList<ClientRecord> local, const QList<ClientRecord> &incoming);

// Restore: merges the backup folder of the drive into the local archive.
// The merged register is made from the local register and the backup's
// before anything is copied; the backup's files (its own register aside)
// are then copied over the clients folder, the backup's winning, and last
// the merged register replaces the local one in one step. On a failure the
// local register stays as it was. Every record is kept, beyond the 10000
// the window lists too, and so are the bytes the local register holds after
// its records.
struct RestoreResult {
    FileResult result;
    int written = 0; // records of the merged register
    int replaced = 0;
    int added = 0;
};
RestoreResult Restore(const RecordFile &files, QChar drive);
// "恢复失败：" + the reason, title "恢复-导入", error icon.
ClientNotice restoreFailedNotice(const FileResult &result);
