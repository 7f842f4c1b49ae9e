#pragma once

#include <cstddef>

#include "cli/ScheduleRun.h"
#include "report/TableReport.h"

namespace rokal {

// Terminal lines that fit in this many columns for ordinary piles.
inline constexpr int kSummaryWidth = 100;

// One line a pile: mark, rock class, ζr, Ra, Nk, Ra>=Nk with its margin, Rc, N,
// Rc>=N with its margin; a bad row shows its errors instead. A count line ends it.
Lines CheckSummary(const ScheduleRun& run);

// One line a pile: mark, hr, Ra, Nk, the proposed hr and its Ra, Rc, N and the
// proposed grade. A count line ends it.
Lines DesignSummary(const ScheduleRun& run);

// How the piles of a run came out.
struct RowTally {
    std::size_t passing = 0;       // computed, every given check holds
    std::size_t failing = 0;       // computed, a check does not hold
    std::size_t bad = 0;           // not computed
    std::size_t shortSockets = 0;  // computed, hr below the minimum socket (a warning)
    void Add(const RowResult& result);
};

// "桩表共 12 根桩：10 根计算完成且验算满足，1 根验算不满足，1 根有错误", and
// "；2 根嵌岩深度小于最小嵌岩深度" when there are such piles.
std::u16string CountLine(const RowTally& tally);

}  // namespace rokal
