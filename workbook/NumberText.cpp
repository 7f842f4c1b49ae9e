#include "workbook/NumberText.h"

#include <array>
#include <charconv>

namespace rokal {

std::string ShortestDecimalText(double value) {
    if (value == 0) {
        return "0";
    }
    // The longest fixed text of a double: 5e-324 has 324 decimals.
    std::array<char, 400> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return std::string(text.data(), result.ptr);
}

}  // namespace rokal
