// A long session in the real main window on the offscreen platform: what a click
// costs with 10,000 piles in the log, saving such a book, and the memory it takes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/main/MPK_PAS_KELD1.h"

namespace {

constexpr int kSessionPiles = 10000;

// One window for every benchmark, shown on its result layer, with 10,000 piles.
TMPK_FRM_KELD1& LongSession() {
    static TMPK_FRM_KELD1* window = [] {
        auto* w = new TMPK_FRM_KELD1();
        w->show();
        for (int i = 0; i < kSessionPiles; ++i) {
            w->cbt_computeClick();
        }
        w->cbt_ViewClick();
        QApplication::processEvents();
        return w;
    }();
    return *window;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// "计算" with 10,000 piles in the log, then "x" to keep the log at that size.
void BM_ComputeAndDeleteAt10000Piles(benchmark::State& state) {
    TMPK_FRM_KELD1& window = LongSession();
    for (auto _ : state) {
        window.cbt_computeClick();
        window.cbt_sanchuClick();
        QApplication::processEvents();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ComputeAndDeleteAt10000Piles)->Unit(benchmark::kMillisecond);

void BM_ShowResultsAt10000Piles(benchmark::State& state) {
    TMPK_FRM_KELD1& window = LongSession();
    for (auto _ : state) {
        window.cbt_ExitClick();
        window.cbt_ViewClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowResultsAt10000Piles)->Unit(benchmark::kMillisecond);

void BM_PageToggleAt10000Piles(benchmark::State& state) {
    TMPK_FRM_KELD1& window = LongSession();
    for (auto _ : state) {
        window.cbt_PageBookClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PageToggleAt10000Piles)->Unit(benchmark::kMillisecond);

// "保存" of the 10,000-pile text book: encoding and writing the file.
void BM_SaveTextBookOf10000Piles(benchmark::State& state) {
    TMPK_FRM_KELD1& window = LongSession();
    if (window.Log().Shown() != rokal::ReportDocument::Text) {
        window.cbt_PageBookClick();
    }
    for (auto _ : state) {
        window.cbt_SaveClick();
    }
}
BENCHMARK(BM_SaveTextBookOf10000Piles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;  // the saved books go into its Documents folder
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
