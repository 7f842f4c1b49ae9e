#pragma once

#include <string>

#include "schedule/Schedule.h"

namespace rokal {

// Whether this build reads and writes .xlsx workbooks.
bool XlsxAvailable();

// The sheet a saved schedule is written to.
inline constexpr char16_t kScheduleSheetName[] = u"桩表";

// The schedule as the bytes of an .xlsx workbook that reads back with the same
// cells under the same decimal separator: one sheet "桩表" with a bold, frozen
// header row of the Chinese column names followed by the extra columns, then a
// row a pile. A cell is a number where its text is exactly a number's shortest
// text (ExactWorkbookNumber, with the column's separator), a string otherwise;
// marks, grades and processes are always strings. Throws WorkbookError, naming
// the cell a workbook cannot hold (a text above 32,767 characters).
std::string ScheduleToXlsx(const Schedule& schedule, char16_t decimalSeparator);

}  // namespace rokal
