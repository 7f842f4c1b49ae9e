#include "book/ShownNumber.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "engine/Formatting.h"

namespace rokal::book {

namespace {

// Significant digits allowed: the decimals decide.
constexpr int kDigits = 17;

}  // namespace

double ReadShown(const std::u16string& text, char16_t separator) {
    std::string ascii;
    for (char16_t c : text) {
        ascii += c == separator ? '.' : static_cast<char>(c < 0x80 ? c : '?');
    }
    double value = std::numeric_limits<double>::quiet_NaN();
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

Shown NumberWriter::Fixed(double v, int decimals) const {
    Shown shown;
    shown.text = FormatFixed(v, kDigits, decimals, separator_);
    shown.value = ReadShown(shown.text, separator_);
    shown.decimals = decimals;
    return shown;
}

Shown NumberWriter::Exact(double v, int minDecimals, int maxDecimals) const {
    for (int decimals = minDecimals; decimals < maxDecimals; ++decimals) {
        Shown shown = Fixed(v, decimals);
        if (shown.value == v) {
            return shown;
        }
    }
    return Fixed(v, maxDecimals);
}

bool WithinLastDigit(double recomputed, const Shown& result) {
    const double unit = std::pow(10.0, -result.decimals);
    // Room for the rounding of the arithmetic itself, far below any shown digit.
    const double slack = 1e-9 * unit + 1e-12 * std::fabs(result.value);
    return std::fabs(recomputed - result.value) <= unit + slack;
}

}  // namespace rokal::book
