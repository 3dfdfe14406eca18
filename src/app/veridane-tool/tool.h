#pragma once

#include "core/foundation/clock.h"
#include "core/foundation/drive_map.h"

#include <QList>
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

    void out(const QString &line) const; // a line on standard output
    void err(const QString &line) const; // a line on standard error

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

// Registers the commands of each subsystem.
void addFoundationCommands(QList<ToolCommand> &commands);

// Parses the command line and runs one command; returns the exit status.
int runTool(const QStringList &arguments, const QList<ToolCommand> &commands);

// A usage message for a command on standard error; returns ExitUsage.
int usageError(const ToolContext &context, const ToolCommand &command, const QString &why);
