#pragma once

#include "core/foundation/clock.h"
#include "core/foundation/drive_map.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Exit status of a command.
enum ToolExit { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// What every command works with: the drives (c: is --root), the clock
// (--today fixes it) and the two output streams, written as UTF-8.
class ToolContext
{
public:
    ToolContext(DriveMap drives, std::unique_ptr<Clock> clock);

    const DriveMap &drives() const { return m_drives; }
    const Clock &clock() const { return *m_clock; }

    void out(const QString &line) const;   // a line on standard output
    void err(const QString &line) const;   // a line on standard error
    void write(const QString &text) const; // text on standard output, as it is

private:
    DriveMap m_drives;
    std::unique_ptr<Clock> m_clock;
};

struct ToolCommand {
    QStringList words; // {"record", "cat"}
    QString arguments; // "PATH"
    QString summary;   // one line for the command list
    QString help;      // the command's own --help text, after its usage line
    std::function<int(ToolContext &, const QStringList &args)> run;

    QString usage() const;
};

using CommandRun = int (*)(ToolContext &, const QStringList &args, const ToolCommand &self);

// Adds a command whose run function is told its own description (for its
// usage messages).
void addCommand(QList<ToolCommand> &commands, ToolCommand command, CommandRun run);

// A command's own options: "--name VALUE" or "--name=VALUE" for the names
// of valueOptions, "--name" for flagOptions; anything else not starting
// with "--" is positional. `error` tells what was wrong, empty when nothing.
struct CommandOptions {
    QHash<QString, QString> values;
    QSet<QString> flags;
    QStringList positional;
    QString error;

    bool has(const QString &name) const { return values.contains(name) || flags.contains(name); }
    QString value(const QString &name, const QString &fallback = {}) const
    {
        return values.value(name, fallback);
    }
};
// The demo commands' --seed: its value into `seed` when given; false, with
// the usage message in `error`, when it is no whole number of at least 0.
bool readSeedOption(const CommandOptions &options, quint64 &seed, QString &error);

// The text of the keyword box as if TEXT had been typed into it: each key
// through the box's key replacement (full-width blank and digits made ASCII).
QString typedIntoKeywordBox(const QString &text);

CommandOptions parseCommandOptions(const QStringList &args, const QStringList &valueOptions,
                                   const QStringList &flagOptions = {});

// Registers the commands of each subsystem.
void addFoundationCommands(QList<ToolCommand> &commands);
void addLawImportCommands(QList<ToolCommand> &commands);
void addLawCommands(QList<ToolCommand> &commands);
void addLawMaintenanceCommands(QList<ToolCommand> &commands);
void addClientCommands(QList<ToolCommand> &commands);
void addCalendarCommands(QList<ToolCommand> &commands);
void addDirectoryCommands(QList<ToolCommand> &commands);

// Parses the command line and runs one command; returns the exit status.
int runTool(const QStringList &arguments, const QList<ToolCommand> &commands);

// A usage message for a command on standard error; returns ExitUsage.
int usageError(const ToolContext &context, const ToolCommand &command, const QString &why);
