#include "core/clients/client_names.h"
#include "core/clients/ledger.h"
#include "core/foundation/gbk.h"
#include "support/failing_writes.h"
#include "support/install_tree.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Ledger = *clientLedgerPath(u"甲公司"_s);

Record row(const QString &amount, const QString &date = u"2026-01-05"_s, const QString &note = {},
           const QString &fifth = {})
{
    return {u"人民币"_s, amount, date, note, fifth};
}

// A total of 1000.00 and payments of 300.00 and 200.50; the stored balance
// is out of date, as it is whenever the ledger was changed elsewhere.
QList<Record> exampleLedger()
{
    return {row(u"0.00"_s, {}), row(u"1000.00"_s, u"2026-01-05"_s, u"代理费"_s),
            row(u"300.00"_s, u"2026-02-01"_s, u"首期"_s),
            row(u"200.50"_s, u"2026-03-01"_s, u"二期"_s)};
}

QStringList amounts(const LedgerTable &table)
{
    QStringList out;
    for (const LedgerRow &r : table.rows)
        out.append(r.amount);
    return out;
}

LedgerTable reloaded(const InstallTree &tree)
{
    const LedgerLoad load = PACCLoad(tree.files(), Ledger);
    EXPECT_FALSE(load.notice);
    return load.table;
}

} // namespace

TEST(PACCLoad, ShowsBalanceTotalAndRightAlignedPayments)
{
    InstallTree tree;
    tree.writeRecords(Ledger, exampleLedger());
    const LedgerLoad load = PACCLoad(tree.files(), Ledger);
    EXPECT_FALSE(load.notice);
    EXPECT_EQ(load.table.last(), 3);
    const QList<LedgerListRow> expected = {
        {u"应付余额"_s, u"人民币"_s, u"499.50"_s, {}, {}},
        {u"应付总额"_s, u"人民币"_s, u"1000.00"_s, u"2026-01-05"_s, u"代理费"_s},
        {u"已付款"_s, u"人民币"_s, u"           300.00"_s, u"2026-02-01"_s, u"首期"_s},
        {u"已付款"_s, u"人民币"_s, u"           200.50"_s, u"2026-03-01"_s, u"二期"_s},
    };
    EXPECT_EQ(DisplayPACC(load.table), expected);
    EXPECT_EQ(DisplayPACC(load.table)[2].amount.size(), 17);
}

TEST(PACCLoad, BalanceIsTheTotalLessThePayments)
{
    const struct {
        QString total;
        QStringList payments;
        QString balance;
    } cases[] = {
        {u"500.00"_s, {u"200.00"_s, u"300.00"_s}, u"0.00"_s}, // fully paid
        {u"0.30"_s, {u"0.10"_s, u"0.20"_s}, u"0.00"_s},       // no "-0.00" from rounding
        {u"100.00"_s, {u"150.00"_s}, u"-50.00"_s},            // overpaid
        {u"1000.00"_s, {}, u"1000.00"_s},
        {u"1200"_s, {u" 99.999"_s, u"abc"_s}, u"1100.00"_s}, // numeric values, as stored
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.total.toStdString());
        QByteArray bytes = RecordWriter::formatRecord(row(u"9"_s).constData(), 5);
        bytes += RecordWriter::formatRecord(row(c.total).constData(), 5);
        for (const QString &p : c.payments)
            bytes += RecordWriter::formatRecord(row(p).constData(), 5);
        const LedgerLoad load = PACCLoad(bytes);
        ASSERT_EQ(load.table.rows.size(), 2 + c.payments.size());
        EXPECT_EQ(load.table.rows[0].amount, c.balance);
    }
}

TEST(PACCLoad, AnEmptyOrMissingFileHasNoRows)
{
    InstallTree tree;
    // No file: it is created empty, in the client's folder made for it.
    LedgerTable table = reloaded(tree);
    EXPECT_TRUE(table.rows.isEmpty());
    EXPECT_EQ(table.last(), -1);
    EXPECT_TRUE(tree.files().exists(Ledger));
    EXPECT_TRUE(tree.readBytes(Ledger).isEmpty());
    // An empty file.
    table = reloaded(tree);
    EXPECT_TRUE(table.rows.isEmpty());
    EXPECT_TRUE(DisplayPACC(table).isEmpty());
    // No path (no client): nothing is read or made.
    const auto before = tree.snapshot();
    EXPECT_TRUE(PACCLoad(tree.files(), QString()).table.rows.isEmpty());
    EXPECT_TRUE(tree.snapshot() == before);
}

TEST(PACCLoad, AFileThatCannotBeMadeIsReported)
{
    InstallTree tree;
    // A folder stands where the file would be made.
    ASSERT_TRUE(QDir().mkpath(tree.hostPath(Ledger)));
    const LedgerLoad load = PACCLoad(tree.files(), Ledger);
    EXPECT_TRUE(load.table.rows.isEmpty());
    ASSERT_TRUE(load.notice);
    EXPECT_TRUE(load.notice->text.startsWith(u"帐单文件无法建立：\r\n"_s));
    EXPECT_EQ(load.notice->icon, ClientNotice::Icon::Critical);
}

TEST(PACCLoad, KeepsWhatTheRowsDoNotHoldThroughASave)
{
    const QByteArray rows = Gbk::encode(u"\"美元\",\"50.00\",\"\",\"\",\"\"\r\n"
                                        u"\"美元\",\"100.00\",\"2026-01-05\",\"\",\"甲\"\r\n"
                                        u"\"美元\",\"50.00\",\"2026-02-01\",\"\",\"乙\"\r\n");
    const struct {
        const char *what;
        QString after;
        int rows;
    } cases[] = {
        {"nothing", {}, 3},
        {"a payment without an amount ends the rows",
         u"\"美元\",\"\",\"2026-03-01\",\"作废\",\"\"\r\n\"美元\",\"20.00\",\"\",\"\",\"\"\r\n"_s,
         3},
        {"a record cut off", u"\"美元\",\"20"_s, 3},
        {"a record of too few fields", u"\"0\"\r\n"_s, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        InstallTree tree;
        const QByteArray file = rows + Gbk::encode(c.after);
        tree.writeBytes(Ledger, file);
        const LedgerTable table = reloaded(tree);
        ASSERT_EQ(table.rows.size(), c.rows);
        EXPECT_EQ(table.rows[0].amount, u"50.00"_s);
        EXPECT_EQ(table.rest, Gbk::encode(c.after));
        // The fifth field and the bytes after the rows come back unchanged.
        ASSERT_TRUE(SavePACC(tree.files(), Ledger, table).ok());
        EXPECT_EQ(tree.readBytes(Ledger), file);
    }
}

TEST(PACCLoad, StopsAtTheTableSizeAndSaysSo)
{
    QByteArray bytes;
    for (int k = 0; k <= LedgerTable::Capacity; ++k)
        bytes += RecordWriter::formatRecord(row(u"1.00"_s).constData(), 5);
    const LedgerLoad load = PACCLoad(bytes);
    EXPECT_EQ(load.table.rows.size(), LedgerTable::Capacity);
    EXPECT_TRUE(load.table.isFull());
    EXPECT_EQ(load.table.rest, RecordWriter::formatRecord(row(u"1.00"_s).constData(), 5));
    ASSERT_TRUE(load.notice);
    EXPECT_EQ(load.notice->title, u"提示"_s);
    // The payments beyond the table still count nowhere, but stay in the file.
    EXPECT_EQ(load.table.rows[0].amount, u"-9998.00"_s);
}

TEST(SavePACC, WritesRowsUpToTheFirstEmptyAmount)
{
    InstallTree tree;
    ASSERT_TRUE(makeClientFolder(tree.files(), u"甲公司"_s).ok());
    LedgerTable table;
    table.rows = {{u"人民币"_s, u"700.00"_s, {}, {}, {}},
                  {u"人民币"_s, u"1000.00"_s, u"2026-01-05"_s, u"代理费"_s, u"x"_s},
                  {u"人民币"_s, u"300.00"_s, u"2026-02-01"_s, {}, {}},
                  {u"人民币"_s, {}, u"2026-02-02"_s, u"空"_s, {}},
                  {u"人民币"_s, u"5.00"_s, {}, {}, {}}};
    ASSERT_TRUE(SavePACC(tree.files(), Ledger, table).ok());
    EXPECT_EQ(tree.readBytes(Ledger),
              Gbk::encode(u"\"人民币\",\"700.00\",\"\",\"\",\"\"\r\n"
                          u"\"人民币\",\"1000.00\",\"2026-01-05\",\"代理费\",\"x\"\r\n"
                          u"\"人民币\",\"300.00\",\"2026-02-01\",\"\",\"\"\r\n"));
}

TEST(SavePACC, AFailedWriteLeavesTheOldFile)
{
    InstallTree tree;
    tree.writeRecords(Ledger, exampleLedger());
    const QByteArray before = tree.readBytes(Ledger);
    LedgerTable table = reloaded(tree);
    ASSERT_EQ(enterPayment(table, u"人民币"_s, {u"99.50"_s, u"2026-04-01"_s, u"三期"_s},
                           std::nullopt, 2026),
              LedgerEntryError::None);

    const FileResult full =
        withFileSizeLimit(64, [&] { return SavePACC(tree.files(), Ledger, table); });
    EXPECT_FALSE(full.ok());
    EXPECT_EQ(tree.readBytes(Ledger), before);
    const QString folder = QFileInfo(tree.hostPath(Ledger)).path();
    const FileResult readOnly =
        inReadOnlyFolder(folder, [&] { return SavePACC(tree.files(), Ledger, table); });
    EXPECT_FALSE(readOnly.ok());
    EXPECT_EQ(tree.readBytes(Ledger), before);

    const ClientNotice notice = ledgerWriteFailedNotice(full);
    EXPECT_TRUE(notice.text.startsWith(u"帐单未能存盘：\r\n"_s));
    EXPECT_EQ(notice.title, u"错误"_s);
    EXPECT_EQ(notice.icon, ClientNotice::Icon::Critical);

    // A ledger that could not be read is never overwritten from the empty table.
    LedgerTable unread;
    unread.loadError = FileResult::failure(FileResult::Error::ReadFailed, Ledger);
    ASSERT_EQ(RefreshPAccount(unread, u"人民币"_s, {u"5"_s, {}, {}}, 2026), LedgerEntryError::None);
    EXPECT_FALSE(SavePACC(tree.files(), Ledger, unread).ok());
    EXPECT_EQ(tree.readBytes(Ledger), before);
}

TEST(FullWidthKey, MapsTheFullWidthKeysAndDiscardsTheRest)
{
    const struct {
        int key;
        int result;
    } cases[] = {
        {8, 8},          {-23632, '0'}, {-23629, '3'}, {-23623, '9'}, {-23634, '.'}, {-23635, '-'},
        {-23637, '+'},   {'-', 0},      {'+', 0},      {'a', 0},      {-23633, 0}, // ／
        {-23622, 0},     // ：, just past ９
        {-23633 - 3, 0}, // ＃
        {0, 0},          {13, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FullWidthKey(c.key), c.result) << c.key;
}

TEST(FullWidthKey, TypedCharactersGoThroughTheirGbkCode)
{
    EXPECT_EQ(gbkKeyCode(u'３'), -23629);
    EXPECT_EQ(gbkKeyCode(u'．'), -23634);
    EXPECT_EQ(gbkKeyCode(u'a'), 'a');
    EXPECT_EQ(gbkKeyCode(u'中'), qint16(0xD6D0));
    const struct {
        QString typed;
        QString entered;
    } cases[] = {
        {u"12.5"_s, u"12.5"_s}, {u"１２．５"_s, u"12.5"_s},
        {u"-3"_s, u"3"_s},      {u"－３"_s, u"-3"_s},
        {u"＋1"_s, u"+1"_s},    {u"abc中"_s, u""_s},
        {u"3,5/6"_s, u"356"_s}, {u"2026．3．5"_s, u"2026.3.5"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(filterAmountKeys(c.typed), c.entered) << c.typed.toStdString();
}

TEST(FormatAmountEntry, TwoDecimalsOrEmpty)
{
    const struct {
        QString typed;
        std::optional<QString> shown;
    } cases[] = {
        {u"12.5"_s, u"12.50"_s},      {u"7"_s, u"7.00"_s},      {u"0"_s, u""_s},
        {u"0.00"_s, u""_s},           {u""_s, u""_s},           {u"12.345"_s, u"12.34"_s},
        {u"1200.00"_s, u"1200.00"_s}, {u".5"_s, u"0.50"_s},     {u"5."_s, u"5.00"_s},
        {u"007"_s, u"7.00"_s},        {u"-20"_s, u"-20.00"_s},  {u"+3.1"_s, u"3.10"_s},
        {u"0.001"_s, u""_s},          {u" 8 "_s, u"8.00"_s},    {u"."_s, std::nullopt},
        {u"1.2.3"_s, std::nullopt},   {u"--1"_s, std::nullopt}, {u"-"_s, std::nullopt},
        {u"1+2"_s, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatAmountEntry(c.typed), c.shown) << c.typed.toStdString();
}

TEST(FormatDateEntry, YearAndTwoDigitMonthAndDay)
{
    const struct {
        QString typed;
        std::optional<QString> shown;
    } cases[] = {
        {u"2026-3-5"_s, u"2026-03-05"_s},
        {u"2026-03-05"_s, u"2026-03-05"_s},
        {u"2026.3.5"_s, u"2026-03-05"_s},
        {u"2026/3/5"_s, u"2026-03-05"_s},
        {u"20260305"_s, u"2026-03-05"_s},
        {u"2026-12-31"_s, u"2026-12-31"_s},
        {u"3.5"_s, u"2025-03-05"_s}, // a month and a day of this year
        {u"2026-2-30"_s, std::nullopt},
        {u"20261305"_s, std::nullopt},
        {u"2026"_s, std::nullopt},
        {u"abc"_s, std::nullopt},
        {u""_s, std::nullopt},
        {u"2026+3+5"_s, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatDateEntry(c.typed, 2025), c.shown) << c.typed.toStdString();
}

TEST(LoadCurrencies, FromTheFileOrRenminbiAlone)
{
    InstallTree tree;
    EXPECT_EQ(loadCurrencies(tree.files()), QStringList{u"人民币"_s});
    tree.writeBytes(currenciesPath(), {});
    EXPECT_EQ(loadCurrencies(tree.files()), QStringList{u"人民币"_s});
    tree.writeRecords(currenciesPath(), {{u"美元"_s}, {u"人民币"_s}, {u"欧元"_s}});
    EXPECT_EQ(loadCurrencies(tree.files()), (QStringList{u"美元"_s, u"人民币"_s, u"欧元"_s}));
}

TEST(RefreshPAccount, PutsTheTotalAndTheCurrencyInTheTable)
{
    // A new ledger gets its balance and total rows.
    LedgerTable table;
    ASSERT_EQ(RefreshPAccount(table, u"美元"_s, {u"1000"_s, u"2026-1-5"_s, u"代理费"_s}, 2026),
              LedgerEntryError::None);
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0], (LedgerRow{u"美元"_s, u"1000.00"_s, {}, {}, {}}));
    EXPECT_EQ(table.rows[1],
              (LedgerRow{u"美元"_s, u"1000.00"_s, u"2026-01-05"_s, u"代理费"_s, {}}));

    // Over payments: every row takes the currency, the balance follows the total.
    table = PACCLoad(QByteArray(Gbk::encode(u"\"人民币\",\"0\",\"\",\"\",\"\"\r\n"
                                            u"\"人民币\",\"1000.00\",\"\",\"\",\"五\"\r\n"
                                            u"\"人民币\",\"300.00\",\"\",\"\",\"\"\r\n")))
                .table;
    ASSERT_EQ(RefreshPAccount(table, u"港币"_s, {u"800.5"_s, {}, u"减"_s}, 2026),
              LedgerEntryError::None);
    EXPECT_EQ(amounts(table), (QStringList{u"500.50"_s, u"800.50"_s, u"300.00"_s}));
    for (const LedgerRow &r : table.rows)
        EXPECT_EQ(r.currency, u"港币"_s);
    EXPECT_EQ(table.rows[1].fifth, u"五"_s);
    EXPECT_TRUE(table.rows[1].date.isEmpty());

    // Entries that cannot be taken leave the table as it was.
    const struct {
        LedgerEntry total;
        LedgerEntryError error;
    } cases[] = {
        {{u""_s, {}, {}}, LedgerEntryError::NoAmount},
        {{u"0"_s, {}, {}}, LedgerEntryError::NoAmount},
        {{u"1.2.3"_s, {}, {}}, LedgerEntryError::BadAmount},
        {{u"5"_s, u"2026.13.1"_s, {}}, LedgerEntryError::BadDate},
    };
    const LedgerTable before = table;
    for (const auto &c : cases) {
        EXPECT_EQ(RefreshPAccount(table, u"欧元"_s, c.total, 2026), c.error)
            << c.total.amount.toStdString();
        EXPECT_EQ(table.rows, before.rows);
    }
}

TEST(EnterPayment, AppendedAndReloaded)
{
    InstallTree tree;
    tree.writeRecords(Ledger, exampleLedger());
    LedgerTable table = reloaded(tree);
    ASSERT_EQ(
        enterPayment(table, u"人民币"_s, {u"99.5"_s, u"2026.4.1"_s, u"三期"_s}, std::nullopt, 2026),
        LedgerEntryError::None);
    ASSERT_TRUE(SavePACC(tree.files(), Ledger, table).ok());

    const LedgerTable again = reloaded(tree);
    EXPECT_EQ(amounts(again),
              (QStringList{u"400.00"_s, u"1000.00"_s, u"300.00"_s, u"200.50"_s, u"99.50"_s}));
    EXPECT_EQ(again.rows[4], (LedgerRow{u"人民币"_s, u"99.50"_s, u"2026-04-01"_s, u"三期"_s, {}}));
    EXPECT_EQ(again.rows, table.rows);
}

TEST(EnterPayment, ReplacesAChosenPaymentRow)
{
    InstallTree tree;
    QList<Record> records = exampleLedger();
    records[3][4] = u"保留"_s;
    tree.writeRecords(Ledger, records);
    LedgerTable table = reloaded(tree);
    ASSERT_EQ(enterPayment(table, u"人民币"_s, {u"250"_s, u"2026-03-02"_s, u"二期改"_s}, 3, 2026),
              LedgerEntryError::None);
    ASSERT_TRUE(SavePACC(tree.files(), Ledger, table).ok());

    const LedgerTable again = reloaded(tree);
    EXPECT_EQ(amounts(again), (QStringList{u"450.00"_s, u"1000.00"_s, u"300.00"_s, u"250.00"_s}));
    EXPECT_EQ(again.rows[3],
              (LedgerRow{u"人民币"_s, u"250.00"_s, u"2026-03-02"_s, u"二期改"_s, u"保留"_s}));
}

TEST(EnterPayment, RefusesWhatCannotBeStored)
{
    LedgerTable noTotal;
    EXPECT_EQ(enterPayment(noTotal, u"人民币"_s, {u"10"_s, {}, {}}, std::nullopt, 2026),
              LedgerEntryError::NoTotal);
    EXPECT_TRUE(noTotal.rows.isEmpty());
    EXPECT_EQ(ledgerEntryNotice(LedgerEntryError::NoTotal).title, u"提示"_s);

    LedgerTable full;
    full.rows.fill({u"人民币"_s, u"1.00"_s, {}, {}, {}}, LedgerTable::Capacity);
    const struct {
        LedgerEntry payment;
        std::optional<int> replace;
        LedgerEntryError error;
    } cases[] = {
        {{u"10"_s, {}, {}}, std::nullopt, LedgerEntryError::Full},
        {{u""_s, {}, {}}, std::nullopt, LedgerEntryError::NoAmount},
        {{u"x"_s, {}, {}}, 2, LedgerEntryError::BadAmount},
        {{u"10"_s, u"2026-02-30"_s, {}}, 2, LedgerEntryError::BadDate},
        {{u"10"_s, {}, {}}, 2, LedgerEntryError::None}, // a full table's rows can be changed
    };
    for (const auto &c : cases) {
        LedgerTable table = full;
        EXPECT_EQ(enterPayment(table, u"人民币"_s, c.payment, c.replace, 2026), c.error)
            << c.payment.amount.toStdString();
        EXPECT_EQ(table.rows.size(), LedgerTable::Capacity);
        if (c.error != LedgerEntryError::None) {
            EXPECT_EQ(table.rows, full.rows);
        }
    }
}
