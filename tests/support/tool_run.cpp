#include "support/tool_run.h"

#include "support/install_tree.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

ToolRun runTool(const QStringList &args, const QStringList &env)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(u"VERIDANE_ROOT"_s);
    e.insert(u"VERIDANE_DRIVES"_s, u""_s);
    for (const QString &kv : env)
        e.insert(kv.section(u'=', 0, 0), kv.section(u'=', 1));
    p.setProcessEnvironment(e);
    p.start(QString::fromUtf16(VERIDANE_TOOL_PATH), args);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

ToolRun runTool(const InstallTree &tree, const QStringList &args, const QStringList &env)
{
    return runTool(QStringList{u"--root"_s, tree.root()} + args, env);
}
