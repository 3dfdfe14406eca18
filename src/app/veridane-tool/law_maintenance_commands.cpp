#include "app/veridane-tool/tool.h"

#include "app/veridane-tool/law_options.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_index.h"
#include "core/lawdb/maintenance.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString ToolName = u"veridane-tool"_s;

int yearIndex(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    if (!args.isEmpty())
        return usageError(context, self, u"此命令没有参数"_s);
    const RecordFile files(context.drives());
    const LawTables tables = LoadIndex2(files);
    for (const QString &row : form2Rows(tables.YearIndex))
        context.out(row);
    return ExitOk;
}

QString stopReason(const MissingPartsCheck &check)
{
    const QString at = u"查验在第 "_s + QString::number(check.stoppedAt) + u" 条记录处中止: "_s;
    switch (check.stop) {
    case MissingPartsCheck::Stop::MissingFile:
        return at + u"缺少月份原文文件 "_s + check.stopPath;
    case MissingPartsCheck::Stop::UnreadableFile:
        return at + check.stopDetail;
    case MissingPartsCheck::Stop::UnreadableDate:
        return at + u"日期无法识别"_s;
    case MissingPartsCheck::Stop::None:
        break;
    }
    return {};
}

int checkMissing(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    if (!args.isEmpty())
        return usageError(context, self, u"此命令没有参数"_s);
    const RecordFile files(context.drives());
    const LawTables tables = LoadIndex2(files);
    const MissingPartsCheck check = checkMissingParts(files, tables);
    if (FileResult r = appendMissingReports(files, check); !r) {
        context.err(ToolName + u": "_s + r.message());
        return ExitFailed;
    }
    context.out(QString::fromUtf16(MissingOrgName) + u' ' +
                QString::number(check.missingOrg.size()));
    context.out(QString::fromUtf16(MissingValidName) + u' ' +
                QString::number(check.missingValid.size()));
    context.out(QString::fromUtf16(MissingContentName) + u' ' +
                QString::number(check.missingContent.size()));
    if (check.stop != MissingPartsCheck::Stop::None) {
        context.err(check.note);
        context.err(ToolName + u": "_s + stopReason(check));
    }
    return ExitOk;
}

int checkDuplicates(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options =
        parseCommandOptions(args, {u"--year"_s, u"--mode"_s, u"--category"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + options.positional.front());
    if (!options.has(u"--year"_s))
        return usageError(context, self, u"需要 --year"_s);
    const auto mode = lawYearMode(options.value(u"--mode"_s));
    if (!mode)
        return usageError(context, self, u"--mode 应为 before 或 after"_s);
    const auto category = lawCategory(options.value(u"--category"_s, u"10"_s));
    if (!category)
        return usageError(context, self, u"--category 应为 1 到 10"_s);
    const QString year = options.value(u"--year"_s);

    const RecordFile files(context.drives());
    const LawTables tables = LoadIndex2(files);
    BrowseRange range;
    if (BeginNoEndNoIndex2(tables, comboYear(year), *mode, range) == RangeOutcome::NoRecords) {
        context.err(u"没有记录!"_s);
        return ExitFailed;
    }
    const QStringList buffer = Index2Find(tables, range, *category, KeyWords{}, true);
    int runningNumber = 0;
    const DuplicateRowsResult written =
        recordDuplicateRows(files, displayedPages(buffer), runningNumber);
    if (!written.result) {
        context.err(ToolName + u": "_s + written.result.message());
        return ExitFailed;
    }
    for (const QString &entry : written.written)
        context.out(entry);
    return ExitOk;
}

} // namespace

void addLawMaintenanceCommands(QList<ToolCommand> &commands)
{
    addCommand(
        commands,
        {{u"law"_s, u"year-index"_s},
         {},
         u"列出法规年份索引 (序号、位置、年份)"_s,
         u"读入 lawbase\\index.txt, 每个年份段一行: 序号左对齐占 6 位, 该年份第一条记录的序号\n"_s
         u"左对齐占 8 位, 两个空格, 年份。最多 500 行。"_s,
         {}},
        yearIndex);
    addCommand(
        commands,
        {{u"law"_s, u"check-missing"_s},
         {},
         u"查验法规的颁布单位、有效性和正文是否丢失"_s,
         u"逐条查验 lawbase\\index.txt 的记录: 颁布单位为空的记入 MissingOrg.txt, 有效性为空的\n"_s
         u"记入 MissingValid.txt, 在月份原文文件 lawbase\\yyyymm.txt 中找不到标题的记入\n"_s
         u"MissingContent.txt (都追加在文件末尾)。然后每个报告显示一行: 文件名、空格、记入的条数。\n"_s
         u"缺少月份原文文件、文件无法读出或日期无法识别 (如末尾的无日期记录) 时查验到此为止:\n"_s
         u"标准错误上显示说明 \"(年月)\" 加最后读到的正文的前 120 个字, 以及中止的原因;\n"_s
         u"这是数据的情况, 不是命令的失败, 退出状态仍为 0。报告写不进去时退出状态为 1。"_s,
         {}},
        checkMissing);
    addCommand(
        commands,
        {{u"law"_s, u"check-duplicates"_s},
         u"--year Y --mode before|after [--category N]"_s,
         u"把法规列表中的重复记录存入 RedandentRecords.txt"_s,
         u"按年份 Y (取开头的数字) 和方式 (before: 该年及以前; after: 该年及以后) 确定记录范围,\n"_s
         u"列出类别 N (1 到 9, 默认 10 即全部) 的全部记录, 每 35 行一页, 页内按列表的顺序\n"_s
         u"(文字降序) 排列。一页内相邻两行相同 (不同页的行之间不比较) 而 RedandentRecords.txt\n"_s
         u"中还没有该行时, 追加一条:\n"_s
         u"流水号左对齐占 5 位, 接着行的文字。流水号每次运行从 1 开始。显示写入的各条。\n"_s
         u"没有该年份及以前的记录时在标准错误上显示 \"没有记录!\" 并以状态 1 退出。"_s,
         {}},
        checkDuplicates);
}
