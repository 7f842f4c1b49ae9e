#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "engine/Formatting.h"

namespace rokal {
namespace {

// Rounding is decided on this many significant decimal digits of the double.
constexpr int kDecidingDigits = 18;
// Bounds that keep absurd arguments from building absurd texts.
constexpr int kMaxDigits = 40;

// |v| as 0.d1d2d3... x 10^pointPos, at most 18 digits, kept on the stack.
struct Decimal {
    std::array<char, kDecidingDigits> digits{};
    int count = 0;
    int pointPos = 0;

    char DigitAt(int i) const { return i >= 0 && i < count ? digits[i] : '0'; }
    bool IsZero() const {
        return std::all_of(digits.begin(), digits.begin() + count, [](char c) { return c == '0'; });
    }
};

// |v| correctly rounded to 18 significant digits (std::to_chars is exact and
// ignores the process locale).
Decimal ToDecimal(double v) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                                      std::chars_format::scientific, kDecidingDigits - 1);
    // "d.ddddddddddddddddde+XX"
    Decimal decimal;
    decimal.digits[0] = buffer[0];
    std::copy(buffer + 2, buffer + 1 + kDecidingDigits, decimal.digits.begin() + 1);
    decimal.count = kDecidingDigits;
    int exponent = 0;
    std::from_chars(buffer + kDecidingDigits + 3, result.ptr, exponent);
    decimal.pointPos = (buffer[kDecidingDigits + 2] == '-' ? -exponent : exponent) + 1;
    return decimal;
}

// Keeps the first `keep` digits, half away from zero on the next one.
void RoundToDigits(Decimal& decimal, int keep) {
    if (keep >= decimal.count) {
        return;
    }
    if (keep < 0) {
        decimal.count = 0;
        return;
    }
    const bool up = decimal.digits[keep] >= '5';
    decimal.count = keep;
    if (!up) {
        return;
    }
    int i = keep - 1;
    while (i >= 0 && decimal.digits[i] == '9') {
        decimal.digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++decimal.digits[i];
    } else {
        decimal.digits[0] = '1';  // 0.999... rounded up to 0.1 x 10^(pointPos + 1)
        decimal.count = 1;
        ++decimal.pointPos;
    }
}

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string FixedText(const Decimal& decimal, int N, char16_t separator) {
    std::u16string text;
    text.reserve(static_cast<std::size_t>(std::max(decimal.pointPos, 1) + N + 1));
    if (decimal.pointPos <= 0) {
        text += u'0';
    }
    for (int i = 0; i < decimal.pointPos; ++i) {
        text += static_cast<char16_t>(decimal.DigitAt(i));
    }
    if (N > 0) {
        text += separator;
        for (int j = 0; j < N; ++j) {
            text += static_cast<char16_t>(decimal.DigitAt(decimal.pointPos + j));
        }
    }
    return text;
}

// A value with more than P integer digits is written with P significant digits
// in scientific notation: one digit, the decimal separator, P - 1 digits, "E",
// the exponent's sign and at least two exponent digits, so 12345678.9 with P = 7
// is written 1.234568E+07 (with a comma separator 1,234568E+07).
std::u16string ScientificText(const Decimal& decimal, int P, char16_t separator) {
    std::u16string text(1, static_cast<char16_t>(decimal.DigitAt(0)));
    if (P > 1) {
        text += separator;
        for (int i = 1; i < P; ++i) {
            text += static_cast<char16_t>(decimal.DigitAt(i));
        }
    }
    const int exponent = decimal.pointPos - 1;
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) {
        digits.insert(0, 1, '0');
    }
    text += exponent < 0 ? u"E-" : u"E+";
    return text + Widen(digits);
}

}  // namespace

std::u16string FormatFixed(double v, int P, int N, char16_t decimalSeparator) {
    if (std::isnan(v)) {
        return u"NAN";
    }
    if (std::isinf(v)) {
        return v < 0 ? u"-INF" : u"INF";
    }
    P = std::clamp(P, 1, kMaxDigits);
    N = std::clamp(N, 0, kMaxDigits);

    Decimal decimal = ToDecimal(v);
    if (decimal.IsZero()) {
        return FixedText(Decimal{}, N, decimalSeparator);
    }
    RoundToDigits(decimal, std::min(P, decimal.pointPos + N));
    if (decimal.IsZero()) {
        return FixedText(Decimal{}, N, decimalSeparator);  // no "-0.00"
    }
    const std::u16string sign = v < 0 ? u"-" : u"";
    if (decimal.pointPos > P) {
        return sign + ScientificText(decimal, P, decimalSeparator);
    }
    return sign + FixedText(decimal, N, decimalSeparator);
}

}  // namespace rokal
