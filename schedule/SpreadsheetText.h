#pragma once

#include <string>
#include <string_view>

namespace rokal {

// Whether a spreadsheet would read the text as a number: an optional sign, digits
// with at most one decimal point or comma, and an optional exponent ("-5", "+1,5",
// "2.5e3").
bool IsPlainNumber(std::u16string_view text);

// A text cell of a results file as a spreadsheet should show it. A text that a
// spreadsheet would take for a formula, one that starts with "=", "+", "-", "@",
// a tab or a carriage return, gets a leading apostrophe and reads as text; a plain
// number such as "-5" stays as it is, and so stays a number.
std::u16string SpreadsheetText(const std::u16string& text);

}  // namespace rokal
