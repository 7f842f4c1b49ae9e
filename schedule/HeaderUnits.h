#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule/Schedule.h"

namespace rokal {

// The units a header may give a numeric column in brackets, such as "嵌岩深度(m)",
// and the exact conversion of its cells to the units the program computes in:
// d and hr in mm, frk in MPa, Nk and N in kN.

// True for the columns that hold numbers in a unit: d, hr, frk, Nk and N.
bool ColumnHasUnit(ScheduleColumn column);

// The power of ten a cell of the column written in `unit` is multiplied by to be in
// the program's unit: 3 for "m" in d or hr, -3 for "kPa" in frk, 0 for the
// program's own unit. Letters in any case; nullopt for a unit the column does not
// take.
std::optional<int> UnitPowerOfTen(ScheduleColumn column, std::u16string_view unit);

// The program's unit of the column, such as "mm".
std::u16string ProgramUnit(ScheduleColumn column);

// The units the column takes, as an error message lists them: "mm、cm 或 m".
std::u16string AcceptedUnits(ScheduleColumn column);

}  // namespace rokal
