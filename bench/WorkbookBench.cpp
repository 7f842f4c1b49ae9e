// Pile schedules in .xlsx workbooks: what `rokal-cli design piles.xlsx --xlsx
// results.xlsx` does with the file's bytes, and its stages.
#include <benchmark/benchmark.h>

#include "bench/ScheduleFixture.h"
#include "schedule/Design.h"
#include "schedule/ResultsXlsx.h"
#include "schedule/RowCompute.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleWorkbook.h"
#include "schedule/ScheduleXlsx.h"

namespace rokal {
namespace {

constexpr int kRows = 100000;
const std::u16string kTime = u"2022/12/28 09:05:03";

// The generated schedule as the window saves it: a workbook of its own.
const std::string& ScheduleWorkbook() {
    static const std::string bytes = ScheduleToXlsx(ParseSchedule(bench::ScheduleCsv(kRows)), u'.');
    return bytes;
}

std::string DesignToXlsx(const Schedule& schedule) {
    ResultsXlsxWriter writer(PrecisionMode::Units, u'.', kDefaultDepthStep, kTime);
    for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
        const RowResult result = ComputeRow(schedule.rows[i], u'.');
        writer.Add(schedule.rows[i], i, result, DesignRow(result, kDefaultDepthStep, u'.'));
    }
    return writer.Finish();
}

void BM_ReadDesignWriteXlsx(benchmark::State& state) {
    const std::string& bytes = ScheduleWorkbook();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DesignToXlsx(ParseScheduleWorkbook(bytes, {})));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ReadDesignWriteXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadXlsx(benchmark::State& state) {
    const std::string& bytes = ScheduleWorkbook();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseScheduleWorkbook(bytes, {}));
    }
}
BENCHMARK(BM_ReadXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

// Computing, designing and writing the results workbook.
void BM_DesignWriteXlsx(benchmark::State& state) {
    const Schedule schedule = ParseScheduleWorkbook(ScheduleWorkbook(), {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(DesignToXlsx(schedule));
    }
}
BENCHMARK(BM_DesignWriteXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

// The schedule itself saved as a workbook.
void BM_SaveScheduleXlsx(benchmark::State& state) {
    const Schedule schedule = ParseScheduleWorkbook(ScheduleWorkbook(), {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScheduleToXlsx(schedule, u'.'));
    }
}
BENCHMARK(BM_SaveScheduleXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace rokal

BENCHMARK_MAIN();
