#include <benchmark/benchmark.h>

#include "bench/BookFixture.h"
#include "report/ReportFile.h"

namespace rokal {
namespace {

const PileInput kInput = bench::BenchInput();
const PileResult kResult = std::get<PileResult>(ComputePile(kInput, u'.'));

// One append and one deletion on a log that already holds range(0) piles: the cost
// must not grow with the size of the log.
void BM_AppendAndDeleteOnLogOf(benchmark::State& state) {
    ReportLog log;
    bench::FillLog(log, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        log.AppendPile(kInput, kResult, PrecisionMode::Units, u"2024/3/5 14:07:09", u'.');
        log.DeleteLastPile();
    }
    benchmark::DoNotOptimize(log.PileCount());
}
BENCHMARK(BM_AppendAndDeleteOnLogOf)->Arg(1)->Arg(100)->Arg(10000);

// A schedule's pile with loads and a mark wider than any before, appended to a log
// of range(0) main-window piles and deleted again: the whole table is laid out
// twice, once wider and once back. The only append whose cost grows with the log,
// and it comes once per width a book reaches.
void BM_WiderMarkOnLogOf(benchmark::State& state) {
    ReportLog log;
    bench::FillLog(log, static_cast<int>(state.range(0)));
    BookPile wide = CalculatorPile(1, kInput, kResult, PrecisionMode::Units, u'.');
    wide.mark = u"1-ZH12-东侧";
    wide.scheduleMark = true;
    wide.raCheck = LoadCheck{9000, kResult.ra, kResult.ra >= 9000, std::nullopt};
    for (auto _ : state) {
        log.AppendPiles({wide}, u"2024/3/5 14:07:09");
        log.DeleteLastPile();
    }
    benchmark::DoNotOptimize(log.PileCount());
}
BENCHMARK(BM_WiderMarkOnLogOf)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Append10000ThenDeleteAll(benchmark::State& state) {
    for (auto _ : state) {
        ReportLog log;
        bench::FillLog(log, 10000);
        while (log.DeleteEnabled()) {
            log.DeleteLastPile();
        }
        benchmark::DoNotOptimize(log.PileCount());
    }
}
BENCHMARK(BM_Append10000ThenDeleteAll)->Unit(benchmark::kMillisecond);

void BM_JoinBookOf10000Piles(benchmark::State& state) {
    ReportLog log;
    bench::FillLog(log, 10000);
    const Lines& doc = log.Document(static_cast<ReportDocument>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(JoinReportLines(doc));
    }
}
BENCHMARK(BM_JoinBookOf10000Piles)
    ->Arg(static_cast<int>(ReportDocument::Text))
    ->Arg(static_cast<int>(ReportDocument::Table))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rokal
