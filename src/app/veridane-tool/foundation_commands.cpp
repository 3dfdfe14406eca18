#include "app/veridane-tool/tool.h"

#include "core/foundation/record_file.h"
#include "demo/demo_tree.h"

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

int makeDemo(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    if (!args.isEmpty())
        return usageError(context, self, u"此命令没有参数"_s);
    if (FileResult r = writeDemoTree(context.drives()); !r) {
        context.err(u"veridane-tool: "_s + r.message());
        return ExitFailed;
    }
    context.out(context.drives().systemRoot());
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
    addCommand(commands,
               {{u"make-demo"_s},
                {},
                u"在 --root 下建立安装目录树"_s,
                u"建立安装文件夹及其模块文件夹和法律正文文件夹; 已有的文件保持不变。"_s,
                {}},
               makeDemo);
}
