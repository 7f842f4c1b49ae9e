#pragma once

#include <string>

#include "schedule/Schedule.h"

namespace rokal {

// The schedule itself as a CSV file that ParseSchedule reads back unchanged:
// UTF-8 with a byte-order mark, a header of the Chinese column names followed by
// the extra columns, comma-separated, CR LF line ends, fields quoted where
// RFC 4180 needs it. A row's surplus fields follow its last column, so that it
// reads back as a row with the same surplus. The cells are in the program's units
// (mm, MPa, kN), which the header's plain names stand for.
std::string ScheduleToCsv(const Schedule& schedule);

// One CSV field, quoted when it holds the delimiter, a quote, a line break or
// spaces at either end.
std::u16string CsvField(const std::u16string& text, char16_t delimiter = u',');

}  // namespace rokal
