// How fast the record format reads and writes an index-sized file.
#include "core/foundation/record_reader.h"
#include "core/foundation/record_writer.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// 180000 law index records: title, date, category and issuing body, validity.
const QByteArray &indexBytes()
{
    static const QByteArray bytes = [] {
        QByteArray out;
        for (int i = 0; i < 180000; ++i) {
            const Record r = {
                QString(u"关于加强法律服务管理的若干规定（第"_s + QString::number(i) + u"号）"_s),
                u"2003-08-22"_s, u"2国务院办公厅"_s, u"有效"_s};
            out += RecordWriter::formatRecord(r.constData(), r.size());
        }
        return out;
    }();
    return bytes;
}

void BM_ReadIndexAsText(benchmark::State &state)
{
    for (auto _ : state) {
        RecordReader reader(indexBytes());
        QString title, date, org, valid;
        qsizetype n = 0;
        while (!reader.atEnd() && reader.readFields(title, date, org, valid))
            ++n;
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * indexBytes().size());
}
BENCHMARK(BM_ReadIndexAsText)->Unit(benchmark::kMillisecond);

void BM_ReadIndexAsVariants(benchmark::State &state)
{
    for (auto _ : state) {
        RecordReader reader(indexBytes());
        qsizetype n = 0;
        while (!reader.atEnd())
            n += reader.readRecord()->size();
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * indexBytes().size());
}
BENCHMARK(BM_ReadIndexAsVariants)->Unit(benchmark::kMillisecond);

void BM_WriteIndex(benchmark::State &state)
{
    const Record r = {u"关于加强法律服务管理的若干规定"_s, u"2003-08-22"_s, u"2国务院办公厅"_s,
                      u"有效"_s};
    for (auto _ : state) {
        QByteArray out;
        for (int i = 0; i < 180000; ++i)
            out += RecordWriter::formatRecord(r.constData(), r.size());
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_WriteIndex)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
