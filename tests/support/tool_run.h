#pragma once

#include <QString>
#include <QStringList>

class InstallTree;

// One run of veridane-tool: its exit status and what it printed (UTF-8).
struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the tool with the arguments; `env` adds NAME=VALUE pairs to an
// environment without VERIDANE_ROOT and VERIDANE_DRIVES.
ToolRun runTool(const QStringList &args, const QStringList &env = {});
// The same with --root standing for the tree's drive c:.
ToolRun runTool(const InstallTree &tree, const QStringList &args, const QStringList &env = {});
