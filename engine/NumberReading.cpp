#include "engine/NumberReading.h"

#include <charconv>
#include <cstddef>

namespace rokal {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The pieces of a number text, as plain ASCII for std::from_chars, which reads
// the same whatever the process locale.
struct NumberText {
    bool negative = false;
    std::string mantissa;           // digits with "." as the point
    std::string exponent;           // "e" with optional sign and digits, or empty
    long long decimalExponent = 0;  // power of ten of the first non-zero digit, roughly
    bool allZero = true;
};

// Saturating read of the exponent's digits, enough to tell overflow from underflow.
long long ExponentValue(const std::string& exponent) {
    long long value = 0;
    std::size_t i = 1;
    bool negative = false;
    if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-')) {
        negative = exponent[i] == '-';
        ++i;
    }
    for (; i < exponent.size(); ++i) {
        if (value < 1000000000LL) {
            value = value * 10 + (exponent[i] - '0');
        }
    }
    return negative ? -value : value;
}

std::optional<NumberText> Split(const std::u16string& text, char16_t separator) {
    NumberText number;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == u' ') {
        ++i;
    }
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        number.negative = text[i] == u'-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    long long integerDigits = 0;  // digits before the point, leading zeros included
    long long firstNonZero = -1;  // index of the first non-zero digit among all digits
    for (; i < n; ++i) {
        const char16_t c = text[i];
        if (IsDigit(c)) {
            if (c != u'0' && firstNonZero < 0) {
                firstNonZero = digits;
                number.allZero = false;
            }
            number.mantissa += static_cast<char>(c);
            ++digits;
            if (!point) {
                ++integerDigits;
            }
        } else if (c == separator && !point) {
            number.mantissa += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        number.exponent = "e";
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            number.exponent += static_cast<char>(text[i]);
            ++i;
        }
        const std::size_t expDigitsStart = i;
        while (i < n && IsDigit(text[i])) {
            number.exponent += static_cast<char>(text[i]);
            ++i;
        }
        if (i == expDigitsStart) {
            return std::nullopt;
        }
    }
    while (i < n && text[i] == u' ') {
        ++i;
    }
    if (i != n) {
        return std::nullopt;
    }
    if (!number.allZero) {
        number.decimalExponent = integerDigits - firstNonZero - 1;
        if (!number.exponent.empty()) {
            number.decimalExponent += ExponentValue(number.exponent);
        }
    }
    return number;
}

}  // namespace

std::optional<double> ReadStrictNumber(const std::u16string& text, char16_t decimalSeparator) {
    const std::optional<NumberText> number = Split(text, decimalSeparator);
    if (!number) {
        return std::nullopt;
    }
    if (number->allZero) {
        return 0.0;
    }
    const std::string ascii = number->mantissa + number->exponent;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number->decimalExponent > 0) {
            throw FloatingPointOverflow();
        }
        value = 0;  // too small for a double: reads as zero
    } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return number->negative ? -value : value;
}

double ReadLenientNumber(const std::u16string& text) {
    return ReadStrictNumber(text, u'.').value_or(0.0);
}

}  // namespace rokal
