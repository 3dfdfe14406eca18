#include "core/clients/client_fixtures.h"
#include "core/clients/client_search.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ClientReg registerOf(const QList<ClientRecord> &clients)
{
    ClientReg reg;
    for (const ClientRecord &c : clients)
        reg.append(c);
    return reg;
}

ClientQuery query(int category, const QString &name, const QString &text1 = {},
                  std::optional<QDate> date = {})
{
    ClientQuery q;
    q.Category = category;
    q.CurCategoryName = name;
    q.keyWords = UKeyWordsSet(text1);
    q.keywordBoxBlank = text1.trimmed().isEmpty();
    q.date = date;
    return q;
}

QStringList names(const FindClientsResult &r)
{
    QStringList out;
    for (const ClientListRow &row : r.ListBuffer)
        out.append(row.columns[0]);
    return out;
}

const QDate April1(2003, 4, 1);

} // namespace

TEST(FindClients, ListsTheCategoryInRegisterOrder)
{
    const ClientReg reg = registerOf({
        client(u"甲"_s, u"行政"_s, u"一"_s),
        client(u"乙"_s, u"企业"_s, u"二"_s),
        client(u"丙"_s, u" 行政 "_s, u"三"_s, u"#2003-04-01 10:00:00#"_s),
        client(u"丁"_s, u"行政"_s, u"四"_s),
        client(u"Ann"_s, u"abc"_s, u"五"_s),
    });
    const FindClientsResult r = FindClients(reg, query(2, u"行政"_s));
    EXPECT_EQ(names(r), (QStringList{u"甲"_s, u"丙"_s, u"丁"_s}));
    EXPECT_EQ(r.TotalRecords, 5);
    EXPECT_EQ(r.RelevantRecords, 3);
    EXPECT_TRUE(r.DateHits.isEmpty());
    // Name, an empty second text, category as stored, timestamp without its # marks.
    EXPECT_EQ(r.ListBuffer[1],
              (ClientListRow{{u"丙"_s, QString(), u" 行政 "_s, u"2003-04-01 10:00:00"_s}}));

    EXPECT_EQ(names(FindClients(reg, query(1, u"ABC"_s))), QStringList{u"Ann"_s});
    EXPECT_EQ(FindClients(reg, query(10, u"其他"_s)).RelevantRecords, 5);
    EXPECT_EQ(FindClients(ClientReg(), query(10, u"其他"_s)).RelevantRecords, 0);
}

TEST(FindClients, EveryKeywordInTextOrCategory)
{
    const ClientReg reg = registerOf({
        client(u"华信"_s, u"企业"_s, u"合同纠纷 ann@example.com"_s),
        client(u"李"_s, u"私人"_s, u"合同 2003-04-01 开庭"_s),
        client(u"王"_s, u"企业"_s, u"借款纠纷"_s),
        client(u"赵"_s, u"刑事"_s, u"辩护 末尾刑"_s),
    });
    const struct {
        int category;
        QString name;
        QString text1;
        QStringList found;
    } cases[] = {
        {10, u"其他"_s, u"合同 纠纷"_s, {u"华信"_s}},
        {10, u"其他"_s, u"纠纷 企业"_s, {u"华信"_s, u"王"_s}}, // the category counts
        {10, u"其他"_s, u"EXAMPLE.COM"_s, {u"华信"_s}},        // letter case aside
        {10, u"其他"_s, u"  example  合同 "_s, {u"华信"_s}},
        {10, u"其他"_s, u"刑刑事"_s, {u"赵"_s}}, // across text and category
        {1, u"企业"_s, u"纠纷"_s, {u"华信"_s, u"王"_s}},
        {5, u"私人"_s, u"纠纷"_s, {}},
        {10, u"其他"_s, u"没有"_s, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text1.toStdString());
        EXPECT_EQ(names(FindClients(reg, query(c.category, c.name, c.text1))), c.found);
    }
    // With keywords the date is no filter.
    const FindClientsResult r = FindClients(reg, query(10, u"其他"_s, u"纠纷"_s, April1));
    EXPECT_EQ(names(r), (QStringList{u"华信"_s, u"王"_s}));
    EXPECT_TRUE(r.DateHits.isEmpty());
}

TEST(FindClients, KeywordsMeetTheUpperCasedText)
{
    // Letters whose upper case is another letter, or longer than one.
    const ClientReg reg = registerOf({
        client(u"甲"_s, u"企业"_s, u"straße"_s),
        client(u"乙"_s, u"企业"_s, u"ŉ ǆ"_s),
        client(u"丙"_s, u"企业"_s, u"ﬁle ſ"_s),
        client(u"丁"_s, u"ｅｘａｍｐｌｅ"_s, u"全角"_s),
    });
    const struct {
        QString text1;
        QStringList found;
    } cases[] = {
        {u"strasse"_s, {u"甲"_s}}, {u"ʼn"_s, {u"乙"_s}},         {u"ǆ"_s, {u"乙"_s}},
        {u"FILE"_s, {u"丙"_s}},    {u"s"_s, {u"甲"_s, u"丙"_s}}, {u"ＥＸＡＭ"_s, {u"丁"_s}},
        {u"角ｅ"_s, {u"丁"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text1.toStdString());
        EXPECT_EQ(names(FindClients(reg, query(10, u"其他"_s, c.text1))), c.found);
    }
}

TEST(FindClients, TheSevenDateForms)
{
    EXPECT_EQ(clientDateTexts(April1),
              (QStringList{u"2003-4-1 "_s, u"2003-04-01"_s, u"2003/4/1 "_s, u"2003/04/01"_s,
                           u"20030401 "_s, u"2003－04－01"_s, u"2003－4－1 "_s}));
    const struct {
        QString text;
        QString hit; // empty: no match
    } cases[] = {
        {u"开庭 2003-4-1 上午"_s, u"2003-4-1 "_s},
        {u"开庭 2003-04-01"_s, u"2003-04-01"_s},
        {u"2003-4-1 和 2003-04-01"_s, u"2003-04-01"_s},
        {u"2003/4/1 见面"_s, u"2003/4/1 "_s},
        {u"2003/04/01 与 2003/4/1 "_s, u"2003/04/01"_s},
        {u"20030401 提交"_s, u"20030401 "_s},
        {u"2003－04－01"_s, u"2003－04－01"_s},
        {u"2003－4－1 "_s, u"2003－4－1 "_s},
        {u"2003－4－1 和 2003/4/1 "_s, u"2003/4/1 "_s},
        {u"结尾 2003-4-1"_s, QString()}, // no blank after it
        {u"2003-4-11 "_s, QString()},
        {u"20030401"_s, QString()},
        {u"2003年4月1日"_s, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(clientDateHit(c.text, clientDateTexts(April1)), c.hit);
        const ClientReg reg = registerOf({client(u"甲"_s, u"企业"_s, c.text)});
        const FindClientsResult r = FindClients(reg, query(10, u"其他"_s, {}, April1));
        EXPECT_EQ(r.RelevantRecords, c.hit.isEmpty() ? 0 : 1);
        if (!c.hit.isEmpty()) {
            EXPECT_EQ(r.DateHits, (QList<DateHit>{{u"甲"_s, c.hit}}));
        }
    }
    EXPECT_EQ(clientDateTexts(QDate(2024, 12, 25))[0], u"2024-12-25 "_s);
}

TEST(FindClients, DateUnderACategoryAsksForItExactly)
{
    const ClientReg reg = registerOf({
        client(u"甲"_s, u"企业"_s, u"2003-04-01"_s),
        client(u"乙"_s, u"企业 "_s, u"2003-04-01"_s),
        client(u"丙"_s, u"行政"_s, u"2003-04-01"_s),
        client(u"丁"_s, u"企业"_s, u"无日期"_s),
    });
    const FindClientsResult r = FindClients(reg, query(1, u"企业"_s, {}, April1));
    EXPECT_EQ(names(r), QStringList{u"甲"_s});
    EXPECT_EQ(names(FindClients(reg, query(1, u"企业"_s))),
              (QStringList{u"甲"_s, u"乙"_s, u"丁"_s}));
}

TEST(FindClients, DateHitsStopAtAThousand)
{
    QList<ClientRecord> clients = numberedClients(1200);
    for (ClientRecord &c : clients)
        c.text += u" 2003-04-01"_s;
    const ClientReg reg = registerOf(clients);
    const FindClientsResult r = FindClients(reg, query(10, u"其他"_s, {}, April1));
    EXPECT_EQ(r.RelevantRecords, 1200);
    EXPECT_EQ(r.TotalRecords, 1200);
    ASSERT_EQ(r.DateHits.size(), DateHitsCapacity);
    EXPECT_EQ(r.DateHits.back(), (DateHit{u"客户1000"_s, u"2003-04-01"_s}));
}

TEST(FindClientsDate, PickerDateOnlyWhenAsked)
{
    const QDate today(2024, 6, 15);
    const QDate other(2024, 6, 20);
    const struct {
        QString mode;
        QDate picker;
        int reminder;
        std::optional<QDate> date;
    } cases[] = {
        {u"DTBOUND"_s, other, 0, other},     {u"DtBound"_s, other, 0, other},
        {u"dtbound"_s, today, 0, today},     {QString(), other, 0, std::nullopt},
        {QString(), today, 0, std::nullopt}, {QString(), today, 1, today},
        {QString(), other, 1, std::nullopt}, {u"DTBOUNDX"_s, other, 1, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode.toStdString());
        EXPECT_EQ(FindClientsDate(c.mode, c.picker, today, c.reminder), c.date);
    }
}

TEST(FindClientContents, TheRecordOfTheNameFromTheFile)
{
    InstallTree tree;
    EXPECT_FALSE(FindClientContents(tree.files(), u"甲"_s)) << "no file";
    QList<ClientRecord> clients = numberedClients(3);
    clients.insert(1, client(u" Ann Lee "_s, u"涉外"_s, u"first"_s));
    clients.append(client(u"ann lee"_s, u"涉外"_s, u"second"_s));
    writeClients(tree, clients);
    EXPECT_EQ(FindClientContents(tree.files(), u"ANN LEE"_s), u" Ann Lee \r\nfirst"_s);
    EXPECT_EQ(FindClientContents(tree.files(), u"客户3"_s), u"客户3\r\n第3号"_s);
    EXPECT_FALSE(FindClientContents(tree.files(), u"客户"_s));
}

TEST(ClientUpper, AgreesWithQtUpperCase)
{
    // Every character of the basic plane on its own, and all of those that
    // upper-case into one character in one text.
    QString single;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString one{QChar(char16_t(c))};
        ASSERT_EQ(clientUpper(one), one.toUpper()) << unsigned(c);
        if (one.toUpper().size() == 1)
            single.append(one);
    }
    EXPECT_EQ(clientUpper(single), single.toUpper());

    const QString cases[] = {
        u"华信 abc 合同"_s,
        u"straße ǆ ﬁ"_s,                                   // upper cases longer than one character
        QString::fromUcs4(U"\U00010428 deseret") + u"x"_s, // outside the basic plane
        QString(),
    };
    for (const QString &text : cases)
        EXPECT_EQ(clientUpper(text), text.toUpper()) << text.toStdString();
}
