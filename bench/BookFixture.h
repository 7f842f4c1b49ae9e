#pragma once

#include <variant>

#include "engine/PileResult.h"
#include "report/ReportLog.h"

namespace rokal::bench {

inline PileInput BenchInput() {
    PileInput input;
    input.dText = u"1000";
    input.hrText = u"1.0d";
    input.frkText = u"25";
    return input;
}

// A log holding count piles of the window's starting input.
inline void FillLog(ReportLog& log, int count) {
    const PileInput input = BenchInput();
    const PileResult result = std::get<PileResult>(ComputePile(input, u'.'));
    for (int i = 0; i < count; ++i) {
        log.AppendPile(input, result, PrecisionMode::Units, u"2024/3/5 14:07:09", u'.');
    }
}

}  // namespace rokal::bench
