#include "core/clients/client_register.h"
#include "core/foundation/gbk.h"
#include "support/install_tree.h"
#include "support/tool_run.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Record row(const QString &name, const QString &category, const QString &rest,
           const QString &timestamp = u"2024-06-01 09:30:00"_s)
{
    return {name, timestamp, category, name + u"\r\n"_s + rest};
}

class ClientToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tree.writeRecords(
            clientsRegisterPath(),
            {row(u"华信科技"_s, u"企业"_s, u"合同纠纷 开庭 2024-6-20 上午"_s),
             row(u"李小红"_s, u"私人"_s, u"离婚 2024-06-20"_s),
             row(u"ABC Ltd"_s, u"涉外"_s, u"contract dispute"_s, u"#2024-05-02 08:00:00#"_s),
             row(u"市环保局"_s, u"行政"_s, u"行政复议 合同"_s)});
    }

    QString hostFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = files.filePath(name);
        tree.writeBytes(path, bytes);
        return path;
    }

    InstallTree tree;
    QTemporaryDir files;
};

} // namespace

TEST_F(ClientToolTest, FindPrintsTheListRows)
{
    const struct {
        QStringList args;
        QString out;
    } cases[] = {
        {{},
         u"华信科技\t企业\t2024-06-01 09:30:00\n李小红\t私人\t2024-06-01 09:30:00\n"
         u"ABC Ltd\t涉外\t2024-05-02 08:00:00\n市环保局\t行政\t2024-06-01 09:30:00\n"_s},
        {{u"--category"_s, u"2"_s}, u"市环保局\t行政\t2024-06-01 09:30:00\n"_s},
        {{u"--category=6"_s, u"--keywords"_s, u"contract"_s},
         u"ABC Ltd\t涉外\t2024-05-02 08:00:00\n"_s},
        {{u"--keywords"_s, u"合同　纠纷"_s}, u"华信科技\t企业\t2024-06-01 09:30:00\n"_s},
        {{u"--date"_s, u"2024-06-20"_s},
         u"华信科技\t企业\t2024-06-01 09:30:00\n李小红\t私人\t2024-06-01 09:30:00\n"_s},
        {{u"--category"_s, u"5"_s, u"--date"_s, u"2024-06-20"_s},
         u"李小红\t私人\t2024-06-01 09:30:00\n"_s},
        // With keywords the date is no filter.
        {{u"--date"_s, u"2024-06-20"_s, u"--keywords"_s, u"合同"_s},
         u"华信科技\t企业\t2024-06-01 09:30:00\n市环保局\t行政\t2024-06-01 09:30:00\n"_s},
        {{u"--category"_s, u"9"_s}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ToolRun r = runTool(tree, QStringList{u"clients"_s, u"find"_s} + c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_TRUE(r.err.isEmpty());
    }
}

TEST_F(ClientToolTest, FindTakesTheCaptionsOfClassFile)
{
    tree.writeRecords(clientsDirectory() + u"class.txt"_s, {{u"私人"_s}, {u"2.机关"_s}});
    ToolRun r = runTool(tree, {u"clients"_s, u"find"_s, u"--category"_s, u"1"_s});
    EXPECT_EQ(r.out, u"李小红\t私人\t2024-06-01 09:30:00\n"_s);
    r = runTool(tree, {u"clients"_s, u"find"_s, u"--category"_s, u"2"_s});
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(ClientToolTest, FindUsageErrors)
{
    for (const QStringList &args :
         {QStringList{u"--category"_s, u"11"_s}, QStringList{u"--category"_s, u"企业"_s},
          QStringList{u"--date"_s, u"2024-6-20"_s}, QStringList{u"--date"_s},
          QStringList{u"extra"_s}, QStringList{u"--name"_s, u"x"_s}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const ToolRun r = runTool(tree, QStringList{u"clients"_s, u"find"_s} + args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(u"用法: veridane-tool clients find"_s)) << r.err.toStdString();
    }
}

TEST_F(ClientToolTest, AddStoresARecordAsTheEditorDoes)
{
    const QString utf8 = hostFile(u"utf8.txt"_s, "\xEF\xBB\xBF地址：上海\n他说\"好\"\n\n");
    const ToolRun r = runTool(tree, {u"--today"_s, u"2024-06-15"_s, u"clients"_s, u"add"_s,
                                     u"--name"_s, u"新:客户"_s, u"--category"_s, u"刑事"_s, utf8});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"新增客户: 新客户\n"_s);

    const ClientReg reg = LoadClients(tree.files()).reg;
    ASSERT_EQ(reg.count(), 5);
    EXPECT_EQ(reg.row(5), (ClientRecord{u"新客户"_s, u"2024-06-15 00:00:00"_s, u"刑事"_s,
                                        u"新客户\r\n地址：上海\r\n他说“好”"_s}));
    EXPECT_TRUE(tree.files().directoryExists(clientsDirectory() + u"新客户"_s));

    // A GBK file, for a client there already: its record is replaced in place.
    const QString gbk = hostFile(u"gbk.txt"_s, Gbk::encode(u"改过的内容\r\n"));
    const ToolRun again = runTool(tree, {u"clients"_s, u"add"_s, u"--name"_s, u"李小红"_s,
                                         u"--category"_s, u"10.全部"_s, gbk});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, u"更新客户: 李小红\n"_s);
    const ClientReg after = LoadClients(tree.files()).reg;
    ASSERT_EQ(after.count(), 5);
    EXPECT_EQ(after.row(2).text, u"李小红\r\n改过的内容"_s);
    EXPECT_EQ(after.row(2).category, u"其他"_s);
}

TEST_F(ClientToolTest, AddRefusesWhatCannotBeStored)
{
    const QString text = hostFile(u"t.txt"_s, "内容");
    const auto before = tree.snapshot();

    const ToolRun forbidden = runTool(
        tree, {u"clients"_s, u"add"_s, u"--name"_s, u"..*"_s, u"--category"_s, u"企业"_s, text});
    EXPECT_EQ(forbidden.exitCode, 1);
    EXPECT_TRUE(forbidden.err.contains(u"首行禁用字符包括："_s)) << forbidden.err.toStdString();
    EXPECT_TRUE(forbidden.out.isEmpty());

    const ToolRun missing =
        runTool(tree, {u"clients"_s, u"add"_s, u"--name"_s, u"甲"_s, u"--category"_s, u"企业"_s,
                       files.filePath(u"none.txt"_s)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(u"none.txt"_s));

    for (const QStringList &args : {
             QStringList{u"--category"_s, u"企业"_s, text},
             QStringList{u"--name"_s, u"甲"_s, text},
             QStringList{u"--name"_s, u"甲"_s, u"--category"_s, u"企业"_s},
             QStringList{u"--name"_s, u"甲\n乙"_s, u"--category"_s, u"企业"_s, text},
             QStringList{u"--name"_s, u" "_s, u"--category"_s, u"企业"_s, text},
         }) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const ToolRun r = runTool(tree, QStringList{u"clients"_s, u"add"_s} + args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(u"用法: veridane-tool clients add"_s)) << r.err.toStdString();
    }
    EXPECT_TRUE(tree.snapshot() == before);
}

TEST_F(ClientToolTest, BackupCopiesTheArchiveAndRefusesToReplaceWithoutYes)
{
    const QString d = tree.addDrive(u'd');
    const QStringList env = {u"VERIDANE_DRIVES=d="_s + d + u",removable"_s};
    tree.writeBytes(u"c:\\program files\\quorix\\clients\\李小红\\协议.doc"_s, "doc");

    ToolRun run = runTool(tree, {u"clients"_s, u"backup"_s, u"--drive"_s, u"d:"_s}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(u"备份结束"_s)) << run.out.toStdString();
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\clients.txt"_s), tree.readBytes(clientsRegisterPath()));
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\李小红\\协议.doc"_s), "doc");
    EXPECT_EQ(tree.readBytes(u"c:\\program files\\quorix\\BackupDrv.txt"_s), "\"d:\"\r\n");

    tree.writeBytes(u"d:\\clients\\旧文件.txt"_s, "old");
    run = runTool(tree, {u"clients"_s, u"backup"_s, u"--drive"_s, u"d"_s}, env);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"--yes"_s)) << run.err.toStdString();
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\旧文件.txt"_s), "old");

    run = runTool(tree, {u"clients"_s, u"backup"_s, u"--drive=D:"_s, u"--yes"_s}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tree.hostPath(u"d:\\clients\\旧文件.txt"_s)))
        << "the old backup is replaced as a whole";
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\李小红\\协议.doc"_s), "doc");
}

TEST_F(ClientToolTest, BackupRefusals)
{
    const QString d = tree.addDrive(u'd');
    const QString e = tree.addDrive(u'e');
    const QStringList env = {u"VERIDANE_DRIVES=d="_s + d + u",removable;e="_s + e + u",cdrom"_s};
    const struct {
        QStringList args;
        int exit;
        QString err;
    } cases[] = {
        {{u"--drive"_s, u"e:"_s}, 1, u"该设备是只读设备!请重新选择驱动器。"_s},
        {{u"--drive"_s, u"c:"_s}, 2, u"c: 是系统盘"_s},
        {{u"--drive"_s, u"x:"_s}, 2, u"没有驱动器 x:"_s},
        {{}, 2, u"需要 --drive"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ToolRun run = runTool(tree, QStringList{u"clients"_s, u"backup"_s} + c.args, env);
        EXPECT_EQ(run.exitCode, c.exit);
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(tree.hostPath(u"e:\\clients"_s)));
    EXPECT_FALSE(QFileInfo::exists(tree.hostPath(u"c:\\program files\\quorix\\BackupDrv.txt"_s)));

    tree.writeRecords(clientsRegisterPath(), {});
    const ToolRun empty = runTool(tree, {u"clients"_s, u"backup"_s, u"--drive"_s, u"d:"_s}, env);
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains(u"没有客户资料!"_s)) << empty.err.toStdString();
}

TEST_F(ClientToolTest, RestoreMergesTheBackup)
{
    const QString d = tree.addDrive(u'd');
    const QStringList env = {u"VERIDANE_DRIVES=d="_s + d};
    ToolRun run = runTool(tree, {u"clients"_s, u"restore"_s, u"--drive"_s, u"d:"_s}, env);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"没有用于恢复或导入的文件!"_s)) << run.err.toStdString();

    tree.writeRecords(u"d:\\clients\\clients.txt"_s,
                      {row(u"abc ltd"_s, u"涉外"_s, u"from the backup"_s),
                       row(u"王五"_s, u"私人"_s, u"新客户"_s)});
    run = runTool(tree, {u"clients"_s, u"restore"_s, u"--drive"_s, u"d:"_s}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, u"5条记录刷新完毕! (更新 1 位, 新增 1 位)\n"_s);
    const ClientReg reg = LoadClients(tree.files()).reg;
    ASSERT_EQ(reg.count(), 5);
    EXPECT_EQ(reg.row(3).text, u"abc ltd\r\nfrom the backup"_s);
    EXPECT_EQ(reg.row(5).name, u"王五"_s);
}
