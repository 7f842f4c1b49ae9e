#pragma once

#include <string>

namespace rokal::book {

// A number as the book shows it, and the value a reader takes from its digits.
struct Shown {
    std::u16string text;
    double value = 0;
    int decimals = 0;
};

// Writes numbers with a decimal separator, rounded half away from zero.
class NumberWriter {
  public:
    explicit NumberWriter(char16_t decimalSeparator) : separator_(decimalSeparator) {}

    // v with exactly this many decimals.
    Shown Fixed(double v, int decimals) const;
    // v with the fewest decimals, at least minDecimals and at most maxDecimals,
    // whose digits read back as v itself: "800", "12.5", "0.800" with a minimum of 3.
    Shown Exact(double v, int minDecimals = 0, int maxDecimals = 9) const;

    char16_t Separator() const { return separator_; }

  private:
    char16_t separator_;
};

// True when a value recomputed from shown digits lies within one unit of the last
// shown digit of the shown result.
bool WithinLastDigit(double recomputed, const Shown& result);

// The value of a number text written with the given separator; NaN for no number.
double ReadShown(const std::u16string& text, char16_t separator);

}  // namespace rokal::book
