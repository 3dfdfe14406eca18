#include "core/foundation/atomic_file.h"

#include "support/failing_writes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(AtomicFile, ReplaceCreatesAndReplaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.txt"_s);
    ASSERT_TRUE(AtomicFile::replace(path, "one").ok());
    EXPECT_EQ(fileBytes(path), "one");
    ASSERT_TRUE(AtomicFile::replace(path, "two, longer").ok());
    EXPECT_EQ(fileBytes(path), "two, longer");
    ASSERT_TRUE(AtomicFile::replace(path, "").ok());
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(AtomicFile, CopyReplacesTheTargetAndKeepsTheTimeOfChange)
{
    QTemporaryDir dir;
    const QString from = dir.filePath(u"from.bin"_s);
    const QString to = dir.filePath(u"to.bin"_s);
    QByteArray big(3 * 1024 * 1024 + 17, '\0');
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(i * 7);
    ASSERT_TRUE(AtomicFile::replace(from, big).ok());
    ASSERT_TRUE(AtomicFile::replace(to, "old target").ok());
    QFile f(from);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QDateTime when(QDate(2020, 5, 6), QTime(7, 8, 9));
    f.setFileTime(when, QFileDevice::FileModificationTime);
    f.close();

    ASSERT_TRUE(AtomicFile::copy(from, to).ok());
    EXPECT_EQ(fileBytes(to), big);
    EXPECT_EQ(QFileInfo(to).lastModified(), when);
}

TEST(AtomicFile, FailedCopyLeavesTheTargetAsItWas)
{
    QTemporaryDir dir;
    const QString from = dir.filePath(u"from.bin"_s);
    const QString to = dir.filePath(u"to.bin"_s);
    ASSERT_TRUE(AtomicFile::replace(from, QByteArray(100000, 'x')).ok());
    ASSERT_TRUE(AtomicFile::replace(to, "precious").ok());

    const FileResult r = withFileSizeLimit(1000, [&] { return AtomicFile::copy(from, to); });
    EXPECT_EQ(r.error, FileResult::Error::WriteFailed);
    EXPECT_EQ(fileBytes(to), "precious");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"from.bin"_s, u"to.bin"_s}));

    EXPECT_EQ(AtomicFile::copy(dir.filePath(u"missing"_s), to).error, FileResult::Error::NotFound);
    EXPECT_EQ(fileBytes(to), "precious");
}
