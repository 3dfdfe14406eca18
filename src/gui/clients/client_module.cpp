#include "gui/clients/client_module.h"

#include "core/foundation/clock.h"
#include "core/foundation/date_text.h"
#include "core/foundation/install_paths.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"

#include <QDateEdit>
#include <QListWidget>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

QString dateKey(QDate d)
{
    return QString::number(d.year()) + u'-' + QString::number(d.month()) + u'-' +
           QString::number(d.day());
}

} // namespace

ClientModule::ClientModule(Form1 &form)
    : f(form)
{}

QString ClientModule::remindFile()
{
    return InstallPaths::installDir() + InstallPaths::clientsDir() + u"remind.txt"_s;
}

void ClientModule::clearRegister() {}

void ClientModule::LoadClients() {}

void ClientModule::CustClass()
{
    const QString path = f.state.ModuleDir.toString() + u"class.txt"_s;
    if (!f.files().exists(path))
        return;
    auto reader = f.files().openForReading(path);
    if (!reader)
        return;
    for (int k = 1; k <= 8 && !reader->atEnd(); ++k) {
        const auto record = reader->readRecord();
        if (!record || record->isEmpty())
            break;
        const QString text = record->front().toText();
        const QString number = QString::number(k) + u'.';
        f.categoryButton(k)->setText(text.startsWith(number) ? text : number + text);
    }
}

void ClientModule::categoryClick(int number)
{
    Q_UNUSED(number);
    if (f.state.nameState() == 0) {
        f.recordList().clearRows();
        f.clearPane();
    }
    FindClients(f.state.ClientDateFilter);
    f.state.RecordShown = 0;
}

void ClientModule::FindClients(const QString &dateFilter)
{
    Q_UNUSED(dateFilter);
    RecordList &list = f.recordList();
    list.ListBuffer.clear();
    f.TotalRecords->setCaption(u"0"_s);
    f.RelevantRecords->setCaption(u"0"_s);
    f.Progress->setCaption(u"1"_s);
    list.DisplayIndex13Buffer();
}

void ClientModule::rowClick(const QString &rowText)
{
    f.clearPane();
    f.state.CurClient = rowText.trimmed();
    // The client's folder; one that is there already is no error, and a
    // folder that cannot be made shows no attachments.
    if (!f.state.CurClient.isEmpty())
        (void)f.files().makeDirectory(f.state.ModuleDir.toString() + f.state.CurClient);
    // The attachment list shows the folder's files.
    const QStringList attachments = f.files().listFiles(
        InstallPaths::installDir() + InstallPaths::clientsDir() + f.state.CurClient);
    f.File1->clear();
    f.File1->addItems(attachments);
    f.Label23->setText(u"附件("_s + QString::number(attachments.size()) + u")>>"_s);
    f.state.RecordShown = 1;
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
