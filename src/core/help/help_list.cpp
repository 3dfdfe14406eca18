#include "core/help/help_list.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

QString helpFolder()
{
    return InstallPaths::installDir() + u"help\\"_s;
}

bool namesAFile(const QString &part)
{
    return !part.contains(u'\\') && !part.contains(u'/') && !part.contains(u':');
}

} // namespace

QString helpListPath()
{
    return helpFolder() + u"helplist.txt"_s;
}

QString versionNotesPath()
{
    return helpFolder() + QString::fromUtf16(VersionNotesHint) + u"123.txt"_s;
}

std::optional<QList<HelpHint>> readHelpList(const RecordFile &files)
{
    const QString path = helpListPath();
    if (!files.exists(path))
        return std::nullopt;
    QList<HelpHint> table;
    std::optional<RecordReader> reader = files.openForReading(path);
    if (!reader)
        return table;
    while (!reader->atEnd()) {
        HelpHint record;
        if (!reader->readFields(record.hint, record.modules))
            break;
        table.append(record);
    }
    return table;
}

std::optional<HelpHint> hintFor(const QList<HelpHint> &table, QStringView topic, int module)
{
    for (const HelpHint &record : table) {
        if (record.hint.contains(topic) && record.appliesIn(module))
            return record;
    }
    return std::nullopt;
}

std::optional<HelpHint> hintRecord(const QList<HelpHint> &table, QStringView text, int module)
{
    for (const HelpHint &record : table) {
        if (record.hint == text && record.appliesIn(module))
            return record;
    }
    return std::nullopt;
}

bool hasVersionNotes(const QList<HelpHint> &table)
{
    for (const HelpHint &record : table) {
        if (record.hint == QString::fromUtf16(VersionNotesHint))
            return true;
    }
    return false;
}

QString helpTextPath(const HelpHint &record)
{
    if (!namesAFile(record.hint) || !namesAFile(record.modules))
        return {};
    return helpFolder() + record.hint + record.modules + u".txt"_s;
}
