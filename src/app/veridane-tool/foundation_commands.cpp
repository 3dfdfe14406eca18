#include "app/veridane-tool/tool.h"

#include "core/foundation/record_file.h"
#include "demo/demo_install.h"

using namespace Qt::StringLiterals;

namespace {

// A field's text on one line: CR, LF, TAB and backslash written as escapes.
QString escapeField(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\r':
            out += u"\\r"_s;
            break;
        case u'\n':
            out += u"\\n"_s;
            break;
        case u'\t':
            out += u"\\t"_s;
            break;
        case u'\\':
            out += u"\\\\"_s;
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString printable(const RecordValue &value)
{
    switch (value.kind()) {
    case RecordValue::Kind::Text:
        return escapeField(value.toText());
    case RecordValue::Kind::Boolean:
        return value.toBoolean() ? u"#TRUE#"_s : u"#FALSE#"_s;
    case RecordValue::Kind::Date:
        return u'#' + value.toText() + u'#';
    case RecordValue::Kind::Null:
        return u"#NULL#"_s;
    default:
        return value.toText();
    }
}

int recordCat(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    if (args.size() != 1)
        return usageError(context, self, u"需要一个文件路径"_s);
    const RecordFile files(context.drives());
    FileResult result;
    auto reader = files.openForReading(args[0], &result);
    if (!reader) {
        context.err(u"veridane-tool: "_s + result.message());
        return ExitFailed;
    }
    while (!reader->atEnd()) {
        const auto record = reader->readRecord();
        if (!record)
            break;
        QStringList fields;
        fields.reserve(record->size());
        for (const RecordValue &v : *record)
            fields.append(printable(v));
        context.out(fields.join(u'\t'));
    }
    return ExitOk;
}

int path(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    if (args.size() != 1)
        return usageError(context, self, u"需要一个路径"_s);
    const QString host = context.drives().resolve(args[0]);
    if (host.isEmpty()) {
        context.err(u"veridane-tool: 驱动器不存在: "_s + args[0]);
        return ExitFailed;
    }
    context.out(host);
    return ExitOk;
}

// "号码簿和网址表 写入 4 个 (号码簿 895 条, 官方网站 158 个)", with the files
// kept named too.
QString demoDirectorySummary(const DemoDirectoryResult &r)
{
    if (r.written == 0)
        return u"号码簿和网址表 已有, 保留"_s;
    QString text = u"号码簿和网址表 写入 "_s + QString::number(r.written) + u" 个"_s;
    QStringList counts;
    if (r.directoryRecords > 0)
        counts.append(u"号码簿 "_s + QString::number(r.directoryRecords) + u" 条"_s);
    if (r.govSites > 0)
        counts.append(u"官方网站 "_s + QString::number(r.govSites) + u" 个"_s);
    if (!counts.isEmpty())
        text += u" ("_s + counts.join(u", "_s) + u')';
    if (r.kept > 0)
        text += u", 保留已有的 "_s + QString::number(r.kept) + u" 个"_s;
    return text;
}

// "帮助 写入 80 个 (提示 79 条)", or what was kept.
QString demoHelpSummary(const DemoHelpResult &r)
{
    if (r.written == 0)
        return u"帮助 已有, 保留"_s;
    QString text = u"帮助 写入 "_s + QString::number(r.written) + u" 个"_s;
    if (r.hints > 0)
        text += u" (提示 "_s + QString::number(r.hints) + u" 条)"_s;
    if (r.kept > 0)
        text += u", 保留已有的 "_s + QString::number(r.kept) + u" 个"_s;
    return text;
}

// "图片 写入 31 个; 声效 写入 9 个; 号码簿和网址表 写入 4 个 (...); 客户档案 写入 10 位;
// 法律数据库 写入 3000 篇 (正文文件 644 个和索引)"
QString demoInstallSummary(const DemoInstallResult &r, int laws)
{
    QString pictures = u"图片 写入 "_s + QString::number(r.pictures.written) + u" 个"_s;
    if (r.pictures.kept > 0)
        pictures += u", 保留已有的 "_s + QString::number(r.pictures.kept) + u" 个"_s;
    QString sounds = u"声效 写入 "_s + QString::number(r.sounds.written) + u" 个"_s;
    if (r.sounds.kept > 0)
        sounds += u", 保留已有的 "_s + QString::number(r.sounds.kept) + u" 个"_s;
    QString lawText;
    if (laws == 0)
        lawText = u"法律数据库 未生成"_s;
    else if (r.lawsKept)
        lawText = u"法律数据库 已有, 保留"_s;
    else
        lawText = u"法律数据库 写入 "_s + QString::number(r.laws.documents) + u" 篇 (正文文件 "_s +
                  QString::number(r.laws.contentFiles) + u" 个和索引)"_s;
    const QString clients =
        r.clients.kept ? u"客户档案 已有, 保留"_s
                       : u"客户档案 写入 "_s + QString::number(r.clients.written) + u" 位"_s;
    const QString calendar = r.calendar.kept
                                 ? u"日历表 已有, 保留"_s
                                 : u"日历表 写入 "_s + QString::number(r.calendar.days) + u" 天"_s;
    return pictures + u"; "_s + sounds + u"; "_s + demoDirectorySummary(r.directory) + u"; "_s +
           demoHelpSummary(r.help) + u"; "_s + calendar + u"; "_s + clients + u"; "_s + lawText;
}

int makeDemo(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions parsed =
        parseCommandOptions(args, {u"--laws"_s, u"--seed"_s}, {u"--force"_s});
    if (!parsed.error.isEmpty())
        return usageError(context, self, parsed.error);
    if (!parsed.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + parsed.positional.front());
    DemoInstallOptions options;
    options.today = context.clock().today();
    options.overwrite = parsed.has(u"--force"_s);
    bool ok = true;
    if (parsed.has(u"--laws"_s))
        options.laws = parsed.value(u"--laws"_s).toInt(&ok);
    if (!ok || options.laws < 0 || options.laws > DemoLawMaximum)
        return usageError(context, self, u"--laws 必须是 0 到 180000 之间的整数"_s);
    if (QString error; !readSeedOption(parsed, options.seed, error))
        return usageError(context, self, error);

    const DemoInstallResult r = writeDemoInstall(context.drives(), options);
    if (!r.ok()) {
        context.err(u"veridane-tool: "_s + r.failure);
        return ExitFailed;
    }
    context.out(context.drives().systemRoot() + u": "_s + demoInstallSummary(r, options.laws));
    return ExitOk;
}

} // namespace

void addFoundationCommands(QList<ToolCommand> &commands)
{
    addCommand(
        commands,
        {{u"record"_s, u"cat"_s},
         u"PATH"_s,
         u"逐条显示记录文件的内容"_s,
         u"PATH 是系统路径 (如 c:\\program files\\quorix\\lawbase\\index.txt, 不区分大小写) 或主机路径。\n"_s
         u"每条记录显示为一行, 各字段之间用 TAB 分隔; 字段内的回车、换行、TAB 和反斜杠写作 \\r、\\n、\\t、\\\\;\n"_s
         u"数字按读到的值显示, 空字段显示为空。文件不存在时在标准错误上说明并以状态 1 退出。"_s,
         {}},
        recordCat);
    addCommand(
        commands,
        {{u"path"_s},
         u"WINPATH"_s,
         u"显示系统路径对应的主机路径"_s,
         u"按驱动器映射 (c: 为 --root, 其余来自 VERIDANE_DRIVES 或已挂载的卷) 和不区分大小写的\n"_s
         u"文件名匹配, 显示系统将使用的主机路径。"_s,
         {}},
        path);
    addCommand(
        commands,
        {{u"make-demo"_s},
         u"[--laws N] [--seed S] [--force]"_s,
         u"在 --root 下建立演示用的安装目录树"_s,
         u"建立安装文件夹及其模块文件夹和法律正文文件夹, 写入 objpics 中的全部图片 (按钮、模块图标、\n"_s
         u"照片占位图和窗口背景), sounds 中的九个声效文件 (*.wav) 和声效开关 (SoundEffects.txt, 打开),\n"_s
         u"号码簿 (YellowPage\\comcodes.txt: 电话区号、求助电话、邮政编码、\n"_s
         u"常用网站、法律机构、政府机构和旅行服务) 和官方网站搜索的三个表 (lawbase\\GovURLs.txt、\n"_s
         u"places.txt、Sectors.txt); 没有客户档案 (clients\\clients.txt) 时写入十位虚构的示例客户及其\n"_s
         u"文件夹, 有些记录带有本月的日期; 没有法律数据库时生成 N 篇虚构的法律文件 (0 到 180000,\n"_s
         u"默认 3000; 0 表示不生成; 日期不晚于今天, 即 --today; S 默认为 1, 见 law make-demo)。\n"_s
         u"已有的文件、客户档案和法律数据库保持不变, 除非给出 --force: 那时全部重写, 已有的客户档案和\n"_s
         u"法律数据库被替换 (其他客户文件夹保留)。\n"_s
         u"1900 到 2100 年的农历日历表 (calendar.txt, 见 calendar make) 也是这样: 已有的保留,\n"_s
         u"除非给出 --force。\n"_s
         u"帮助 (help\\helplist.txt: 每个按钮、方框和列表在各模块中的提示, 每条提示的说明和\n"_s
         u"版本说明) 也是这样。\n"_s
         u"完成时在标准输出上写一行摘要; 无法写入时在标准错误上说明并以状态 1 退出。"_s,
         {}},
        makeDemo);
}
