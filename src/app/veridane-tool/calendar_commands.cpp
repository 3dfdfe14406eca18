#include "app/veridane-tool/tool.h"

#include "core/calendar/calendar_table.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

// A whole number of a year option; nullopt when it is missing or no number.
std::optional<int> yearOption(const CommandOptions &options, const QString &name)
{
    if (!options.values.contains(name))
        return std::nullopt;
    bool ok = false;
    const int year = options.value(name).trimmed().toInt(&ok);
    return ok ? std::optional<int>(year) : std::nullopt;
}

int make(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options = parseCommandOptions(args, {u"--from"_s, u"--to"_s, u"--out"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + options.positional.front());
    const std::optional<int> from = yearOption(options, u"--from"_s);
    const std::optional<int> to = yearOption(options, u"--to"_s);
    if (!from || !to)
        return usageError(context, self, u"--from 和 --to 都必须是年份 (整数)"_s);
    if (const QString problem = calendarYearsProblem(*from, *to); !problem.isEmpty())
        return usageError(context, self, problem);

    const QString out = options.value(u"--out"_s, InstallPaths::calendarFile());
    const RecordFile files(context.drives());
    if (const FileResult written = writeCalendarTable(files, out, *from, *to); !written) {
        context.err(u"veridane-tool: "_s + written.message());
        return ExitFailed;
    }
    const qint64 days = QDate(*from, 1, 1).daysTo(QDate(*to, 12, 31)) + 1;
    context.out(files.hostPath(out) + u": 写入 "_s + QString::number(days) + u" 天 ("_s +
                QString::number(*from) + u" 到 "_s + QString::number(*to) + u" 年)"_s);
    return ExitOk;
}

} // namespace

void addCalendarCommands(QList<ToolCommand> &commands)
{
    addCommand(
        commands,
        {{u"calendar"_s, u"make"_s},
         u"--from Y1 --to Y2 [--out PATH]"_s,
         u"生成农历日历表 calendar.txt"_s,
         u"为 Y1 年 1 月 1 日到 Y2 年 12 月 31 日的每一天写一条记录 (年份在 1800 到 2200 之间):\n"_s
         u"公历日期 (如 2003-8-22)、节日、农历月份 (正月 ... 冬月、腊月, 闰月前加 \"闰\")、农历日\n"_s
         u"(初一 ... 三十)、保留字段 (空) 和节气。农历和节气按北京时间由日月的位置推算; 节日包括公历\n"_s
         u"的元旦、劳动节、国庆节等和农历的春节、元宵节、端午节、中秋节等, 农历年的最后一天为除夕。\n"_s
         u"PATH 默认为 c:\\Program files\\quorix\\calendar.txt, 可以是系统路径或主机路径; 已有的文件\n"_s
         u"被整体替换, 写入失败时原文件不变。完成时在标准输出上写文件路径和天数; 失败时在标准错误上\n"_s
         u"说明并以状态 1 退出。"_s,
         {}},
        make);
}
