#include "support/install_tree.h"

#include "core/foundation/install_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

InstallTree::InstallTree()
{
    EXPECT_TRUE(m_dir.isValid());
    const QString c = m_dir.path() + u"/c"_s;
    QDir().mkpath(c);
    m_drives = DriveMap(c);
    const RecordFile f(m_drives);
    for (const QString &module :
         {InstallPaths::clientsDir(), InstallPaths::lawbaseDir(), InstallPaths::yellowPageDir()})
        EXPECT_TRUE(f.makeDirectory(InstallPaths::installDir() + module).ok());
    EXPECT_TRUE(f.makeDirectory(InstallPaths::contentDir()).ok());
}

QString InstallTree::install(const QString &relative)
{
    return InstallPaths::installDir() + relative;
}

void InstallTree::writeRecords(const QString &path, const QList<Record> &records) const
{
    const QString host = hostPath(path);
    QDir().mkpath(QFileInfo(host).path());
    RecordWriter writer(host, RecordWriter::Mode::Replace);
    for (const Record &r : records)
        writer.write(r);
    const FileResult result = writer.commit();
    EXPECT_TRUE(result.ok()) << result.message().toStdString();
}

void InstallTree::writeBytes(const QString &path, const QByteArray &bytes) const
{
    const QString host = hostPath(path);
    QDir().mkpath(QFileInfo(host).path());
    QFile file(host);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << host.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray InstallTree::readBytes(const QString &path) const
{
    QFile file(hostPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QMap<QString, QByteArray> InstallTree::snapshot() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(path.mid(root().size()), file.readAll());
    }
    return files;
}

QString InstallTree::addDrive(QChar letter, std::optional<DriveType> type)
{
    const QString folder = m_dir.path() + u"/drive-"_s + letter.toLower();
    QDir().mkpath(folder);
    m_drives.setDrive(letter, folder, type);
    return m_drives.drive(letter)->hostPath;
}
