#pragma once

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/Formatting.h"
#include "engine/NumberReading.h"

namespace rokal::fuzz {

// Aborts unless the text FormatFixed wrote for v reads back within the rounding
// that P significant digits and N decimals allow.
inline void CheckRoundTrip(double v, int P, int N, char16_t separator) {
    const std::u16string text = FormatFixed(v, P, N, separator);
    if (!std::isfinite(v)) {
        return;
    }
    std::optional<double> back;
    try {
        back = ReadStrictNumber(text, separator);
    } catch (const FloatingPointOverflow&) {
        // Only a value rounded up past the largest double may read back as overflow.
        if (std::fabs(v) < 1e308) {
            std::abort();
        }
        return;
    }
    if (!back) {
        std::abort();  // the writer wrote something its reader does not take
    }
    const double magnitude = std::fabs(v);
    const int clampedP = P < 1 ? 1 : (P > 40 ? 40 : P);
    const int clampedN = N < 0 ? 0 : (N > 40 ? 40 : N);
    const double digitUnit =
        magnitude > 0 ? std::pow(10.0, std::floor(std::log10(magnitude)) + 1 - clampedP) : 0;
    const double decimalUnit = std::pow(10.0, -clampedN);
    const bool scientific = text.find(u'E') != std::u16string::npos;
    const double unit = scientific ? digitUnit : std::fmax(digitUnit, decimalUnit);
    const double tolerance = 0.5 * unit * (1 + 1e-9) + magnitude * 1e-15;
    if (!(std::fabs(*back - v) <= tolerance)) {
        std::abort();
    }
}

}  // namespace rokal::fuzz
