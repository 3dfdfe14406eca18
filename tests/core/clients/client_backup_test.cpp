#include "core/clients/client_backup.h"
#include "core/clients/client_fixtures.h"
#include "core/clients/client_names.h"
#include "core/foundation/gbk.h"
#include "support/failing_writes.h"
#include "support/fake_drives.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString clientFile(const QString &name, const QString &file)
{
    return *clientFolderPath(name) + u'\\' + file;
}

// The register of a backup folder on drive d:.
void writeBackupClients(const InstallTree &tree, const QList<ClientRecord> &clients)
{
    QList<Record> records;
    for (const ClientRecord &c : clients)
        records.append(asRecord(c));
    tree.writeRecords(u"d:\\clients\\clients.txt"_s, records);
}

QStringList names(const QList<ClientRecord> &rows)
{
    QStringList out;
    for (const ClientRecord &r : rows)
        out.append(r.name);
    return out;
}

} // namespace

TEST(BackupDrive, IsRememberedAsADriveName)
{
    InstallTree tree;
    EXPECT_FALSE(lastBackupDrive(tree.files()));
    ASSERT_TRUE(rememberBackupDrive(tree.files(), u'E'));
    EXPECT_EQ(lastBackupDrive(tree.files()), QChar(u'e'));
    EXPECT_EQ(tree.readBytes(backupDriveFile()), "\"e:\"\r\n");

    const struct {
        QByteArray file;
        std::optional<QChar> drive;
    } cases[] = {{"\"d:\"\r\n", u'd'},
                 {"\"F\"\r\n", u'f'},
                 {"\"\"\r\n", {}},
                 {"\"12\"\r\n", {}},
                 {"\"d:\\\"\r\n", u'd'}};
    for (const auto &c : cases) {
        tree.writeBytes(backupDriveFile(), c.file);
        EXPECT_EQ(lastBackupDrive(tree.files()), c.drive) << c.file.constData();
    }
}

TEST(BackupRefusal, NeedsARegisterWithRecords)
{
    InstallTree tree;
    auto refusal = backupRefusal(tree.files());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal,
              (ClientNotice{u"没有资料需要备份!"_s, u"警告!"_s, ClientNotice::Icon::Warning}));
    writeClients(tree, {});
    refusal = backupRefusal(tree.files());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, u"没有客户资料!"_s);
    writeClients(tree, numberedClients(1));
    EXPECT_FALSE(backupRefusal(tree.files()));
}

TEST(BackupSpace, GoesAheadFromOnePointOneTimesTheSize)
{
    const struct {
        qint64 free;
        qint64 needed;
        qint64 freeMB;
        double neededMB;
        bool enough;
    } cases[] = {
        {110'000'000, 100'000'000, 110, 100.0, true},  // exactly 1.1 × N
        {109'400'000, 100'000'000, 109, 100.0, false}, // just below
        {150'000'000, 100'000'000, 150, 100.0, true},  // between 1.1 and 1.9 × N
        {2'509'999, 2'359'999, 2, 2.35, false},        // 2.50 MB rounds half to even: 2
        {3'509'999, 2'359'999, 4, 2.35, true},         // 3.50 MB: 4
        {0, 12'345, 0, 0.01, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.free);
        const BackupSpace s = BackupSpace::of(c.free, c.needed);
        EXPECT_EQ(s.freeMB, c.freeMB);
        EXPECT_DOUBLE_EQ(s.neededMB(), c.neededMB);
        EXPECT_EQ(s.enough(), c.enough);
    }
    EXPECT_EQ(
        lowSpaceNotice(BackupSpace::of(0, 2'350'000)).text,
        u"剩余空间不足!(需要不少于2.585MB磁盘空间)。\r\n请选择其他磁盘或删除不必要的文件。"_s);
}

TEST(BackupSpace, CountsTheReplacedBackupAsFree)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeClients(tree, numberedClients(3));
    tree.writeBytes(u"d:\\clients\\old.bin"_s, QByteArray(40'000, 'x'));
    FakeDrives drives;
    drives.add(u'd', tree.hostPath(u"d:\\"_s), DriveType::Removable, 10'000);
    const qint64 size = tree.files().treeSize(u"c:\\program files\\quorix\\clients"_s);
    ASSERT_GT(size, 0);

    const auto plain = backupSpace(drives, tree.files(), u'd', false);
    const auto replacing = backupSpace(drives, tree.files(), u'd', true);
    ASSERT_TRUE(plain && replacing);
    EXPECT_EQ(plain->freeMB, 0);
    EXPECT_EQ(plain->neededHundredths, size / 10'000);
    EXPECT_EQ(replacing->freeMB, 0) << "50 000 bytes are still 0 MB";
    EXPECT_FALSE(backupSpace(drives, tree.files(), u'e', false)) << "a drive that is not there";
}

TEST(BackUpClients, CopiesTheWholeArchive)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeClients(tree, numberedClients(2));
    tree.writeBytes(clientFile(u"客户1"_s, u"合同.doc"_s), "contract");
    tree.writeBytes(clientFile(u"客户1"_s, u"PACC.txt"_s), "\"人民币\",\"1.00\"\r\n");
    tree.writeBytes(u"c:\\program files\\quorix\\clients\\remind.txt"_s, "0,\"2026-12-1\"\r\n");
    tree.writeBytes(u"d:\\clients\\stale.txt"_s, "kept");

    ASSERT_TRUE(BackUpClients(tree.files(), u'd'));
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\clients.txt"_s), tree.readBytes(clientsRegisterPath()));
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\客户1\\合同.doc"_s), "contract");
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\客户1\\PACC.txt"_s), "\"人民币\",\"1.00\"\r\n");
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\remind.txt"_s), "0,\"2026-12-1\"\r\n");
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\stale.txt"_s), "kept") << "files of other names stay";
}

TEST(BackUpClients, ReportsAFullDrive)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeClients(tree, numberedClients(2));
    tree.writeBytes(clientFile(u"客户2"_s, u"大文件.pdf"_s), QByteArray(200'000, 'p'));
    const FileResult r =
        withFileSizeLimit(100'000, [&] { return BackUpClients(tree.files(), u'd'); });
    EXPECT_FALSE(r);
    EXPECT_TRUE(backupFailedNotice(r).text.startsWith(u"备份失败："_s));
}

TEST(MergeClients, ReplacesByNameAppendsNewAndKeepsLocal)
{
    const QList<ClientRecord> local = {
        client(u"华信科技"_s, u"企业"_s, u"本机"_s),
        client(u"李小红"_s, u"私人"_s, u"只在本机"_s),
        client(u"ABC Ltd"_s, u"涉外"_s, u"local"_s),
    };
    const QList<ClientRecord> incoming = {
        client(u" abc ltd "_s, u"涉外"_s, u"backup"_s),
        client(u"王五"_s, u"私人"_s, u"只在备份"_s),
        client(u"华信科技"_s, u"企业"_s, u"备份"_s),
        client(u"王五"_s, u"私人"_s, u"备份里的第二份"_s),
    };
    const MergedClients m = mergeClients(local, incoming);
    EXPECT_EQ(names(m.rows), (QStringList{u"华信科技"_s, u"李小红"_s, u" abc ltd "_s, u"王五"_s}));
    EXPECT_EQ(m.rows[0], incoming[2]);
    EXPECT_EQ(m.rows[1], local[1]);
    EXPECT_EQ(m.rows[2], incoming[0]) << "the backup's record, all four fields";
    EXPECT_EQ(m.rows[3], incoming[3]) << "a name twice in the backup: the later wins";
    EXPECT_EQ(m.replaced, 3);
    EXPECT_EQ(m.added, 1);

    EXPECT_EQ(names(mergeClients({}, incoming).rows),
              (QStringList{u" abc ltd "_s, u"王五"_s, u"华信科技"_s}));
    EXPECT_EQ(mergeClients(local, {}).rows, local);
}

TEST(Restore, MergesTheBackupIntoTheLocalArchive)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeClients(tree, {client(u"华信科技"_s, u"企业"_s, u"本机版"_s),
                        client(u"李小红"_s, u"私人"_s, u"只在本机"_s)});
    tree.writeBytes(clientFile(u"华信科技"_s, u"合同.doc"_s), "local contract");
    tree.writeBytes(clientFile(u"华信科技"_s, u"本机附件.txt"_s), "local only");
    writeBackupClients(tree, {client(u"华信科技 "_s, u"企业"_s, u"备份版"_s),
                              client(u"王五"_s, u"私人"_s, u"只在备份"_s)});
    tree.writeBytes(u"d:\\clients\\华信科技\\合同.doc"_s, "backup contract");
    tree.writeBytes(u"d:\\clients\\王五\\王五.jpg"_s, "photo");
    const QByteArray backupRegister = tree.readBytes(u"d:\\clients\\clients.txt"_s);

    const RestoreResult r = Restore(tree.files(), u'd');
    ASSERT_TRUE(r.result) << r.result.message().toStdString();
    EXPECT_EQ(r.written, 3);
    EXPECT_EQ(r.replaced, 1);
    EXPECT_EQ(r.added, 1);
    const ClientReg reg = loadedClients(tree);
    EXPECT_EQ(names(reg.rows()), (QStringList{u"华信科技 "_s, u"李小红"_s, u"王五"_s}));
    EXPECT_EQ(reg.row(1).text, u"华信科技 \r\n备份版"_s);
    EXPECT_EQ(tree.readBytes(clientFile(u"华信科技"_s, u"合同.doc"_s)), "backup contract");
    EXPECT_EQ(tree.readBytes(clientFile(u"华信科技"_s, u"本机附件.txt"_s)), "local only");
    EXPECT_EQ(tree.readBytes(clientFile(u"王五"_s, u"王五.jpg"_s)), "photo");
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\clients.txt"_s), backupRegister)
        << "the backup is only read";
}

TEST(Restore, IntoAnEmptyArchiveTakesTheBackup)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeBackupClients(tree, numberedClients(3));
    const RestoreResult r = Restore(tree.files(), u'd');
    ASSERT_TRUE(r.result);
    EXPECT_EQ(r.written, 3);
    EXPECT_EQ(loadedClients(tree).rows(), numberedClients(3));
}

TEST(Restore, KeepsEveryRecordBeyondTenThousand)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeClients(tree, numberedClients(ClientReg::Capacity));
    QList<ClientRecord> incoming = {client(u"客户1"_s, u"私人"_s, u"备份版"_s)};
    incoming += client(u"新客户A"_s, u"企业"_s, u"a"_s);
    incoming += client(u"新客户B"_s, u"企业"_s, u"b"_s);
    writeBackupClients(tree, incoming);

    const RestoreResult r = Restore(tree.files(), u'd');
    ASSERT_TRUE(r.result);
    EXPECT_EQ(r.written, ClientReg::Capacity + 2);
    const QByteArray bytes = tree.readBytes(clientsRegisterPath());
    const ClientRecords all = readClientRecords(bytes);
    ASSERT_EQ(all.rows.size(), ClientReg::Capacity + 2);
    EXPECT_EQ(all.rows.front().text, u"客户1\r\n备份版"_s);
    EXPECT_EQ(all.rows.back().name, u"新客户B"_s);
    EXPECT_TRUE(LoadClients(bytes).notice) << "the window says it lists 10000";
}

TEST(Restore, KeepsTheBytesAfterTheLocalRecords)
{
    InstallTree tree;
    tree.addDrive(u'd');
    const QByteArray tail =
        Gbk::encode(u"\"\",\"x\",\"企业\",\"\"\r\n\"丙\",\"t\",\"企业\",\"丙\"\r\n"_s);
    writeClients(tree, numberedClients(1));
    tree.writeBytes(clientsRegisterPath(), tree.readBytes(clientsRegisterPath()) + tail);
    writeBackupClients(tree, {client(u"王五"_s, u"私人"_s, u"x"_s)});
    ASSERT_TRUE(Restore(tree.files(), u'd').result);
    const ClientRecords all = readClientRecords(tree.readBytes(clientsRegisterPath()));
    EXPECT_EQ(names(all.rows), (QStringList{u"客户1"_s, u"王五"_s}));
    EXPECT_EQ(all.rest, tail);
}

TEST(Restore, AFailedCopyLeavesTheLocalRegister)
{
    InstallTree tree;
    tree.addDrive(u'd');
    writeClients(tree, numberedClients(2));
    writeBackupClients(tree, {client(u"王五"_s, u"私人"_s, u"x"_s)});
    tree.writeBytes(u"d:\\clients\\王五\\大文件.pdf"_s, QByteArray(300'000, 'p'));
    const QByteArray before = tree.readBytes(clientsRegisterPath());

    RestoreResult r;
    (void)withFileSizeLimit(100'000, [&] {
        r = Restore(tree.files(), u'd');
        return r.result;
    });
    EXPECT_FALSE(r.result);
    EXPECT_EQ(tree.readBytes(clientsRegisterPath()), before);
    EXPECT_TRUE(restoreFailedNotice(r.result).text.startsWith(u"恢复失败："_s));
}
