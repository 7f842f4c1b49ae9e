#pragma once

#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "report/ReportLog.h"
#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal {

// Everything one run over a schedule computed, for the outputs to write.
struct ScheduleRun {
    Schedule schedule;
    std::vector<RowResult> results;
    std::vector<RowDesign> designs;
    // The two calculation-book forms: the computed rows appended in order, all at
    // once from bookPiles after the last row.
    ReportLog log;
    std::vector<BookPile> bookPiles;
    PrecisionMode mode = PrecisionMode::Units;
    char16_t decimalSeparator = u'.';
    std::u16string timeText;
};

}  // namespace rokal
