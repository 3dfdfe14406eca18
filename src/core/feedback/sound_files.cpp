#include "core/feedback/sound_files.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

QStringList soundFileNames()
{
    return {u"click.wav"_s, u"Page.wav"_s,  u"Favorites.wav"_s, u"Restore.wav"_s, u"backup.wav"_s,
            u"print.wav"_s, u"email.wav"_s, u"button.wav"_s,    u"kill.wav"_s};
}

QString soundFilePath(const QString &name)
{
    return InstallPaths::installDir() + u"sounds\\"_s + name;
}

QString soundSwitchPath()
{
    return soundFilePath(u"SoundEffects.txt"_s);
}

bool readSoundSwitch(const RecordFile &files)
{
    const QString path = soundSwitchPath();
    if (!files.exists(path))
        return true;
    std::optional<RecordReader> reader = files.openForReading(path);
    qint16 value = 1;
    if (reader && !reader->atEnd() && reader->read(value))
        return value != 0;
    return true;
}

FileResult writeSoundSwitch(const RecordFile &files, bool on)
{
    // The folder comes with the install; one removed since is made again
    // rather than losing the switch.
    if (FileResult r = files.makeDirectory(soundFilePath({})); !r)
        return r;
    RecordWriter writer = files.openForWriting(soundSwitchPath());
    writer.write({on ? 1 : 0});
    return writer.commit();
}
