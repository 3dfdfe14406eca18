#include "window_fixture.h"

#include "core/clients/client_register.h"
#include "gui/clients/backup_panel.h"
#include "support/fake_drives.h"

#include <QFileInfo>

namespace {

const QString Register = u"c:\\program files\\quorix\\clients\\clients.txt"_s;
const QString BackupDrv = u"c:\\program files\\quorix\\BackupDrv.txt"_s;

Record client(const QString &name, const QString &category, const QString &rest)
{
    return {name, u"2026-11-01 09:00:00"_s, category, name + u"\r\n"_s + rest};
}

} // namespace

// The archive with three clients; drive d: removable, e: removable, f: a CD-ROM.
class BackupWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        writeErrNoList();
        tree.writeRecords(Register, {client(u"华信科技"_s, u"企业"_s, u"合同纠纷"_s),
                                     client(u"李小红"_s, u"私人"_s, u"离婚"_s),
                                     client(u"ABC Ltd"_s, u"涉外"_s, u"contract"_s)});
        tree.writeBytes(u"c:\\program files\\quorix\\clients\\李小红\\协议.doc"_s, "doc");
        drives.add(u'c', tree.root(), DriveType::Fixed, 500'000'000);
        for (const auto &[letter, type] :
             {std::pair{u'd', DriveType::Removable}, std::pair{u'e', DriveType::Removable},
              std::pair{u'f', DriveType::CdRom}})
            drives.add(letter, tree.addDrive(letter, type), type, 500'000'000);
        start();
        form->setDriveList(&drives);
        fakes.messageBoxes.calls.clear();
        form->sounds.resetCounts();
        fakes.beeper.beeps = 0;
    }

    QStringList driveItems() const
    {
        QStringList items;
        for (int i = 0; i < form->Drive1->count(); ++i)
            items.append(form->Drive1->itemText(i));
        return items;
    }
    void choose(QChar drive) const
    {
        const int index = form->Drive1->findData(QVariant(QString(drive)));
        ASSERT_GE(index, 0);
        form->Drive1->setCurrentIndex(index);
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const MessageRequest &r : fakes.messageBoxes.calls)
            texts.append(r.text);
        return texts;
    }
    bool exists(const QString &path) const { return QFileInfo::exists(tree.hostPath(path)); }
    QStringList registerNames() const
    {
        QStringList names;
        const ClientsLoad load = LoadClients(tree.files());
        for (const ClientRecord &r : load.reg.rows())
            names.append(r.name);
        return names;
    }

    FakeDrives drives;
};

TEST_F(BackupWindowTest, BackupToARemovableDrive)
{
    click(form->Image9);
    EXPECT_TRUE(form->Drive1->isVisible());
    EXPECT_EQ(form->Label36->text(), u"请选择用于备份的磁盘:"_s);
    EXPECT_EQ(driveItems(), (QStringList{u"c: [本地磁盘]"_s, u"d: [可移动磁盘]"_s,
                                         u"e: [可移动磁盘]"_s, u"f: [光盘]"_s}));
    EXPECT_EQ(form->Drive1->currentText(), u"c: [本地磁盘]"_s);
    EXPECT_EQ(form->sounds.played(Sounds::Click), 1);

    QString statusWhileAsked;
    fakes.messageBoxes.onShow = [&](const MessageRequest &r) {
        if (r.text == u"开始备份?")
            statusWhileAsked = form->Label36->text();
    };
    choose(u'd');
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.calls[0],
              (MessageRequest{u"开始备份?"_s, u"备份-导出"_s, MessageIcon::Question,
                              MessageButtons::OkCancel, std::nullopt}));
    EXPECT_EQ(statusWhileAsked, u"将全部客户档案备份到  D:\\Clients\\  中。"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[1],
              (MessageRequest{u"备份结束!"_s, u"备份-导出"_s, MessageIcon::Information,
                              MessageButtons::Ok, std::nullopt}));
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\clients.txt"_s), tree.readBytes(Register));
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\李小红\\协议.doc"_s), "doc");
    EXPECT_EQ(tree.readBytes(BackupDrv), "\"d:\"\r\n");
    EXPECT_FALSE(form->Drive1->isVisible());
    EXPECT_TRUE(form->Label36->text().isEmpty());
    EXPECT_EQ(form->Drive1->currentData().toString(), u"c"_s);
    EXPECT_EQ(form->sounds.played(Sounds::Backup), 1);
    EXPECT_EQ(fakes.beeper.beeps, 1);
}

TEST_F(BackupWindowTest, CancelAtTheStartQuestionCopiesNothing)
{
    click(form->Image9);
    fakes.messageBoxes.answers = {MessageAnswer::Cancel};
    choose(u'd');
    EXPECT_EQ(messages(), QStringList{u"开始备份?"_s});
    EXPECT_FALSE(exists(u"d:\\clients"_s));
    EXPECT_FALSE(exists(BackupDrv));
}

TEST_F(BackupWindowTest, ACdRomIsRefusedAndAnotherDriveAskedFor)
{
    click(form->Image9);
    choose(u'f');
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(*lastMessage(),
              (MessageRequest{u"该设备是只读设备!请重新选择驱动器。"_s, u"警告!"_s,
                              MessageIcon::Warning, MessageButtons::Ok, std::nullopt}));
    EXPECT_TRUE(form->Drive1->isVisible());
    EXPECT_EQ(form->Label36->text(), u"重新选择驱动器:"_s);
    EXPECT_FALSE(exists(u"f:\\clients"_s));
    EXPECT_FALSE(exists(BackupDrv));
}

TEST_F(BackupWindowTest, TooLittleSpaceWarnsAndCopiesNothing)
{
    tree.writeBytes(u"c:\\program files\\quorix\\clients\\华信科技\\卷宗.pdf"_s,
                    QByteArray(2'000'000, 'p'));
    drives.free[u'd'] = 2'100'000; // 2 MB free; 1.1 × 2.00 needed
    click(form->Image9);
    choose(u'd');
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].text,
              u"剩余空间不足!(需要不少于2.2MB磁盘空间)。\r\n请选择其他磁盘或删除不必要的文件。"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].title, u"警告!"_s);
    EXPECT_FALSE(exists(u"d:\\clients"_s));
    EXPECT_FALSE(exists(BackupDrv));

    // Between 1.1 and 1.9 times the size the backup goes ahead.
    fakes.messageBoxes.calls.clear();
    drives.free[u'd'] = 3'000'000;
    click(form->Image9);
    choose(u'd');
    EXPECT_EQ(messages(), (QStringList{u"开始备份?"_s, u"备份结束!"_s}));
    EXPECT_TRUE(exists(u"d:\\clients\\华信科技\\卷宗.pdf"_s));
}

TEST_F(BackupWindowTest, AnExistingBackupFolderIsReplacedOnlyAfterYes)
{
    tree.writeBytes(u"d:\\clients\\旧备份.txt"_s, "old");
    click(form->Image9);
    fakes.messageBoxes.answers = {MessageAnswer::No};
    choose(u'd');
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0],
              (MessageRequest{u"驱动器d:中发现同名文件夹, 是否覆盖?"_s, u"确认驱动器"_s,
                              MessageIcon::Question, MessageButtons::YesNo, std::nullopt}));
    EXPECT_TRUE(form->Drive1->isVisible());
    EXPECT_EQ(form->Label36->text(), u"重新选择驱动器:"_s);
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\旧备份.txt"_s), "old");

    fakes.messageBoxes.calls.clear();
    fakes.messageBoxes.answers = {MessageAnswer::Yes};
    choose(u'd');
    EXPECT_EQ(messages(), (QStringList{u"驱动器d:中发现同名文件夹, 是否覆盖?"_s, u"备份结束!"_s}))
        << "no second question after Yes";
    EXPECT_FALSE(exists(u"d:\\clients\\旧备份.txt"_s));
    EXPECT_EQ(tree.readBytes(u"d:\\clients\\clients.txt"_s), tree.readBytes(Register));
}

TEST_F(BackupWindowTest, NothingToBackUp)
{
    const struct {
        bool registerFile;
        QString message;
    } cases[] = {{false, u"没有资料需要备份!"_s}, {true, u"没有客户资料!"_s}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        fakes.messageBoxes.calls.clear();
        tree.writeRecords(Register, {});
        if (!c.registerFile)
            QFile::remove(tree.hostPath(Register));
        click(form->Image9);
        EXPECT_EQ(messages(), QStringList{c.message});
        EXPECT_EQ(lastMessage()->title, u"警告!"_s);
        EXPECT_FALSE(form->Drive1->isVisible());
    }
}

TEST_F(BackupWindowTest, TheStatusLineCancelsTheDriveChoice)
{
    click(form->Image9);
    ASSERT_TRUE(form->Drive1->isVisible());
    click(form->Label36);
    EXPECT_FALSE(form->Drive1->isVisible());
    EXPECT_TRUE(form->Label36->text().isEmpty());
    form->Label36->setText(u"别的提示"_s);
    click(form->Label36);
    EXPECT_EQ(form->Label36->text(), u"别的提示"_s)
        << "without the drive list a click does nothing";
}

TEST_F(BackupWindowTest, BackupAndRestoreOnlyInTheClientArchive)
{
    goToModule(2);
    fakes.messageBoxes.calls.clear();
    click(form->Image9);
    click(form->Image10);
    EXPECT_FALSE(form->Drive1->isVisible());
    EXPECT_TRUE(fakes.messageBoxes.calls.empty());
}

TEST_F(BackupWindowTest, RestoreFromTheLastBackup)
{
    tree.writeRecords(BackupDrv, {{u"d:"_s}});
    tree.writeRecords(u"d:\\clients\\clients.txt"_s,
                      {client(u" abc ltd"_s, u"涉外"_s, u"from the backup"_s),
                       client(u"王五"_s, u"私人"_s, u"只在备份"_s)});
    tree.writeBytes(u"d:\\clients\\王五\\王五.jpg"_s, "photo");
    QString statusAtReport;
    fakes.messageBoxes.onShow = [&](const MessageRequest &r) {
        if (r.text == u"资料恢复成功!")
            statusAtReport = form->Label36->text();
    };
    fakes.messageBoxes.answers = {MessageAnswer::Yes};
    click(form->Image10);

    ASSERT_EQ(fakes.messageBoxes.calls.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.calls[0],
              (MessageRequest{u"您的最后一次备份的文件存放在D:驱动器中。是否用它恢复？\r\n\r\n"
                              u"选择：\r\n\r\n<是>  从D:  驱动器中的备份文件恢复；\r\n"
                              u"<否>   由其它驱动器中的文件导入；\r\n<取消>  退出操作；"_s,
                              u"恢复-导入"_s, MessageIcon::Question, MessageButtons::YesNoCancel,
                              std::nullopt}));
    EXPECT_EQ(fakes.messageBoxes.calls[1],
              (MessageRequest{u"资料恢复成功!"_s, u"恢复-导入"_s, MessageIcon::Information,
                              MessageButtons::Ok, std::nullopt}));
    EXPECT_EQ(statusAtReport, u"4条记录刷新完毕!"_s) << "local and incoming records";
    EXPECT_TRUE(form->Label36->text().isEmpty());
    EXPECT_EQ(registerNames(), (QStringList{u"华信科技"_s, u"李小红"_s, u" abc ltd"_s, u"王五"_s}));
    EXPECT_EQ(listRows(), (QStringList{u"华信科技"_s, u"李小红"_s, u"abc ltd"_s, u"王五"_s}));
    EXPECT_EQ(form->TotalRecords->caption(), u"4"_s);
    EXPECT_TRUE(exists(u"c:\\program files\\quorix\\clients\\王五\\王五.jpg"_s));
    EXPECT_EQ(form->sounds.played(Sounds::Restore), 1);
    EXPECT_TRUE(form->Image12->isEnabled());
    EXPECT_FALSE(form->Frame2->isVisible());
}

TEST_F(BackupWindowTest, ImportFromAnotherDriveThroughNo)
{
    tree.writeRecords(BackupDrv, {{u"d:"_s}});
    tree.writeRecords(u"d:\\clients\\clients.txt"_s, {client(u"旧客户"_s, u"企业"_s, u"x"_s)});
    tree.writeRecords(u"e:\\clients\\clients.txt"_s,
                      {client(u"李小红"_s, u"私人"_s, u"另一台电脑上的版本"_s),
                       client(u"新客户"_s, u"企业"_s, u"y"_s)});
    fakes.messageBoxes.answers = {MessageAnswer::No};
    click(form->Image10);
    EXPECT_TRUE(form->Drive1->isVisible());
    EXPECT_EQ(form->Label36->text(), u"选择更新文件所在的盘:"_s);
    EXPECT_EQ(form->sounds.played(Sounds::Click), 1);

    choose(u'e');
    EXPECT_EQ(messages().back(), u"资料恢复成功!"_s);
    EXPECT_FALSE(form->Drive1->isVisible());
    EXPECT_EQ(listRows(), (QStringList{u"华信科技"_s, u"李小红"_s, u"ABC Ltd"_s, u"新客户"_s}));
    EXPECT_EQ(LoadClients(tree.files()).reg.row(2).text, u"李小红\r\n另一台电脑上的版本"_s);
    EXPECT_EQ(tree.readBytes(BackupDrv), "\"d:\"\r\n")
        << "an import does not change the last backup drive";
}

TEST_F(BackupWindowTest, RestoreWithoutALastBackupAsksForADrive)
{
    const struct {
        QByteArray backupDrv; // empty: no file
        const char *what;
    } cases[] = {{{}, "no file"}, {"\"e:\"\r\n", "a drive without a backup folder"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.backupDrv.isEmpty())
            tree.writeBytes(BackupDrv, c.backupDrv);
        fakes.messageBoxes.calls.clear();
        click(form->Image10);
        EXPECT_TRUE(fakes.messageBoxes.calls.empty());
        EXPECT_TRUE(form->Drive1->isVisible());
        EXPECT_EQ(form->Label36->text(), u"选择备份文件所在磁盘:"_s);
        choose(u'd');
        EXPECT_EQ(messages(), QStringList{u"没有用于恢复或导入的文件!"_s});
        EXPECT_FALSE(form->Drive1->isVisible());
        EXPECT_EQ(registerNames().size(), 3);
    }
}

TEST_F(BackupWindowTest, RestoreCancelAndAnEmptyBackup)
{
    tree.writeRecords(BackupDrv, {{u"d:"_s}});
    tree.writeRecords(u"d:\\clients\\clients.txt"_s, {});
    fakes.messageBoxes.answers = {MessageAnswer::Cancel};
    click(form->Image10);
    EXPECT_FALSE(form->Drive1->isVisible());
    EXPECT_TRUE(form->Label36->text().isEmpty());
    EXPECT_EQ(messages().size(), 1);

    fakes.messageBoxes.answers = {MessageAnswer::Yes};
    click(form->Image10);
    EXPECT_EQ(messages().back(), u"没有任何记录!"_s);
    EXPECT_EQ(registerNames().size(), 3);
}

TEST_F(BackupWindowTest, AFailedRestoreSaysSoAndKeepsTheRegister)
{
    tree.writeRecords(u"d:\\clients\\clients.txt"_s, {client(u"王五"_s, u"私人"_s, u"x"_s)});
    // A file of the backup where the archive has a folder of that name.
    tree.writeBytes(u"d:\\clients\\李小红"_s, "not a folder");
    const QByteArray before = tree.readBytes(Register);
    click(form->Image10);
    choose(u'd');
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_TRUE(lastMessage()->text.startsWith(u"恢复失败："_s))
        << lastMessage()->text.toStdString();
    EXPECT_EQ(lastMessage()->icon, MessageIcon::Critical);
    EXPECT_EQ(tree.readBytes(Register), before);
    EXPECT_TRUE(form->Label36->text().isEmpty());
}
