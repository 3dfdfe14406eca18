#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class RecordFile;

// One record of the hint table "help\helplist.txt": the hint shown in the
// hint box, which holds the topic word of its control ("[类别1]",
// "列表框"), and the numbers of the modules it applies in, as digits
// ("123" for all three).
struct HelpHint {
    QString hint;
    QString modules;
    bool operator==(const HelpHint &) const = default;

    bool appliesIn(int module) const { return modules.contains(QString::number(module)); }
};

// The hint of the version notes, and its modules.
inline constexpr char16_t VersionNotesHint[] = u"[版本说明]";

QString helpListPath();     // "c:\program files\quorix\help\helplist.txt"
QString versionNotesPath(); // "c:\program files\quorix\help\[版本说明]123.txt"

// The records of the hint table in file order; nullopt when there is no
// table. A last record without its second field is left out.
std::optional<QList<HelpHint>> readHelpList(const RecordFile &files);

// The first record whose hint contains the topic and that applies in the
// module. An empty topic is contained in every hint.
std::optional<HelpHint> hintFor(const QList<HelpHint> &table, QStringView topic, int module);

// The first record whose hint is exactly the text and that applies in the module.
std::optional<HelpHint> hintRecord(const QList<HelpHint> &table, QStringView text, int module);

// True when the table holds the record of the version notes.
bool hasVersionNotes(const QList<HelpHint> &table);

// The help text of a record: "c:\program files\quorix\help\" + hint +
// modules + ".txt". Empty for a record whose hint or modules hold a path
// separator, which would name a file outside the help folder.
QString helpTextPath(const HelpHint &record);
