#include "app/veridane-tool/tool.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<ToolCommand> commands;
    addFoundationCommands(commands);
    addLawImportCommands(commands);
    addLawCommands(commands);
    addLawMaintenanceCommands(commands);
    addClientCommands(commands);
    addCalendarCommands(commands);
    addDirectoryCommands(commands);
    return runTool(QCoreApplication::arguments().mid(1), commands);
}
