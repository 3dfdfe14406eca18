#include "core/clients/client_edit.h"
#include "core/clients/client_fixtures.h"
#include "core/clients/client_names.h"
#include "core/foundation/gbk.h"
#include "support/failing_writes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2024, 6, 15), QTime(9, 5, 7));

// The staging of an Enter in the pane followed by SaveEdit, as the window
// runs them: NamePickUp, ValidFileName (whose warning is put in *warning),
// the staged record.
SaveEditResult saveTyped(const InstallTree &tree, const ClientReg &reg, const QString &pane,
                         const QString &category = u"企业"_s,
                         std::optional<ClientNotice> *warning = nullptr)
{
    NamePick pick;
    int toggle = 0;
    NamePickUp(pane, pick, toggle);
    const ValidName name = ValidFileName(pick.PickedName);
    if (warning)
        *warning = name.warning;
    return SaveEdit(tree.files(), reg, stageEditRecord(name.name, pane, category, Now, toggle));
}

QStringList namesIn(const ClientReg &reg)
{
    QStringList names;
    for (const ClientRecord &r : reg.rows())
        names.append(r.name);
    return names;
}

} // namespace

TEST(NamePickUp, TakesTheFirstLineAndNotesANewName)
{
    NamePick pick;
    int toggle = 0;
    EXPECT_TRUE(NamePickUp(u"  华信科技  \r\n地址"_s, pick, toggle));
    EXPECT_EQ(pick.PickedName, u"华信科技"_s);
    EXPECT_EQ(pick.NameFound, u"0"_s);
    EXPECT_EQ(pick.PrevName, u"华信科技"_s);

    // The same name in another letter case is no new name.
    pick.PrevName = u"abc"_s;
    pick.NameFound = u"1"_s;
    EXPECT_FALSE(NamePickUp(u"ABC\r\n"_s, pick, toggle));
    EXPECT_EQ(pick.PickedName, u"ABC"_s);
    EXPECT_EQ(pick.NameFound, u"1"_s);

    // Without a line break the whole text is the name; quotes become full width.
    EXPECT_TRUE(NamePickUp(u"\"新\"客户"_s, pick, toggle));
    EXPECT_EQ(pick.PickedName, u"“新”客户"_s);
    EXPECT_EQ(toggle, 0);
}

TEST(NameSearch, LoadsAStoredClientTypedInAnotherCase)
{
    InstallTree tree;
    writeClients(
        tree, {client(u"甲"_s, u"企业"_s, u"一"_s), client(u"ABC"_s, u"涉外"_s, u"stored text"_s)});
    const ClientReg reg = loadedClients(tree);

    const struct {
        QString nameFound;
        int nameState;
        QString picked;
        bool found;
    } cases[] = {
        {u"0"_s, 1, u"abc"_s, true},  {QString(), 1, u"ABC"_s, true},
        {u"0"_s, 2, u"abc"_s, false}, // the pane shows a stored record already
        {u"1"_s, 1, u"abc"_s, false}, // matched before
        {u"0"_s, 1, u"ab"_s, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.picked.toStdString() + " " + c.nameFound.toStdString());
        NamePick pick{c.picked, c.nameFound, c.picked};
        const NameSearchResult r = NameSearch(tree.files(), reg, pick, c.nameState);
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.text, c.found ? u"ABC\r\nstored text"_s : QString());
        EXPECT_EQ(pick.NameFound, c.found ? u"1"_s : c.nameFound);
        EXPECT_FALSE(r.registerCreated);
    }
}

TEST(NameSearch, CreatesAMissingRegisterEmpty)
{
    InstallTree tree;
    NamePick pick{u"甲"_s, u"0"_s, u"甲"_s};
    const NameSearchResult r = NameSearch(tree.files(), ClientReg(), pick, 1);
    EXPECT_FALSE(r.found);
    EXPECT_TRUE(r.registerCreated);
    EXPECT_TRUE(tree.files().exists(clientsRegisterPath()));
    EXPECT_TRUE(tree.readBytes(clientsRegisterPath()).isEmpty());
}

TEST(StageEditRecord, TimestampCategoryAndQuotes)
{
    int toggle = 1;
    const EditRecord r = stageEditRecord(u"甲"_s, u"甲\r\n他说\"好\""_s, u"10.全部"_s, Now, toggle);
    EXPECT_EQ(r.name, u"甲"_s);
    EXPECT_EQ(r.timestamp, u"2024-06-15 09:05:07"_s);
    EXPECT_EQ(r.category, u"其他"_s);
    EXPECT_EQ(r.text, u"甲\r\n他说”好“"_s);
    EXPECT_EQ(stagedCategory(u"知识产权"_s), u"知识产权"_s);
    EXPECT_EQ(clientTimestamp(QDateTime(QDate(2003, 4, 1), QTime(23, 59, 0))),
              u"2003-04-01 23:59:00"_s);
}

TEST(SaveEdit, AppendsANewClientWithItsFolder)
{
    InstallTree tree;
    writeClients(tree, {client(u"甲"_s, u"企业"_s, u"一"_s)});
    const SaveEditResult r =
        saveTyped(tree, loadedClients(tree), u"华信:科技\r\n  地址：北京  \r\n"_s);
    ASSERT_EQ(r.outcome, SaveEditResult::Outcome::Appended);
    EXPECT_FALSE(r.notice);
    EXPECT_FALSE(r.beyondRegister);
    EXPECT_TRUE(r.folder.ok());

    const ClientReg reg = loadedClients(tree);
    ASSERT_EQ(reg.count(), 2);
    // The first line is the validated name; the rest loses its surrounding blanks only.
    EXPECT_EQ(reg.row(2), (ClientRecord{u"华信科技"_s, u"2024-06-15 09:05:07"_s, u"企业"_s,
                                        u"华信科技\r\n地址：北京  \r\n"_s}));
    EXPECT_TRUE(tree.files().directoryExists(clientsDirectory() + u"华信科技"_s));
}

TEST(SaveEdit, ReplacesTheRowOfTheSameNameInPlace)
{
    InstallTree tree;
    writeClients(tree, {client(u"甲"_s, u"企业"_s, u"一"_s), client(u"ABC"_s, u"涉外"_s, u"二"_s),
                        client(u"丙"_s, u"私人"_s, u"三"_s)});
    const auto save = [&](const QString &pane) {
        const SaveEditResult r = saveTyped(tree, loadedClients(tree), pane, u"行政"_s);
        EXPECT_TRUE(r.saved());
        return r.outcome;
    };
    EXPECT_EQ(save(u"ABC\r\n改过的内容"_s), SaveEditResult::Outcome::Replaced);
    ClientReg reg = loadedClients(tree);
    EXPECT_EQ(namesIn(reg), (QStringList{u"甲"_s, u"ABC"_s, u"丙"_s}));
    EXPECT_EQ(reg.row(2).text, u"ABC\r\n改过的内容"_s);
    EXPECT_EQ(reg.row(2).category, u"行政"_s);
    EXPECT_EQ(reg.row(1), client(u"甲"_s, u"企业"_s, u"一"_s));

    // Another letter case is another client; a new name keeps the old record.
    EXPECT_EQ(save(u"abc\r\n小写"_s), SaveEditResult::Outcome::Appended);
    EXPECT_EQ(save(u"丙公司\r\n新名称"_s), SaveEditResult::Outcome::Appended);
    reg = loadedClients(tree);
    EXPECT_EQ(namesIn(reg), (QStringList{u"甲"_s, u"ABC"_s, u"丙"_s, u"abc"_s, u"丙公司"_s}));
    EXPECT_TRUE(tree.files().directoryExists(clientsDirectory() + u"丙公司"_s));
}

TEST(SaveEdit, StoresNothingWithoutANameOrASecondLine)
{
    InstallTree tree;
    writeClients(tree, {client(u"甲"_s, u"企业"_s, u"一"_s)});
    const ClientReg reg = loadedClients(tree);
    const auto before = tree.snapshot();
    const struct {
        QString pane;
        SaveEditResult::Outcome outcome;
        bool warned;
    } cases[] = {
        {u"只有一行"_s, SaveEditResult::Outcome::NoSecondLine, false},
        {u"\r\n名称在第二行"_s, SaveEditResult::Outcome::NoSecondLine, false},
        {u"**\r\n内容"_s, SaveEditResult::Outcome::NoName, true},
        {u"..\r\n内容"_s, SaveEditResult::Outcome::NoName, true},
        {QString(), SaveEditResult::Outcome::NoName, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pane.toStdString());
        std::optional<ClientNotice> warning;
        const SaveEditResult r = saveTyped(tree, reg, c.pane, u"企业"_s, &warning);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_FALSE(r.saved());
        EXPECT_EQ(warning.has_value(), c.warned);
        if (warning) {
            EXPECT_EQ(*warning, forbiddenFirstLineNotice());
        }
    }
    // SaveEdit validates the name itself too.
    const SaveEditResult direct =
        SaveEdit(tree.files(), reg, {u"*?"_s, u"t"_s, u"企业"_s, u"*?\r\n内容"_s});
    EXPECT_EQ(direct.outcome, SaveEditResult::Outcome::NoName);
    EXPECT_TRUE(direct.notice);
    EXPECT_TRUE(tree.snapshot() == before);
}

TEST(SaveEdit, KeepsTheRecordsBeyondTheRegister)
{
    InstallTree tree;
    writeClients(tree, numberedClients(ClientReg::Capacity + 1));
    const QByteArray last = Gbk::encode(
        u"\"客户10001\",\"2024-06-01 09:30:00\",\"企业\",\"客户10001\r\n第10001号\"\r\n");
    ClientReg reg = loadedClients(tree);

    SaveEditResult r = saveTyped(tree, reg, u"客户5\r\n改过"_s);
    EXPECT_EQ(r.outcome, SaveEditResult::Outcome::Replaced);
    EXPECT_FALSE(r.beyondRegister);
    QByteArray bytes = tree.readBytes(clientsRegisterPath());
    EXPECT_TRUE(bytes.endsWith(last));

    // A new client of a full register stays in the file after the rows.
    reg = loadedClients(tree);
    r = saveTyped(tree, reg, u"新客户\r\n内容"_s);
    EXPECT_EQ(r.outcome, SaveEditResult::Outcome::Appended);
    EXPECT_TRUE(r.beyondRegister);
    bytes = tree.readBytes(clientsRegisterPath());
    EXPECT_TRUE(bytes.endsWith(last));
    EXPECT_TRUE(bytes.contains(Gbk::encode(u"\"新客户\",\"2024-06-15 09:05:07\"")));

    const ClientsLoad load = LoadClients(tree.files());
    EXPECT_EQ(load.reg.count(), ClientReg::Capacity);
    EXPECT_EQ(load.reg.row(5).text, u"客户5\r\n改过"_s);
    EXPECT_EQ(load.notice, clientLimitNotice());
    EXPECT_EQ(load.reg.rest(),
              Gbk::encode(u"\"新客户\",\"2024-06-15 09:05:07\",\"企业\",\"新客户\r\n"
                          u"内容\"\r\n") +
                  last);
}

TEST(SaveEdit, AFailedWriteLeavesTheRegisterWhole)
{
    InstallTree tree;
    writeClients(tree, numberedClients(300));
    const QByteArray before = tree.readBytes(clientsRegisterPath());
    const ClientReg reg = loadedClients(tree);

    SaveEditResult r;
    withFileSizeLimit(1024, [&] {
        r = saveTyped(tree, reg, u"客户7\r\n改过"_s);
        return FileResult();
    });
    EXPECT_EQ(r.outcome, SaveEditResult::Outcome::NotWritten);
    ASSERT_TRUE(r.notice);
    EXPECT_TRUE(r.notice->text.startsWith(u"客户档案未能存盘：\r\n"_s))
        << r.notice->text.toStdString();
    EXPECT_EQ(r.notice->title, u"错误"_s);
    EXPECT_EQ(r.notice->icon, ClientNotice::Icon::Critical);
    EXPECT_EQ(tree.readBytes(clientsRegisterPath()), before);

    // A register that could not be read is never rewritten from the empty table.
    ClientReg unread;
    unread.setLoadError(FileResult::failure(FileResult::Error::ReadFailed, u"clients.txt"_s));
    r = saveTyped(tree, unread, u"新客户\r\n内容"_s);
    EXPECT_EQ(r.outcome, SaveEditResult::Outcome::NotWritten);
    ASSERT_TRUE(r.notice);
    EXPECT_EQ(r.notice->title, u"错误"_s);
    EXPECT_EQ(tree.readBytes(clientsRegisterPath()), before);
}
