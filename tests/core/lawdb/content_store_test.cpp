#include "core/lawdb/content_store.h"

#include "core/foundation/gbk.h"
#include "core/lawdb/law_browse.h"
#include "law_fixtures.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DigitCode, NamesTheContentFiles)
{
    EXPECT_EQ(DigitCode(u"0123456789"),
              u"\uE49B\uE49A\uE499\uE498\uE497\uE496\uE495\uE494\uE493\uE492"_s);
    EXPECT_EQ(DigitCode(u"2x"), u"\uE499\uE49B"_s); // a non-digit counts as 0
    EXPECT_EQ(Gbk::encode(ContentFile(contentFileName(2003, 4))).right(16),
              QByteArray("\xFE\xD2\xFE\xD4\xFE\xD4\xFE\xD1\xFE\xD4\xFE\xD0.dll"));
    EXPECT_EQ(contentFileName(0, 0), QString(6, QChar(0xE49B)));
    EXPECT_EQ(Gbk::encode(RecordMarker()), QByteArray("\xFE\xD4\xFE\xD3"));
    EXPECT_TRUE(ContentFile(u"x"_s).startsWith(u"c:\\program files\\common files\\lab\\"_s));
}

TEST(FindContents2, FindsTheDocumentOfARow)
{
    InstallTree tree;
    const LawDocument first{u"关于加强管理的通知"_s};
    LawDocument twin = first;
    twin.body = u"第二份同名同日的文件"_s;
    LawDocument other{u"关于加强管理的通知"_s};
    other.date = u"2003-04-02"_s;
    LawDocument latin{u"关于WTO规则的说明"_s};
    LawDocument odd{u"奇怪的文件"_s};
    odd.validity = u"部分(失效)"_s;
    writeContentFile(tree, 2003, 4,
                     {other.text(), first.text(), twin.text(), latin.text(), odd.text()});
    const NoDateTexts none;

    const struct {
        QString row;
        ShowResult::Kind kind;
        QString text;
    } cases[] = {
        // The first of two documents with the same title and date.
        {u"2003-04-01  (有效)关于加强管理的通知"_s, ShowResult::Kind::Document,
         first.text() + u"\r\n"_s},
        {u"2003-04-02  (有效)关于加强管理的通知"_s, ShowResult::Kind::Document,
         other.text() + u"\r\n"_s},
        // Letter case aside.
        {u"2003-04-01  (有效)关于wto规则的说明"_s, ShowResult::Kind::Document,
         latin.text() + u"\r\n"_s},
        // A validity holding ")" leaves ")" in front of the title: no match.
        {lawRow(u"2003-04-01", u"部分(失效)", u"奇怪的文件"), ShowResult::Kind::NotFound, {}},
        {u"2003-04-03  (有效)关于加强管理的通知"_s, ShowResult::Kind::NotFound, {}},
        {u"   "_s, ShowResult::Kind::Nothing, {}},
        {u"2003-05-01  (有效)五月的文件"_s, ShowResult::Kind::Placeholder,
         u"【标    题】   五月的文件\r\n【颁布单位】   ......\r\n【颁布日期】   ......\r\n"
         u"【实施日期】   ......\r\n【有 效 性】   ......"_s},
    };
    for (const auto &c : cases) {
        const ShowResult r = FindContents2(tree.files(), none, c.row);
        EXPECT_EQ(r.kind, c.kind) << c.row.toStdString();
        EXPECT_EQ(r.text, c.text) << c.row.toStdString();
    }
}

TEST(FindContents2, BadDocumentsStopTheScan)
{
    InstallTree tree;
    const LawDocument good{u"好文件"_s};
    QString noMarker = LawDocument{u"无标记"_s}.text();
    noMarker.remove(RecordMarker());
    LawDocument damaged{u"坏文件"_s};
    damaged.body = u"本文来自中国法律资源库"_s;
    writeContentFile(tree, 2003, 4, {good.text(), noMarker, damaged.text()});
    writeContentFile(tree, 2003, 5, {damaged.text(), noMarker});
    const NoDateTexts none;

    EXPECT_EQ(FindContents2(tree.files(), none, u"2003-04-01  (有效)好文件"_s).kind,
              ShowResult::Kind::Document);
    EXPECT_EQ(FindContents2(tree.files(), none, u"2003-04-01  (有效)坏文件"_s).kind,
              ShowResult::Kind::IllegalFormat);
    EXPECT_EQ(FindContents2(tree.files(), none, u"2003-05-01  (有效)无标记"_s).kind,
              ShowResult::Kind::Damaged);
}

TEST(FindContents2, UndatedRowsReadTheUndatedTexts)
{
    InstallTree tree;
    LawDocument a{u"未注明日期的规定"_s};
    a.date = u""_s;
    LawDocument b{u"另一份"_s};
    b.date = u"００００"_s;
    writeContentFile(tree, 0, 0, {a.text(), b.text()});
    const NoDateTexts texts = LoadClass789Contents(tree.files());
    EXPECT_EQ(texts.count(), 2);
    EXPECT_EQ(texts.entry0(), u"2"_s);
    EXPECT_EQ(texts.entryText(2), b.text());

    const ShowResult r = FindContents2(tree.files(), texts, u"0000-00-00  (有效)另一份"_s);
    EXPECT_EQ(r.kind, ShowResult::Kind::Document);
    EXPECT_EQ(r.text, b.text() + u"\r\n"_s);
    EXPECT_EQ(FindContents2(tree.files(), texts, u"0000-00-00  (有效)没有"_s).kind,
              ShowResult::Kind::NotFound);
    EXPECT_EQ(FindContents2(tree.files(), NoDateTexts(), u"0000-00-00  (有效)另一份"_s).kind,
              ShowResult::Kind::NotFound);
}

TEST(LoadClass789Contents, EntryTenThousandIsNeverExamined)
{
    InstallTree tree;
    QStringList docs;
    for (int i = 1; i <= NoDateTexts::Capacity; ++i)
        docs.append(LawDocument{u"文件"_s + QString::number(i)}.text());
    writeContentFile(tree, 0, 0, docs);
    const NoDateTexts texts = LoadClass789Contents(tree.files());
    EXPECT_EQ(texts.count(), NoDateTexts::Capacity);
    EXPECT_EQ(texts.entry0(), u"10000"_s);
    EXPECT_EQ(FindContents2(tree.files(), texts, u"0000-00-00  (有效)文件9999"_s).kind,
              ShowResult::Kind::Document);
    EXPECT_EQ(FindContents2(tree.files(), texts, u"0000-00-00  (有效)文件10000"_s).kind,
              ShowResult::Kind::NotFound);

    // One more document than the table holds: the load stops, entry 0 stays empty.
    docs.append(LawDocument{u"多出的"_s}.text());
    writeContentFile(tree, 0, 0, docs);
    const NoDateTexts over = LoadClass789Contents(tree.files());
    EXPECT_EQ(over.count(), NoDateTexts::Capacity);
    EXPECT_TRUE(over.entry0().isEmpty());
    EXPECT_TRUE(LoadClass789Contents(InstallTree().files()).entry0().isEmpty());
}

TEST(DocumentHeader, TitleAndDate)
{
    LawDocument d{u"  标题有空格  "_s};
    d.date = u"2003-4-1"_s;
    EXPECT_EQ(documentTitle(d.text()), u"标题有空格"_s);
    EXPECT_EQ(documentDate(d.text()), u"2003-04-01"_s);
    d.date = u"2003年12月5日"_s;
    EXPECT_EQ(documentDate(d.text()), u"2003-12-05"_s);
    d.date = u"不详"_s;
    EXPECT_FALSE(documentDate(d.text()).has_value());
    EXPECT_EQ(documentTitle(u"没有标签的文本"), QString());
}
