#include "core/lawdb/favorites.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList titles(const QList<Favorite> &favorites)
{
    QStringList out;
    for (const Favorite &f : favorites)
        out.append(f.title);
    return out;
}

} // namespace

TEST(Favorites, AddedOnceByTitle)
{
    InstallTree tree;
    EXPECT_TRUE(readFavorites(tree.files()).isEmpty());
    bool added = false;
    ASSERT_TRUE(
        addFavorite(tree.files(), u"2003-08-22  (有效)  某某条例"_s, QDate(2026, 3, 5), &added));
    EXPECT_TRUE(added);
    ASSERT_TRUE(
        addFavorite(tree.files(), u" 2003-08-22  (有效)  某某条例 "_s, QDate(2026, 3, 6), &added));
    EXPECT_FALSE(added) << "blanks around the title do not make it another";
    ASSERT_TRUE(addFavorite(tree.files(), u"ABC rules"_s, QDate(2026, 3, 6), &added));
    ASSERT_TRUE(addFavorite(tree.files(), u"abc RULES"_s, QDate(2026, 3, 6), &added));
    EXPECT_FALSE(added) << "nor does letter case";

    const QList<Favorite> all = readFavorites(tree.files());
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0], (Favorite{u"2026-03-05"_s, u"2003-08-22  (有效)  某某条例"_s, u""_s}));
    EXPECT_EQ(all[1].title, u"ABC rules"_s);
}

TEST(Favorites, DeleteRemovesEveryRecordOfTheTitleAndKeepsTheRest)
{
    InstallTree tree;
    QList<Record> records;
    for (int i = 0; i < 2500; ++i)
        records.append(
            {u"2026-01-01"_s, u"标题"_s + QString::number(i), u"备注"_s + QString::number(i)});
    records.insert(10, {u"2026-02-02"_s, u" 要删的 "_s, u"a"_s});
    records.append({u"2026-02-03"_s, u"要删的"_s, u"b"_s});
    records.append({u"2026-02-04"_s, u"要删的!"_s, u"c"_s});
    records.append({u"2026-02-05"_s, u""_s, u"空标题"_s});
    tree.writeRecords(favoritesPath(), records);

    int removed = 0;
    ASSERT_TRUE(deleteFavorite(tree.files(), u"要删的"_s, &removed));
    EXPECT_EQ(removed, 2);
    const QList<Favorite> left = readFavorites(tree.files());
    ASSERT_EQ(left.size(), 2502);
    EXPECT_EQ(left[10].title, u"标题10"_s);
    EXPECT_EQ(left[2499], (Favorite{u"2026-01-01"_s, u"标题2499"_s, u"备注2499"_s}))
        << "each record keeps its own third field, beyond 2000 too";
    EXPECT_EQ(left[2500].title, u"要删的!"_s);
    EXPECT_EQ(left[2501], (Favorite{u"2026-02-05"_s, u""_s, u"空标题"_s}));

    ASSERT_TRUE(deleteFavorite(tree.files(), u"YAO删的!"_s, &removed));
    EXPECT_EQ(removed, 0) << "deleting compares the title exactly";
}

TEST(Favorites, AnEmptyFileAndAFileCutOff)
{
    InstallTree tree;
    ASSERT_TRUE(ensureFavoritesFile(tree.files()));
    EXPECT_TRUE(tree.files().exists(favoritesPath()));
    EXPECT_TRUE(readFavorites(tree.files()).isEmpty());

    tree.writeBytes(favoritesPath(), "\"2026-01-01\",\"A\",\"\"\r\n\"2026-01-02\",\"B\"");
    EXPECT_EQ(titles(readFavorites(tree.files())), QStringList{u"A"_s});
    int removed = 0;
    ASSERT_TRUE(deleteFavorite(tree.files(), u"A"_s, &removed));
    EXPECT_EQ(tree.readBytes(favoritesPath()), "\"2026-01-02\",\"B\"")
        << "what cannot be read is kept as it was";
}
