#pragma once

#include <ctime>
#include <string>

namespace rokal {

// The calculation time as a schedule's books print it: "2022/12/28 09:05:03",
// the date alone at exactly midnight. This is what the main window writes under a
// Simplified Chinese locale.
std::u16string CalcTimeTextOf(const std::tm& when);

// The current local time, from the C library.
std::tm CurrentLocalTime();

// The same for the current local time, from the C library.
std::u16string CurrentCalcTimeText();

}  // namespace rokal
