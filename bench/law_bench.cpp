// Timings of the law database on a full-size database: the index load, the
// browse, the full-text search (beside grep over the same content files) and
// the opening of a document.
//
//   law_bench ROOT [RUNS]
// ROOT is a folder standing for drive c: that holds a law database.
#include "core/foundation/drive_map.h"
#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/digit_code.h"
#include "core/lawdb/full_text.h"
#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_index.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench_timing.h"

using namespace Qt::StringLiterals;

namespace {

// Runs a program and waits; returns its peak resident memory in kB (-1 on failure).
// A quiet child writes into a pipe that is read and dropped: grep stops at
// the first match when its output is /dev/null, so that would time nothing.
long runChild(const std::vector<std::string> &argv, bool quiet)
{
    std::fflush(stdout);
    int out[2] = {-1, -1};
    if (quiet && pipe(out) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (quiet) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
        }
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    if (quiet) {
        close(out[1]);
        char buffer[65536];
        while (read(out[0], buffer, sizeof buffer) > 0) {
        }
        close(out[0]);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return -1;
    return usage.ru_maxrss;
}

void row(const char *what, double ms, const char *note = "")
{
    std::printf("%-52s %10.1f ms  %s\n", what, ms, note);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: law_bench ROOT [RUNS]\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const DriveMap drives(root);
    const RecordFile files(drives);
    const int thisYear = QDate::currentDate().year();

    LawTables tables;
    const double load = medianMs(runs, [&] { tables = LoadIndex2(files); });
    std::printf("records %d, year runs %lld, runs per figure %d (median)\n\n", tables.count(),
                qlonglong(tables.YearIndex.size()), runs);
    row("LoadIndex2", load);

    const std::string tool =
        QCoreApplication::applicationDirPath().toStdString() + "/../bin/veridane-tool";
    const long peak = runChild({tool, "--root", root.toStdString(), "law", "stats"}, true);
    std::printf("%-52s %10.1f MB\n", "peak memory of veridane-tool law stats", peak / 1024.0);

    BrowseRange range;
    BeginNoEndNoIndex2(tables, thisYear, YearMode::Before, range);
    qsizetype n = 0;
    const double browseAll =
        medianMs(runs, [&] { n = Index2Find(tables, range, 10, {}, true).size(); });
    row("browse category 10, whole index", browseAll, qPrintable(QString::number(n) + u" rows"_s));
    const KeyWords two = UKeyWordsSet(u"管理 规定"_s);
    const double browseTwo =
        medianMs(runs, [&] { n = Index2Find(tables, range, 10, two, false).size(); });
    row("browse category 10, whole index, 2 keywords", browseTwo,
        qPrintable(QString::number(n) + u" rows"_s));

    NoDateTexts undated;
    const double undatedLoad = medianMs(1, [&] { undated = LoadClass789Contents(files); });
    row("LoadClass789Contents", undatedLoad,
        qPrintable(QString::number(undated.count()) + u" texts"_s));

    // grep over the same content files, for the first word.
    const QString contentHost = drives.resolve(InstallPaths::contentDir());
    std::vector<std::string> grepArgs = {"grep", "-c", "-F", "-f"};
    QTemporaryFile pattern;
    pattern.open();
    pattern.write(Gbk::encode(u"管理"));
    pattern.close();
    grepArgs.push_back(pattern.fileName().toStdString());
    for (const QString &name : QDir(contentHost).entryList(QDir::Files, QDir::Name))
        grepArgs.push_back((contentHost + u'/' + name).toLocal8Bit().toStdString());
    setenv("LC_ALL", "C", 1);
    long grepStatus = 0;
    const double grep = medianMs(runs, [&] { grepStatus = runChild(grepArgs, true); });
    if (grepStatus < 0)
        std::fprintf(stderr, "law_bench: grep failed\n");

    for (const QString &words : {u"管理"_s, u"管理 规定 国务院"_s}) {
        const KeyWords k = UKeyWordsSet(words);
        const double ms = medianMs(runs, [&] {
            n = YearSearch2(files, undated, k, YearMode::Before, thisYear, thisYear).rows.size();
        });
        const QString note =
            QString::number(n) + u" rows, "_s + QString::number(ms / grep, 'f', 2) + u" x grep"_s;
        row(qPrintable(u"full text, all years, "_s + QString::number(k.words().size()) +
                       u" word(s)"_s),
            ms, qPrintable(note));
    }
    const KeyWords latin = UKeyWordsSet(u"wto"_s);
    const double latinMs = medianMs(runs, [&] {
        n = YearSearch2(files, undated, latin, YearMode::Before, thisYear, thisYear).rows.size();
    });
    row("full text, all years, Latin word \"wto\"", latinMs,
        qPrintable(QString::number(n) + u" rows, "_s + QString::number(latinMs / grep, 'f', 2) +
                   u" x grep"_s));
    row("grep -c -F (first word, same content files)", grep);

    // FindContents2 of the last document of the largest month file.
    QString largest;
    qint64 size = -1;
    for (const QFileInfo &f : QDir(contentHost).entryInfoList(QDir::Files)) {
        if (f.size() > size && f.fileName() != contentFileName(0, 0) + u".dll"_s) {
            size = f.size();
            largest = f.fileName();
        }
    }
    QString lastRow;
    if (auto reader = files.openForReading(contentHost + u'/' + largest)) {
        while (!reader->atEnd()) {
            if (auto field = reader->nextField())
                lastRow = fullTextRow(field->bytes);
        }
    }
    ShowResult shown;
    const double show = medianMs(runs, [&] { shown = FindContents2(files, undated, lastRow); });
    row("FindContents2, last document of the largest month", show,
        qPrintable(QString::number(size / 1e6, 'f', 1) + u" MB file, "_s +
                   (shown.kind == ShowResult::Kind::Document ? u"found"_s : u"NOT FOUND"_s)));
    return 0;
}
