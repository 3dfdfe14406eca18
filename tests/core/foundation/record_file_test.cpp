#include "core/foundation/record_file.h"

#include "support/install_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void touch(const QString &hostPath, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(hostPath).path());
    QFile f(hostPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray hostBytes(const QString &hostPath)
{
    QFile f(hostPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(RecordFile, NamesDifferingInLetterCaseReachTheSameFile)
{
    InstallTree tree;
    tree.writeRecords(InstallTree::install(u"sounds\\SoundEffects.txt"_s), {{1}});
    const RecordFile files = tree.files();
    for (const QString &name : {u"c:\\program files\\quorix\\sounds\\soundeffects.txt"_s,
                                u"C:\\Program Files\\Quorix\\SOUNDS\\SoundEffects.TXT"_s,
                                u"c:/program files/quorix/sounds/soundeffects.txt"_s}) {
        EXPECT_TRUE(files.exists(name)) << name.toStdString();
        auto reader = files.openForReading(name);
        ASSERT_TRUE(reader) << name.toStdString();
        qint16 flag = 0;
        EXPECT_TRUE(reader->read(flag));
        EXPECT_EQ(flag, 1);
    }
    EXPECT_FALSE(files.exists(InstallTree::install(u"sounds"_s))); // a folder is no file
    EXPECT_TRUE(files.directoryExists(InstallTree::install(u"SOUNDS\\"_s)));
}

TEST(RecordFile, ReadingAMissingFileSaysSo)
{
    InstallTree tree;
    const RecordFile files = tree.files();
    FileResult result;
    EXPECT_FALSE(files.openForReading(InstallTree::install(u"nothing.txt"_s), &result));
    EXPECT_EQ(result.error, FileResult::Error::NotFound);
    EXPECT_TRUE(result.path.endsWith(u"/program files/quorix/nothing.txt"_s));
    EXPECT_FALSE(files.openForReading(u"q:\\x.txt"_s, &result));
    EXPECT_EQ(result.error, FileResult::Error::UnknownDrive);
    EXPECT_FALSE(files.exists(u"q:\\x.txt"_s));
}

TEST(RecordFile, MapsAFileForReading)
{
    InstallTree tree;
    const RecordFile files = tree.files();
    const QString path = InstallTree::install(u"clients\\clients.txt"_s);
    const QByteArray bytes = "\"\xBC\xD7\",\"t\"\r\n";
    touch(tree.hostPath(path), bytes);

    std::optional<MappedFile> mapped =
        files.map(u"C:\\PROGRAM FILES\\quorix\\CLIENTS\\Clients.TXT"_s);
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped->bytes(), bytes);
    EXPECT_EQ(mapped->rawData(), bytes);
    // The mapping outlives a replace of the file, and keeps the old bytes.
    const MappedFile moved = std::move(*mapped);
    touch(tree.hostPath(path) + u".new"_s, "other");
    ASSERT_TRUE(QFile::remove(tree.hostPath(path)));
    ASSERT_TRUE(QFile::rename(tree.hostPath(path) + u".new"_s, tree.hostPath(path)));
    EXPECT_EQ(moved.bytes(), bytes);

    touch(tree.hostPath(path), QByteArray());
    mapped = files.map(path);
    ASSERT_TRUE(mapped);
    EXPECT_TRUE(mapped->bytes().isEmpty());

    FileResult result;
    EXPECT_FALSE(files.map(InstallTree::install(u"nothing.txt"_s), &result));
    EXPECT_EQ(result.error, FileResult::Error::NotFound);
    EXPECT_FALSE(files.map(InstallTree::install(u"clients"_s), &result)) << "a folder";
    EXPECT_EQ(result.error, FileResult::Error::NotFound);
}

TEST(RecordFile, WriteThenReadThroughSystemPaths)
{
    InstallTree tree;
    const RecordFile files = tree.files();
    ASSERT_TRUE(files.makeDirectory(InstallTree::install(u"YellowPage\\"_s)).ok());
    RecordWriter w = files.openForWriting(InstallTree::install(u"yellowpage\\ClassV.txt"_s));
    w.write({u"五类"_s, u"六类"_s});
    ASSERT_TRUE(w.commit().ok());
    // The existing folder's spelling is kept, the new file is named as given.
    EXPECT_TRUE(QFileInfo::exists(tree.root() + u"/program files/quorix/YellowPage/ClassV.txt"_s));

    RecordWriter a = files.openForAppending(InstallTree::install(u"YELLOWPAGE\\classv.txt"_s));
    a.write({u"七类"_s});
    ASSERT_TRUE(a.commit().ok());

    auto reader = files.openForReading(InstallTree::install(u"YellowPage\\ClassV.txt"_s));
    ASSERT_TRUE(reader);
    QString x, y, z;
    ASSERT_TRUE(reader->readFields(x, y, z));
    EXPECT_EQ(x + y + z, u"五类六类七类"_s);
    EXPECT_TRUE(reader->atEnd());
}

TEST(RecordFile, FolderOperations)
{
    InstallTree tree;
    const RecordFile files = tree.files();
    const QString clients = InstallTree::install(u"clients\\"_s);
    const QString folder = clients + u"张三"_s;

    ASSERT_TRUE(files.makeDirectory(folder + u"\\sub"_s).ok());
    ASSERT_TRUE(files.makeDirectory(folder).ok()); // already there: fine
    touch(tree.hostPath(folder + u"\\b.doc"_s), "bb");
    touch(tree.hostPath(folder + u"\\A.jpg"_s), "aaaa");
    touch(tree.hostPath(folder + u"\\sub\\PACC.txt"_s), "ccc");

    EXPECT_EQ(files.listFiles(folder), (QStringList{u"A.jpg"_s, u"b.doc"_s}));
    EXPECT_EQ(files.listDirectories(folder), QStringList{u"sub"_s});
    EXPECT_EQ(files.listFiles(clients + u"nobody"_s), QStringList());
    EXPECT_EQ(files.treeSize(folder), 2 + 4 + 3);
    EXPECT_EQ(files.treeSize(clients + u"nobody"_s), 0);

    ASSERT_TRUE(files.copyFile(folder + u"\\a.jpg"_s, folder + u"\\copy.jpg"_s).ok());
    EXPECT_EQ(hostBytes(tree.hostPath(folder + u"\\copy.jpg"_s)), "aaaa");
    EXPECT_EQ(files.copyFile(folder + u"\\none"_s, folder + u"\\x"_s).error,
              FileResult::Error::NotFound);

    ASSERT_TRUE(files.deleteFile(folder + u"\\COPY.JPG"_s).ok());
    EXPECT_FALSE(files.exists(folder + u"\\copy.jpg"_s));
    EXPECT_EQ(files.deleteFile(folder + u"\\copy.jpg"_s).error, FileResult::Error::NotFound);

    EXPECT_EQ(files.deleteDirectory(folder).error, FileResult::Error::WriteFailed); // not empty
    EXPECT_TRUE(files.directoryExists(folder));
    ASSERT_TRUE(files.deleteFile(folder + u"\\sub\\pacc.txt"_s).ok());
    ASSERT_TRUE(files.deleteDirectory(folder + u"\\sub"_s).ok());

    ASSERT_TRUE(files.deleteTree(folder).ok());
    EXPECT_FALSE(files.directoryExists(folder));
    EXPECT_EQ(files.deleteTree(folder).error, FileResult::Error::NotFound);
}

TEST(RecordFile, CopyTreeReplacesSameNamesAndKeepsOthers)
{
    InstallTree tree;
    const QString backup = tree.addDrive(u'd');
    const RecordFile files = tree.files();
    const QString clients = InstallTree::install(u"clients"_s);
    touch(tree.hostPath(clients + u"\\clients.txt"_s), "new register");
    touch(tree.hostPath(clients + u"\\李四\\PACC.txt"_s), "ledger");
    touch(backup + u"/clients/clients.txt"_s, "old register");
    touch(backup + u"/clients/only-on-backup.txt"_s, "kept");

    ASSERT_TRUE(files.copyTree(clients, u"d:\\clients"_s).ok());
    EXPECT_EQ(hostBytes(backup + u"/clients/clients.txt"_s), "new register");
    EXPECT_EQ(hostBytes(backup + u"/clients/李四/PACC.txt"_s), "ledger");
    EXPECT_EQ(hostBytes(backup + u"/clients/only-on-backup.txt"_s), "kept");
    EXPECT_EQ(files.treeSize(u"d:\\clients"_s), files.treeSize(clients) + 4);

    // A tree is never copied into itself.
    EXPECT_FALSE(files.copyTree(clients, clients + u"\\李四\\inner"_s).ok());
    EXPECT_FALSE(files.directoryExists(clients + u"\\李四\\inner"_s));
    EXPECT_EQ(files.copyTree(u"d:\\nothing"_s, clients).error, FileResult::Error::NotFound);
}

TEST(RecordFile, SymbolicLinksAreNotFollowed)
{
    InstallTree tree;
    const RecordFile files = tree.files();
    const QString outside = tree.addDrive(u'e');
    touch(outside + u"/secret.txt"_s, "0123456789");
    const QString folder = InstallTree::install(u"clients\\王五"_s);
    ASSERT_TRUE(files.makeDirectory(folder).ok());
    touch(tree.hostPath(folder + u"\\note.txt"_s), "n");
    ASSERT_TRUE(QFile::link(outside, tree.hostPath(folder) + u"/link"_s));

    EXPECT_EQ(files.treeSize(folder), 1);
    ASSERT_TRUE(files.copyTree(folder, InstallTree::install(u"copy"_s)).ok());
    EXPECT_FALSE(QFileInfo::exists(tree.hostPath(InstallTree::install(u"copy\\link"_s))));
    ASSERT_TRUE(files.deleteTree(folder).ok());
    EXPECT_EQ(hostBytes(outside + u"/secret.txt"_s), "0123456789");
}

TEST(RecordFile, ChineseFileNamesResolveAndRead)
{
    const DriveMap map(QString::fromUtf16(VERIDANE_TEST_DATA_DIR));
    const RecordFile files(map);
    ASSERT_TRUE(files.exists(u"c:\\客户名单.TXT"_s));
    auto reader = files.openForReading(u"C:\\客户名单.txt"_s);
    ASSERT_TRUE(reader);
    QString name, stamp, category;
    ASSERT_TRUE(reader->readFields(name, stamp, category));
    EXPECT_EQ(name, u"张三"_s);
    EXPECT_EQ(stamp, u"2026-12-10 09:30:00"_s);
    EXPECT_EQ(category, u"民事"_s);
    EXPECT_TRUE(reader->atEnd());
}
