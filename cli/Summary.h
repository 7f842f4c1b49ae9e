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

// "桩表共 12 根桩：10 根计算完成且验算满足，1 根验算不满足，1 根有错误", and
// "；2 根嵌岩深度小于最小嵌岩深度" when there are such piles.
std::u16string CountLine(const RowTally& tally);

}  // namespace rokal
