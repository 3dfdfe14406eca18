// Timings of the client archive on a full register: 10000 clients of about
// 2 KB each, made in a temporary folder. The load of the register, the
// searches of the list, the record of a clicked row and a save.
//
//   clients_bench [RUNS]
#include "core/clients/client_edit.h"
#include "core/clients/client_register.h"
#include "core/clients/client_search.h"
#include "core/foundation/drive_map.h"
#include "core/foundation/record_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_timing.h"

using namespace Qt::StringLiterals;

namespace {

void row(const char *what, double ms, const QString &note = {})
{
    std::printf("%-52s %10.1f ms  %s\n", what, ms, qPrintable(note));
}

// Filler words every record is made of, and topic words of which each
// record holds a few: two topics together are in a few per cent of the
// records.
const QString Words[] = {
    u"合同"_s, u"委托"_s, u"代理"_s, u"诉讼"_s, u"开庭"_s, u"判决"_s, u"执行"_s, u"证据"_s,
    u"律师"_s, u"法院"_s, u"申请"_s, u"公司"_s, u"会议"_s, u"电话"_s, u"地址"_s, u"联系人"_s,
    u"费用"_s, u"已付"_s, u"未付"_s, u"，"_s,   u"。"_s,   u"、"_s,   u"："_s,
};
const QString Topics[] = {
    u"借款"_s, u"担保"_s, u"租赁"_s, u"股权"_s, u"转让"_s, u"劳动"_s,   u"赔偿"_s,
    u"上诉"_s, u"答辩"_s, u"保全"_s, u"商标"_s, u"专利"_s, u"著作权"_s, u"董事会"_s,
    u"仲裁"_s, u"调解"_s, u"离婚"_s, u"继承"_s, u"工程"_s, u"物业"_s,
};
const QString Categories[] = {u"企业"_s, u"行政"_s, u"事业"_s,     u"公益"_s, u"私人"_s,
                              u"涉外"_s, u"刑事"_s, u"知识产权"_s, u"其他"_s};

// A record of about 2 KB in code page 936: a name, then words with a few
// topics, a date now and then, an e-mail address.
ClientRecord makeClient(int k, QRandomGenerator &random)
{
    const QString name = u"客户"_s + QString::number(k) + u"有限公司"_s;
    QString topics[4];
    for (QString &t : topics)
        t = Topics[random.bounded(int(std::size(Topics)))];
    QString text = name + u"\r\n"_s;
    while (text.size() < 950) {
        text += random.bounded(40) == 0 ? topics[random.bounded(4)]
                                        : Words[random.bounded(int(std::size(Words)))];
        if (random.bounded(200) == 0)
            text += u" 2024-"_s + QString::number(1 + random.bounded(12)) + u'-' +
                    QString::number(1 + random.bounded(28)) + u' ';
        if (random.bounded(300) == 0)
            text += u"\r\n"_s;
    }
    text += u"\r\nlawyer"_s + QString::number(k) + u"@example.com"_s;
    return {name, u"2024-06-01 09:30:00"_s, Categories[k % 9], text};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    const DriveMap drives(dir.path());
    const RecordFile files(drives);
    if (!files.makeDirectory(clientsDirectory()).ok()) {
        std::fprintf(stderr, "clients_bench: cannot make the clients folder\n");
        return 1;
    }
    QRandomGenerator random(1);
    QList<ClientRecord> clients;
    for (int k = 1; k <= ClientReg::Capacity; ++k)
        clients.append(makeClient(k, random));
    if (!rewriteClients(files, clients, {}).ok()) {
        std::fprintf(stderr, "clients_bench: cannot write the register\n");
        return 1;
    }
    const qint64 size = QFileInfo(files.hostPath(clientsRegisterPath())).size();
    std::printf("clients %d, register %.1f MB, runs per figure %d (median)\n\n",
                int(clients.size()), size / 1e6, runs);
    clients.clear();

    ClientReg reg;
    // The first load meets memory the process has never used.
    const double first = medianMs(1, [&] { reg = LoadClients(files).reg; });
    row("LoadClients, the first in the process", first);
    const double load = medianMs(runs, [&] { reg = LoadClients(files).reg; });
    row("LoadClients", load, u"target <= 100 ms, "_s + QString::number(reg.count()) + u" rows"_s);

    FindClientsResult found;
    const auto find = [&](const char *what, const ClientQuery &query, const QString &target) {
        const double ms = medianMs(runs, [&] { found = FindClients(reg, query); });
        QString note = QString::number(found.RelevantRecords) + u" rows"_s;
        if (!target.isEmpty())
            note = target + u", "_s + note;
        row(what, ms, note);
    };
    ClientQuery all;
    find("FindClients, 10.全部, no keyword", all, {});
    ClientQuery two;
    two.keyWords = UKeyWordsSet(u"保全 商标"_s);
    two.keywordBoxBlank = false;
    find("FindClients, 10.全部, 2 keywords", two, u"target <= 20 ms"_s);
    ClientQuery latin;
    latin.keyWords = UKeyWordsSet(u"lawyer99 example"_s);
    latin.keywordBoxBlank = false;
    find("FindClients, 10.全部, 2 Latin keywords", latin, {});
    ClientQuery none;
    none.keyWords = UKeyWordsSet(u"没有的词 合同"_s);
    none.keywordBoxBlank = false;
    find("FindClients, 10.全部, a word no record holds", none, {});
    ClientQuery dated;
    dated.date = QDate(2024, 6, 15);
    find("FindClients, 10.全部, date 2024-06-15", dated, {});
    ClientQuery category;
    category.Category = 2;
    category.CurCategoryName = u"行政"_s;
    category.date = QDate(2024, 6, 15);
    find("FindClients, 2.行政, date 2024-06-15", category, {});

    std::optional<QString> text;
    const QString last = reg.row(reg.count()).name.toUpper();
    const double contents = medianMs(runs, [&] { text = FindClientContents(files, last); });
    row("FindClientContents, last client", contents, text ? u"found"_s : u"NOT FOUND"_s);

    EditRecord edited = reg.row(reg.count() / 2);
    edited.text += u"\r\n补充"_s;
    SaveEditResult saved;
    const double save = medianMs(runs, [&] { saved = SaveEdit(files, reg, edited); });
    row("SaveEdit, a client in the middle (whole rewrite)", save,
        saved.outcome == SaveEditResult::Outcome::Replaced ? u"replaced"_s : u"NOT SAVED"_s);
    return 0;
}
