#include "schedule/DecimalText.h"

#include <algorithm>
#include <cstddef>

namespace rokal {
namespace {

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The parts of a number text: sign, the digits with the point's place, exponent.
struct DecimalParts {
    std::u16string sign;
    std::u16string digits;
    std::ptrdiff_t point = 0;  // digits before the decimal point
    std::u16string exponent;   // as written, "e" included, or empty
};

std::optional<DecimalParts> SplitDecimal(std::u16string_view text, char16_t separator) {
    text = TrimSpaces(text);
    DecimalParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        parts.sign = text.substr(0, 1);
        ++i;
    }
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            parts.digits += text[i];
            parts.point += point ? 0 : 1;
        } else if (text[i] == separator && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (parts.digits.empty()) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        const std::size_t start = i++;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            ++i;
        }
        const std::size_t digitsStart = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        if (i == digitsStart) {
            return std::nullopt;
        }
        parts.exponent = text.substr(start, i - start);
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return parts;
}

}  // namespace

std::u16string_view TrimSpaces(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSpace(text[first])) {
        ++first;
    }
    while (last > first && IsSpace(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

bool IsDecimalNumber(std::u16string_view text, char16_t separator) {
    return SplitDecimal(text, separator).has_value();
}

std::optional<std::u16string> ShiftDecimalPoint(std::u16string_view text, int power,
                                                char16_t separator) {
    std::optional<DecimalParts> parts = SplitDecimal(text, separator);
    if (!parts) {
        return std::nullopt;
    }
    std::u16string digits = std::move(parts->digits);
    std::ptrdiff_t point = parts->point + power;
    if (point < 0) {
        digits.insert(0, static_cast<std::size_t>(-point), u'0');
        point = 0;
    } else if (point > static_cast<std::ptrdiff_t>(digits.size())) {
        digits.append(static_cast<std::size_t>(point) - digits.size(), u'0');
    }
    std::u16string whole = digits.substr(0, static_cast<std::size_t>(point));
    std::u16string fraction = digits.substr(static_cast<std::size_t>(point));
    whole.erase(0, std::min(whole.find_first_not_of(u'0'), whole.size()));
    if (whole.empty()) {
        whole = u"0";
    }
    // find_last_not_of gives npos for all zeros, and npos + 1 is 0.
    fraction.erase(fraction.find_last_not_of(u'0') + 1);
    std::u16string shifted = parts->sign + whole;
    if (!fraction.empty()) {
        shifted += separator + fraction;
    }
    return shifted + parts->exponent;
}

}  // namespace rokal
