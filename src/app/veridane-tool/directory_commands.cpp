#include "app/veridane-tool/law_options.h"
#include "app/veridane-tool/tool.h"

#include "core/clients/client_classes.h"
#include "core/directory/comcodes.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/keywords.h"

using namespace Qt::StringLiterals;

namespace {

// The captions the category buttons of the directory carry: the defaults,
// the user category names of ClassV.txt for 5 to 9, then the user class
// names of class.txt for 1 to 8, as the module switch applies them.
QStringList directoryCaptions(const RecordFile &files)
{
    QStringList captions = directoryCategoryCaptions();
    if (const auto names = ClassVNames(files)) {
        for (int k = 1; k <= 5; ++k)
            captions[3 + k] = QString::number(4 + k) + u'.' + names->value(k - 1);
    }
    const QStringList own = CustClass(files, directoryFolder());
    for (qsizetype k = 0; k < own.size() && k < 8; ++k)
        captions[k] = own[k];
    return captions;
}

int find(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options =
        parseCommandOptions(args, {u"--category"_s, u"--keywords"_s, u"--subclass"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + options.positional.front());
    const auto category = lawCategory(options.value(u"--category"_s, u"10"_s));
    if (!category)
        return usageError(context, self, u"--category 应为 1 到 10"_s);

    const RecordFile files(context.drives());
    ComCodesQuery query;
    query.Category = *category;
    query.keyword = directoryCategoryKeyword(*category, directoryCaptions(files)[*category - 1]);
    // The keyword box as if TEXT had been typed into it.
    const QString typed = typedIntoKeywordBox(options.value(u"--keywords"_s));
    query.keyWords = UKeyWordsSet(typed);
    query.keywordBoxBlank = typed.trimmed().isEmpty();
    query.subclass = options.value(u"--subclass"_s, u"全部"_s);

    const ComCodesResult result = FindComCodes(files, query);
    for (const ClientListRow &row : result.ListBuffer)
        context.out(QString(row.columns[0] + row.columns[1]).trimmed() + u'\t' + row.columns[2] +
                    u'\t' + row.columns[3]);
    return ExitOk;
}

} // namespace

void addDirectoryCommands(QList<ToolCommand> &commands)
{
    addCommand(
        commands,
        {{u"directory"_s, u"find"_s},
         u"[--category 1..10] [--keywords TEXT] [--subclass NAME]"_s,
         u"检索电邮号码 (区号、求助电话、邮编、网站、机构)"_s,
         u"与在《电邮号码》模块单击类别按钮 (默认 10.全部; 5 到 9 的名称可来自 YellowPage\\ClassV.txt)\n"_s
         u"并在任意关键词框回车的效果相同; --subclass 是 4.常用网站 的子类 (综合、新闻、IT、教育、\n"_s
         u"卫生、政府、法律、商贸、证券、文体、服务、国外, 默认 全部)。按文件顺序逐行显示找到的每一条:\n"_s
         u"名称、TAB、代码或地址、TAB、类别。"_s,
         {}},
        find);
}
