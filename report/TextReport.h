#pragma once

#include <string>

#include "report/TableReport.h"

namespace rokal {

// The 48 lines of one pile's block, 49 when its socket depth was capped; the last
// line is "计算时间：" followed by the time text.
Lines TextBlockLines(int n, const PileInput& input, const PileResult& result, PrecisionMode mode,
                     const std::u16string& timeText, char16_t decimalSeparator);

}  // namespace rokal
