// The typeset calculation book of a schedule of 100 and 1,000 piles: the model
// built, the PDF laid out, painted and written, and the Word document written,
// as rokal-cli --book-pdf and --docx and "导出计算书…" do. The time per pile
// should stay flat from 100 to 1,000 piles.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "bench/ScheduleFixture.h"
#include "book/CalculationBook.h"
#include "docx/DocxBook.h"
#include "print/TypesetPdf.h"
#include "report/DiskSync.h"
#include "schedule/ScheduleFile.h"

namespace {

std::vector<rokal::book::BookPile> Piles(int n) {
    const rokal::Schedule schedule = rokal::ParseSchedule(rokal::bench::ScheduleCsv(n));
    const std::vector<rokal::RowResult> results = rokal::ComputeSchedule(schedule, u'.');
    std::vector<rokal::RowDesign> designs;
    for (const rokal::RowResult& result : results) {
        designs.push_back(rokal::DesignRow(result, rokal::kDefaultDepthStep, u'.'));
    }
    return rokal::book::SchedulePiles(schedule, results, designs);
}

rokal::book::Document Book(int n) {
    rokal::book::ProjectInfo project;
    project.Set(rokal::book::ProjectField::Name, u"贵阳某住宅小区");
    return rokal::book::MakeCalculationBook(Piles(n), project, {});
}

void BM_BuildBook(benchmark::State& state) {
    const std::vector<rokal::book::BookPile> piles = Piles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(rokal::book::MakeCalculationBook(piles, {}, {}));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildBook)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_WriteTypesetPdf(benchmark::State& state) {
    const rokal::book::Document book = Book(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "b.pdf";
    for (auto _ : state) {
        rokal::WriteTypesetPdf(book, path, &rokal::SyncToDisk);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_WriteTypesetPdf)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_WriteDocx(benchmark::State& state) {
    const rokal::book::Document book = Book(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "b.docx";
    for (auto _ : state) {
        rokal::docx::WriteDocx(book, path, &rokal::SyncToDisk);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_WriteDocx)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
