#pragma once

#include <optional>
#include <string>

#include "schedule/Schedule.h"

namespace rokal {

// A workbook's number as a cell text: the shortest plain decimal text that reads
// back as the same double, with the given separator ("1000", "1.5", "0,25").
std::u16string WorkbookNumberText(double value, char16_t separator);

// The number a cell text stands for when a workbook may hold it as a number
// without changing it: the text is exactly WorkbookNumberText of that number.
// "800" and "1.5" are numbers; "0800", "1.50", "1e3", " 8" and "1.5d" stay texts.
std::optional<double> ExactWorkbookNumber(const std::u16string& text, char16_t separator);

}  // namespace rokal
