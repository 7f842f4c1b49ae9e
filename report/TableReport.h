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

// Pieces that the table and the text report share.

// "计算时间：" followed by the time text: the last line of either document.
std::u16string TimeLine(const std::u16string& timeText);

// "ZH" followed by n.
std::u16string PileNumberText(int n);
// "圆  桩", the section type of every pile.
const std::u16string& SectionTypeText();
// Qrk, Ra or Rc as the rounding mode writes it: ten significant digits, the
// mode's decimals, Tens and Hundreds cut toward zero.
std::u16string CapacityText(double value, PrecisionMode mode, char16_t decimalSeparator);

}  // namespace rokal
