#include "core/clients/client_fixtures.h"
#include "core/clients/client_register.h"
#include "core/foundation/gbk.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LoadClients, ReadsTheRegisterInFileOrder)
{
    InstallTree tree;
    EXPECT_EQ(LoadClients(tree.files()).reg.count(), 0) << "no file, no clients";

    const QList<ClientRecord> clients = {
        client(u"华信科技有限公司"_s, u"企业"_s, u"法定代表人：周明\r\n电话：010-5550123"_s),
        client(u"ABC"_s, u"涉外"_s, u"Contact: ann@example.com"_s),
        client(u"李小红"_s, u"私人"_s, u"离婚纠纷，代理至一审"_s, u"#2003-04-01 10:00:00#"_s),
    };
    writeClients(tree, clients);
    const ClientsLoad load = LoadClients(tree.files());
    EXPECT_FALSE(load.notice);
    ASSERT_EQ(load.reg.count(), 3);
    EXPECT_EQ(load.reg.rows(), clients);
    EXPECT_TRUE(load.reg.rest().isEmpty());
    EXPECT_TRUE(load.reg.mayRewrite());
}

TEST(LoadClients, KeepsWhatTheRegisterCannotHold)
{
    const QByteArray two = Gbk::encode(u"\"甲\",\"2024-06-01 09:00:00\",\"企业\",\"甲\r\n一\"\r\n"
                                       u"\"乙\",\"2024-06-01 09:00:00\",\"企业\",\"乙\r\n二\"\r\n");
    const struct {
        const char *what;
        QString after; // follows the two records
        int count;
        QString rest;
    } cases[] = {
        {"nothing", {}, 2, {}},
        {"trailing line ends", u"\r\n\r\n"_s, 2, {}},
        {"a record without a name ends the register",
         u"\"\",\"x\",\"企业\",\"\"\r\n\"丙\",\"t\",\"企业\",\"丙\r\n三\"\r\n"_s, 2,
         u"\"\",\"x\",\"企业\",\"\"\r\n\"丙\",\"t\",\"企业\",\"丙\r\n三\"\r\n"_s},
        {"a blank line ends it too", u"\r\n\r\n\"丙\",\"t\",\"企业\",\"丙\"\r\n"_s, 2,
         u"\r\n\r\n\"丙\",\"t\",\"企业\",\"丙\"\r\n"_s},
        {"a record cut off", u"\"丁\",\"t\",\"企"_s, 2, u"\"丁\",\"t\",\"企"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const ClientsLoad load = LoadClients(QByteArray(two + Gbk::encode(c.after)));
        EXPECT_EQ(load.reg.count(), c.count);
        EXPECT_EQ(load.reg.rest(), Gbk::encode(c.rest));
        EXPECT_FALSE(load.notice);
    }
}

TEST(LoadClients, StopsAtTenThousandAndSaysSoWhenMoreFollow)
{
    for (const int records : {ClientReg::Capacity, ClientReg::Capacity + 1}) {
        SCOPED_TRACE(records);
        InstallTree tree;
        writeClients(tree, numberedClients(records));
        const ClientsLoad load = LoadClients(tree.files());
        EXPECT_EQ(load.reg.count(), ClientReg::Capacity);
        EXPECT_TRUE(load.reg.isFull());
        EXPECT_EQ(load.reg.row(ClientReg::Capacity).name, u"客户10000"_s);
        if (records == ClientReg::Capacity) {
            // Nothing is left out, so there is nothing to warn of.
            EXPECT_FALSE(load.notice);
            EXPECT_TRUE(load.reg.rest().isEmpty());
        } else {
            ASSERT_TRUE(load.notice);
            EXPECT_EQ(load.notice->text,
                      u"超过允许的最大客户数量10000！\r\n10000之后的客户将被忽略。"_s);
            EXPECT_TRUE(load.notice->title.isEmpty());
            EXPECT_EQ(load.notice->icon, ClientNotice::Icon::None);
            EXPECT_EQ(load.reg.rest(),
                      Gbk::encode(u"\"客户10001\",\"2024-06-01 09:30:00\",\"企业\",\"客户10001\r\n"
                                  u"第10001号\"\r\n"));
        }
    }
}

TEST(LoadClients, RewriteKeepsTheRestAsItWas)
{
    InstallTree tree;
    const QByteArray rows = Gbk::encode(u"\"甲\",\"t\",\"企业\",\"甲\r\n一\"\r\n");
    // From a record without a name on, with bytes that are no code page 936 text.
    const QByteArray rest =
        Gbk::encode(u"\"\",\"\",\"\",\"\"\r\n\"乙\",\"t\",\"企业\",\"") + "\x81\x20\"";
    tree.writeBytes(clientsRegisterPath(), rows + rest);
    const ClientReg reg = loadedClients(tree);
    ASSERT_EQ(reg.count(), 1);

    QList<ClientRecord> changed = reg.rows();
    changed[0].category = u"行政"_s;
    ASSERT_TRUE(rewriteClients(tree.files(), changed, reg.rest()).ok());
    EXPECT_EQ(tree.readBytes(clientsRegisterPath()),
              QByteArray(Gbk::encode(u"\"甲\",\"t\",\"行政\",\"甲\r\n一\"\r\n") + rest));
}
