#include "core/clients/client_edit.h"

#include "core/clients/client_names.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

// Leading and trailing blanks removed, line breaks kept.
QStringView withoutSurroundingSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

} // namespace

bool NamePickUp(QStringView paneText, NamePick &pick, int &QuoteToggle)
{
    const QString t = ASC34Check(paneText, QuoteToggle);
    const qsizetype cr = t.indexOf(u'\r');
    const QString name = (cr > 0 ? QStringView(t).first(cr) : QStringView(t)).trimmed().toString();
    pick.PickedName = name;
    const bool changed = name.compare(pick.PrevName, Qt::CaseInsensitive) != 0;
    if (changed)
        pick.NameFound = u"0"_s;
    pick.PrevName = name;
    return changed;
}

NameSearchResult NameSearch(const RecordFile &files, const ClientReg &reg, NamePick &pick,
                            int NameState)
{
    NameSearchResult result;
    if (!pick.NameFound.isEmpty() && pick.NameFound != u"0")
        return result;
    if (!files.exists(clientsRegisterPath())) {
        RecordWriter empty = files.openForWriting(clientsRegisterPath());
        result.created = empty.commit();
        result.registerCreated = result.created.ok();
    }
    if (NameState != 1)
        return result;
    for (const ClientRecord &row : reg.rows()) {
        if (row.name.compare(pick.PickedName, Qt::CaseInsensitive) == 0) {
            result.found = true;
            result.text = row.text;
            pick.NameFound = u"1"_s;
            break;
        }
    }
    return result;
}

QString clientTimestamp(const QDateTime &now)
{
    return now.toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

QString stagedCategory(QStringView CurCategoryName)
{
    return CurCategoryName.startsWith(u"10") ? u"其他"_s : CurCategoryName.toString();
}

EditRecord stageEditRecord(const QString &validName, QStringView paneText,
                           QStringView CurCategoryName, const QDateTime &now, int &QuoteToggle)
{
    return {validName, clientTimestamp(now), stagedCategory(CurCategoryName),
            ASC34Check(paneText, QuoteToggle)};
}

SaveEditResult SaveEdit(const RecordFile &files, const ClientReg &reg, EditRecord record)
{
    SaveEditResult result;
    ValidName valid = ValidFileName(record.name);
    record.name = valid.name;
    result.record = record;
    if (record.name.isEmpty()) {
        result.notice = valid.warning;
        return result;
    }
    const qsizetype cr = record.text.indexOf(u'\r');
    if (cr < 1) {
        result.outcome = SaveEditResult::Outcome::NoSecondLine;
        return result;
    }
    qsizetype restAt = cr + 1;
    if (restAt < record.text.size() && record.text[restAt] == u'\n')
        ++restAt;
    record.text =
        record.name + u"\r\n"_s + withoutSurroundingSpaces(QStringView(record.text).sliced(restAt));
    result.record = record;

    if (!reg.mayRewrite()) {
        result.outcome = SaveEditResult::Outcome::NotWritten;
        result.notice = clientsUnreadableNotice(reg, u"存盘"_s);
        return result;
    }
    QList<ClientRecord> rows = reg.rows();
    bool found = false;
    for (ClientRecord &row : rows) {
        if (row.name == record.name) {
            row = record;
            found = true;
        }
    }
    if (!found)
        rows.append(record);
    if (FileResult written = rewriteClients(files, rows, reg.rest()); !written) {
        result.outcome = SaveEditResult::Outcome::NotWritten;
        result.notice = clientsWriteFailedNotice(written, u"存盘"_s);
        return result;
    }
    result.outcome = found ? SaveEditResult::Outcome::Replaced : SaveEditResult::Outcome::Appended;
    result.beyondRegister = !found && reg.isFull();
    result.folder = makeClientFolder(files, record.name);
    return result;
}
