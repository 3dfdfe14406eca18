#include "app/veridane-tool/tool.h"

#include "core/lawdb/keywords.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString ToolName = u"veridane-tool"_s;

void writeLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

QString globalUsage(const QList<ToolCommand> &commands)
{
    QString text = u"用法: "_s + ToolName +
                   u" [--root DIR] [--today YYYY-MM-DD] 命令 [参数]\n\n"_s + u"全局选项:\n"_s +
                   u"  --root DIR           代表 c: 驱动器的文件夹 (默认: $VERIDANE_ROOT, 否则 "_s +
                   u"$XDG_DATA_HOME/veridane/c)\n"_s +
                   u"  --today YYYY-MM-DD   固定\"今天\"的日期 (默认: 系统时钟)\n"_s +
                   u"  --help               显示本说明\n\n命令:\n"_s;
    qsizetype width = 0;
    for (const ToolCommand &c : commands)
        width = std::max(width, c.words.join(u' ').size() + 1 + c.arguments.size());
    for (const ToolCommand &c : commands) {
        const QString head = QString(c.words.join(u' ') + u' ' + c.arguments).trimmed();
        text += u"  "_s + head.leftJustified(width + 2) + c.summary + u'\n';
    }
    text += u"\n"_s + ToolName + u" 命令 --help 显示该命令的说明。"_s;
    return text;
}

// The command whose words start the remaining arguments (the longest match).
const ToolCommand *findCommand(const QList<ToolCommand> &commands, const QStringList &args,
                               qsizetype *used)
{
    const ToolCommand *best = nullptr;
    for (const ToolCommand &c : commands) {
        if (c.words.size() > args.size())
            continue;
        if (args.mid(0, c.words.size()) == c.words &&
            (!best || c.words.size() > best->words.size()))
            best = &c;
    }
    *used = best ? best->words.size() : 0;
    return best;
}

} // namespace

ToolContext::ToolContext(DriveMap drives, std::unique_ptr<Clock> clock)
    : m_drives(std::move(drives))
    , m_clock(std::move(clock))
{}

void ToolContext::out(const QString &line) const
{
    writeLine(stdout, line);
}
void ToolContext::err(const QString &line) const
{
    writeLine(stderr, line);
}

void ToolContext::write(const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

QString ToolCommand::usage() const
{
    return QString(u"用法: "_s + ToolName + u' ' + words.join(u' ') + u' ' + arguments).trimmed();
}

void addCommand(QList<ToolCommand> &commands, ToolCommand command, CommandRun run)
{
    const ToolCommand self = command;
    command.run = [run, self](ToolContext &c, const QStringList &a) { return run(c, a, self); };
    commands.append(std::move(command));
}

CommandOptions parseCommandOptions(const QStringList &args, const QStringList &valueOptions,
                                   const QStringList &flagOptions)
{
    CommandOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args[i];
        if (!name.startsWith(u"--")) {
            options.positional.append(name);
            continue;
        }
        QString value;
        bool inline_ = false;
        if (const qsizetype eq = name.indexOf(u'='); eq > 0) {
            value = name.sliced(eq + 1);
            name.truncate(eq);
            inline_ = true;
        }
        if (flagOptions.contains(name) && !inline_) {
            options.flags.insert(name);
        } else if (valueOptions.contains(name)) {
            if (!inline_) {
                if (i + 1 >= args.size()) {
                    options.error = name + u" 需要一个值"_s;
                    return options;
                }
                value = args[++i];
            }
            options.values.insert(name, value);
        } else {
            options.error = u"未知的参数: "_s + args[i];
            return options;
        }
    }
    return options;
}

int usageError(const ToolContext &context, const ToolCommand &command, const QString &why)
{
    context.err(ToolName + u": "_s + why);
    context.err(command.usage());
    return ExitUsage;
}

int runTool(const QStringList &arguments, const QList<ToolCommand> &commands)
{
    QString root;
    QString today;
    bool help = false;
    QStringList rest;
    const auto fail = [&](const QString &why) {
        writeLine(stderr, ToolName + u": "_s + why);
        writeLine(stderr, globalUsage(commands));
        return int(ExitUsage);
    };

    // Global options may stand anywhere before "--".
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--") {
            rest += arguments.mid(i);
            break;
        }
        QString *target = nullptr;
        QString value;
        for (auto [name, slot] : {std::pair{u"--root"_s, &root}, std::pair{u"--today"_s, &today}}) {
            if (a == name) {
                if (i + 1 >= arguments.size())
                    return fail(name + u" 需要一个值"_s);
                target = slot;
                value = arguments[++i];
            } else if (a.startsWith(name + u'=')) {
                target = slot;
                value = a.sliced(name.size() + 1);
            }
        }
        if (target) {
            *target = value;
        } else if (a == u"--help" || a == u"-h") {
            help = true;
        } else {
            rest += a;
        }
    }

    std::unique_ptr<Clock> clock;
    if (!today.isEmpty()) {
        const QDate date = QDate::fromString(today, u"yyyy-MM-dd"_s);
        if (!date.isValid())
            return fail(u"--today 的日期无效: "_s + today);
        clock = std::make_unique<FixedClock>(date);
    } else {
        clock = std::make_unique<SystemClock>();
    }

    qsizetype used = 0;
    const ToolCommand *command = findCommand(commands, rest, &used);
    if (!command) {
        if (help || rest.isEmpty()) {
            writeLine(help ? stdout : stderr, globalUsage(commands));
            return help ? int(ExitOk) : int(ExitUsage);
        }
        return fail(u"未知的命令: "_s + rest.join(u' '));
    }
    if (help) {
        writeLine(stdout, command->usage() + u"\n\n"_s + command->help);
        return ExitOk;
    }

    QStringList warnings;
    DriveMap drives = DriveMap::fromEnvironment(defaultSystemRoot(root), &warnings);
    ToolContext context(std::move(drives), std::move(clock));
    for (const QString &w : std::as_const(warnings))
        context.err(ToolName + u": "_s + w);
    QStringList args = rest.mid(used);
    if (!args.isEmpty() && args.front() == u"--")
        args.removeFirst();
    return command->run(context, args);
}

QString typedIntoKeywordBox(const QString &text)
{
    QString typed = text;
    for (QChar &c : typed)
        c = QChar(Text1KeyReplacement(c.unicode()));
    return typed;
}

bool readSeedOption(const CommandOptions &options, quint64 &seed, QString &error)
{
    if (!options.has(u"--seed"_s))
        return true;
    bool ok = false;
    const quint64 value = options.value(u"--seed"_s).toULongLong(&ok);
    if (!ok) {
        error = u"--seed 必须是非负整数"_s;
        return false;
    }
    seed = value;
    return true;
}
