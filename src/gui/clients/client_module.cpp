#include "gui/clients/client_module.h"

#include "core/clients/client_classes.h"
#include "core/clients/client_names.h"
#include "core/clients/client_search.h"
#include "core/foundation/clock.h"
#include "core/foundation/date_text.h"
#include "core/foundation/install_paths.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QString dateKey(QDate d)
{
    return QString::number(d.year()) + u'-' + QString::number(d.month()) + u'-' +
           QString::number(d.day());
}

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
    f.state.CurClient = rowText.trimmed();
    // The client's folder: one already there is fine, a name that is no
    // folder name is refused without touching the disk.
    (void)makeClientFolder(f.files(), f.state.CurClient);
    QStringList attachments;
    if (const auto folder = clientFolderPath(f.state.CurClient))
        attachments = f.files().listFiles(*folder);
    f.File1->clear();
    f.File1->addItems(attachments);
    f.Label23->setText(u"附件("_s + QString::number(attachments.size()) + u")>>"_s);
    FindClientContents(rowText.toUpper());
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
    w.write({RecordValue(u"0"_s), RecordValue(dateKey(f.clock().today()))});
    // A folder that cannot be written leaves the reminder off; nothing else depends on it.
    (void)w.commit();
}

void ClientModule::readRemindFile()
{
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
    if (f.state.ReminderFlag != 1) {
        f.label14->setCaption(u"日  程  浏  览"_s);
        f.DTPicker1->setDate(f.clock().today());
        f.DTPicker1->setEnabled(true);
    } else {
        f.label14->setCaption(u"  提          醒"_s);
        f.DTPicker1->setEnabled(false);
    }
}
