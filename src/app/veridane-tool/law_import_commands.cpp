#include "app/veridane-tool/tool.h"

#include "core/lawdb/law_import.h"
#include "demo/demo_laws.h"

using namespace Qt::StringLiterals;

namespace {

const QString Prefix = u"veridane-tool: "_s;

int lawImport(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions parsed = parseCommandOptions(args, {}, {u"--replace"_s});
    if (!parsed.error.isEmpty())
        return usageError(context, self, parsed.error);
    if (parsed.positional.isEmpty())
        return usageError(context, self, u"需要至少一个文件或文件夹"_s);
    LawImportOptions options;
    options.replace = parsed.has(u"--replace"_s);
    const QStringList &sources = parsed.positional;

    const LawImportResult r = importLaws(context.drives(), sources, options);
    for (const LawImportMessage &m : r.rejected)
        context.err(Prefix + m.line());
    for (const LawImportMessage &m : r.notes)
        context.err(Prefix + u"注意: "_s + m.line());
    for (const QString &w : r.warnings)
        context.err(Prefix + u"注意: "_s + w);
    if (!r.ok()) {
        context.err(Prefix + r.failure);
        return ExitFailed;
    }
    context.out(u"已导入 "_s + QString::number(r.imported) + u" 篇 (新增 "_s +
                QString::number(r.added) + u", 替换 "_s + QString::number(r.replaced) +
                u"), 未导入 "_s + QString::number(r.rejected.size()) + u" 个文件"_s);
    if (r.filesSkipped > 0)
        context.out(u"跳过 "_s + QString::number(r.filesSkipped) +
                    u" 个文件名不以 .txt 结尾的文件"_s);
    context.out(u"数据库共 "_s + QString::number(r.total) + u" 篇, 其中无日期 "_s +
                QString::number(r.undated) + u" 篇; 写入正文文件 "_s +
                QString::number(r.contentFilesWritten) + u" 个和索引"_s);
    return r.rejected.isEmpty() ? ExitOk : ExitFailed;
}

int lawMakeDemo(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions parsed =
        parseCommandOptions(args, {u"--laws"_s, u"--seed"_s}, {u"--force"_s});
    if (!parsed.error.isEmpty())
        return usageError(context, self, parsed.error);
    if (!parsed.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + parsed.positional.front());
    if (!parsed.has(u"--laws"_s))
        return usageError(context, self, u"需要 --laws N"_s);
    DemoLawOptions options;
    options.today = context.clock().today();
    options.overwrite = parsed.has(u"--force"_s);
    bool ok = false;
    options.laws = parsed.value(u"--laws"_s).toInt(&ok);
    if (!ok || options.laws < 1 || options.laws > DemoLawMaximum)
        return usageError(context, self, u"--laws 必须是 1 到 180000 之间的整数"_s);
    if (QString error; !readSeedOption(parsed, options.seed, error))
        return usageError(context, self, error);

    const DemoLawResult r = writeDemoLaws(context.drives(), options);
    if (!r.ok()) {
        context.err(Prefix + r.failure);
        return ExitFailed;
    }
    context.out(u"已写入 "_s + QString::number(r.documents) + u" 篇法律文件 (其中无日期 "_s +
                QString::number(r.undated) + u" 篇): 正文文件 "_s +
                QString::number(r.contentFiles) + u" 个和索引, 共 "_s +
                QString::number(double(r.bytes) / (1024.0 * 1024.0), 'f', 1) + u" MB"_s);
    return ExitOk;
}

} // namespace

void addLawImportCommands(QList<ToolCommand> &commands)
{
    addCommand(
        commands,
        {{u"law"_s, u"import"_s},
         u"[--replace] SOURCE..."_s,
         u"把文本文件导入法律数据库"_s,
         u"SOURCE 是一个文件或文件夹 (文件夹中所有 .txt 文件, 包括子文件夹)。每个文件是一篇\n"_s
         u"UTF-8 或 GBK 编码的文件, 以五行文件头开头: 【标    题】【颁布单位】【颁布日期】\n"_s
         u"【实施日期】【有 效 性】, 可以另有一行【类    别】写类别数字 (1 到 9), 否则按颁布单位\n"_s
         u"和标题推定 (规则见 README.md 的 \"Importing laws\")。\n"_s
         u"标题和日期都与已有文件相同的文件替换已有的文件; --replace 则从空数据库开始。\n"_s
         u"无法导入的文件在标准错误上各占一行 (文件名和原因), 其余文件照常导入。\n"_s
         u"全部导入时退出状态为 0; 有文件未导入或数据库无法写入时为 1。"_s,
         {}},
        lawImport);
    addCommand(
        commands,
        {{u"law"_s, u"make-demo"_s},
         u"--laws N [--seed S] [--force]"_s,
         u"在 --root 下生成演示用的法律数据库"_s,
         u"生成 N 篇虚构的法律文件 (1 到 180000) 的索引和正文文件; 相同的 N、S 和今天的日期\n"_s
         u"(--today) 生成完全相同的文件。S 默认为 1。已有法律数据库时不作改动, 除非给出 --force。"_s,
         {}},
        lawMakeDemo);
}
