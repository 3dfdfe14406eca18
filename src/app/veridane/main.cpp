#include "core/foundation/clock.h"
#include "core/foundation/drive_map.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/mdi_form1.h"
#include "gui/platform/qt_platform_services.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

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

    SystemClock clock;
    QtPlatformServices platform;
    auto *form1 = new Form1(drives, clock, platform.services());
    MDIForm1 frame(form1);
    platform.setDialogParent(&frame);
    frame.show();
    return app.exec();
}
