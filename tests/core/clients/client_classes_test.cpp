#include "core/clients/client_classes.h"
#include "core/clients/client_fixtures.h"
#include "core/foundation/gbk.h"
#include "support/failing_writes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CustClass, CaptionsFromClassFile)
{
    InstallTree tree;
    const QString dir = clientsDirectory();
    EXPECT_TRUE(CustClass(tree.files(), dir).isEmpty()) << "no file";

    tree.writeRecords(dir + u"class.txt"_s, {{u"公司"_s}, {u"2.机关"_s}, {u"3.事业"_s}});
    EXPECT_EQ(CustClass(tree.files(), dir), (QStringList{u"1.公司"_s, u"2.机关"_s, u"3.事业"_s}));

    QList<Record> ten;
    for (int k = 1; k <= 10; ++k)
        ten.append({u"类"_s + QString::number(k)});
    ten[3] = {u"5.错位"_s};
    tree.writeRecords(dir + u"CLASS.TXT"_s, ten);
    EXPECT_EQ(CustClass(tree.files(), dir),
              (QStringList{u"1.类1"_s, u"2.类2"_s, u"3.类3"_s, u"4.5.错位"_s, u"5.类5"_s,
                           u"6.类6"_s, u"7.类7"_s, u"8.类8"_s}));
}

TEST(CustClass, CategoryNames)
{
    const QStringList captions = clientCategoryCaptions();
    ASSERT_EQ(captions.size(), 10);
    EXPECT_EQ(curCategoryNameOf(8, captions[7]), u"知识产权"_s);
    EXPECT_EQ(curCategoryNameOf(9, captions[8]), u"其他"_s);
    EXPECT_EQ(curCategoryNameOf(10, captions[9]), u"其他"_s);
    EXPECT_EQ(curCategoryNameOf(1, u"1. 公司 "_s), u"公司"_s);
}

namespace {

class ClientClassTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A record beyond a register of two rows: the row without a name ends it.
        tree.writeBytes(clientsRegisterPath(),
                        Gbk::encode(u"\"甲\",\"t1\",\"企业\",\"甲\r\n一\"\r\n"
                                    u"\"乙\",\"t2\",\"企业\",\"乙\r\n二\"\r\n") +
                            Rest);
        reg = loadedClients(tree);
        ListBuffer = {ClientListRow{{u"甲"_s, {}, u"企业"_s, u"t1"_s}},
                      ClientListRow{{u"乙"_s, {}, u"企业"_s, u"t2"_s}}};
    }

    const QByteArray Rest = "\"\",\"\",\"\",\"\"\r\n\"x\",\"\",\"\",\"\"\r\n";
    InstallTree tree;
    ClientReg reg;
    QList<ClientListRow> ListBuffer;
};

} // namespace

TEST_F(ClientClassTest, MovesTheSelectedClientInFileAndMemory)
{
    const ClientClassResult r =
        ClientClass(tree.files(), reg, ListBuffer, 2, u"乙\r\n二"_s, u" 乙 "_s, u"知识产权"_s);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.moved, 1);
    EXPECT_FALSE(r.notice);
    EXPECT_EQ(reg.row(2).category, u"知识产权"_s);
    ClientQuery moved;
    moved.keyWords = UKeyWordsSet(u"知识产权"_s);
    moved.keywordBoxBlank = false;
    EXPECT_EQ(FindClients(reg, moved).RelevantRecords, 1);
    EXPECT_EQ(reg.row(1).category, u"企业"_s);
    EXPECT_EQ(tree.readBytes(clientsRegisterPath()),
              Gbk::encode(u"\"甲\",\"t1\",\"企业\",\"甲\r\n一\"\r\n"
                          u"\"乙\",\"t2\",\"知识产权\",\"乙\r\n二\"\r\n") +
                  Rest);
    EXPECT_EQ(ListBuffer[1].columns[2], u"知识产权"_s);
    EXPECT_EQ(ListBuffer[0].columns[2], u"企业"_s);
    // Only the rows that are listed.
    ClientClass(tree.files(), reg, ListBuffer, 1, u"乙"_s, u"乙"_s, u"刑事"_s);
    EXPECT_EQ(ListBuffer[1].columns[2], u"知识产权"_s);
    EXPECT_EQ(LoadClients(tree.files()).reg.row(2).category, u"刑事"_s);
}

TEST_F(ClientClassTest, DoesNothingWithoutARecordOrAClient)
{
    const auto before = tree.snapshot();
    for (const auto &[pane, row] : {std::pair{u"  \r\n"_s, u"乙"_s}, std::pair{u"乙"_s, u"戊"_s},
                                    std::pair{u"乙"_s, QString()}}) {
        const ClientClassResult r =
            ClientClass(tree.files(), reg, ListBuffer, 2, pane, row, u"刑事"_s);
        EXPECT_FALSE(r.written);
        EXPECT_EQ(r.moved, 0);
    }
    EXPECT_TRUE(tree.snapshot() == before);
    EXPECT_EQ(reg.row(2).category, u"企业"_s);
}

TEST_F(ClientClassTest, AFailedWriteChangesNothing)
{
    const auto before = tree.snapshot();
    ClientClassResult r;
    withFileSizeLimit(16, [&] {
        r = ClientClass(tree.files(), reg, ListBuffer, 2, u"乙"_s, u"乙"_s, u"刑事"_s);
        return FileResult();
    });
    EXPECT_FALSE(r.written);
    ASSERT_TRUE(r.notice);
    EXPECT_TRUE(r.notice->text.startsWith(u"客户档案未能归类：\r\n"_s));
    EXPECT_EQ(r.notice->icon, ClientNotice::Icon::Critical);
    EXPECT_TRUE(tree.snapshot() == before);
    EXPECT_EQ(reg.row(2).category, u"企业"_s);
    EXPECT_EQ(ListBuffer[1].columns[2], u"企业"_s);
}
