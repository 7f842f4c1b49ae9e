#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rokal {

// Numbers as a schedule writes them, one rule for every numeric cell: an optional
// sign, digits with at most one decimal separator (the schedule's own, "." or
// ","), an optional exponent ("e" or "E", an optional sign, digits); no grouping,
// no unit, nothing else.

// The text without spaces (also tabs and full-width ones) at either end.
std::u16string_view TrimSpaces(std::u16string_view text);

// True when the text, spaces at either end aside, is such a number.
bool IsDecimalNumber(std::u16string_view text, char16_t separator);

// Such a number times 10^power, as exact decimal text in the same style: the point
// moved, never through a double. Leading zeros of the whole part and trailing
// zeros of the fraction are dropped; the sign and the exponent stay as written.
// nullopt when the text is not such a number.
std::optional<std::u16string> ShiftDecimalPoint(std::u16string_view text, int power,
                                                char16_t separator);

}  // namespace rokal
