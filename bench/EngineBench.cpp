#include <benchmark/benchmark.h>

#include <variant>

#include "engine/Formatting.h"
#include "engine/PileResult.h"

namespace rokal {
namespace {

// One click on "计算": the calculation of a pile and the three window texts.
void BM_ComputeAndFormatOnePile(benchmark::State& state) {
    const PileInput input{u"1000", u"1.0d", u"25", ConcreteGrade::C30,
                          ConstructionProcess::MudWall};
    for (auto _ : state) {
        auto outcome = ComputePile(input, u'.');
        const PileResult& result = std::get<PileResult>(outcome);
        WindowResultTexts texts = FormatWindowResults(result, PrecisionMode::Units, u'.');
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_ComputeAndFormatOnePile);

void BM_FormatFixed(benchmark::State& state) {
    double v = 8410.305;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFixed(v, 10, 2, u'.'));
    }
}
BENCHMARK(BM_FormatFixed);

}  // namespace
}  // namespace rokal
