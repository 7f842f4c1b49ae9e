#pragma once

#include <string>

#include "engine/PileResult.h"

namespace rokal {

// Item order of the rounding box.
enum class PrecisionMode { TwoDecimals, OneDecimal, Units, Tens, Hundreds };
inline constexpr int kPrecisionModeCount = 5;

// "两位小数", "一位小数", "个位取整", "十位取整", "百位取整".
const std::u16string& PrecisionModeText(PrecisionMode mode);

struct ShownValue {
    double value;
    int decimals;
};

// Tens and Hundreds cut the value toward zero to a multiple of 10 or 100; the other
// modes keep it and round only when it is written.
ShownValue ApplyPrecisionMode(double v, PrecisionMode mode);

// Fixed-point text of v, rounded half away from zero at the first of the P-th
// significant digit and the N-th decimal, decided on v correctly rounded to 18
// significant digits. See FormatFixed.cpp for the scientific fallback.
std::u16string FormatFixed(double v, int P, int N, char16_t decimalSeparator);

struct WindowResultTexts {
    std::u16string zetaR;
    std::u16string ra;
    std::u16string rc;
};

WindowResultTexts FormatWindowResults(const PileResult& result, PrecisionMode mode,
                                      char16_t decimalSeparator);

}  // namespace rokal
