#include "core/clients/client_classes.h"

#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

QStringList clientCategoryCaptions()
{
    return {u"1.企业"_s, u"2.行政"_s, u"3.事业"_s,     u"4.公益"_s, u"5.私人"_s,
            u"6.涉外"_s, u"7.刑事"_s, u"8.知识产权"_s, u"9.其他"_s, u"10.全部"_s};
}

QString curCategoryNameOf(int number, QStringView caption)
{
    if (number == 10)
        return u"其他"_s;
    return caption.mid(2).trimmed().toString();
}

QStringList CustClass(const RecordFile &files, const QString &moduleDir)
{
    QStringList captions;
    const QString path = moduleDir + u"class.txt"_s;
    if (!files.exists(path))
        return captions;
    auto reader = files.openForReading(path);
    if (!reader)
        return captions;
    while (captions.size() < 8 && !reader->atEnd()) {
        QString text;
        if (!reader->read(text))
            break;
        const QString number = QString::number(captions.size() + 1) + u'.';
        captions.append(text.startsWith(number) ? text : number + text);
    }
    return captions;
}

ClientClassResult ClientClass(const RecordFile &files, ClientReg &reg,
                              QList<ClientListRow> &ListBuffer, int RelevantRecords,
                              QStringView paneText, QStringView selectedRowText,
                              const QString &CurCategoryName)
{
    ClientClassResult result;
    if (paneText.trimmed().isEmpty())
        return result;
    const QStringView s = selectedRowText.trimmed();
    QList<int> moved;
    for (int k = 1; k <= reg.count(); ++k) {
        if (reg.row(k).name == s)
            moved.append(k);
    }
    if (moved.isEmpty())
        return result;
    if (!reg.mayRewrite()) {
        result.notice = clientsUnreadableNotice(reg, u"归类"_s);
        return result;
    }
    QList<ClientRecord> rows = reg.rows();
    for (int k : moved)
        rows[k - 1].category = CurCategoryName;
    if (FileResult written = rewriteClients(files, rows, reg.rest()); !written) {
        result.notice = clientsWriteFailedNotice(written, u"归类"_s);
        return result;
    }
    result.written = true;
    result.moved = int(moved.size());
    for (int k : moved)
        reg.setCategory(k, CurCategoryName);
    const qsizetype listed = std::min<qsizetype>(RelevantRecords, ListBuffer.size());
    for (qsizetype i = 0; i < listed; ++i) {
        if (ListBuffer[i].columns[0] == s)
            ListBuffer[i].columns[2] = CurCategoryName;
    }
    return result;
}
