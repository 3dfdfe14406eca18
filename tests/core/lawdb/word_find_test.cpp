#include "core/lawdb/word_find.h"

#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

SpecialCharRow row(const QString &character, const QString &replacement = u"~"_s,
                   const QString &endMark = {})
{
    return {character, {}, replacement, endMark};
}

SpecialChars table(QList<SpecialCharRow> rows)
{
    return SpecialChars{std::move(rows)};
}

QList<qsizetype> starts(const WordFindResult &r)
{
    QList<qsizetype> out;
    for (const WordOccurrence &o : r.occurrences)
        out.append(o.start);
    return out;
}

} // namespace

TEST(LoadErrNoList, MissingFileIsReportedAndGivesAnEmptyTable)
{
    InstallTree tree;
    const ErrNoList list = LoadErrNoList(tree.files());
    EXPECT_FALSE(list.exists);
    EXPECT_TRUE(list.table.rows.isEmpty());
    EXPECT_EQ(missingErrNoListMessage(), u"缺少特殊字符检查表!\r\n在正文内查找词时可能出错!"_s);
}

TEST(LoadErrNoList, ReadsFourFieldsPerRowAndAtMostAHundredRows)
{
    InstallTree tree;
    QList<Record> records{{u"□"_s, u"方框"_s, u"~"_s, u""_s}};
    for (int i = 0; i < 120; ++i)
        records.append({u"x"_s, u""_s, u"~"_s, u"end"_s});
    tree.writeRecords(u"C:\\Program Files\\Quorix\\ErrNoList.txt"_s, records);

    const ErrNoList list = LoadErrNoList(tree.files());
    EXPECT_TRUE(list.exists);
    ASSERT_EQ(list.table.rows.size(), SpecialChars::Capacity);
    EXPECT_EQ(list.table.rows[0], (SpecialCharRow{u"□"_s, u"方框"_s, u"~"_s, u""_s}));
    EXPECT_EQ(list.table.rows[1].endMark, u"end"_s);
}

TEST(FindWord, CountsAndPlacesEveryOccurrence)
{
    struct Case {
        const char *what;
        QString text;
        QString word;
        QList<qsizetype> starts;
    };
    const Case cases[] = {
        {"three times", u"合同法 合同 合同"_s, u"合同"_s, {0, 4, 7}},
        {"overlapping", u"aaa"_s, u"aa"_s, {0, 1}},
        {"letter case on both sides", u"Law LAW law"_s, u"lAW"_s, {0, 4, 8}},
        {"word trimmed", u"第一条 第二条"_s, u"  条 "_s, {2, 6}},
        {"line ends count two", u"甲\r\n乙\r\n乙"_s, u"乙"_s, {3, 6}},
        {"absent", u"合同法"_s, u"公司"_s, {}},
        {"blank word", u"合同法"_s, u"   "_s, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const WordFindResult r = FindWord(c.text, c.word, ErrNoList{});
        EXPECT_EQ(starts(r), c.starts);
        EXPECT_EQ(r.count, c.starts.size());
        for (const WordOccurrence &o : r.occurrences)
            EXPECT_EQ(o.length, c.word.trimmed().size());
        EXPECT_EQ(r.label36, u"查出 "_s + QString::number(c.starts.size()) + u" 个相同的字(词)"_s);
        EXPECT_EQ(r.label36Colour, c.starts.isEmpty() ? quint32(0xFF8000) : quint32(255));
        EXPECT_TRUE(r.ListErr.isEmpty());
    }
}

TEST(FindWord, LoweringNeverShiftsPositions)
{
    // U+0130 lowers to two characters in full case mapping; the search keeps
    // one character for one, so the word after it is found where it stands.
    EXPECT_EQ(lowerKeepingLength(u"İAb"_s).size(), 3);
    EXPECT_EQ(lowerKeepingLength(u"ABC𐐀"_s), u"abc𐐨"_s);
    const WordFindResult r = FindWord(u"İİ ACT"_s, u"act"_s, ErrNoList{});
    EXPECT_EQ(starts(r), QList<qsizetype>{3});
}

TEST(FindWord, SearchesTheMaskedTextWithTheMappedWord)
{
    // Row 2 carries the end mark: it no longer masks the text, but the word
    // mapping still uses it.
    const ErrNoList list{table({row(u"□"_s), row(u"■"_s, u"~"_s, u"1"_s)}), true};
    const QString text = u"第□条 第□条 第■条"_s;

    const WordFindResult found = FindWord(text, u"第□条"_s, list);
    EXPECT_EQ(starts(found), (QList<qsizetype>{0, 4}));
    EXPECT_EQ(found.ListErr, (QStringList{u"0000000002 □"_s, u"0000000006 □"_s}));

    // ■ stays in the text but becomes "~" in the word.
    EXPECT_EQ(FindWord(u"甲■乙"_s, u"■乙"_s, list).count, 0);

    // Without the table file nothing is masked or mapped.
    const WordFindResult plain = FindWord(text, u"第■条"_s, ErrNoList{list.table, false});
    EXPECT_EQ(starts(plain), QList<qsizetype>{8});
    EXPECT_TRUE(plain.ListErr.isEmpty());
}

TEST(ReplaceErrWD, MaskingLeavesTheTextUnchangedAfterwards)
{
    const SpecialChars t = table({row(u"ⅰ"_s), row(u"□"_s), row(u"~x"_s), row(u"★"_s)});
    // Ⅰ is found through the lowered text; the text keeps its upper case.
    const QString text = u"Ⅰ.□□\r\n~x ⅰ ~~x"_s;
    const MaskedText masked = ReplaceErrWD(text, t);
    EXPECT_EQ(masked.text, u"~.~~\r\n~x ~ ~~x"_s);
    EXPECT_EQ(masked.text.size(), text.size());
    EXPECT_EQ(masked.ListErr, (QStringList{u"0000000001 Ⅰ"_s, u"0000000010 ⅰ"_s, u"0000000003 □"_s,
                                           u"0000000004 □"_s}));
    EXPECT_EQ(RecoverErrWD(masked.text, masked.ListErr), text);
}

TEST(ReplaceErrWD, StopsAtTheFirstEmptyOrMarkedRow)
{
    const QString text = u"甲□乙■丙★"_s;
    EXPECT_EQ(ReplaceErrWD(text, table({row(u"□"_s), row({}), row(u"■"_s)})).text, u"甲~乙■丙★"_s);
    EXPECT_EQ(
        ReplaceErrWD(text, table({row(u"□"_s), row(u"★"_s, u"~"_s, u"x"_s), row(u"■"_s)})).text,
        u"甲~乙■丙★"_s);
    EXPECT_EQ(ReplaceErrWD(text, table({})).text, text);
}

TEST(RecoverErrWD, PassesOverEntriesThatDoNotFit)
{
    EXPECT_EQ(RecoverErrWD(u"~b~"_s, {u"0000000001 a"_s, u"0000000009 z"_s, u"junk"_s,
                                      u"0000000000 q"_s, u"0000000003 c"_s}),
              u"abc"_s);
}

TEST(ErrNoListCheckText2, MapsWithTheFirstTwentyFourRows)
{
    QList<SpecialCharRow> rows;
    for (int i = 0; i < 24; ++i)
        rows.append(row(u"z"_s, u"-"_s));
    rows.append(row(u"y"_s)); // row 25 maps nothing
    struct Case {
        const char *what;
        SpecialChars table;
        QString word;
        QString mapped;
    };
    const Case cases[] = {
        {"every occurrence", table({row(u"□"_s)}), u"□甲□"_s, u"~甲~"_s},
        {"short table", table({row(u"□"_s), row(u"■"_s)}), u"□■"_s, u"~~"_s},
        {"empty field 1 skipped", table({row({}), row(u"□"_s)}), u"□"_s, u"~"_s},
        {"end mark does not matter", table({row(u"□"_s, u"~"_s, u"1"_s)}), u"□"_s, u"~"_s},
        {"field 3 holds field 1", table({row(u"□"_s, u"~□"_s)}), u"□□"_s, u"~□~□"_s},
        {"field 3 equals field 1", table({row(u"□"_s, u"□"_s)}), u"a□"_s, u"a□"_s},
        {"field 3 empty", table({row(u"□"_s, u""_s)}), u"□a□"_s, u"a"_s},
        {"rows past 24", table(rows), u"zy"_s, u"-y"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ErrNoListCheckText2(c.word, c.table), c.mapped);
    }
}

TEST(ErrNoListCheckText2, AWordMappedToNothingFindsNothing)
{
    const ErrNoList list{table({row(u"□"_s, u""_s)}), true};
    const WordFindResult r = FindWord(u"□□"_s, u"□"_s, list);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.label36Colour, NotFoundColour);
}

TEST(LongTextQuestion, AsksOnlyAboveTheLimit)
{
    EXPECT_FALSE(needsLongTextQuestion(250000));
    EXPECT_TRUE(needsLongTextQuestion(250001));
    EXPECT_EQ(longTextQuestion(250001),
              u"此记录25万字, 可能需要较长时间。\r\n建议使用Word链接编辑。是否退出?"_s);
    EXPECT_EQ(longTextQuestion(1239999).section(u'万', 0, 0), u"此记录123"_s);
}
