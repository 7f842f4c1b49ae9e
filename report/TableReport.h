#pragma once

#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "engine/PileInput.h"
#include "engine/PileResult.h"

namespace rokal {

using Lines = std::vector<std::u16string>;

Lines TableHeaderLines();
std::u16string TableRowLine(int n, const PileInput& input, const PileResult& result,
                            PrecisionMode mode, char16_t decimalSeparator);
// The last line is "计算时间：" followed by the time text.
Lines TableFooterLines(const std::u16string& timeText);

}  // namespace rokal
