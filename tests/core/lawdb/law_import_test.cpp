#include "core/foundation/gbk.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/digit_code.h"
#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_import.h"
#include "core/lawdb/law_index.h"
#include "support/failing_writes.h"
#include "support/install_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A source file's text.
struct Source {
    QString title;
    QString date = u"2003-4-1"_s;
    QString issuer = u"国务院"_s;
    QString validity = u"有效"_s;
    QString category; // a 【类    别】 line when set
    QString body = u"第一条　为了规范管理，制定本条例。\n第二条　本条例自发布之日起施行。"_s;

    QString text() const
    {
        QString t = u"【标    题】 "_s + title + u"\n【颁布单位】 "_s + issuer +
                    u"\n【颁布日期】 "_s + date + u"\n【实施日期】 "_s + date +
                    u"\n【有 效 性】 "_s + validity + u'\n';
        if (!category.isEmpty())
            t += u"【类    别】 "_s + category + u'\n';
        return t + body + u'\n';
    }
};

Source law(const QString &title, const QString &date = u"2003-4-1"_s,
           const QString &issuer = u"国务院"_s, const QString &validity = u"有效"_s,
           const QString &category = {})
{
    Source s;
    s.title = title;
    s.date = date;
    s.issuer = issuer;
    s.validity = validity;
    s.category = category;
    return s;
}

// A folder of source files outside the install tree.
class SourceDir
{
public:
    QString path() const { return m_dir.path(); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString file = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return file;
    }
    QString write(const QString &name, const Source &s) const
    {
        return write(name, s.text().toUtf8());
    }

private:
    QTemporaryDir m_dir;
};

LawTables index(const InstallTree &tree)
{
    return LoadIndex2(tree.files());
}

// What a click on the row of the record shows.
ShowResult open(const InstallTree &tree, const LawRecord &record)
{
    const RecordFile files = tree.files();
    const NoDateTexts undated = LoadClass789Contents(files);
    return FindContents2(files, undated, lawRow(record));
}

QStringList titles(const LawTables &t)
{
    QStringList out;
    for (const LawRecord &r : t.LawIndex)
        out.append(r.title().toString());
    return out;
}

LawImportResult import(const InstallTree &tree, const QStringList &sources, bool replace = false)
{
    LawImportOptions options;
    options.replace = replace;
    return importLaws(tree.drives(), sources, options);
}

} // namespace

TEST(LawImport, WrittenDatabaseReadsBackAndEveryRowOpens)
{
    InstallTree tree;
    SourceDir src;
    src.write(u"a/old.txt"_s,
              law(u"示例省道路管理条例"_s, u"1999年12月3日"_s, u"示例省人民代表大会常务委员会"_s));
    src.write(u"a/b/new.txt"_s, law(u"国务院关于示例工作的通知"_s, u"2003.04.01"_s, u"国务院"_s,
                                    u"失效"_s, u"2 6"_s));
    src.write(u"undated.TXT"_s,
              law(u"房屋租赁合同（示范文本）"_s, u""_s, u"示例市住房和城乡建设局"_s));
    src.write(u"notes.md"_s, QByteArray("not a law"));

    const LawImportResult r = import(tree, {src.path()});
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_TRUE(r.rejected.isEmpty());
    EXPECT_EQ(r.imported, 3);
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(r.filesSkipped, 1);
    EXPECT_EQ(r.total, 3);
    EXPECT_EQ(r.undated, 1);
    EXPECT_EQ(r.contentFilesWritten, 3);

    const LawTables t = index(tree);
    ASSERT_EQ(t.count(), 3);
    // Newest first, undated last; the categories given or derived.
    EXPECT_EQ(titles(t), (QStringList{u"国务院关于示例工作的通知"_s, u"示例省道路管理条例"_s,
                                      u"房屋租赁合同（示范文本）"_s}));
    EXPECT_EQ(t.record(1).date(), u"2003-04-01");
    EXPECT_EQ(t.record(1).org(), u"26国务院");
    EXPECT_EQ(t.record(1).validity(), u"失效");
    EXPECT_EQ(t.record(2).date(), u"1999-12-03");
    EXPECT_EQ(t.record(2).org(), u"5示例省人民代表大会常务委员会");
    EXPECT_EQ(t.record(3).date(), u"0000-00-00");
    EXPECT_EQ(t.record(3).org(), u"57示例市住房和城乡建设局");
    EXPECT_EQ(t.YearIndex.size(), 3);

    // The month files are named by DigitCode.
    EXPECT_TRUE(tree.files().exists(ContentFile(contentFileName(2003, 4))));
    EXPECT_TRUE(tree.files().exists(ContentFile(contentFileName(1999, 12))));
    EXPECT_TRUE(tree.files().exists(ContentFile(contentFileName(0, 0))));

    const ShowResult shown = open(tree, t.record(1));
    ASSERT_EQ(shown.kind, ShowResult::Kind::Document);
    EXPECT_EQ(shown.text, u"【标    题】 国务院关于示例工作的通知\r\n"
                          u"【颁布单位】 国务院\r\n"
                          u"【颁布日期】 2003-04-01\r\n"
                          u"【实施日期】 2003-04-01\r\n"
                          u"【有 效 性】 失效\r\n"
                          u"第一条　为了规范管理，制定本条例。\r\n"
                          u"第二条　本条例自发布之日起施行。\r\n"_s +
                              RecordMarker() + u"\r\n"_s);
    for (int i = 2; i <= t.count(); ++i) {
        const ShowResult s = open(tree, t.record(i));
        ASSERT_EQ(s.kind, ShowResult::Kind::Document) << i;
        EXPECT_EQ(documentTitle(s.text), t.record(i).title());
    }
    EXPECT_EQ(open(tree, t.record(3)).text.count(RecordMarker()), 1);
}

TEST(LawImport, ExtendsKeepingOrderWithinADate)
{
    InstallTree tree;
    SourceDir src;
    const QString a =
        src.write(u"a.txt"_s, law(u"甲部门示例管理办法"_s, u"2010-5-6"_s, u"财政部"_s));
    const QString b =
        src.write(u"b.txt"_s, law(u"乙部门示例管理办法"_s, u"2010-5-6"_s, u"财政部"_s));
    ASSERT_TRUE(import(tree, {a, b}).ok());

    const QString c =
        src.write(u"c.txt"_s, law(u"丙部门示例管理办法"_s, u"2010-5-6"_s, u"财政部"_s));
    const QString d =
        src.write(u"d.txt"_s, law(u"较新的示例管理办法"_s, u"2010-5-20"_s, u"财政部"_s));
    const QString e =
        src.write(u"e.txt"_s, law(u"较旧的示例管理办法"_s, u"2010-5-1"_s, u"财政部"_s));
    const LawImportResult r = import(tree, {c, d, e});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(r.total, 5);
    // One month file, written again with every document of the month.
    EXPECT_EQ(r.contentFilesWritten, 1);

    const LawTables t = index(tree);
    EXPECT_EQ(titles(t), (QStringList{u"较新的示例管理办法"_s, u"甲部门示例管理办法"_s,
                                      u"乙部门示例管理办法"_s, u"丙部门示例管理办法"_s,
                                      u"较旧的示例管理办法"_s}));
    for (int i = 1; i <= t.count(); ++i)
        EXPECT_EQ(open(tree, t.record(i)).kind, ShowResult::Kind::Document) << i;
}

TEST(LawImport, SameTitleAndDateReplacesInPlace)
{
    InstallTree tree;
    SourceDir src;
    ASSERT_TRUE(import(tree, {src.write(u"1.txt"_s, law(u"示例ISO认证管理办法"_s)),
                              src.write(u"2.txt"_s, law(u"其他示例管理办法"_s))})
                    .ok());

    // Same title (letter case aside) and date: replaced. Same title, other date: added.
    Source v2 = law(u"示例iso认证管理办法"_s, u"2003年4月1日"_s, u"国务院"_s, u"已被修正"_s);
    v2.body = u"修正后的正文"_s;
    const LawImportResult r =
        import(tree, {src.write(u"v2.txt"_s, v2),
                      src.write(u"v3.txt"_s, law(u"示例ISO认证管理办法"_s, u"2004-1-1"_s))});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.replaced, 1);
    EXPECT_EQ(r.added, 1);

    const LawTables t = index(tree);
    EXPECT_EQ(titles(t), (QStringList{u"示例ISO认证管理办法"_s, u"示例iso认证管理办法"_s,
                                      u"其他示例管理办法"_s}));
    EXPECT_EQ(t.record(2).validity(), u"已被修正");
    const ShowResult shown = open(tree, t.record(2));
    ASSERT_EQ(shown.kind, ShowResult::Kind::Document);
    EXPECT_TRUE(shown.text.contains(u"修正后的正文"_s));

    // The old version is gone from the month file, and it stays first.
    const auto month = tree.files().openForReading(ContentFile(contentFileName(2003, 4)));
    ASSERT_TRUE(month);
    QStringList docs;
    for (auto reader = *month; !reader.atEnd();)
        docs.append(documentTitle(Gbk::decode(reader.nextField()->bytes)));
    EXPECT_EQ(docs, (QStringList{u"示例iso认证管理办法"_s, u"其他示例管理办法"_s}));
}

TEST(LawImport, LaterFileOfTheSameImportWinsWithANote)
{
    InstallTree tree;
    SourceDir src;
    Source second = law(u"示例管理办法"_s);
    second.body = u"第二份"_s;
    const QString first = src.write(u"1.txt"_s, law(u"示例管理办法"_s));
    const LawImportResult r = import(tree, {first, src.write(u"2.txt"_s, second)});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.imported, 1);
    ASSERT_EQ(r.notes.size(), 1);
    EXPECT_EQ(r.notes[0].file, first);
    const LawTables t = index(tree);
    ASSERT_EQ(t.count(), 1);
    EXPECT_TRUE(open(tree, t.record(1)).text.contains(u"第二份"_s));
}

TEST(LawImport, ReplaceOptionStartsFromAnEmptyDatabase)
{
    InstallTree tree;
    SourceDir src;
    ASSERT_TRUE(import(tree, {src.write(u"a.txt"_s, law(u"原有的示例管理办法"_s, u"2003-4-9"_s)),
                              src.write(u"b.txt"_s, law(u"原有的另一示例办法"_s, u"2005-6-1"_s)),
                              src.write(u"c.txt"_s, law(u"原有的示例合同"_s, u""_s))})
                    .ok());

    const LawImportResult r =
        import(tree, {src.write(u"new.txt"_s, law(u"新的示例管理办法"_s, u"2003-4-2"_s))}, true);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.total, 1);
    const LawTables t = index(tree);
    EXPECT_EQ(titles(t), QStringList{u"新的示例管理办法"_s});
    EXPECT_EQ(open(tree, t.record(1)).kind, ShowResult::Kind::Document);

    // The old documents are gone: their month file and the undated file are
    // removed, the shared month holds only the new document.
    EXPECT_FALSE(tree.files().exists(ContentFile(contentFileName(2005, 6))));
    EXPECT_FALSE(tree.files().exists(ContentFile(contentFileName(0, 0))));
    const QByteArray april = tree.readBytes(ContentFile(contentFileName(2003, 4)));
    EXPECT_FALSE(april.contains(Gbk::encode(u"原有的示例管理办法")));
    EXPECT_TRUE(april.contains(Gbk::encode(u"新的示例管理办法")));
}

TEST(LawImport, BadFilesAreRejectedOneMessageEachAndTheRestImported)
{
    struct Case {
        const char16_t *name;
        QByteArray bytes;
        const char16_t *reason; // part of the message
    };
    Source good = law(u"完好的示例管理办法"_s);
    Source noIssuer = law(u"缺颁布单位的示例办法"_s);
    Source badDate = law(u"日期错误的示例办法"_s, u"2003-13-45"_s);
    Source damaged = law(u"含有损坏标记的示例办法"_s);
    damaged.body = u"本文来自中国法律资源网"_s;
    Source badCategory = law(u"类别错误的示例办法"_s);
    badCategory.category = u"A类"_s;
    Source emptyTitle = law(u""_s);
    Source bracket = law(u"有效性错误的示例办法"_s, u"2003-4-1"_s, u"国务院"_s, u"有效)"_s);
    Source zeros = law(u"罚款10000元以下的示例办法"_s);
    const Case cases[] = {
        {u"no_issuer.txt", noIssuer.text().remove(u"【颁布单位】 国务院\n"_s).toUtf8(),
         u"缺少【颁布单位】行"},
        {u"bad_date.txt", badDate.text().toUtf8(), u"颁布日期无法识别: 2003-13-45"},
        {u"damaged.txt", damaged.text().toUtf8(), u"中国法律资源"},
        {u"bad_category.txt", badCategory.text().toUtf8(), u"【类    别】"},
        {u"empty_title.txt", emptyTitle.text().toUtf8(), u"标题是空的"},
        {u"bracket.txt", bracket.text().toUtf8(), u"有效性含“)”"},
        {u"zeros.txt", zeros.text().toUtf8(), u"0000"},
        {u"binary.txt", QByteArray("\x00\x01\x02", 3), u"不是文本文件"},
        {u"not_gbk.txt", QByteArray("\xFF\xFE\x80\x80"), u"既不是 UTF-8 也不是 GBK"},
        {u"empty.txt", QByteArray(), u"缺少【标    题】行"},
    };
    InstallTree tree;
    SourceDir src;
    QStringList sources{src.write(u"good.txt"_s, good)};
    for (const Case &c : cases)
        sources.append(src.write(QString::fromUtf16(c.name), c.bytes));
    sources.append(src.path() + u"/missing.txt"_s);

    const LawImportResult r = import(tree, sources);
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_EQ(r.imported, 1);
    ASSERT_EQ(r.rejected.size(), qsizetype(std::size(cases)) + 1);
    for (const Case &c : cases) {
        const QString name = QString::fromUtf16(c.name);
        const auto it =
            std::find_if(r.rejected.begin(), r.rejected.end(),
                         [&](const LawImportMessage &m) { return m.file.endsWith(name); });
        ASSERT_NE(it, r.rejected.end()) << name.toStdString();
        EXPECT_TRUE(it->text.contains(QString::fromUtf16(c.reason))) << it->line().toStdString();
        EXPECT_TRUE(it->line().startsWith(it->file));
    }
    EXPECT_TRUE(std::any_of(r.rejected.begin(), r.rejected.end(), [](const LawImportMessage &m) {
        return m.file.endsWith(u"missing.txt"_s) && m.text.contains(u"不存在"_s);
    }));
    EXPECT_EQ(titles(index(tree)), QStringList{u"完好的示例管理办法"_s});
}

TEST(LawImport, NothingReadableWritesNothing)
{
    InstallTree tree;
    SourceDir src;
    const auto before = tree.snapshot();
    const LawImportResult r = import(tree, {src.write(u"bad.txt"_s, QByteArray("hello"))}, true);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.rejected.size(), 1);
    EXPECT_EQ(tree.snapshot(), before);
}

TEST(LawImport, Utf8AndGbkSourcesGiveTheSameDocument)
{
    Source s = law(u"示例“双引号\"”与Ｇｂｋ文字管理办法"_s);
    s.body = u"第一条　正文。\n\n第二条　再一条。\n\n"_s;
    const QString lf = s.text();
    QString crlf = lf;
    crlf.replace(u"\n"_s, u"\r\n"_s);
    // A header written loosely: no blank after the label, trailing blanks.
    QString loose = lf;
    loose.replace(u"【颁布单位】 "_s, u"【颁布单位】"_s)
        .replace(u"【有 效 性】 有效"_s, u"【有效性】有效   "_s);
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"utf8", lf.toUtf8()},
        {"utf8 with bom", "\xEF\xBB\xBF" + crlf.toUtf8()},
        {"gbk", Gbk::encode(crlf)},
        {"gbk lf", Gbk::encode(lf)},
        {"loose header", loose.toUtf8()},
    };
    QString expected;
    for (const auto &c : cases) {
        InstallTree tree;
        SourceDir src;
        const LawImportResult r = import(tree, {src.write(u"s.txt"_s, c.bytes)});
        ASSERT_TRUE(r.ok()) << c.name;
        ASSERT_TRUE(r.rejected.isEmpty()) << c.name << r.rejected[0].line().toStdString();
        const LawTables t = index(tree);
        ASSERT_EQ(t.count(), 1);
        // The double quote is stored as the full-width mark, in index and text alike.
        EXPECT_EQ(t.record(1).title(), u"示例“双引号＂”与Ｇｂｋ文字管理办法") << c.name;
        const ShowResult shown = open(tree, t.record(1));
        ASSERT_EQ(shown.kind, ShowResult::Kind::Document) << c.name;
        if (expected.isEmpty())
            expected = shown.text;
        EXPECT_EQ(shown.text, expected) << c.name;
    }
    EXPECT_TRUE(expected.contains(u"【颁布单位】 国务院\r\n【颁布日期】"_s));
    EXPECT_TRUE(expected.contains(u"第一条　正文。\r\n\r\n第二条　再一条。\r\n"_s + RecordMarker() +
                                  u"\r\n"_s));
}

TEST(LawImport, SourceDatesAreNormalised)
{
    const struct {
        const char16_t *text;
        std::optional<QString> date;
    } cases[] = {
        {u"2003-4-1", u"2003-04-01"_s},
        {u"2003/04/01", u"2003-04-01"_s},
        {u"2003.4.1", u"2003-04-01"_s},
        {u"2003年4月1日", u"2003-04-01"_s},
        {u" ２００３年１２月３１日 ", u"2003-12-31"_s},
        {u"20030401", u"2003-04-01"_s},
        {u"", u"0000-00-00"_s},
        {u"0000-00-00", u"0000-00-00"_s},
        {u"００００年００月００日", u"0000-00-00"_s},
        {u"2003-2-30", std::nullopt},
        {u"2003-4", std::nullopt},
        {u"03-4-1", std::nullopt},
        {u"2003-4/1", std::nullopt},
        {u"不详", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(normaliseLawDate(c.text), c.date) << QString::fromUtf16(c.text).toStdString();
}

TEST(LawImport, CategoriesDerivedFromIssuerAndTitle)
{
    const struct {
        const char16_t *issuer;
        const char16_t *title;
        const char16_t *digits;
    } cases[] = {
        {u"全国人民代表大会常务委员会", u"中华人民共和国示例法", u"1"},
        {u"国务院办公厅", u"国务院办公厅关于示例工作的通知", u"2"},
        {u"中共中央、国务院", u"关于示例工作的决定", u"2"},
        {u"最高人民法院", u"关于审理示例纠纷案件适用法律若干问题的解释", u"3"},
        {u"国家税务总局", u"关于示例税收问题的通知", u"4"},
        {u"国家市场监督管理总局", u"示例产品质量管理办法", u"4"},
        {u"中华全国律师协会", u"律师执业示例规范", u"4"},
        {u"北京市人民代表大会常务委员会", u"北京市示例条例", u"5"},
        {u"新疆生产建设兵团", u"示例管理规定", u"5"},
        {u"广东省高级人民法院", u"张某诉李某房屋买卖合同纠纷案", u"58"},
        {u"商务部", u"外商投资示例管理办法", u"46"},
        {u"海关总署", u"关于执行WTO示例规则的通知", u"46"},
        {u"国家工商行政管理总局", u"外商投资企业合同（示范文本）", u"467"},
        {u"", u"房屋租赁合同（2015年版）", u"7"},
        {u"", u"中华人民共和国合同法", u"9"},
        {u"全国人民代表大会", u"中华人民共和国示例法修正案", u"1"},
        {u"国务院", u"关于示例工作方案", u"2"},
        {u"最高人民法院", u"示例民事判决书", u"38"},
        {u"中华全国总工会", u"关于示例工作的通知", u"9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(deriveCategories(c.issuer, c.title), QString::fromUtf16(c.digits))
            << QString::fromUtf16(c.title).toStdString();
}

TEST(LawImport, CategoryLineIsUsedAndNotStored)
{
    const struct {
        const char16_t *line;
        const char16_t *digits;
    } cases[] = {{u"46", u"46"}, {u"6，4", u"46"}, {u"８", u"8"}, {u"", u"2"}};
    for (const auto &c : cases) {
        InstallTree tree;
        SourceDir src;
        Source s = law(u"示例管理办法"_s);
        s.category = QString::fromUtf16(c.line);
        QString text = s.text();
        if (s.category.isEmpty())
            text.replace(u"【有 效 性】 有效\n"_s, u"【有 效 性】 有效\n【类    别】\n"_s);
        ASSERT_TRUE(import(tree, {src.write(u"s.txt"_s, text.toUtf8())}).ok());
        const LawTables t = index(tree);
        ASSERT_EQ(t.count(), 1);
        EXPECT_EQ(t.record(1).org(), QString(QString::fromUtf16(c.digits) + u"国务院"_s));
        EXPECT_FALSE(open(tree, t.record(1)).text.contains(u"类"_s));
    }
}

TEST(LawImport, MarkerIsAddedOnlyWhenMissing)
{
    Source with = law(u"带标记的示例办法"_s);
    with.body = u"正文"_s + RecordMarker() + u"\n附录"_s;
    Source without = law(u"不带标记的示例办法"_s);
    without.body = u""_s;
    InstallTree tree;
    SourceDir src;
    ASSERT_TRUE(
        import(tree, {src.write(u"with.txt"_s, with), src.write(u"without.txt"_s, without)}).ok());
    const LawTables t = index(tree);
    ASSERT_EQ(t.count(), 2);
    for (int i = 1; i <= 2; ++i) {
        const ShowResult s = open(tree, t.record(i));
        ASSERT_EQ(s.kind, ShowResult::Kind::Document);
        EXPECT_EQ(s.text.count(RecordMarker()), 1);
        if (t.record(i).title() == u"不带标记的示例办法")
            EXPECT_TRUE(s.text.endsWith(u"【有 效 性】 有效\r\n"_s + RecordMarker() + u"\r\n"_s));
        else
            EXPECT_TRUE(s.text.endsWith(u"正文"_s + RecordMarker() + u"\r\n附录\r\n"_s));
    }
}

TEST(LawImport, UndatedFileStaysBelowTenThousand)
{
    InstallTree tree;
    SourceDir src;
    // An undated file of 9998 documents and an index listing them.
    QList<Record> docs;
    QList<Record> rows;
    for (int i = 0; i < 9998; ++i) {
        const QString title = u"无日期示例文本"_s + QString::number(i);
        docs.append({composeLawDocument(title, u"", u"0000-00-00", u"", u"有效", RecordMarker())});
        rows.append({title, u"0000-00-00", u"9", u"有效"});
    }
    tree.writeRecords(ContentFile(contentFileName(0, 0)), docs);
    tree.writeRecords(lawIndexPath(), rows);
    const auto before = tree.snapshot();

    const QString a = src.write(u"a.txt"_s, law(u"新的无日期示例甲"_s, u""_s));
    const QString b = src.write(u"b.txt"_s, law(u"新的无日期示例乙"_s, u""_s));
    const LawImportResult refused = import(tree, {a, b});
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.failure.contains(u"10000"_s)) << refused.failure.toStdString();
    EXPECT_EQ(tree.snapshot(), before);

    // One more is the last the program reads.
    const LawImportResult r = import(tree, {a});
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_EQ(r.undated, 9999);
    const LawTables t = index(tree);
    ASSERT_EQ(t.count(), 9999);
    EXPECT_EQ(t.record(9999).title(), u"新的无日期示例甲");
    EXPECT_EQ(open(tree, t.record(9999)).kind, ShowResult::Kind::Document);
}

TEST(LawImport, UnreadableIndexIsNotExtended)
{
    InstallTree tree;
    SourceDir src;
    tree.writeBytes(lawIndexPath(), Gbk::encode(u"\"甲\",\"2003-04-01\",\"2国务院\",\"有效\"\r\n"
                                                u"\"乙\",\"2003-04-01\",\"2国务院\"\r\n"));
    const auto before = tree.snapshot();
    const QString s = src.write(u"s.txt"_s, law(u"示例管理办法"_s));
    const LawImportResult r = import(tree, {s});
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.failure.contains(u"第 2 行"_s)) << r.failure.toStdString();
    EXPECT_EQ(tree.snapshot(), before);

    EXPECT_TRUE(import(tree, {s}, true).ok());
    EXPECT_EQ(index(tree).count(), 1);
}

TEST(LawImport, AFailedWriteChangesNothing)
{
    InstallTree tree;
    SourceDir src;
    ASSERT_TRUE(import(tree, {src.write(u"a.txt"_s, law(u"原有的示例管理办法"_s))}).ok());
    const auto before = tree.snapshot();

    Source big = law(u"很长的示例管理办法"_s);
    big.body = QString(20000, u'文');
    const QString s = src.write(u"big.txt"_s, big);
    LawImportResult r;
    withFileSizeLimit(8000, [&] {
        r = import(tree, {s});
        return FileResult::success();
    });
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.indexWritten);
    // No new file, no temporary file left.
    EXPECT_EQ(tree.snapshot(), before);
}

TEST(LawImport, ANewDocumentGoesBeforeADamagedOne)
{
    InstallTree tree;
    SourceDir src;
    const QString ok = composeLawDocument(u"完好的示例办法", u"国务院", u"2003-04-01", u"", u"有效",
                                          RecordMarker());
    const QString broken =
        composeLawDocument(u"损坏的示例办法", u"国务院", u"2003-04-01", u"", u"有效", u"没有标记");
    tree.writeRecords(ContentFile(contentFileName(2003, 4)), {{ok}, {broken}});
    tree.writeRecords(lawIndexPath(), {{u"完好的示例办法", u"2003-04-01", u"2国务院", u"有效"}});

    const LawImportResult r = import(tree, {src.write(u"n.txt"_s, law(u"新的示例办法"_s))});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.warnings.size(), 1);
    const LawTables t = index(tree);
    ASSERT_EQ(t.count(), 2);
    for (int i = 1; i <= 2; ++i)
        EXPECT_EQ(open(tree, t.record(i)).kind, ShowResult::Kind::Document) << i;
    // The damaged document is kept.
    EXPECT_TRUE(tree.readBytes(ContentFile(contentFileName(2003, 4)))
                    .contains(Gbk::encode(u"损坏的示例办法")));
}

// A crash after any number of files were put in place leaves an index whose
// every row opens: the old index with old rows, or the new one.
TEST(LawImport, AStopBetweenFilesLeavesEveryRowOpen)
{
    for (const bool replace : {false, true}) {
        for (int stopAt = 0;; ++stopAt) {
            SCOPED_TRACE((replace ? "replace, stop at " : "extend, stop at ") +
                         std::to_string(stopAt));
            InstallTree tree;
            SourceDir src;
            Source changed = law(u"将被替换的示例办法"_s, u"2003-4-1"_s);
            ASSERT_TRUE(
                import(tree, {src.write(u"1.txt"_s, changed),
                              src.write(u"2.txt"_s, law(u"四月的另一示例办法"_s)),
                              src.write(u"3.txt"_s, law(u"五月的示例办法"_s, u"2003-5-2"_s)),
                              src.write(u"4.txt"_s, law(u"无日期的示例文本"_s, u""_s))})
                    .ok());
            const LawTables oldIndex = index(tree);

            changed.validity = u"已被修正"_s;
            changed.body = u"新版本"_s;
            int placed = 0;
            LawImportOptions options;
            options.replace = replace;
            options.beforeReplacing = [&](const QString &) { return placed++ < stopAt; };
            const LawImportResult r =
                importLaws(tree.drives(),
                           {src.write(u"new1.txt"_s, changed),
                            src.write(u"new2.txt"_s, law(u"四月新增的示例办法"_s, u"2003-4-20"_s)),
                            src.write(u"new3.txt"_s, law(u"五月新增的示例办法"_s, u"2003-5-20"_s)),
                            src.write(u"new4.txt"_s, law(u"新增的无日期示例文本"_s, u""_s))},
                           options);

            const LawTables now = index(tree);
            if (r.ok()) {
                ASSERT_EQ(now.count(), replace ? 4 : 7);
            } else {
                // Not yet replaced: the old index, and every row of it opens.
                ASSERT_FALSE(r.indexWritten);
                ASSERT_EQ(titles(now), titles(oldIndex));
            }
            for (int i = 1; i <= now.count(); ++i) {
                const ShowResult s = open(tree, now.record(i));
                ASSERT_EQ(s.kind, ShowResult::Kind::Document)
                    << now.record(i).title().toString().toStdString();
                EXPECT_EQ(documentTitle(s.text).compare(now.record(i).title(), Qt::CaseInsensitive),
                          0);
            }
            // No temporary file stays behind.
            for (const QString &f : tree.snapshot().keys())
                EXPECT_FALSE(f.endsWith(u".new"_s)) << f.toStdString();
            if (r.ok())
                break;
        }
    }
}
