#pragma once

#include <string>
#include <string_view>

namespace rokal {

// True when a number format shows numbers as dates or times: a built-in date or
// time format (14–22, 27–36, 45–47, 50–58), or a format code with a year, month,
// day, hour or second outside quoted text, escapes and [colour] sections.
// code is the workbook's own code for the format, empty for a built-in one.
bool IsDateFormat(int formatId, std::string_view code);

// A date serial number as the spreadsheet shows it: "2023-05-01", with
// " 08:30:00" after it when it has a time of day, or the time alone below one
// day. In the 1900 date system day 60 is the 29 February 1900 that spreadsheets
// count; in the 1904 one day 0 is 1 January 1904. Serials outside the dates a
// spreadsheet shows give an empty text.
std::string DateText(double serial, bool date1904);

}  // namespace rokal
