#include "app/veridane-tool/law_options.h"
#include "app/veridane-tool/tool.h"

#include "core/foundation/record_file.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/full_text.h"
#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_index.h"

using namespace Qt::StringLiterals;

namespace {

// The keyword box as if TEXT had been typed into it: input-method
// characters replaced, split into the slots, the first date normalised.
KeyWords keyWordsOf(const QString &text)
{
    const QString typed = typedIntoKeywordBox(text);
    KeyWords k = UKeyWordsSet(typed);
    KWDDTFormat(k, typed, true);
    return k;
}

int stats(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    if (!args.isEmpty())
        return usageError(context, self, u"此命令没有参数"_s);
    const LawTables tables = LoadIndex2(RecordFile(context.drives()));
    context.out(u"records "_s + QString::number(tables.count()));
    for (const YearIndexEntry &e : tables.YearIndex)
        context.out(QString::number(e.first) + u' ' + e.year);
    return ExitOk;
}

struct YearOptions {
    YearMode mode = YearMode::Before;
    QString year;
};

// --year and --mode, shared by browse and fulltext; an empty optional after
// a usage message.
std::optional<YearOptions> yearOptions(ToolContext &context, const CommandOptions &options,
                                       const ToolCommand &self, int *exit)
{
    if (!options.error.isEmpty()) {
        *exit = usageError(context, self, options.error);
        return std::nullopt;
    }
    if (!options.positional.isEmpty()) {
        *exit = usageError(context, self, u"未知的参数: "_s + options.positional.front());
        return std::nullopt;
    }
    if (!options.has(u"--year"_s)) {
        *exit = usageError(context, self, u"需要 --year"_s);
        return std::nullopt;
    }
    const auto mode = lawYearMode(options.value(u"--mode"_s));
    if (!mode) {
        *exit = usageError(context, self, u"--mode 应为 before 或 after"_s);
        return std::nullopt;
    }
    return YearOptions{*mode, options.value(u"--year"_s)};
}

int browse(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options =
        parseCommandOptions(args, {u"--year"_s, u"--mode"_s, u"--category"_s, u"--keywords"_s});
    int exit = ExitOk;
    const auto year = yearOptions(context, options, self, &exit);
    if (!year)
        return exit;
    const auto category = lawCategory(options.value(u"--category"_s, u"10"_s));
    if (!category)
        return usageError(context, self, u"--category 应为 1 到 10"_s);

    const LawTables tables = LoadIndex2(RecordFile(context.drives()));
    // No earlier range is in force: the range starts empty.
    BrowseRange range;
    if (BeginNoEndNoIndex2(tables, comboYear(year->year), year->mode, range) ==
        RangeOutcome::NoRecords)
        context.err(u"没有记录!"_s);
    const QString text = options.value(u"--keywords"_s);
    const QStringList rows =
        Index2Find(tables, range, *category, keyWordsOf(text), text.trimmed().isEmpty());
    for (const QString &row : rows)
        context.out(row);
    return ExitOk;
}

int fulltext(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options =
        parseCommandOptions(args, {u"--year"_s, u"--mode"_s, u"--keywords"_s});
    int exit = ExitOk;
    const auto year = yearOptions(context, options, self, &exit);
    if (!year)
        return exit;
    const QString text = options.value(u"--keywords"_s);
    if (text.trimmed().isEmpty())
        return usageError(context, self, u"需要 --keywords"_s);

    const RecordFile files(context.drives());
    const NoDateTexts undated = LoadClass789Contents(files);
    const FullTextResult result =
        YearSearch2(files, undated, keyWordsOf(text), year->mode, comboYear(year->year),
                    context.clock().today().year());
    for (const QString &row : result.rows)
        context.out(row);
    if (result.cut)
        context.err(fullTextCutMessage());
    return ExitOk;
}

int show(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options = parseCommandOptions(args, {u"--row"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty() || !options.has(u"--row"_s))
        return usageError(context, self, u"需要 --row"_s);

    const RecordFile files(context.drives());
    const QString row = options.value(u"--row"_s);
    // The undated texts are only needed for an undated row.
    const NoDateTexts undated =
        splitLawRow(row).undated ? LoadClass789Contents(files) : NoDateTexts();
    const ShowResult shown = FindContents2(files, undated, row);
    switch (shown.kind) {
    case ShowResult::Kind::Document:
    case ShowResult::Kind::Placeholder:
        context.write(shown.text);
        return ExitOk;
    case ShowResult::Kind::Nothing:
        return usageError(context, self, u"--row 为空"_s);
    case ShowResult::Kind::NotFound:
        context.err(u"没有查到!"_s);
        break;
    case ShowResult::Kind::IllegalFormat:
        context.err(u"非法格式!"_s);
        break;
    case ShowResult::Kind::Damaged:
        context.err(u"文件已损坏！"_s);
        break;
    }
    return ExitFailed;
}

} // namespace

void addLawCommands(QList<ToolCommand> &commands)
{
    addCommand(commands,
               {{u"law"_s, u"stats"_s},
                {},
                u"法规索引的记录数和年份索引"_s,
                u"读入 lawbase\\index.txt, 先显示 \"records N\", 再逐行显示年份索引的每一项:\n"_s
                u"该年份第一条记录的序号、一个空格、年份。"_s,
                {}},
               stats);
    addCommand(
        commands,
        {{u"law"_s, u"browse"_s},
         u"--year Y --mode before|after [--category 1..10] [--keywords TEXT]"_s,
         u"按年份和类别浏览法规标题"_s,
         u"与选择年份、年份方式 (before: \"年  和    之前\", after: \"年  和    之后\")、\n"_s
         u"类别按钮 (默认 10.全部) 和标题关键词框回车的效果相同, 按结果顺序逐行显示每一行。\n"_s
         u"年份找不到时在标准错误上显示 \"没有记录!\"。"_s,
         {}},
        browse);
    addCommand(commands,
               {{u"law"_s, u"fulltext"_s},
                u"--year Y --mode before|after --keywords TEXT"_s,
                u"在年份区间内检索法规正文"_s,
                u"正文检索: before 从 Y 年到 1875 年再加上无日期的正文, after 从今年到 Y 年;\n"_s
                u"按检索顺序逐行显示找到的每一篇 (日期、两个空格、(有效性)、标题)。"_s,
                {}},
               fulltext);
    addCommand(
        commands,
        {{u"law"_s, u"show"_s},
         u"--row ROW"_s,
         u"显示一行结果对应的法规正文"_s,
         u"与在列表中单击该行的效果相同: 显示正文 (末尾加回车换行), 或该月份文件不存在时的\n"_s
         u"标题占位; 找不到、格式非法或文件损坏时在标准错误上说明并以状态 1 退出。"_s,
         {}},
        show);
}
