#include "core/feedback/sound_files.h"
#include "support/failing_writes.h"
#include "support/install_tree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SoundSwitch, ReadsTheStoredValueAndIsOnWithoutOne)
{
    const struct {
        const char *bytes; // nullptr: no file
        bool on;
    } cases[] = {
        {nullptr, true}, {"", true},           {"\r\n", true}, {"0\r\n", false},
        {"1\r\n", true}, {"\"0\"\r\n", false}, {"0", false},   {"1,0\r\n", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "(no file)");
        InstallTree tree;
        if (c.bytes)
            tree.writeBytes(soundSwitchPath(), c.bytes);
        EXPECT_EQ(readSoundSwitch(tree.files()), c.on);
    }
}

TEST(SoundSwitch, WritesOneNumberAndReadsItBackUnderAnyLetterCase)
{
    InstallTree tree;
    ASSERT_TRUE(writeSoundSwitch(tree.files(), false).ok()) << "the folder is made when missing";
    EXPECT_EQ(tree.readBytes(u"c:\\program files\\quorix\\sounds\\soundeffects.txt"_s), "0\r\n");
    EXPECT_FALSE(readSoundSwitch(tree.files()));
    ASSERT_TRUE(writeSoundSwitch(tree.files(), true).ok());
    EXPECT_EQ(tree.readBytes(soundSwitchPath()), "1\r\n");
    EXPECT_TRUE(readSoundSwitch(tree.files()));
}

TEST(SoundSwitch, AFailedWriteLeavesTheOldFile)
{
    InstallTree tree;
    ASSERT_TRUE(writeSoundSwitch(tree.files(), false).ok());
    const QString folder = QFileInfo(tree.hostPath(soundSwitchPath())).path();
    const FileResult r =
        inReadOnlyFolder(folder, [&tree] { return writeSoundSwitch(tree.files(), true); });
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(tree.readBytes(soundSwitchPath()), "0\r\n");
}
