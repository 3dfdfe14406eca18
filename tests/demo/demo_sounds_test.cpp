#include "core/feedback/sound_files.h"
#include "demo/demo_install.h"
#include "demo/demo_sounds.h"
#include "support/install_tree.h"

#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The fields of a wave file's header that a player needs, read from the bytes.
struct Wave {
    bool valid = false;
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    QByteArray samples;

    double seconds() const { return double(samples.size()) / byteRate; }
    qint16 sample(qsizetype k) const
    {
        return qFromLittleEndian<qint16>(samples.constData() + 2 * k);
    }
    qsizetype count() const { return samples.size() / 2; }
};

quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

Wave readWave(const QByteArray &b)
{
    Wave w;
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " ||
        u32(b, 4) != quint32(b.size() - 8) || u32(b, 16) != 16 || b.mid(36, 4) != "data" ||
        u32(b, 40) != quint32(b.size() - 44))
        return w;
    w.format = u16(b, 20);
    w.channels = u16(b, 22);
    w.rate = int(u32(b, 24));
    w.byteRate = int(u32(b, 28));
    w.blockAlign = u16(b, 32);
    w.bits = u16(b, 34);
    w.samples = b.mid(44);
    w.valid = true;
    return w;
}

} // namespace

TEST(DemoSounds, NineShortSoftPcmWaveFiles)
{
    const QStringList names = demoSoundNames();
    EXPECT_EQ(names, soundFileNames());
    QSet<QByteArray> distinct;
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = synthesizeDemoSound(name);
        const Wave w = readWave(bytes);
        ASSERT_TRUE(w.valid);
        EXPECT_EQ(w.format, 1) << "PCM";
        EXPECT_EQ(w.channels, 1);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.blockAlign, 2);
        EXPECT_EQ(w.byteRate, w.rate * 2);
        EXPECT_GE(w.seconds(), 0.05);
        EXPECT_LE(w.seconds(), 1.5);

        int loudest = 0;
        for (qsizetype k = 0; k < w.count(); ++k)
            loudest = std::max(loudest, std::abs(int(w.sample(k))));
        EXPECT_LT(loudest, 32767) << "never at full scale";
        EXPECT_GT(loudest, 32767 / 5) << "clearly audible";
        // Soft at both ends: no click where the sound starts or stops.
        EXPECT_LT(std::abs(int(w.sample(0))), 32767 / 50);
        EXPECT_EQ(w.sample(w.count() - 1), 0);
        distinct.insert(w.samples);
        EXPECT_EQ(synthesizeDemoSound(name), bytes) << "the same bytes every time";
    }
    EXPECT_EQ(distinct.size(), names.size());
    EXPECT_TRUE(synthesizeDemoSound(u"CLICK.WAV"_s).isEmpty());
}

TEST(DemoSounds, TheInstallWritesTheSoundsAndTheSwitchOnlyWhenMissing)
{
    InstallTree tree;
    DemoInstallOptions options;
    options.laws = 0;
    const DemoInstallResult r = writeDemoInstall(tree.drives(), options);
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_EQ(r.sounds.written, 9);
    EXPECT_TRUE(r.sounds.switchWritten);
    for (const QString &name : soundFileNames())
        EXPECT_EQ(tree.readBytes(soundFilePath(name)), synthesizeDemoSound(name))
            << name.toStdString();
    EXPECT_EQ(tree.readBytes(soundSwitchPath()), "1\r\n");

    // The user's own sound and switched-off sounds are kept ...
    tree.writeBytes(soundFilePath(u"kill.wav"_s), "own sound");
    tree.writeBytes(soundSwitchPath(), "0\r\n");
    const DemoSoundResult kept = writeDemoSounds(tree.drives(), false);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept.written, 0);
    EXPECT_EQ(kept.kept, 9);
    EXPECT_FALSE(kept.switchWritten);
    EXPECT_EQ(tree.readBytes(soundFilePath(u"kill.wav"_s)), "own sound");
    EXPECT_EQ(tree.readBytes(soundSwitchPath()), "0\r\n");

    // ... unless overwriting.
    const DemoSoundResult again = writeDemoSounds(tree.drives(), true);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.written, 9);
    EXPECT_EQ(tree.readBytes(soundFilePath(u"kill.wav"_s)), synthesizeDemoSound(u"kill.wav"_s));
    EXPECT_EQ(tree.readBytes(soundSwitchPath()), "1\r\n");
}

TEST(DemoSounds, AFileInTheWayStopsTheRun)
{
    InstallTree tree;
    tree.writeBytes(InstallTree::install(u"sounds"_s), "in the way");
    const DemoSoundResult r = writeDemoSounds(tree.drives(), false);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.written, 0);
    EXPECT_EQ(tree.readBytes(InstallTree::install(u"sounds"_s)), "in the way");
}
