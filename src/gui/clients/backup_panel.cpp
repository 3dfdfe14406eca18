#include "gui/clients/backup_panel.h"

#include "core/clients/client_backup.h"
#include "gui/clients/client_module.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QString typeName(DriveType type)
{
    switch (type) {
    case DriveType::Removable:
        return u"可移动磁盘"_s;
    case DriveType::Fixed:
        return u"本地磁盘"_s;
    case DriveType::CdRom:
        return u"光盘"_s;
    case DriveType::Unknown:
        break;
    }
    return {};
}

QString upper(QChar drive)
{
    return QString(drive.toUpper()) + u':';
}

} // namespace

BackupPanel::BackupPanel(Form1 &form)
    : f(form)
{}

void BackupPanel::show(const ClientNotice &notice)
{
    f.clients().show(notice);
}

void BackupPanel::showDriveList(const QString &prompt)
{
    {
        const QSignalBlocker quiet(f.Drive1);
        f.Drive1->clear();
        for (const DriveInfo &d : f.driveList().list()) {
            const QString type = typeName(d.type);
            f.Drive1->addItem(type.isEmpty() ? d.name() : d.name() + u" ["_s + type + u']',
                              QVariant(QString(d.letter)));
        }
        f.Drive1->setCurrentIndex(f.Drive1->findData(QVariant(u"c"_s)));
    }
    f.Drive1->show();
    f.Drive1->raise();
    f.sounds.clickSound();
    f.Label36->setText(prompt);
    f.Label36->show();
}

void BackupPanel::hideDriveList()
{
    f.Drive1->hide();
}

void BackupPanel::resetDriveList()
{
    const QSignalBlocker quiet(f.Drive1);
    f.Drive1->setCurrentIndex(f.Drive1->findData(QVariant(u"c"_s)));
}

void BackupPanel::statusClicked()
{
    if (!f.Drive1->isVisibleTo(&f))
        return;
    hideDriveList();
    f.Label36->clear();
}

void BackupPanel::backupClicked()
{
    BackupMode = 0;
    if (f.module() != 1)
        return;
    if (const auto refusal = backupRefusal(f.files())) {
        show(*refusal);
        return;
    }
    showDriveList(u"请选择用于备份的磁盘:"_s);
}

void BackupPanel::restoreClicked()
{
    if (f.module() != 1)
        return;
    hideDriveList();
    BackupMode = 1;
    const auto last = lastBackupDrive(f.files());
    if (!last || !backupFolderHasFiles(f.files(), *last)) {
        showDriveList(u"选择备份文件所在磁盘:"_s);
        return;
    }
    const QString D = upper(*last);
    const QString question = u"您的最后一次备份的文件存放在"_s + D +
                             u"驱动器中。是否用它恢复？\r\n\r\n选择：\r\n\r\n<是>  从"_s + D +
                             u"  驱动器中的备份文件恢复；\r\n<否>   由其它驱动器中的文件导入；"
                             u"\r\n<取消>  退出操作；"_s;
    switch (
        f.services().messageBoxes.question(question, u"恢复-导入"_s, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: {
        if (!backupRegisterHasRecords(f.files(), *last)) {
            f.services().messageBoxes.warning(u"没有任何记录!"_s, u"警告!"_s);
            return;
        }
        hideDriveList();
        if (!restoreFrom(*last))
            return;
        f.clients().LoadClients();
        f.List1->clear();
        // The list again, as Enter in the keyword box makes it.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
        f.law().Text1KeyPress(&enter);
        break;
    }
    case MessageAnswer::No:
        showDriveList(u"选择更新文件所在的盘:"_s);
        break;
    default:
        hideDriveList();
        f.Label36->clear();
        break;
    }
}

void BackupPanel::driveChosen(QChar drive)
{
    drive = drive.toLower();
    if (drive != u'c') {
        if (BackupMode == 0) {
            hideDriveList();
            f.Label36->clear();
            backUpTo(drive);
        } else {
            hideDriveList();
            if (backupRegisterExists(f.files(), drive))
                restoreFrom(drive);
            else
                f.services().messageBoxes.warning(u"没有用于恢复或导入的文件!"_s, u"警告!"_s);
        }
    }
    resetDriveList();
}

void BackupPanel::backUpTo(QChar drive)
{
    auto chooseAgain = [this] {
        f.Drive1->show();
        f.Drive1->raise();
        f.Label36->setText(u"重新选择驱动器:"_s);
        f.Label36->show();
    };
    const std::optional<DriveInfo> info = f.driveList().find(drive);
    if (info && info->type == DriveType::CdRom) {
        show(readOnlyDriveNotice());
        chooseAgain();
        return;
    }
    const QString target = backupFolder(drive);
    bool replaceAnswered = false;
    if (f.files().directoryExists(target)) {
        const MessageAnswer answer = f.services().messageBoxes.question(
            u"驱动器"_s + QString(drive) + u":中发现同名文件夹, 是否覆盖?"_s, u"确认驱动器"_s);
        if (answer != MessageAnswer::Yes) {
            chooseAgain();
            return;
        }
        replaceAnswered = true;
    }
    const std::optional<BackupSpace> space =
        backupSpace(f.driveList(), f.files(), drive, replaceAnswered);
    if (!space) {
        show(driveUnavailableNotice(drive));
        return;
    }
    if (!space->enough()) {
        show(lowSpaceNotice(*space));
        return;
    }
    const QString D = upper(drive);
    f.Label36->setText(u"将全部客户档案备份到  "_s + D + u"\\Clients\\  中。"_s);
    if (!replaceAnswered &&
        f.services().messageBoxes.question(u"开始备份?"_s, u"备份-导出"_s,
                                           MessageButtons::OkCancel) != MessageAnswer::Ok) {
        f.Label36->clear();
        return;
    }
    // The old backup goes only now, when the new one is sure to be made.
    if (replaceAnswered)
        (void)f.files().deleteTree(target);
    f.Label36->setText(u"正在备份到  "_s + D + u"\\Clients\\ ,   请稍侯......"_s);
    f.Label36->repaint();
    f.services().beeper.beep();
    (void)rememberBackupDrive(f.files(), drive);
    const FileResult copied = BackUpClients(f.files(), drive);
    f.sounds.backupSound();
    hideDriveList();
    f.Label36->clear();
    if (!copied) {
        show(backupFailedNotice(copied));
        return;
    }
    f.services().messageBoxes.information(u"备份结束!"_s, u"备份-导出"_s);
}

bool BackupPanel::restoreFrom(QChar drive)
{
    f.Label36->setText(u"正在从 "_s + upper(drive) + u"\\Clients\\ 中恢复资料, 请稍侯......"_s);
    f.Label36->show();
    f.Label36->repaint();
    const RestoreResult restored = Restore(f.files(), drive);
    if (!restored.result) {
        f.Label36->clear();
        show(restoreFailedNotice(restored.result));
        return false;
    }
    f.Label36->setText(u"正在更新资料......"_s);
    f.services().beeper.beep();
    const QString count = QString::number(restored.written) + u"条记录刷新完毕!"_s;
    f.Label36->setText(count);
    f.sounds.restoreSound();
    f.state.RecordShown = 0;
    f.List1->clear();
    f.clearPane();
    f.Image12->setEnabled(true);
    f.Image12->showPicture(f.files(), u"objpics\\delete.jpg"_s);
    f.recordList().ListBuffer.clear();
    f.clients().clearRegister();
    f.clients().LoadClients();
    f.clients().FindClients(QString());
    f.Frame2->hide();
    // Emptying the pane spoke on the status line: the count stands there while the report is up.
    f.Label36->setText(count);
    f.services().messageBoxes.information(u"资料恢复成功!"_s, u"恢复-导入"_s);
    f.Label36->clear();
    return true;
}
