#include "gui/platform/shell_open.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

struct AddressCase {
    const char16_t *target;
    const char16_t *expected; // QUrl::toString() of the result
};

void PrintTo(const AddressCase &c, std::ostream *out)
{
    QString target = QString::fromUtf16(c.target);
    target.replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s);
    *out << '"' << target.toStdString() << '"';
}

class ShellOpenAddressTest : public testing::TestWithParam<AddressCase>
{};

TEST_P(ShellOpenAddressTest, ClassifiesTheTarget)
{
    const AddressCase &c = GetParam();
    const QUrl url = ShellOpen::urlFor(QString::fromUtf16(c.target));
    EXPECT_EQ(url.toString(), QString::fromUtf16(c.expected));
    EXPECT_FALSE(url.isLocalFile());
}

INSTANTIATE_TEST_SUITE_P(
    WebAndMail, ShellOpenAddressTest,
    testing::Values(AddressCase{u"http://www.example.com/law?id=12",
                                u"http://www.example.com/law?id=12"},
                    AddressCase{u"https://example.com/", u"https://example.com/"},
                    AddressCase{u"HTTP://Example.com", u"http://example.com"},
                    AddressCase{u"www.example.com", u"http://www.example.com"},
                    AddressCase{u"WWW.example.com/a b", u"http://www.example.com/a b"},
                    AddressCase{u"  www.example.com\r\n", u"http://www.example.com"},
                    AddressCase{u"www.法律.cn", u"http://www.法律.cn"},
                    AddressCase{u"mailto:someone@example.com", u"mailto:someone@example.com"},
                    AddressCase{u"mailto:someone@example.com?subject=问题",
                                u"mailto:someone@example.com?subject=问题"},
                    AddressCase{u"ftp://files.example.com/a.zip", u"ftp://files.example.com/a.zip"},
                    AddressCase{u"example.com", u"http://example.com"}));

TEST(ShellOpen, EmptyTargetGivesNoAddress)
{
    EXPECT_TRUE(ShellOpen::urlFor({}).isEmpty());
    EXPECT_TRUE(ShellOpen::urlFor(u"  \t"_s).isEmpty());
}

TEST(ShellOpen, AbsolutePathIsAFileWhetherOrNotItExists)
{
    for (const QString &path : {u"/tmp/no such folder/客户 资料.rtf"_s, QDir::rootPath()}) {
        const QUrl url = ShellOpen::urlFor(path);
        EXPECT_TRUE(url.isLocalFile()) << path.toStdString();
        EXPECT_EQ(QDir::cleanPath(url.toLocalFile()), QDir::cleanPath(path));
    }
}

// Restores the current folder when the test ends.
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString &path)
        : m_saved(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~CurrentFolder() { QDir::setCurrent(m_saved); }
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;

private:
    QString m_saved;
};

TEST(ShellOpen, RelativePathIsAFileOnlyWhenTheFileExists)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath(u"合同.rtf"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const CurrentFolder inFolder(folder.path());

    const QUrl existing = ShellOpen::urlFor(u"合同.rtf"_s);
    EXPECT_TRUE(existing.isLocalFile());
    EXPECT_EQ(existing.toLocalFile(), QFileInfo(file).absoluteFilePath());

    const QUrl missing = ShellOpen::urlFor(u"missing.rtf"_s);
    EXPECT_FALSE(missing.isLocalFile());
    EXPECT_EQ(missing.toString(), u"http://missing.rtf"_s);
}

} // namespace
