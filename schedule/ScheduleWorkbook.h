#pragma once

#include <string>
#include <vector>

#include "schedule/Schedule.h"
#include "schedule/ScheduleFile.h"

namespace rokal {

// A workbook's header row: among the first kHeaderSearchRows rows that hold a
// value, the first with at least kMinHeaderNames cells naming schedule columns.
// Rows above it, such as a title, are skipped.
inline constexpr int kHeaderSearchRows = 100;
inline constexpr int kMinHeaderNames = 3;

// The names of the visible sheets of an .xlsx workbook that hold a header row,
// in tab order. Throws ScheduleFileError for a workbook that cannot be read.
std::vector<std::u16string> ScheduleSheetNames(std::string bytes);

// Reads a schedule from the bytes of an .xlsx workbook: the sheet options.sheet
// names, or else the first visible sheet that holds a header row. The header's
// columns are found as in a CSV file. Each row below it that holds a value is a
// pile, its line the sheet's row number:
// - a number becomes the shortest text that reads back as the same double
//   ("1000", "1.5"), with the column's decimal separator;
// - a text is taken as it is (shared, inline and rich texts alike);
// - a formula gives its saved result;
// - a date, a boolean, an error value, a formula without a saved result and a
//   cell inside a merged range (of which only the first cell holds the value)
//   are errors of their cells in the schedule's columns (UnreadableCell), and
//   kept as text in the other columns.
// Columns beyond the header that hold values are kept as extra columns without
// a name. Throws ScheduleFileError, naming the sheet.
Schedule ParseScheduleWorkbook(std::string bytes, const ScheduleReading& options);

}  // namespace rokal
