// Timings of the main window on a full-size law database: start-up to the
// window shown and usable, the switch into the law module (listing every
// record), a row click to the text shown, and a page change.
//
//   window_bench ROOT [RUNS]
// ROOT is a folder standing for drive c: that holds a law database. Runs on
// Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "core/foundation/clock.h"
#include "core/foundation/drive_map.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/content_store.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/mdi_form1.h"
#include "gui/mainwindow/module_switch.h"
#include "gui/mainwindow/record_list.h"
#include "gui/platform/qt_platform_services.h"

#include <QApplication>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Timer = std::chrono::steady_clock;

double ms(Timer::time_point from, Timer::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Message boxes answered at once with their default button, so that nothing waits.
struct SilentBoxes final : MessageBoxes {
    MessageAnswer show(const MessageRequest &request) override { return defaultAnswer(request); }
};

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench ROOT [RUNS]\n");
        return 2;
    }
    const DriveMap drives(QString::fromLocal8Bit(argv[1]));
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    SystemClock clock;
    QtPlatformServices qt;
    SilentBoxes boxes;
    PlatformServices services = qt.services();
    PlatformServices quiet{boxes,
                           services.fileDialogs,
                           services.shellOpen,
                           services.wavePlayerFactory,
                           services.clipboard,
                           services.windowPrinter,
                           services.beeper};

    std::vector<double> start, toLaw, rowClick, nextPage, previousPage;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        const auto t0 = Timer::now();
        const NoDateTexts undated = LoadClass789Contents(RecordFile(drives));
        auto *form = new Form1(drives, clock, quiet, undated);
        form->load();
        auto frame = std::make_unique<MDIForm1>(form);
        frame->show();
        form->activate();
        QApplication::processEvents();
        const auto t1 = Timer::now();
        start.push_back(ms(t0, t1));

        form->moduleSwitch().nextModule();
        QApplication::processEvents();
        const auto t2 = Timer::now();
        toLaw.push_back(ms(t1, t2));
        rows = form->RelevantRecords->number();

        QTreeWidgetItem *item = form->List1->topLevelItem(0);
        const auto t3 = Timer::now();
        form->List1->setCurrentItem(item);
        Q_EMIT form->List1->itemClicked(item, 0);
        QApplication::processEvents();
        const auto t4 = Timer::now();
        rowClick.push_back(ms(t3, t4));

        const auto t5 = Timer::now();
        form->recordList().nextPage();
        QApplication::processEvents();
        const auto t6 = Timer::now();
        nextPage.push_back(ms(t5, t6));
        form->recordList().previousPage();
        QApplication::processEvents();
        previousPage.push_back(ms(t6, Timer::now()));
    }
    std::printf("records listed %d, runs per figure %d (median)\n\n", rows, runs);
    const auto row = [](const char *what, double value) {
        std::printf("%-52s %10.1f ms\n", what, value);
    };
    row("start-up to the window shown and usable", median(start));
    row("switch into the law module (category 10, all)", median(toLaw));
    row("row click to the text shown", median(rowClick));
    row("next page", median(nextPage));
    row("previous page", median(previousPage));
    return 0;
}
