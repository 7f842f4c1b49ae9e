#include "engine/Formatting.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace rokal {
namespace {

struct ModeRow {
    const char16_t* text;
    double cutStep;  // the value is cut toward zero to a multiple of this; 0 keeps it
    int decimals;
};

// Indexed by PrecisionMode.
const std::array<ModeRow, kPrecisionModeCount> kModes = {{
    {u"两位小数", 0, 2},
    {u"一位小数", 0, 1},
    {u"个位取整", 0, 0},
    {u"十位取整", 10, 0},
    {u"百位取整", 100, 0},
}};

// Significant digits and decimals of the three window results.
constexpr int kWindowDigits = 7;
constexpr int kZetaDecimals = 4;

}  // namespace

const std::u16string& PrecisionModeText(PrecisionMode mode) {
    static const std::array<std::u16string, kPrecisionModeCount> texts = {
        kModes[0].text, kModes[1].text, kModes[2].text, kModes[3].text, kModes[4].text};
    return texts.at(static_cast<std::size_t>(mode));
}

ShownValue ApplyPrecisionMode(double v, PrecisionMode mode) {
    const ModeRow& row = kModes.at(static_cast<std::size_t>(mode));
    if (row.cutStep == 0) {
        return {v, row.decimals};
    }
    return {std::trunc(v / row.cutStep) * row.cutStep, row.decimals};
}

WindowResultTexts FormatWindowResults(const PileResult& result, PrecisionMode mode,
                                      char16_t decimalSeparator) {
    const ShownValue ra = ApplyPrecisionMode(result.ra, mode);
    const ShownValue rc = ApplyPrecisionMode(result.rc, mode);
    return {FormatFixed(result.zetaR, kWindowDigits, kZetaDecimals, decimalSeparator),
            FormatFixed(ra.value, kWindowDigits, ra.decimals, decimalSeparator),
            FormatFixed(rc.value, kWindowDigits, rc.decimals, decimalSeparator)};
}

}  // namespace rokal
