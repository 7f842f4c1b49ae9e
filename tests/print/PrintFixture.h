#pragma once

#include <variant>
#include <vector>

#include "engine/PileResult.h"
#include "report/ReportLog.h"

namespace rokal::test {

inline const std::u16string kFixtureTime = u"2024/3/5 14:07:09";

struct FixturePile {
    const char16_t* d;
    const char16_t* hr;
    const char16_t* frk;
    PrecisionMode mode;
};

// Piles that differ in every column: hr in mm and as a multiple of d, a capped
// socket depth (a block of 48 lines), each rounding mode.
inline const std::vector<FixturePile>& FixturePiles() {
    static const std::vector<FixturePile> piles = {
        {u"1000", u"1.0d", u"25", PrecisionMode::Units},
        {u"800", u"2400", u"6.5", PrecisionMode::TwoDecimals},
        {u"1200", u"12d", u"60", PrecisionMode::OneDecimal},
        {u"1500", u"3000", u"0.8", PrecisionMode::Tens},
        {u"2000", u"2.5d", u"110", PrecisionMode::Hundreds},
    };
    return piles;
}

// A log of count piles, the fixture's piles over and over.
inline void FillFixtureLog(ReportLog& log, int count) {
    const std::vector<FixturePile>& piles = FixturePiles();
    for (int i = 0; i < count; ++i) {
        const FixturePile& pile = piles[static_cast<std::size_t>(i) % piles.size()];
        PileInput input;
        input.dText = pile.d;
        input.hrText = pile.hr;
        input.frkText = pile.frk;
        input.process = static_cast<ConstructionProcess>(i % kConstructionProcessCount);
        input.grade = static_cast<ConcreteGrade>(i % kConcreteGradeCount);
        const PileResult result = std::get<PileResult>(ComputePile(input, u'.'));
        log.AppendPile(input, result, pile.mode, kFixtureTime, u'.');
    }
}

inline Lines FixtureLines(ReportDocument form, int count) {
    ReportLog log;
    FillFixtureLog(log, count);
    return log.Document(form);
}

}  // namespace rokal::test
