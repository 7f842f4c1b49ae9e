#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace rokal {

// Raised when a number read or computed lies beyond a double's range.
class FloatingPointOverflow : public std::overflow_error {
  public:
    FloatingPointOverflow() : std::overflow_error("Floating point overflow") {}
};

// A whole text that is a number: optional spaces, optional sign, digits with at
// most one decimal separator (either side may be empty, not both), an optional
// exponent "E"/"e" with optional sign and at least one digit, optional spaces.
// Anything else, the empty text or a lone sign gives nullopt. Spaces are U+0020.
// A value too large for a double throws FloatingPointOverflow; one too small
// reads as 0.
std::optional<double> ReadStrictNumber(const std::u16string& text, char16_t decimalSeparator);

// d and frk: the same grammar with "." as the decimal point whatever the locale;
// a text that is not such a number reads as 0, which the range checks reject.
double ReadLenientNumber(const std::u16string& text);

}  // namespace rokal
