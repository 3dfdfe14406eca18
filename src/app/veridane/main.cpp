#include "core/foundation/clock.h"
#include "core/foundation/drive_map.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/content_store.h"
#include "demo/demo_install.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/mdi_form1.h"
#include "gui/platform/qt_platform_services.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QSplashScreen>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The product name on a plain card.
QPixmap splashPicture()
{
    QPixmap picture(480, 240);
    picture.fill(QColor(0, 84, 147));
    QPainter p(&picture);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(36);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 40, 480, 100), Qt::AlignCenter, u"Veridane"_s);
    QFont line = p.font();
    line.setPointSize(13);
    line.setBold(false);
    p.setFont(line);
    p.drawText(QRect(0, 140, 480, 40), Qt::AlignCenter, u"档案管理 · 法律法规 · 电邮号码"_s);
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"veridane"_s);
    QApplication::setApplicationDisplayName(u"Veridane"_s);

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Veridane: 律师事务所的客户档案、法律法规与电邮号码"_s);
    parser.addHelpOption();
    const QCommandLineOption rootOption(u"root"_s, u"代表 c: 驱动器的文件夹"_s, u"DIR"_s);
    parser.addOption(rootOption);
    parser.process(app);

    QStringList warnings;
    const DriveMap drives =
        DriveMap::fromEnvironment(defaultSystemRoot(parser.value(rootOption)), &warnings);
    for (const QString &w : std::as_const(warnings))
        std::fprintf(stderr, "%s\n", w.toUtf8().constData());

    // The start-up screen: shown while the undated law texts are read.
    QSplashScreen splash(splashPicture());
    splash.show();
    splash.showMessage(u"请稍侯......"_s, Qt::AlignBottom | Qt::AlignHCenter);
    QApplication::processEvents();

    SystemClock clock;
    // First run on an empty root: the demo install tree, so that the window
    // has pictures and a law database to show.
    if (needsDemoInstall(drives)) {
        splash.showMessage(u"正在建立示例数据......"_s, Qt::AlignBottom | Qt::AlignHCenter);
        QApplication::processEvents();
        DemoInstallOptions options;
        options.today = clock.today();
        const DemoInstallResult made = writeDemoInstall(drives, options);
        if (!made.ok())
            std::fprintf(stderr, "%s\n", made.failure.toUtf8().constData());
    }
    const NoDateTexts noDateTexts = LoadClass789Contents(RecordFile(drives));

    QtPlatformServices platform;
    auto *form1 = new Form1(drives, clock, platform.services(), noDateTexts);
    form1->load();
    MDIForm1 frame(form1);
    platform.setDialogParent(&frame);
    splash.close();
    frame.show();
    form1->activate();
    return app.exec();
}
