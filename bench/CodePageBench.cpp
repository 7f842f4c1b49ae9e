#include <benchmark/benchmark.h>

#include "bench/BookFixture.h"
#include "report/ReportFile.h"
#include "report/CodePage.h"

namespace rokal {
namespace {

// The bytes of the saved file of a 10,000-pile book: the join and the code-page encoding.
void BM_EncodeBookOf10000Piles(benchmark::State& state) {
    ReportLog log;
    bench::FillLog(log, 10000);
    const Lines& doc = log.Document(static_cast<ReportDocument>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeToSystemCodePage(JoinReportLines(doc)));
    }
}
BENCHMARK(BM_EncodeBookOf10000Piles)
    ->Arg(static_cast<int>(ReportDocument::Text))
    ->Arg(static_cast<int>(ReportDocument::Table))
    ->Unit(benchmark::kMillisecond);

// The encoding alone, of the already joined text.
void BM_EncodeJoinedBookOf10000Piles(benchmark::State& state) {
    ReportLog log;
    bench::FillLog(log, 10000);
    const std::u16string joined =
        JoinReportLines(log.Document(static_cast<ReportDocument>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeToSystemCodePage(joined));
    }
}
BENCHMARK(BM_EncodeJoinedBookOf10000Piles)
    ->Arg(static_cast<int>(ReportDocument::Text))
    ->Arg(static_cast<int>(ReportDocument::Table))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rokal
