#include "schedule/XlsxNumbers.h"

#include <cmath>

#include "engine/NumberReading.h"
#include "report/CodePage.h"
#include "workbook/NumberText.h"

namespace rokal {

std::u16string WorkbookNumberText(double value, char16_t separator) {
    std::u16string text = Utf8ToUtf16(ShortestDecimalText(value));
    for (char16_t& c : text) {
        if (c == u'.') {
            c = separator;
        }
    }
    return text;
}

std::optional<double> ExactWorkbookNumber(const std::u16string& text, char16_t separator) {
    std::optional<double> value;
    try {
        value = ReadStrictNumber(text, separator);
    } catch (const FloatingPointOverflow&) {
        return std::nullopt;
    }
    if (!value || !std::isfinite(*value) || WorkbookNumberText(*value, separator) != text) {
        return std::nullopt;
    }
    return value;
}

}  // namespace rokal
