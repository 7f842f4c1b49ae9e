#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/ScheduleFixture.h"
#include "report/ReportFile.h"
#include "schedule/Design.h"
#include "schedule/ResultsCsv.h"
#include "schedule/RowCompute.h"
#include "schedule/ScheduleBooks.h"
#include "schedule/ScheduleFile.h"

namespace rokal {
namespace {

constexpr std::u16string_view kTime = u"2022/12/28 09:05:03";

std::vector<RowDesign> DesignAll(const std::vector<RowResult>& results) {
    std::vector<RowDesign> designs;
    designs.reserve(results.size());
    for (const RowResult& result : results) {
        designs.push_back(DesignRow(result, kDefaultDepthStep, u'.'));
    }
    return designs;
}

// What `rokal-cli design piles.csv --csv results.csv` does with the file's bytes.
void BM_ReadComputeCheckDesignCsv(benchmark::State& state) {
    const std::string bytes = bench::ScheduleCsv(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Schedule schedule = ParseSchedule(bytes);
        const std::vector<RowResult> results = ComputeSchedule(schedule, u'.');
        const std::vector<RowDesign> designs = DesignAll(results);
        benchmark::DoNotOptimize(
            ResultsToCsv(schedule, results, designs, PrecisionMode::Units, u'.'));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadComputeCheckDesignCsv)->Arg(100000)->Unit(benchmark::kMillisecond);

// The stages alone, on 100,000 rows.
void BM_Stage(benchmark::State& state) {
    const std::string bytes = bench::ScheduleCsv(100000);
    const Schedule schedule = ParseSchedule(bytes);
    const std::vector<RowResult> results = ComputeSchedule(schedule, u'.');
    const std::vector<RowDesign> designs = DesignAll(results);
    for (auto _ : state) {
        switch (state.range(0)) {
            case 0:
                benchmark::DoNotOptimize(ParseSchedule(bytes));
                break;
            case 1:
                benchmark::DoNotOptimize(ComputeSchedule(schedule, u'.'));
                break;
            case 2:
                benchmark::DoNotOptimize(DesignAll(results));
                break;
            default:
                benchmark::DoNotOptimize(
                    ResultsToCsv(schedule, results, designs, PrecisionMode::Units, u'.'));
        }
    }
}
BENCHMARK(BM_Stage)
    ->ArgName("read0_compute1_design2_csv3")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

// Both book forms of a schedule, appended to a log and written in GBK.
void BM_BothBooks(benchmark::State& state) {
    const Schedule schedule = ParseSchedule(bench::ScheduleCsv(static_cast<int>(state.range(0))));
    const std::vector<RowResult> results = ComputeSchedule(schedule, u'.');
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path text = folder / "rokal-schedule-bench-text.txt";
    const std::filesystem::path table = folder / "rokal-schedule-bench-table.txt";
    for (auto _ : state) {
        ReportLog log;
        AppendScheduleToLog(log, schedule, results, PrecisionMode::Units, std::u16string(kTime),
                            u'.');
        WriteBook(text, log, ReportDocument::Text, BookEncoding::Gbk);
        WriteBook(table, log, ReportDocument::Table, BookEncoding::Gbk);
    }
    std::filesystem::remove(text);
    std::filesystem::remove(table);
}
BENCHMARK(BM_BothBooks)->Arg(10000)->Unit(benchmark::kMillisecond);

// One cell edited in a window: the row recomputed, checked and designed again.
void BM_OneRow(benchmark::State& state) {
    const Schedule schedule = ParseSchedule(bench::ScheduleCsv(64));
    std::size_t i = 0;
    for (auto _ : state) {
        const RowResult result = ComputeRow(schedule.rows[i % schedule.rows.size()], u'.');
        if (state.range(0) == 1) {
            benchmark::DoNotOptimize(DesignRow(result, kDefaultDepthStep, u'.'));
        }
        benchmark::DoNotOptimize(result);
        ++i;
    }
}
BENCHMARK(BM_OneRow)->ArgName("with_design")->Arg(0)->Arg(1);

}  // namespace
}  // namespace rokal

BENCHMARK_MAIN();
