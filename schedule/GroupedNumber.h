#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule/Schedule.h"

namespace rokal {

// A number as a spreadsheet copies a formatted one, its digits grouped by
// thousands with the separator that is not the decimal one: "8,000" and
// "-1,234.5" where the decimal separator is ".", "8.000" where it is ",". Gives
// the plain number text ("8000", "-1234.5"), spaces at the ends removed; nullopt
// for any other text, such as "8,00", "1.5" or "1,5" under ".".
std::optional<std::u16string> UngroupedNumber(std::u16string_view text, char16_t decimalSeparator);

// Makes a cell holding a grouped number plain; true when it did.
bool UngroupCell(std::u16string& cell, char16_t decimalSeparator);

// The columns that hold numbers: d, hr, frk, Nk and N.
bool ColumnHoldsNumbers(ScheduleColumn column);

}  // namespace rokal
