#include "core/clients/client_names.h"
#include "support/install_tree.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ValidFileName, RemovesTheNineCharactersAndWarnsWhenNothingIsLeft)
{
    const struct {
        QString text;
        QString name;
        bool warned;
    } cases[] = {
        {u"a:b*c"_s, u"abc"_s, false},
        {u"\"华信\"<科技>|有限?公司/\\"_s, u"华信科技有限公司"_s, false},
        {u"＊全角：“字符”？"_s, u"＊全角：“字符”？"_s, false}, // look-alikes stay
        {u"a.b 有限公司."_s, u"a.b 有限公司."_s, false},
        {QString(), QString(), false},
        {u"**"_s, QString(), true},
        {u"\\/:*?|\"<>"_s, QString(), true},
        // No folder can be named with only dots and blanks.
        {u".."_s, QString(), true},
        {u"."_s, QString(), true},
        {u"*. .*"_s, QString(), true},
        {u"* *"_s, QString(), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const ValidName v = ValidFileName(c.text);
        EXPECT_EQ(v.name, c.name);
        EXPECT_EQ(v.warning.has_value(), c.warned);
        if (v.warning) {
            EXPECT_EQ(*v.warning, forbiddenFirstLineNotice());
        }
    }
}

TEST(ValidFileName, WarningText)
{
    const ClientNotice n = forbiddenFirstLineNotice();
    EXPECT_EQ(n.text, u"首行禁用字符包括：\r\n\\  /  :  *  ?  |  “  <  > \r\n等, 请重新录入!"_s);
    EXPECT_EQ(n.title, u"警告!"_s);
    EXPECT_EQ(n.icon, ClientNotice::Icon::Warning);
}

TEST(ASC34Check, AlternatesTheQuotesAcrossCalls)
{
    int toggle = 0;
    EXPECT_EQ(ASC34Check(u"a\"b\"c\"d"_s, toggle), u"a“b”c“d"_s);
    EXPECT_EQ(toggle, 1);
    EXPECT_EQ(ASC34Check(u"\"x\""_s, toggle), u"”x“"_s);
    EXPECT_EQ(toggle, 1);
    EXPECT_EQ(ASC34Check(u"没有引号“”"_s, toggle), u"没有引号“”"_s);
    EXPECT_EQ(toggle, 1);
}

TEST(ClientFolder, OnlyNamesOfOneFolderInsideTheClientsFolder)
{
    const struct {
        QString name;
        bool folder;
    } cases[] = {
        {u"华信科技"_s, true},     {u"a..b"_s, true},
        {u".档案"_s, true},        {u"a:b"_s, true},
        {QString(), false},        {u"."_s, false},
        {u".."_s, false},          {u"..."_s, false},
        {u" . "_s, false},         {u"  "_s, false},
        {u"a\\b"_s, false},        {u"a/b"_s, false},
        {u"..\\lawbase"_s, false}, {u"../../x"_s, false},
        {u"c:\\x"_s, false},       {u".."_s + QChar(u'\0') + u"x"_s, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(isClientFolderName(c.name), c.folder);
        const auto path = clientFolderPath(c.name);
        EXPECT_EQ(path.has_value(), c.folder);
        EXPECT_EQ(clientLedgerPath(c.name).has_value(), c.folder);
        if (path) {
            EXPECT_EQ(*path, u"c:\\program files\\quorix\\clients\\"_s + c.name);
            EXPECT_EQ(clientLedgerPath(c.name), *path + u"\\PACC.txt"_s);
        }
    }
}

TEST(ClientFolder, MakesTheFolderAndRefusesOtherNamesUntouched)
{
    InstallTree tree;
    const RecordFile files = tree.files();
    EXPECT_TRUE(makeClientFolder(files, u"华信科技"_s).ok());
    EXPECT_TRUE(makeClientFolder(files, u"华信科技"_s).ok()) << "a folder already there";
    EXPECT_TRUE(files.directoryExists(u"c:\\program files\\quorix\\clients\\华信科技"_s));

    const QStringList before = QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    tree.writeRecords(clientsRegisterPath(), {});
    for (const QString &name :
         {u".."_s, u"..\\..\\escaped"_s, u"../escaped"_s, QString(), u"CLIENTS.txt"_s}) {
        const FileResult r = makeClientFolder(files, name);
        EXPECT_EQ(r.error, FileResult::Error::WriteFailed) << name.toStdString();
    }
    EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(files.listDirectories(u"c:\\program files\\quorix\\clients"_s),
              QStringList{u"华信科技"_s});
    EXPECT_EQ(files.listDirectories(u"c:\\program files\\quorix"_s),
              (QStringList{u"YellowPage"_s, u"clients"_s, u"lawbase"_s}));
}
