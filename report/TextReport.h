#pragma once

#include <string>

#include "report/TableReport.h"

namespace rokal {

// The lines of one pile's block, the pile named by its mark: 48, 49 when its
// socket depth was capped, and a check section before the closing rule when it
// carries loads or its socket is below the minimum. The last line is "计算时间："
// followed by the time text.
Lines TextBlockLines(const BookPile& pile, const std::u16string& timeText);
// The block of pile n as the main window's "计算" appends it.
Lines TextBlockLines(int n, const PileInput& input, const PileResult& result, PrecisionMode mode,
                     const std::u16string& timeText, char16_t decimalSeparator);

}  // namespace rokal
