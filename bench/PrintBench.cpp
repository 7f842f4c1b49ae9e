// The printed book: a 1,000-pile book of either form laid out, painted into a PDF
// in memory and written to a file, as "导出PDF…" does.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "bench/BookFixture.h"
#include "print/BookPdf.h"
#include "report/DiskSync.h"

namespace {

const rokal::Lines& BookLines(rokal::ReportDocument form) {
    static const rokal::ReportLog log = [] {
        rokal::ReportLog filled;
        rokal::bench::FillLog(filled, 1000);
        return filled;
    }();
    return log.Document(form);
}

void ExportBook(benchmark::State& state, rokal::ReportDocument form) {
    const rokal::PrintBook book = rokal::MakePrintBook(BookLines(form), form);
    QTemporaryDir dir;
    const std::filesystem::path path =
        std::filesystem::path(dir.path().toStdU16String()) / rokal::BookPdfFileName(form);
    for (auto _ : state) {
        rokal::WriteBookPdf(book, path, &rokal::SyncToDisk);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

void BM_ExportTextBookOf1000Piles(benchmark::State& state) {
    ExportBook(state, rokal::ReportDocument::Text);
}
BENCHMARK(BM_ExportTextBookOf1000Piles)->Unit(benchmark::kMillisecond);

void BM_ExportTableBookOf1000Piles(benchmark::State& state) {
    ExportBook(state, rokal::ReportDocument::Table);
}
BENCHMARK(BM_ExportTableBookOf1000Piles)->Unit(benchmark::kMillisecond);

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
