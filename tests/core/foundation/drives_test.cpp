#include "core/foundation/drives.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SystemDrives, ClassifiesDevices)
{
    QTemporaryDir sys;
    QDir().mkpath(sys.filePath(u"sdb/sdb1"_s));
    QFile removable(sys.filePath(u"sdb/removable"_s));
    ASSERT_TRUE(removable.open(QIODevice::WriteOnly));
    removable.write("1\n");
    removable.close();
    QDir().mkpath(sys.filePath(u"sda/sda2"_s));
    QFile fixed(sys.filePath(u"sda/removable"_s));
    ASSERT_TRUE(fixed.open(QIODevice::WriteOnly));
    fixed.write("0\n");
    fixed.close();

    const struct {
        QString device;
        QString fs;
        QString sysfs;
        DriveType type;
    } cases[] = {
        {u"/dev/sr0"_s, u"iso9660"_s, {}, DriveType::CdRom},
        {u"/dev/sr1"_s, u"ext4"_s, {}, DriveType::CdRom},
        {u"/dev/loop3"_s, u"UDF"_s, {}, DriveType::CdRom},
        {u"/dev/sdb1"_s, u"vfat"_s, sys.filePath(u"sdb/sdb1"_s), DriveType::Removable},
        {u"/dev/sdb"_s, u"vfat"_s, sys.filePath(u"sdb"_s), DriveType::Removable},
        {u"/dev/sda2"_s, u"ext4"_s, sys.filePath(u"sda/sda2"_s), DriveType::Fixed},
        {u"/dev/sdc1"_s, u"exfat"_s, u"/sys/devices/pci0000:00/usb2/2-1/block/sdc/sdc1"_s,
         DriveType::Removable},
        {u"server:/share"_s, u"nfs"_s, {}, DriveType::Fixed},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SystemDrives::classify(c.device, c.fs, c.sysfs), c.type)
            << c.device.toStdString();
}

TEST(SystemDrives, ListsTheMappedDrivesWithTypesAndFreeSpace)
{
    QTemporaryDir dir;
    DriveMap map(dir.filePath(u"c"_s));
    QDir().mkpath(dir.filePath(u"c"_s));
    QDir().mkpath(dir.filePath(u"usb"_s));
    map.setDrive(u'd', dir.filePath(u"usb"_s), DriveType::Removable);
    map.setDrive(u'e', dir.filePath(u"gone"_s));
    const SystemDrives drives(map);

    const QList<DriveInfo> list = drives.list();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].name(), u"c:"_s);
    EXPECT_EQ(list[0].type, DriveType::Fixed);
    EXPECT_EQ(list[1].name(), u"d:"_s);
    EXPECT_EQ(list[1].type, DriveType::Removable);
    EXPECT_EQ(list[2].name(), u"e:"_s);

    ASSERT_TRUE(drives.freeBytes(u'd').has_value());
    EXPECT_GT(*drives.freeBytes(u'D'), 0);
    EXPECT_FALSE(drives.freeBytes(u'e').has_value()); // its folder is missing
    EXPECT_FALSE(drives.freeBytes(u'x').has_value());
    EXPECT_EQ(drives.find(u'D')->hostPath, dir.filePath(u"usb"_s));
    EXPECT_FALSE(drives.find(u'x').has_value());
}
