#include "app/veridane-tool/law_options.h"
#include "app/veridane-tool/tool.h"

#include "core/clients/client_backup.h"
#include "core/clients/client_classes.h"
#include "core/clients/client_edit.h"
#include "core/clients/client_names.h"
#include "core/clients/client_register.h"
#include "core/clients/client_search.h"
#include "core/foundation/drives.h"
#include "core/foundation/gbk.h"
#include "core/foundation/record_file.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// A message box's text on standard error, a line for each of its lines.
void notice(const ToolContext &context, const ClientNotice &n)
{
    for (const QString &line : n.text.split(u"\r\n"_s))
        context.err(u"veridane-tool: "_s + line);
}

ClientsLoad loadClients(const ToolContext &context, const RecordFile &files)
{
    ClientsLoad load = LoadClients(files);
    if (load.notice)
        notice(context, *load.notice);
    return load;
}

int find(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options =
        parseCommandOptions(args, {u"--category"_s, u"--keywords"_s, u"--date"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + options.positional.front());
    const auto category = lawCategory(options.value(u"--category"_s, u"10"_s));
    if (!category)
        return usageError(context, self, u"--category 应为 1 到 10"_s);
    std::optional<QDate> picker;
    if (options.has(u"--date"_s)) {
        picker = QDate::fromString(options.value(u"--date"_s), u"yyyy-MM-dd"_s);
        if (!picker->isValid())
            return usageError(context, self, u"--date 应为 YYYY-MM-DD 形式的日期"_s);
    }

    const RecordFile files(context.drives());
    const ClientsLoad load = loadClients(context, files);
    // The captions the buttons carry: the defaults, then those of class.txt.
    QStringList captions = clientCategoryCaptions();
    const QStringList own = CustClass(files, clientsDirectory());
    for (qsizetype k = 0; k < own.size(); ++k)
        captions[k] = own[k];

    ClientQuery query;
    query.Category = *category;
    query.CurCategoryName = curCategoryNameOf(*category, captions[*category - 1]);
    // The keyword box as if TEXT had been typed into it.
    const QString typed = typedIntoKeywordBox(options.value(u"--keywords"_s));
    query.keyWords = UKeyWordsSet(typed);
    query.keywordBoxBlank = typed.trimmed().isEmpty();
    if (picker)
        query.date = FindClientsDate(u"DTBOUND", *picker, context.clock().today(), 0);

    const FindClientsResult result = FindClients(load.reg, query);
    for (const ClientListRow &row : result.ListBuffer)
        context.out(QString(row.columns[0] + row.columns[1]).trimmed() + u'\t' +
                    row.columns[2].trimmed() + u'\t' + row.columns[3].trimmed());
    return ExitOk;
}

// A text file of the host in UTF-8 (with or without a byte order mark) or,
// when it is no valid UTF-8, in code page 936; its line ends made CR LF.
QString textFileContent(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Gbk::decode(bytes);
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').replace(u"\n"_s, u"\r\n"_s);
    return text;
}

int add(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options = parseCommandOptions(args, {u"--name"_s, u"--category"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (options.positional.size() != 1)
        return usageError(context, self, u"需要一个文本文件"_s);
    const QString nameOption = options.value(u"--name"_s);
    if (nameOption.trimmed().isEmpty())
        return usageError(context, self, u"需要 --name"_s);
    if (nameOption.contains(u'\r') || nameOption.contains(u'\n'))
        return usageError(context, self, u"--name 只能是一行"_s);
    const QString categoryOption = options.value(u"--category"_s).trimmed();
    if (categoryOption.isEmpty())
        return usageError(context, self, u"需要 --category"_s);

    const RecordFile files(context.drives());
    FileResult read;
    const auto bytes = files.readAll(options.positional.front(), &read);
    if (!bytes) {
        context.err(u"veridane-tool: "_s + read.message());
        return ExitFailed;
    }
    QString body = textFileContent(*bytes);
    while (body.endsWith(u"\r\n"_s))
        body.chop(2);

    // The record as if typed into the empty pane: the name, Enter, the
    // text, and the second Enter that saves it.
    const QString pane = nameOption + u"\r\n"_s + body;
    NamePick pick;
    int quoteToggle = 0;
    NamePickUp(pane, pick, quoteToggle);
    const ValidName name = ValidFileName(pick.PickedName);
    if (name.warning) {
        notice(context, *name.warning);
        return ExitFailed;
    }
    const EditRecord record =
        stageEditRecord(name.name, pane, categoryOption, context.clock().now(), quoteToggle);

    const ClientsLoad load = loadClients(context, files);
    const SaveEditResult saved = SaveEdit(files, load.reg, record);
    if (saved.notice)
        notice(context, *saved.notice);
    switch (saved.outcome) {
    case SaveEditResult::Outcome::Replaced:
        context.out(u"更新客户: "_s + saved.record.name);
        return ExitOk;
    case SaveEditResult::Outcome::Appended:
        if (saved.beyondRegister) {
            notice(context, clientLimitNotice());
            context.err(u"veridane-tool: "_s + saved.record.name +
                        u" 已写入 clients.txt, 但在第 10000 位之后"_s);
            return ExitFailed;
        }
        context.out(u"新增客户: "_s + saved.record.name);
        return ExitOk;
    case SaveEditResult::Outcome::NoName:
    case SaveEditResult::Outcome::NoSecondLine:
        context.err(u"veridane-tool: 记录没有存盘"_s);
        return ExitFailed;
    case SaveEditResult::Outcome::NotWritten:
        return ExitFailed;
    }
    return ExitFailed;
}

// The --drive option: a letter of the drive map other than c:, as "d", "d:" or "D:".
std::optional<QChar> driveOption(const ToolContext &context, const CommandOptions &options,
                                 QString &error)
{
    QString text = options.value(u"--drive"_s).trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    if (text.size() != 1 || !text[0].isLetter() || text[0].unicode() > 0x7f) {
        error = u"需要 --drive, 如 --drive d:"_s;
        return std::nullopt;
    }
    const QChar letter = text[0].toLower();
    if (letter == u'c') {
        error = u"c: 是系统盘, 请选择其他驱动器"_s;
        return std::nullopt;
    }
    if (!context.drives().drive(letter)) {
        error = u"没有驱动器 "_s + letter + u": (驱动器由 VERIDANE_DRIVES 或挂载的卷给出)"_s;
        return std::nullopt;
    }
    return letter;
}

int backup(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options = parseCommandOptions(args, {u"--drive"_s}, {u"--yes"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + options.positional.front());
    QString why;
    const auto drive = driveOption(context, options, why);
    if (!drive)
        return usageError(context, self, why);

    const RecordFile files(context.drives());
    if (const auto refusal = backupRefusal(files)) {
        notice(context, *refusal);
        return ExitFailed;
    }
    const SystemDrives drives(context.drives());
    if (const auto info = drives.find(*drive); info && info->type == DriveType::CdRom) {
        notice(context, readOnlyDriveNotice());
        return ExitFailed;
    }
    const QString target = backupFolder(*drive);
    const bool replacing = files.directoryExists(target);
    if (replacing && !options.flags.contains(u"--yes"_s)) {
        context.err(u"veridane-tool: 驱动器"_s + *drive + u":中发现同名文件夹 "_s +
                    files.hostPath(target) + u", 没有覆盖 (用 --yes 覆盖)"_s);
        return ExitFailed;
    }
    const auto space = backupSpace(drives, files, *drive, replacing);
    if (!space) {
        notice(context, driveUnavailableNotice(*drive));
        return ExitFailed;
    }
    if (!space->enough()) {
        notice(context, lowSpaceNotice(*space));
        return ExitFailed;
    }
    if (replacing) {
        if (const FileResult removed = files.deleteTree(target); !removed) {
            notice(context, backupFailedNotice(removed));
            return ExitFailed;
        }
    }
    if (const FileResult remembered = rememberBackupDrive(files, *drive); !remembered)
        context.err(u"veridane-tool: 备份盘没有记下: "_s + remembered.message());
    if (const FileResult copied = BackUpClients(files, *drive); !copied) {
        notice(context, backupFailedNotice(copied));
        return ExitFailed;
    }
    context.out(u"备份结束: 客户档案 ("_s + QString::number(files.treeSize(target)) +
                u" 字节) 已备份到 "_s + QString(drive->toUpper()) + u":\\clients ("_s +
                files.hostPath(target) + u')');
    return ExitOk;
}

int restore(ToolContext &context, const QStringList &args, const ToolCommand &self)
{
    const CommandOptions options = parseCommandOptions(args, {u"--drive"_s});
    if (!options.error.isEmpty())
        return usageError(context, self, options.error);
    if (!options.positional.isEmpty())
        return usageError(context, self, u"未知的参数: "_s + options.positional.front());
    QString why;
    const auto drive = driveOption(context, options, why);
    if (!drive)
        return usageError(context, self, why);

    const RecordFile files(context.drives());
    if (!backupRegisterExists(files, *drive)) {
        context.err(u"veridane-tool: 没有用于恢复或导入的文件! ("_s +
                    files.hostPath(backupFolder(*drive) + u"\\clients.txt"_s) + u')');
        return ExitFailed;
    }
    const RestoreResult restored = Restore(files, *drive);
    if (!restored.result) {
        notice(context, restoreFailedNotice(restored.result));
        return ExitFailed;
    }
    context.out(QString::number(restored.written) + u"条记录刷新完毕! (更新 "_s +
                QString::number(restored.replaced) + u" 位, 新增 "_s +
                QString::number(restored.added) + u" 位)"_s);
    if (restored.written > ClientReg::Capacity)
        notice(context, clientLimitNotice());
    return ExitOk;
}

} // namespace

void addClientCommands(QList<ToolCommand> &commands)
{
    addCommand(
        commands,
        {{u"clients"_s, u"find"_s},
         u"[--category 1..10] [--keywords TEXT] [--date YYYY-MM-DD]"_s,
         u"检索客户档案"_s,
         u"与单击类别按钮 (默认 10.全部; 类别名称来自默认标题或 clients\\class.txt) 和在标题关键词框\n"_s
         u"回车的效果相同; --date 是日历上选定的日期 (按日期检索, 有关键词时不用)。按列表顺序逐行显示\n"_s
         u"每一位客户: 名称、TAB、类别、TAB、上一次编辑时间。"_s,
         {}},
        find);
    addCommand(
        commands,
        {{u"clients"_s, u"add"_s},
         u"--name NAME --category NAME TEXTFILE"_s,
         u"把一个文本文件存为客户档案"_s,
         u"与在空的正文框中输入 NAME、回车、TEXTFILE 的内容再连续回车存盘的效果相同: 第一行 NAME\n"_s
         u"去掉禁用字符后作为客户名称和文件夹名, ASCII 双引号换成全角引号, 类别为 --category\n"_s
         u"(如 企业; 以 10 开头时为 其他), 时间为现在 (或 --today)。已有同名 (区分大小写) 的客户时\n"_s
         u"更新其记录, 否则新增。TEXTFILE 是主机路径, UTF-8 或 GBK 文本, 文件末尾的换行符被去掉。\n"_s
         u"成功时在标准输出上写 \"新增客户: 名称\" 或 \"更新客户: 名称\"; 不能存盘时在标准错误上说明\n"_s
         u"并以状态 1 退出。"_s,
         {}},
        add);
    addCommand(
        commands,
        {{u"clients"_s, u"backup"_s},
         u"--drive D [--yes]"_s,
         u"把客户档案备份到另一个驱动器"_s,
         u"与单击 备份 按钮再选择驱动器 D 的效果相同: 整个客户档案文件夹 (登记表、提醒、类别名称和\n"_s
         u"每位客户的文件夹) 复制到 D:\\clients, 并把 D 记为最后一次备份的驱动器。D 不能是系统盘 c:\n"_s
         u"或光盘; 剩余空间至少要有客户档案大小的 1.1 倍。D 上已有 clients 文件夹时不备份, 除非给出\n"_s
         u"--yes, 这时先删除它。驱动器来自 VERIDANE_DRIVES 或挂载的卷。成功时在标准输出上说明备份\n"_s
         u"到了哪里; 失败时在标准错误上说明并以状态 1 退出。适合每晚定时备份。"_s,
         {}},
        backup);
    addCommand(
        commands,
        {{u"clients"_s, u"restore"_s},
         u"--drive D"_s,
         u"从另一个驱动器恢复或导入客户档案"_s,
         u"与单击 恢复 按钮再选择驱动器 D 的效果相同: D:\\clients 中的客户合并到本机的客户档案里,\n"_s
         u"同名 (不计大小写和首尾空格) 的客户以备份为准, 只在备份里的客户加在后面, 只在本机的客户\n"_s
         u"保留; 客户文件夹里的文件逐个复制过来, 同名的以备份为准。合并后的登记表最后一步整体写入,\n"_s
         u"失败时本机登记表不变。成功时在标准输出上写 \"N条记录刷新完毕!\" 和更新、新增的客户数;\n"_s
         u"失败时在标准错误上说明并以状态 1 退出。"_s,
         {}},
        restore);
}
