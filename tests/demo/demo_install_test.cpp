#include "core/calendar/calendar_line.h"
#include "core/clients/client_names.h"
#include "core/clients/client_register.h"
#include "core/clients/client_search.h"
#include "core/clients/ledger.h"
#include "core/foundation/install_paths.h"
#include "core/lawdb/law_index.h"
#include "core/lawdb/word_find.h"
#include "demo/demo_install.h"
#include "support/install_tree.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2024, 6, 15);

DemoInstallOptions options(int laws, bool overwrite = false)
{
    DemoInstallOptions o;
    o.laws = laws;
    o.today = Today;
    o.overwrite = overwrite;
    return o;
}

int pictureCount()
{
    return int(demoPictureNames().size());
}

} // namespace

TEST(DemoInstall, AFreshTreeGetsFoldersPicturesAndLaws)
{
    InstallTree tree;
    EXPECT_TRUE(needsDemoInstall(tree.drives()));

    const DemoInstallResult r = writeDemoInstall(tree.drives(), options(40));
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_EQ(r.pictures.written, pictureCount());
    EXPECT_FALSE(r.lawsKept);
    EXPECT_EQ(r.laws.documents, 40);
    EXPECT_EQ(r.directory.written, 4) << "the directory and the official-website tables";

    const RecordFile files = tree.files();
    for (const QString &folder : {u"sounds\\"_s, u"help\\"_s, u"objpics\\"_s})
        EXPECT_TRUE(files.directoryExists(InstallTree::install(folder))) << folder.toStdString();
    for (const QString &name : demoPictureNames())
        EXPECT_TRUE(files.exists(demoPicturePath(name))) << name.toStdString();
    const LawTables laws = LoadIndex2(files);
    ASSERT_EQ(laws.count(), 40);
    EXPECT_LE(laws.record(1).date(), u"2024-06-15");
    EXPECT_FALSE(needsDemoInstall(tree.drives()));

    // The special-character table: 24 masking rows, then the end row.
    const ErrNoList table = LoadErrNoList(files);
    ASSERT_TRUE(table.exists);
    ASSERT_EQ(table.table.rows.size(), 25);
    for (int k = 0; k < 24; ++k) {
        EXPECT_EQ(table.table.rows[k].character.size(), 1) << k;
        EXPECT_EQ(table.table.rows[k].replacement, u"~"_s) << k;
        EXPECT_TRUE(table.table.rows[k].endMark.isEmpty()) << k;
    }
    EXPECT_FALSE(table.table.rows[24].endMark.isEmpty());
    // A word holding a listed symbol is still found, and the text comes back whole.
    const QString text = u"第一条　□甲□乙"_s;
    const WordFindResult found = FindWord(text, u"□乙"_s, table);
    EXPECT_EQ(found.count, 1);

    // The currencies of the billing ledger, the default first.
    EXPECT_EQ(loadCurrencies(files),
              (QStringList{u"人民币"_s, u"美元"_s, u"欧元"_s, u"港币"_s, u"日元"_s, u"英镑"_s}));
}

TEST(DemoInstall, KeepsTheUsersTablesAndWritesTheMissingOnes)
{
    InstallTree tree;
    tree.writeRecords(currenciesPath(), {{u"美元"_s}, {u"人民币"_s}});
    const QByteArray users = tree.readBytes(currenciesPath());

    ASSERT_TRUE(writeDemoInstall(tree.drives(), options(0)).ok());
    EXPECT_EQ(tree.readBytes(currenciesPath()), users);
    EXPECT_TRUE(LoadErrNoList(tree.files()).exists);

    ASSERT_TRUE(writeDemoInstall(tree.drives(), options(0, true)).ok());
    EXPECT_EQ(loadCurrencies(tree.files()).front(), u"人民币"_s);
}

TEST(DemoInstall, SampleClientsWithFoldersDatesAndAddresses)
{
    InstallTree tree;
    const DemoInstallResult r = writeDemoInstall(tree.drives(), options(0));
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    const QStringList names = demoClientNames();
    EXPECT_GE(names.size(), 8);
    EXPECT_LE(names.size(), 12);
    EXPECT_EQ(r.clients.written, names.size());
    EXPECT_FALSE(r.clients.kept);

    const ClientsLoad load = LoadClients(tree.files());
    EXPECT_FALSE(load.notice);
    ASSERT_EQ(load.reg.count(), names.size());
    QSet<QString> categories;
    bool email = false;
    bool web = false;
    for (int k = 1; k <= load.reg.count(); ++k) {
        const ClientRecord &c = load.reg.row(k);
        EXPECT_EQ(c.name, names[k - 1]);
        EXPECT_TRUE(c.text.startsWith(c.name + u"\r\n"_s)) << c.name.toStdString();
        EXPECT_TRUE(c.timestamp.startsWith(u"2024-06-15 "_s)) << c.timestamp.toStdString();
        EXPECT_TRUE(tree.files().directoryExists(*clientFolderPath(c.name)))
            << c.name.toStdString();
        categories.insert(c.category);
        email = email || c.text.contains(u"@example."_s);
        web = web || c.text.contains(u"http://www.example."_s);
    }
    EXPECT_EQ(categories.size(), 9) << "every category of its own has a client";
    EXPECT_TRUE(email);
    EXPECT_TRUE(web);

    // The schedule of today and of another day of the month finds clients.
    for (const QDate day : {Today, QDate(2024, 6, 20)}) {
        ClientQuery q;
        q.date = day;
        const FindClientsResult found = FindClients(load.reg, q);
        EXPECT_GE(found.RelevantRecords, 1) << day.toString().toStdString();
        EXPECT_EQ(found.DateHits.size(), found.RelevantRecords);
    }
}

TEST(DemoInstall, KeepsTheUsersClientsUnlessOverwriting)
{
    InstallTree tree;
    tree.writeRecords(clientsRegisterPath(),
                      {{u"甲"_s, u"2020-01-01 08:00:00"_s, u"企业"_s, u"甲\r\n内容"_s}});
    ASSERT_TRUE(tree.files().makeDirectory(*clientFolderPath(u"甲"_s)).ok());
    const QByteArray users = tree.readBytes(clientsRegisterPath());

    const DemoInstallResult kept = writeDemoInstall(tree.drives(), options(0));
    ASSERT_TRUE(kept.ok()) << kept.failure.toStdString();
    EXPECT_TRUE(kept.clients.kept);
    EXPECT_EQ(kept.clients.written, 0);
    EXPECT_EQ(tree.readBytes(clientsRegisterPath()), users);
    EXPECT_EQ(tree.files().listDirectories(clientsDirectory()), QStringList{u"甲"_s});

    const DemoInstallResult replaced = writeDemoInstall(tree.drives(), options(0, true));
    ASSERT_TRUE(replaced.ok()) << replaced.failure.toStdString();
    EXPECT_EQ(replaced.clients.written, demoClientNames().size());
    EXPECT_EQ(LoadClients(tree.files()).reg.count(), demoClientNames().size());
    EXPECT_TRUE(tree.files().directoryExists(*clientFolderPath(u"甲"_s)));
}

TEST(DemoInstall, RunningAgainChangesNothingUnlessOverwriting)
{
    InstallTree tree;
    ASSERT_TRUE(writeDemoInstall(tree.drives(), options(40)).ok());
    const auto first = tree.snapshot();

    // Other options change nothing either: the files there are kept.
    DemoInstallOptions other = options(60);
    other.seed = 9;
    const DemoInstallResult again = writeDemoInstall(tree.drives(), other);
    ASSERT_TRUE(again.ok()) << again.failure.toStdString();
    EXPECT_TRUE(again.lawsKept);
    EXPECT_EQ(again.laws.documents, 0);
    EXPECT_EQ(again.pictures.written, 0);
    EXPECT_EQ(again.pictures.kept, pictureCount());
    EXPECT_TRUE(again.clients.kept);
    EXPECT_TRUE(tree.snapshot() == first);

    tree.writeBytes(demoPicturePath(u"exit1.jpg"_s), "edited");
    other.overwrite = true;
    const DemoInstallResult rewrite = writeDemoInstall(tree.drives(), other);
    ASSERT_TRUE(rewrite.ok()) << rewrite.failure.toStdString();
    EXPECT_FALSE(rewrite.lawsKept);
    EXPECT_EQ(rewrite.pictures.written, pictureCount());
    EXPECT_EQ(tree.readBytes(demoPicturePath(u"exit1.jpg"_s)),
              first.value(u"/program files/quorix/objpics/exit1.jpg"_s));
    EXPECT_EQ(LoadIndex2(tree.files()).count(), 60);
}

TEST(DemoInstall, KeepsTheUsersLawDatabase)
{
    InstallTree tree;
    tree.writeRecords(lawIndexPath(), {{u"民法典"_s, u"1全国人大"_s, u"2020-05-28"_s, 0}});
    const QByteArray index = tree.readBytes(lawIndexPath());

    const DemoInstallResult r = writeDemoInstall(tree.drives(), options(40));
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_TRUE(r.lawsKept);
    EXPECT_EQ(r.pictures.written, pictureCount());
    EXPECT_EQ(tree.readBytes(lawIndexPath()), index);
}

TEST(DemoInstall, NoLawsLeavesTheDatabaseOut)
{
    InstallTree tree;
    DemoInstallOptions o = options(0);
    o.today = QDate(); // not needed without laws
    const DemoInstallResult r = writeDemoInstall(tree.drives(), o);
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_FALSE(r.lawsKept);
    EXPECT_EQ(r.laws.documents, 0);
    EXPECT_EQ(r.pictures.written, pictureCount());
    EXPECT_FALSE(tree.files().exists(lawIndexPath()));
    EXPECT_EQ(r.clients.written, 0) << "no dates for the sample clients without a today";
}

TEST(DemoInstall, UnusableOptionsWriteNothing)
{
    const struct {
        int laws;
        QDate today;
    } cases[] = {
        {-1, Today},
        {DemoLawMaximum + 1, Today},
        {40, QDate()},
        {40, QDate(1900, 1, 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.laws);
        InstallTree tree;
        const auto before = tree.snapshot();
        DemoInstallOptions o = options(c.laws);
        o.today = c.today;
        const DemoInstallResult r = writeDemoInstall(tree.drives(), o);
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.failure.isEmpty());
        EXPECT_TRUE(tree.snapshot() == before);
        EXPECT_FALSE(tree.files().directoryExists(demoPicturePath({})));
    }
}

TEST(DemoInstall, AFailureIsReportedAndStopsTheRun)
{
    InstallTree tree;
    tree.writeBytes(InstallTree::install(u"objpics"_s), "in the way");
    const DemoInstallResult r = writeDemoInstall(tree.drives(), options(40));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.failure.contains(u"objpics"_s)) << r.failure.toStdString();
    EXPECT_FALSE(tree.files().exists(lawIndexPath()));
    EXPECT_EQ(tree.readBytes(InstallTree::install(u"objpics"_s)), "in the way");
}

TEST(DemoInstall, NeededOnlyWithoutLawIndexAndPictures)
{
    const struct {
        bool index;
        bool pictureFolder;
        bool picture;
        bool needed;
    } cases[] = {
        {false, false, false, true}, {false, true, false, true}, // an empty picture folder
        {true, false, false, false}, {false, true, true, false}, {true, true, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << c.pictureFolder << c.picture);
        InstallTree tree;
        if (c.index)
            tree.writeRecords(lawIndexPath(), {});
        if (c.pictureFolder) {
            ASSERT_TRUE(tree.files().makeDirectory(demoPicturePath({})).ok());
        }
        if (c.picture)
            tree.writeBytes(demoPicturePath(u"Law.ico"_s), "icon");
        EXPECT_EQ(needsDemoInstall(tree.drives()), c.needed);
    }
}

TEST(DemoInstall, WritesTheCalendarTableUnlessOneIsThere)
{
    InstallTree tree;
    const QString path = InstallPaths::calendarFile();
    const DemoInstallResult r = writeDemoInstall(tree.drives(), options(0));
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_FALSE(r.calendar.kept);
    EXPECT_EQ(r.calendar.days, 73414);
    const QByteArray table = tree.readBytes(path);
    for (const QString &day : {u"1900-1-1"_s, u"2024-2-10"_s, u"2100-12-31"_s})
        EXPECT_TRUE(lookupCalendarDay(table, day).fields) << day.toStdString();
    EXPECT_FALSE(lookupCalendarDay(table, u"1899-12-31").yearHeld);
    EXPECT_FALSE(lookupCalendarDay(table, u"2101-1-1").yearHeld);

    // A table already there is the user's: kept, unless overwriting.
    tree.writeRecords(path, {{u"2003-8-22"_s, u""_s, u"七月"_s, u"廿五"_s, u""_s, u""_s}});
    const QByteArray own = tree.readBytes(path);
    const DemoInstallResult kept = writeDemoInstall(tree.drives(), options(0));
    EXPECT_TRUE(kept.calendar.kept);
    EXPECT_EQ(kept.calendar.days, 0);
    EXPECT_EQ(tree.readBytes(path), own);
    const DemoInstallResult replaced = writeDemoInstall(tree.drives(), options(0, true));
    EXPECT_FALSE(replaced.calendar.kept);
    EXPECT_EQ(tree.readBytes(path), table);
}
