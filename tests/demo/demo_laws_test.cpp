#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/digit_code.h"
#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_import.h"
#include "core/lawdb/law_index.h"
#include "demo/demo_laws.h"
#include "support/install_tree.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2024, 6, 15);

DemoLawResult demo(const InstallTree &tree, int laws, quint64 seed = 1, QDate today = Today,
                   bool overwrite = false)
{
    return writeDemoLaws(tree.drives(), {laws, seed, today, overwrite});
}

QString issuerOf(QStringView org)
{
    qsizetype i = 0;
    while (i < org.size() && org[i].isDigit())
        ++i;
    return org.sliced(i).toString();
}

} // namespace

TEST(DemoLaws, SameSeedGivesTheSameBytes)
{
    InstallTree a, b, c;
    ASSERT_TRUE(demo(a, 400, 7).ok());
    ASSERT_TRUE(demo(b, 400, 7).ok());
    ASSERT_TRUE(demo(c, 400, 8).ok());
    const auto first = a.snapshot();
    EXPECT_GT(first.size(), 50);
    EXPECT_EQ(first, b.snapshot());
    EXPECT_NE(a.readBytes(lawIndexPath()), c.readBytes(lawIndexPath()));
}

TEST(DemoLaws, ShapedLikeARealCollection)
{
    InstallTree tree;
    const DemoLawResult r = demo(tree, 2000);
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_EQ(r.documents, 2000);

    const RecordFile files = tree.files();
    const LawTables t = LoadIndex2(files);
    ASSERT_EQ(t.count(), 2000);

    // Undated a few per cent, at the end; the rest newest first, up to today.
    int undated = 0;
    for (int i = 1; i <= t.count(); ++i) {
        if (t.record(i).date() == u"0000-00-00") {
            ++undated;
            continue;
        }
        ASSERT_EQ(undated, 0) << "a dated row after an undated one";
        if (i > 1) {
            ASSERT_GE(t.record(i - 1).date(), t.record(i).date());
        }
    }
    EXPECT_EQ(undated, r.undated);
    EXPECT_GE(undated, 20);
    EXPECT_LE(undated, 100);
    EXPECT_EQ(t.record(1).date().first(4), u"2024");
    EXPECT_LE(t.record(1).date(), u"2024-06-15");
    EXPECT_LE(t.record(t.count() - undated).date().first(4), u"1975");

    // More documents in recent years.
    int recent = 0, old = 0;
    QMap<QChar, int> category;
    QMap<QString, int> validity;
    QSet<QString> rows;
    int duplicates = 0;
    for (const LawRecord &rec : t.LawIndex) {
        const int year = rec.date().first(4).toInt();
        if (year >= 2005)
            ++recent;
        else if (year > 0 && year < 1995)
            ++old;
        for (QChar d : QSet<QChar>(rec.org().begin(), rec.org().end())) {
            if (d.isDigit())
                ++category[d];
        }
        ++validity[rec.validity().toString()];
        // The categories follow the import's rules.
        EXPECT_EQ(rec.org(), QString(deriveCategories(issuerOf(rec.org()), rec.title()) +
                                     issuerOf(rec.org())));
        EXPECT_GE(rec.title().size(), 10) << rec.title().toString().toStdString();
        EXPECT_LE(rec.title().size(), 45) << rec.title().toString().toStdString();
        if (rec.date() != u"0000-00-00") {
            EXPECT_FALSE(rec.title().contains(u"0000"));
        }
        const QString row = lawRow(rec);
        if (rows.contains(row))
            ++duplicates;
        rows.insert(row);
    }
    EXPECT_GT(recent, 3 * old);
    EXPECT_GE(duplicates, 1);
    const struct {
        char16_t digit;
        int low, high; // per cent
    } shares[] = {{u'1', 1, 5}, {u'2', 3, 8}, {u'3', 3, 8}, {u'4', 25, 38}, {u'5', 38, 55},
                  {u'6', 3, 9}, {u'7', 1, 4}, {u'8', 3, 8}, {u'9', 4, 14}};
    for (const auto &s : shares) {
        const double share = 100.0 * category.value(QChar(s.digit)) / t.count();
        EXPECT_GE(share, s.low) << char(s.digit);
        EXPECT_LE(share, s.high) << char(s.digit);
    }
    EXPECT_GT(validity.value(u"有效"_s), 1600);
    EXPECT_GT(validity.value(u"失效"_s), 20);
    EXPECT_GT(validity.value(u"已被修正"_s), 20);

    // Every row opens its document: 4 to 8 KB of body, one record marker.
    const NoDateTexts undatedTexts = LoadClass789Contents(files);
    int web = 0, mail = 0;
    QSet<QString> latin;
    const QRegularExpression site(u"example[.．]gov[.．]cn"_s,
                                  QRegularExpression::CaseInsensitiveOption);
    for (const LawRecord &rec : t.LawIndex) {
        const ShowResult shown = FindContents2(files, undatedTexts, lawRow(rec));
        ASSERT_EQ(shown.kind, ShowResult::Kind::Document) << lawRow(rec).toStdString();
        const QString &text = shown.text;
        EXPECT_EQ(documentTitle(text), rec.title());
        EXPECT_EQ(text.count(RecordMarker()), 1);
        EXPECT_FALSE(text.contains(DamagedPhrase()));
        const qsizetype body = Gbk::encode(text.sliced(text.indexOf(u"【有 效 性】"_s))).size();
        EXPECT_GE(body, 4096);
        EXPECT_LE(body, 8192 + 600);
        web += text.contains(site);
        mail += text.contains(u'@');
        for (const char16_t *word : {u"ISO", u"iso", u"Iso", u"WTO", u"wto", u"App", u"APP"}) {
            if (text.contains(QStringView(word)))
                latin.insert(QString::fromUtf16(word));
        }
    }
    EXPECT_GT(web, 100);
    EXPECT_GT(mail, 50);
    EXPECT_EQ(latin.size(), 7);
}

TEST(DemoLaws, KeepsAnExistingDatabaseUnlessTold)
{
    InstallTree tree;
    ASSERT_TRUE(demo(tree, 200).ok());
    const auto before = tree.snapshot();
    const DemoLawResult refused = demo(tree, 50, 1, QDate(1990, 3, 1));
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(tree.snapshot(), before);

    // Overwritten: only the new database's content files remain.
    ASSERT_TRUE(demo(tree, 50, 1, QDate(1990, 3, 1), true).ok());
    const RecordFile files = tree.files();
    const LawTables t = LoadIndex2(files);
    ASSERT_EQ(t.count(), 50);
    QSet<QString> expected;
    for (const LawRecord &rec : t.LawIndex) {
        const QString date = rec.date().toString();
        expected.insert(ContentFile(contentFileName(date.first(4).toInt(), date.mid(5, 2).toInt()))
                            .sliced(InstallPaths::contentDir().size()));
        EXPECT_LE(date, u"1990-03-01"_s);
    }
    const QStringList present = files.listFiles(InstallPaths::contentDir());
    EXPECT_EQ(QSet<QString>(present.begin(), present.end()), expected);
}

TEST(DemoLaws, RefusesASizeOutOfRange)
{
    for (const int laws : {0, -5, DemoLawMaximum + 1}) {
        InstallTree tree;
        const auto before = tree.snapshot();
        EXPECT_FALSE(demo(tree, laws).ok()) << laws;
        EXPECT_EQ(tree.snapshot(), before);
    }
}
