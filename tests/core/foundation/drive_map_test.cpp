#include "core/foundation/drive_map.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void make(const QString &hostPath)
{
    if (hostPath.endsWith(u'/')) {
        QDir().mkpath(hostPath);
        return;
    }
    QDir().mkpath(QFileInfo(hostPath).path());
    QFile f(hostPath);
    f.open(QIODevice::WriteOnly);
}

} // namespace

TEST(DriveMap, ResolvesComponentsWithoutRegardToLetterCase)
{
    QTemporaryDir dir;
    const QString c = dir.path();
    make(c + u"/program files/quorix/sounds/SoundEffects.txt"_s);
    make(c + u"/program files/quorix/YellowPage/"_s);
    make(c + u"/program files/quorix/twins/ABC"_s);
    make(c + u"/program files/quorix/twins/abc"_s);
    make(c + u"/program files/quorix/twins/Abd"_s);
    make(c + u"/program files/common files/lab/\uE49B\uE492.dll"_s);
    const DriveMap map(c);
    const QString q = c + u"/program files/quorix"_s;

    const struct {
        QString path;
        QString host;
    } cases[] = {
        {u"c:\\program files\\quorix\\sounds\\soundeffects.txt"_s,
         q + u"/sounds/SoundEffects.txt"_s},
        {u"C:\\PROGRAM FILES\\QUORIX\\SOUNDS\\SOUNDEFFECTS.TXT"_s,
         q + u"/sounds/SoundEffects.txt"_s},
        {u"c:\\program files\\quorix\\yellowpage\\"_s, q + u"/YellowPage"_s},
        {u"c:/program files/quorix//yellowpage/./comcodes.txt"_s,
         q + u"/YellowPage/comcodes.txt"_s},
        // An exact name wins; otherwise the first match in sorted order.
        {u"c:\\program files\\quorix\\twins\\abc"_s, q + u"/twins/abc"_s},
        {u"c:\\program files\\quorix\\twins\\aBC"_s, q + u"/twins/ABC"_s},
        {u"c:\\program files\\quorix\\twins\\ABD"_s, q + u"/twins/Abd"_s},
        // What does not exist keeps the spelling given, from there on.
        {u"c:\\program files\\quorix\\New\\Sounds\\X.txt"_s, q + u"/New/Sounds/X.txt"_s},
        // ".." never climbs above the drive's root.
        {u"c:\\program files\\quorix\\..\\..\\..\\..\\etc"_s, c + u"/etc"_s},
        {u"c:\\program files\\quorix\\sounds\\..\\YELLOWPAGE"_s, q + u"/YellowPage"_s},
        {u"c:"_s, c},
        {u"c:\\"_s, c},
        {u"c:\\program files\\common files\\lab\\\uE49B\uE492.DLL"_s,
         c + u"/program files/common files/lab/\uE49B\uE492.dll"_s},
        // A host path is taken as it is.
        {u"/tmp/Some/File.txt"_s, u"/tmp/Some/File.txt"_s},
        {u"relative/name.txt"_s, u"relative/name.txt"_s},
        // A drive that stands for no folder.
        {u"q:\\clients"_s, QString()},
    };
    for (const auto &t : cases)
        EXPECT_EQ(map.resolve(t.path), t.host) << t.path.toStdString();
}

TEST(DriveMap, OtherDrivesFromTheList)
{
    QStringList warnings;
    const DriveMap map = DriveMap::fromList(
        u"/root/c"_s, u"d=/media/usb; E=/mnt/share,fixed;f=/media/cd,cdrom;;bad;c=/x;7=/y;g="_s,
        &warnings);
    ASSERT_EQ(map.drives().size(), 4);
    EXPECT_EQ(map.systemRoot(), u"/root/c"_s);
    EXPECT_EQ(map.drive(u'd')->hostPath, u"/media/usb"_s);
    EXPECT_FALSE(map.drive(u'd')->type.has_value());
    EXPECT_EQ(map.drive(u'E')->hostPath, u"/mnt/share"_s);
    EXPECT_EQ(map.drive(u'e')->type, DriveType::Fixed);
    EXPECT_EQ(map.drive(u'f')->type, DriveType::CdRom);
    EXPECT_EQ(map.resolve(u"D:\\clients\\clients.txt"_s), u"/media/usb/clients/clients.txt"_s);
    EXPECT_EQ(warnings.size(), 4); // bad, c= (c: is the root), 7=, g=
    EXPECT_EQ(map.drive(u'c')->type, DriveType::Fixed);
}

TEST(DriveMap, SystemRootComesFromOptionThenEnvironment)
{
    const QByteArray savedRoot = qgetenv("VERIDANE_ROOT");
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("VERIDANE_ROOT", "/env/root");
    qputenv("XDG_DATA_HOME", "/xdg/data");
    EXPECT_EQ(defaultSystemRoot(u"/opt/c"_s), u"/opt/c"_s);
    EXPECT_EQ(defaultSystemRoot(), u"/env/root"_s);
    qunsetenv("VERIDANE_ROOT");
    EXPECT_EQ(defaultSystemRoot(), u"/xdg/data/veridane/c"_s);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(defaultSystemRoot(), QDir::homePath() + u"/.local/share/veridane/c"_s);
    EXPECT_EQ(defaultSystemRoot(u"rel"_s), QDir::current().absoluteFilePath(u"rel"_s));
    qputenv("VERIDANE_ROOT", savedRoot);
    qputenv("XDG_DATA_HOME", savedData);
}

TEST(DriveMap, EnvironmentDrivesTakePrecedenceOverMountedVolumes)
{
    const QByteArray saved = qgetenv("VERIDANE_DRIVES");
    qputenv("VERIDANE_DRIVES", "d=/backup");
    const DriveMap map = DriveMap::fromEnvironment(u"/c"_s);
    ASSERT_EQ(map.drives().size(), 2);
    EXPECT_EQ(map.drive(u'd')->hostPath, u"/backup"_s);

    qunsetenv("VERIDANE_DRIVES");
    const DriveMap mounted = DriveMap::fromEnvironment(u"/c"_s);
    const QStringList volumes = DriveMap::mountedVolumeFolders();
    ASSERT_EQ(mounted.drives().size(), 1 + std::min<qsizetype>(volumes.size(), 23));
    for (qsizetype i = 0; i + 1 < mounted.drives().size(); ++i)
        EXPECT_EQ(mounted.drives()[i + 1].hostPath, QDir::cleanPath(volumes[i]));
    qputenv("VERIDANE_DRIVES", saved);
}
