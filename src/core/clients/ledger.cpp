#include "core/clients/ledger.h"

#include "core/foundation/date_text.h"
#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int FieldCount = 5;

// The bytes from `start` on, copied: `bytes` may be shared with the caller.
QByteArray copiedFrom(const QByteArray &bytes, qsizetype start)
{
    return QByteArray(bytes.constData() + start, bytes.size() - start);
}

QString twoDecimals(double value)
{
    // Sums of amounts with two decimals are exact to far below a cent;
    // rounding to cents also keeps a balance of nothing from showing "-0.00".
    const double cents = std::round(value * 100);
    return QString::number(cents == 0 ? 0.0 : cents / 100, 'f', 2);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double amountValue(QStringView amount)
{
    qsizetype i = 0;
    const qsizetype n = amount.size();
    while (i < n && (amount[i] == u' ' || amount[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (amount[i] == u'+' || amount[i] == u'-'))
        ++i;
    while (i < n && isAsciiDigit(amount[i]))
        ++i;
    if (i < n && amount[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(amount[i]))
            ++i;
    }
    bool ok = false;
    const double value = amount.sliced(start, i - start).toString().toDouble(&ok);
    return ok ? value : 0.0;
}

void computeBalance(LedgerTable &table)
{
    if (table.rows.isEmpty())
        return;
    double payments = 0;
    for (qsizetype k = 2; k < table.rows.size(); ++k)
        payments += amountValue(table.rows[k].amount);
    const double total = table.rows.size() > 1 ? amountValue(table.rows[1].amount) : 0.0;
    table.rows[0].amount = twoDecimals(total - payments);
}

LedgerLoad PACCLoad(const QByteArray &bytes)
{
    LedgerLoad load;
    LedgerTable &table = load.table;
    RecordReader reader(bytes);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        if (table.isFull()) {
            table.rest = copiedFrom(bytes, start);
            load.notice =
                ClientNotice{u"帐单记录超过10001条！\r\n之后的记录不显示，存盘时原样保留。"_s,
                             u"提示"_s, ClientNotice::Icon::Information};
            break;
        }
        QString fields[FieldCount];
        bool whole = true;
        for (QString &field : fields) {
            const auto raw = reader.nextField();
            if (!raw) {
                whole = false;
                break;
            }
            field = Gbk::decode(raw->bytes);
        }
        // A record cut off by the end of the file, or a record after the
        // balance without an amount, ends the rows; it and what follows stay
        // in the file as they are.
        if (!whole || (!table.rows.isEmpty() && fields[1].isEmpty())) {
            table.rest = copiedFrom(bytes, start);
            break;
        }
        table.rows.append({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    computeBalance(table);
    return load;
}

LedgerLoad PACCLoad(const RecordFile &files, const QString &ledgerPath)
{
    if (ledgerPath.isEmpty())
        return {};
    if (!files.exists(ledgerPath)) {
        // In the client's folder, made first when it is missing.
        const QString folder = ledgerPath.left(ledgerPath.lastIndexOf(u'\\'));
        FileResult created = files.makeDirectory(folder);
        if (created)
            created = files.openForWriting(ledgerPath).commit();
        LedgerLoad load;
        if (!created) {
            load.notice = ClientNotice{u"帐单文件无法建立：\r\n"_s + created.message(), u"错误"_s,
                                       ClientNotice::Icon::Critical};
        }
        return load;
    }
    FileResult result;
    const auto bytes = files.readAll(ledgerPath, &result);
    if (!bytes) {
        LedgerLoad load;
        load.table.loadError = result;
        load.notice = ClientNotice{u"帐单文件无法读取：\r\n"_s + result.message() +
                                       u"\r\n在此问题解决之前，帐单不能存盘。"_s,
                                   u"错误"_s, ClientNotice::Icon::Critical};
        return load;
    }
    return PACCLoad(*bytes);
}

QList<LedgerListRow> DisplayPACC(const LedgerTable &table)
{
    QList<LedgerListRow> list;
    list.reserve(table.rows.size());
    for (qsizetype k = 0; k < table.rows.size(); ++k) {
        const LedgerRow &r = table.rows[k];
        const QString item = k == 0 ? u"应付余额"_s : k == 1 ? u"应付总额"_s : u"已付款"_s;
        const QString amount = k >= 2 ? r.amount.rightJustified(17, u' ') : r.amount;
        list.append({item, r.currency, amount, r.date, r.note});
    }
    return list;
}

FileResult SavePACC(const RecordFile &files, const QString &ledgerPath, const LedgerTable &table)
{
    if (!table.mayRewrite())
        return table.loadError;
    RecordWriter writer = files.openForWriting(ledgerPath);
    for (const LedgerRow &r : table.rows) {
        if (r.amount.isEmpty())
            break;
        writer.write({r.currency, r.amount, r.date, r.note, r.fifth});
    }
    writer.writeBytes(table.rest);
    return writer.commit();
}

ClientNotice ledgerWriteFailedNotice(const FileResult &result)
{
    return {u"帐单未能存盘：\r\n"_s + result.message(), u"错误"_s, ClientNotice::Icon::Critical};
}

QString currenciesPath()
{
    return InstallPaths::installDir() + u"currencies.txt"_s;
}

QStringList loadCurrencies(const RecordFile &files)
{
    QStringList currencies;
    if (files.exists(currenciesPath())) {
        if (auto reader = files.openForReading(currenciesPath())) {
            while (!reader->atEnd()) {
                const auto field = reader->nextField();
                if (!field)
                    break;
                const QString name = Gbk::decode(field->bytes).trimmed();
                if (!name.isEmpty())
                    currencies.append(name);
            }
        }
    }
    if (currencies.isEmpty())
        currencies.append(u"人民币"_s);
    return currencies;
}

int FullWidthKey(int key)
{
    if (key == 8)
        return 8;
    if (key >= -23632 && key <= -23623) // ０ .. ９, GBK A3B0 .. A3B9
        return key + 23680;
    switch (key) {
    case -23634: // ．
        return '.';
    case -23635: // －
        return '-';
    case -23637: // ＋
        return '+';
    default:
        return 0;
    }
}

int gbkKeyCode(QChar c)
{
    if (c.unicode() < 0x80)
        return c.unicode();
    const QByteArray bytes = Gbk::encode(QStringView(&c, 1));
    if (bytes.size() != 2)
        return 0;
    return qint16(quint16(quint8(bytes[0]) << 8 | quint8(bytes[1])));
}

QString filterAmountKeys(QStringView text)
{
    QString entered;
    for (const QChar c : text) {
        if (isAsciiDigit(c) || c == u'.') {
            entered.append(c);
            continue;
        }
        const int key = FullWidthKey(gbkKeyCode(c));
        if (key > 8)
            entered.append(QChar(key));
    }
    return entered;
}

std::optional<QString> formatAmountEntry(QStringView text)
{
    QStringView t = text.trimmed();
    if (t.isEmpty())
        return QString();
    const bool negative = t.front() == u'-';
    if (t.front() == u'-' || t.front() == u'+')
        t = t.sliced(1);
    const qsizetype point = t.indexOf(u'.');
    QStringView whole = point < 0 ? t : t.first(point);
    const QStringView fraction = point < 0 ? QStringView() : t.sliced(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (QStringView part : {whole, fraction}) {
        for (const QChar c : part) {
            if (!isAsciiDigit(c))
                return std::nullopt;
        }
    }
    while (whole.size() > 1 && whole.front() == u'0')
        whole = whole.sliced(1);
    const QString integral = whole.isEmpty() ? u"0"_s : whole.toString();
    const QString cents = QString(fraction.toString() + u"00"_s).left(2);
    if (integral == u"0" && cents == u"00")
        return QString();
    return (negative ? u"-"_s : QString()) + integral + u'.' + cents;
}

std::optional<QString> formatDateEntry(QStringView text, int currentYear)
{
    const QStringView t = text.trimmed();
    std::optional<QDate> date;
    if (t.size() == 8 && std::all_of(t.begin(), t.end(), isAsciiDigit)) {
        const QDate compact(t.first(4).toInt(), t.sliced(4, 2).toInt(), t.sliced(6, 2).toInt());
        if (compact.isValid())
            date = compact;
    } else {
        date = parseDateText(t, currentYear);
    }
    if (!date)
        return std::nullopt;
    return QString::number(date->year()) + u'-' +
           QString::number(date->month()).rightJustified(2, u'0') + u'-' +
           QString::number(date->day()).rightJustified(2, u'0');
}

namespace {

// The entry's amount and date as Enter makes them; the error when they are not usable.
LedgerEntryError prepared(const LedgerEntry &entry, int currentYear, LedgerRow &row)
{
    const auto amount = formatAmountEntry(entry.amount);
    if (!amount)
        return LedgerEntryError::BadAmount;
    if (amount->isEmpty())
        return LedgerEntryError::NoAmount;
    QString date;
    if (!entry.date.trimmed().isEmpty()) {
        const auto made = formatDateEntry(entry.date, currentYear);
        if (!made)
            return LedgerEntryError::BadDate;
        date = *made;
    }
    row.amount = *amount;
    row.date = date;
    row.note = entry.note;
    return LedgerEntryError::None;
}

} // namespace

LedgerEntryError RefreshPAccount(LedgerTable &table, const QString &currency,
                                 const LedgerEntry &total, int currentYear)
{
    LedgerRow row = table.rows.size() > 1 ? table.rows[1] : LedgerRow();
    if (const LedgerEntryError e = prepared(total, currentYear, row); e != LedgerEntryError::None)
        return e;
    while (table.rows.size() < 2)
        table.rows.append(LedgerRow());
    table.rows[1] = row;
    for (LedgerRow &r : table.rows)
        r.currency = currency;
    computeBalance(table);
    return LedgerEntryError::None;
}

LedgerEntryError enterPayment(LedgerTable &table, const QString &currency,
                              const LedgerEntry &payment, std::optional<int> replaceRow,
                              int currentYear)
{
    const bool replacing = replaceRow && *replaceRow >= 2 && *replaceRow <= table.last();
    LedgerRow row = replacing ? table.rows[*replaceRow] : LedgerRow();
    if (const LedgerEntryError e = prepared(payment, currentYear, row); e != LedgerEntryError::None)
        return e;
    if (!table.hasTotal())
        return LedgerEntryError::NoTotal;
    if (!replacing && table.isFull())
        return LedgerEntryError::Full;
    row.currency = currency;
    if (replacing)
        table.rows[*replaceRow] = row;
    else
        table.rows.append(row);
    computeBalance(table);
    return LedgerEntryError::None;
}

ClientNotice ledgerEntryNotice(LedgerEntryError error)
{
    switch (error) {
    case LedgerEntryError::NoTotal:
        return {u"请先输入应付总额，回车确认后再记付款。"_s, u"提示"_s,
                ClientNotice::Icon::Information};
    case LedgerEntryError::Full:
        return {u"帐单已满，不能再记付款。"_s, u"提示"_s, ClientNotice::Icon::Information};
    case LedgerEntryError::NoAmount:
        return {u"请输入金额。"_s, u"提示"_s, ClientNotice::Icon::Information};
    default:
        break;
    }
    return {};
}
