#include "gui/clients/client_module.h"

#include "core/calendar/calendar_line.h"
#include "core/calendar/schedule_rules.h"
#include "core/clients/client_classes.h"
#include "core/clients/client_names.h"
#include "core/clients/client_search.h"
#include "core/foundation/clock.h"
#include "core/foundation/date_text.h"
#include "core/foundation/install_paths.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/twips.h"

#include <QFileInfo>
#include <QSignalBlocker>

#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

MessageIcon iconOf(ClientNotice::Icon icon)
{
    switch (icon) {
    case ClientNotice::Icon::Information:
        return MessageIcon::Information;
    case ClientNotice::Icon::Warning:
        return MessageIcon::Warning;
    case ClientNotice::Icon::Critical:
        return MessageIcon::Critical;
    case ClientNotice::Icon::None:
        break;
    }
    return MessageIcon::None;
}

} // namespace

ClientModule::ClientModule(Form1 &form)
    : f(form)
{}

QString ClientModule::remindFile()
{
    return InstallPaths::installDir() + InstallPaths::clientsDir() + u"remind.txt"_s;
}

void ClientModule::show(const ClientNotice &notice)
{
    f.services().messageBoxes.show(
        {notice.text, notice.title, iconOf(notice.icon), MessageButtons::Ok, std::nullopt});
}

void ClientModule::clearRegister()
{
    m_reg = ClientReg();
}

void ClientModule::LoadClients()
{
    ClientsLoad load = ::LoadClients(f.files());
    m_reg = std::move(load.reg);
    if (load.notice)
        show(*load.notice);
}

void ClientModule::CustClass()
{
    const QStringList captions = ::CustClass(f.files(), f.state.ModuleDir.toString());
    for (int k = 1; k <= captions.size() && k <= 8; ++k)
        f.categoryButton(k)->setText(captions[k - 1]);
}

void ClientModule::categoryClick(int number)
{
    if (f.state.nameState() != 0) {
        if (number <= 9)
            ClientClass();
    } else {
        f.recordList().clearRows();
        f.clearPane();
    }
    FindClients(f.state.ClientDateFilter);
    f.state.RecordShown = 0;
}

void ClientModule::FindClients(const QString &mode)
{
    ClientQuery query;
    query.Category = f.state.Category;
    query.CurCategoryName = f.state.CurCategoryName;
    query.keyWords = f.keyWords;
    query.keywordBoxBlank = f.Text1->text().trimmed().isEmpty();
    query.date =
        FindClientsDate(mode, f.DTPicker1->date(), f.clock().today(), f.state.ReminderFlag);
    FindClientsResult result = ::FindClients(m_reg, query);
    RecordList &list = f.recordList();
    list.clearRows();
    list.ListBuffer = std::move(result.ListBuffer);
    m_dateHits = std::move(result.DateHits);
    f.TotalRecords->setCaption(QString::number(result.TotalRecords));
    f.RelevantRecords->setCaption(QString::number(result.RelevantRecords));
    const int n = result.RelevantRecords;
    f.Label35->setCaption(
        QString::number(n / RecordList::PageSize + (n % RecordList::PageSize != 0 ? 1 : 0)));
    f.Progress->setCaption(u"1"_s);
    f.txtProgress->setText(u"1"_s);
    list.DisplayIndex13Buffer();
}

void ClientModule::ClientClass()
{
    QTreeWidgetItem *item = f.List1->currentItem();
    const QString row = item ? item->text(0) : QString();
    const ClientClassResult r =
        ::ClientClass(f.files(), m_reg, f.recordList().ListBuffer, f.RelevantRecords->number(),
                      f.paneText(), row, f.state.CurCategoryName);
    if (r.notice)
        show(*r.notice);
    if (r.written && item)
        item->setText(1, f.state.CurCategoryName);
}

void ClientModule::rowClick(const QString &rowText)
{
    pick.PickedName = rowText;
    pick.PrevName = rowText;
    f.clearPane();
    const bool panelOpen = f.Frame2->isVisibleTo(&f);
    f.state.CurClient = rowText.trimmed();
    // The client's folder: one already there is fine, a name that is no
    // folder name is refused without touching the disk.
    (void)makeClientFolder(f.files(), f.state.CurClient);
    refreshFiles();
    FindClientContents(rowText.toUpper());
    if (panelOpen)
        openAttachments();
    f.state.RecordShown = 1;
    for (const DateHit &hit : std::as_const(m_dateHits)) {
        if (hit.name.isEmpty())
            break;
        if (hit.name == rowText)
            f.Text2->setText(hit.date);
    }
}

void ClientModule::FindClientContents(const QString &name)
{
    if (const auto text = ::FindClientContents(f.files(), name)) {
        f.setPaneText(*text);
        f.state.RecordShown = 1;
    }
    FindPhoto(f.state.CurClient);
}

bool ClientModule::paneBlank() const
{
    const QString t = f.paneText().trimmed();
    return t.isEmpty() || t == u"\r\n";
}

void ClientModule::refreshFiles()
{
    QStringList files;
    if (const auto folder = clientFolderPath(f.state.CurClient))
        files = f.files().listFiles(*folder);
    f.File1->clear();
    f.File1->addItems(files);
    f.Label23->setText(u"附件("_s + QString::number(files.size()) + u")>>"_s);
}

void ClientModule::FindPhoto(const QString &name)
{
    const auto folder = clientFolderPath(name);
    const QString photo = folder ? *folder + u'\\' + name + u".jpg"_s : QString();
    if (name.isEmpty() || paneBlank() || !folder || !f.files().exists(photo)) {
        f.Image6->showPicture(f.files(), u"objpics\\loadphoto.jpg"_s);
        return;
    }
    f.Image6->showFile(f.files().hostPath(photo));
}

void ClientModule::noClientMessage()
{
    f.services().messageBoxes.warning(f.recordList().rowCount() > 0 ? u"请先选择[列表框]中的客户!"_s
                                                                    : u"[列表框]中没有客户!"_s,
                                      u"提示："_s);
}

void ClientModule::photoClicked()
{
    if (f.module() != 1)
        return;
    if (paneBlank()) {
        noClientMessage();
        return;
    }
    if (f.recordList().rowCount() == 0)
        return;
    const QString chosen =
        f.services().fileDialogs.openFile(u"加入客户照片"_s, QString(), QString());
    if (chosen.isEmpty())
        return;
    if (paneBlank()) {
        noClientMessage();
        return;
    }
    if (!chosen.toUpper().contains(u".JPG")) {
        f.services().messageBoxes.warning(u"请换成JPG格式!"_s, u"提示："_s);
        return;
    }
    const auto folder = clientFolderPath(f.state.CurClient);
    if (!folder)
        return;
    const FileResult copied =
        f.files().copyFile(chosen, *folder + u'\\' + f.state.CurClient + u".jpg"_s);
    if (!copied)
        f.services().messageBoxes.critical(copied.message(), u"错误"_s);
    FindPhoto(f.state.CurClient);
    refreshFiles();
}

void ClientModule::openAttachments()
{
    if (paneBlank() || f.Label23->text() == u"附件>>>") {
        noClientMessage();
        return;
    }
    try {
        Twips::setLeft(f.Frame2, Twips::left(f.RichTextBox1) + Twips::width(f.RichTextBox1) - 3080);
    } catch (const Twips::SizeError &) {
    }
    f.Frame2->show();
    f.Frame2->raise();
    refreshFiles();
    f.sounds.clickSound();
}

void ClientModule::addAttachment()
{
    f.sounds.clickSound();
    const QString chosen =
        f.services().fileDialogs.openFile(u"添加客户资料"_s, QString(), QString());
    const auto folder = clientFolderPath(f.state.CurClient);
    if (!chosen.isEmpty() && folder) {
        const FileResult copied =
            f.files().copyFile(chosen, *folder + u'\\' + QFileInfo(chosen).fileName());
        if (!copied)
            f.services().messageBoxes.critical(copied.message(), u"错误"_s);
        f.sounds.play(Sounds::Favorites);
    }
    refreshFiles();
}

void ClientModule::deleteAttachment()
{
    QListWidgetItem *item = f.File1->currentItem();
    const auto folder = clientFolderPath(f.state.CurClient);
    if (item && folder) {
        // No question is asked: the file goes to the trash, where it can be got back.
        const FileResult removed = f.files().discardFile(*folder + u'\\' + item->text());
        if (!removed)
            f.services().messageBoxes.critical(removed.message(), u"错误"_s);
        f.sounds.play(Sounds::Kill);
    }
    refreshFiles();
}

void ClientModule::openAttachment(const QString &fileName)
{
    if (const auto folder = clientFolderPath(f.state.CurClient))
        f.services().shellOpen.open(f.files().hostPath(*folder + u'\\' + fileName), false);
}

void ClientModule::closeAttachments()
{
    f.Frame2->hide();
    f.sounds.clickSound();
}

void ClientModule::stageRecord(bool save)
{
    // 1. The name of the first line, and a stored record of that name.
    if (NamePickUp(f.paneText(), pick, QuoteToggle))
        f.state.NameState = 1;
    const NameSearchResult found = NameSearch(f.files(), m_reg, pick, f.state.nameState());
    if (found.found) {
        f.setPaneText(found.text);
        f.RichTextBox1->moveCursor(QTextCursor::End);
        f.state.NameState = 2;
    }
    // 2. The name as a folder name; the folder is made at once.
    const ValidName valid = ValidFileName(pick.PickedName);
    if (valid.warning) {
        show(*valid.warning);
        f.clearPane();
        f.RichTextBox1->setFocus();
    }
    if (!valid.name.isEmpty())
        (void)makeClientFolder(f.files(), valid.name);
    // 3. to 5.
    editRecord = stageEditRecord(valid.name, f.paneText(), f.state.CurCategoryName, f.clock().now(),
                                 QuoteToggle);
    if (!save)
        return;
    // 6. The second Enter in a row stores the record and lists it.
    const SaveEditResult saved = SaveEdit(f.files(), m_reg, editRecord);
    if (saved.notice)
        show(*saved.notice);
    // A record that could not be written stays in the pane, so nothing typed is lost.
    if (saved.outcome == SaveEditResult::Outcome::NotWritten)
        return;
    f.clearPane();
    f.recordList().ListBuffer.clear();
    clearRegister();
    LoadClients();
    FindClients(QString());
}

void ClientModule::paneEmptied()
{
    f.Label23->setText(u"附件>>>"_s);
    QuoteToggle = 0;
    f.state.CurClient.clear();
    f.Image6->showPicture(f.files(), u"objpics\\loadphoto.jpg"_s);
    f.state.RecordShown = 0;
    f.File1->clear();
    f.Frame2->hide();
}

void ClientModule::setEditText(const QString &text)
{
    editRecord.text = text;
}

void ClientModule::noPaneText()
{
    pick.NameFound.clear();
    f.Image6->showPicture(f.files(), u"objpics\\loadphoto.jpg"_s);
}

void ClientModule::ensureRemindFile()
{
    if (f.files().exists(remindFile()))
        return;
    RecordWriter w = f.files().openForWriting(remindFile());
    w.write({RecordValue(u"0"_s), RecordValue(calendarKey(f.clock().today()))});
    // A folder that cannot be written leaves the reminder off; nothing else depends on it.
    (void)w.commit();
}

FileResult ClientModule::writeRemindFile()
{
    RecordWriter w = f.files().openForWriting(f.state.ModuleDir.toString() + u"remind.txt"_s);
    w.write(
        {RecordValue(int(f.state.ReminderFlag)), RecordValue(calendarKey(f.DTPicker1->date()))});
    return w.commit();
}

void ClientModule::readRemindFile()
{
    // The picker's date set here is no pick of the user's: it lists nothing.
    const QSignalBlocker quiet(f.DTPicker1);
    f.state.ReminderFlag = 0;
    m_reminderDate = QDate();
    if (auto reader = f.files().openForReading(remindFile())) {
        qint16 flag = 0;
        RecordValue date;
        if (reader->read(flag))
            f.state.ReminderFlag = flag;
        if (reader->read(date)) {
            if (auto d = parseDateText(date.toText()))
                m_reminderDate = *d;
        }
    }
    if (f.state.ReminderFlag != 1) {
        f.DTPicker1->setDate(f.clock().today());
        f.DTPicker1->setEnabled(true);
    } else {
        f.DTPicker1->setDate(m_reminderDate.isValid() ? m_reminderDate : f.clock().today());
        f.DTPicker1->setEnabled(false);
    }
}

void ClientModule::applyScheduleCaption()
{
    const QSignalBlocker quiet(f.DTPicker1);
    if (f.state.ReminderFlag != 1) {
        f.label14->setCaption(ScheduleCaption.toString());
        f.DTPicker1->setDate(f.clock().today());
        f.DTPicker1->setEnabled(true);
    } else {
        f.label14->setCaption(ReminderCaption.toString());
        f.DTPicker1->setEnabled(false);
    }
}

void ClientModule::deleteClicked()
{
    if (!f.files().exists(clientsRegisterPath())) {
        f.services().messageBoxes.warning(u"没有任何客户!"_s, u"警告!"_s);
        return;
    }
    DeleteClient();
    f.state.CurClient.clear();
}

void ClientModule::DeleteClient()
{
    const QString name = f.state.CurClient.trimmed();
    // 1. The folder goes to the trash (no question is asked, so it can be
    //    got back); a name that is no folder name never reaches the disk.
    if (!name.isEmpty()) {
        if (const auto folder = clientFolderPath(name))
            (void)f.files().discardTree(*folder);
        refreshFiles();
    }
    // 2. The register without the client's rows; the rows it cannot hold stay.
    QList<ClientRecord> kept;
    int removed = 0;
    for (const ClientRecord &row : m_reg.rows()) {
        if (!name.isEmpty() && row.name.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            ++removed;
        else
            kept.append(row);
    }
    if (removed > 0) {
        const FileResult written =
            m_reg.mayRewrite() ? rewriteClients(f.files(), kept, m_reg.rest()) : m_reg.loadError();
        if (!written) {
            show(m_reg.mayRewrite() ? clientsWriteFailedNotice(written, u"删除"_s)
                                    : clientsUnreadableNotice(m_reg, u"删除"_s));
            return;
        }
        for (int i = 0; i < removed; ++i)
            f.sounds.killSound();
    }
    // 3. The list again, on the same page.
    f.recordList().ListBuffer.clear();
    clearRegister();
    LoadClients();
    f.recordList().clearRows();
    const QString page = f.Progress->caption();
    FindClients(QString());
    f.Progress->setCaption(page);
    f.txtProgress->setText(page);
    f.clearPane();
}
