#include "schedule/ExactDecimal.h"

namespace rokal {
namespace {

constexpr std::int64_t kThousand = 1000;
constexpr std::int64_t kMaxWhole = 1000000000;

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

}  // namespace

std::optional<std::int64_t> ReadThousandths(std::u16string_view text) {
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int decimals = -1;
    int digits = 0;
    for (char16_t c : text) {
        if (c == u'.' && decimals < 0) {
            decimals = 0;
        } else if (c >= u'0' && c <= u'9' && decimals < 3 && whole < kMaxWhole) {
            ++digits;
            if (decimals < 0) {
                whole = whole * 10 + (c - u'0');
            } else {
                fraction = fraction * 10 + (c - u'0');
                ++decimals;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    for (int i = decimals < 0 ? 0 : decimals; i < 3; ++i) {
        fraction *= 10;
    }
    return whole * kThousand + fraction;
}

std::u16string ThousandthsText(std::int64_t thousandths, char16_t separator) {
    const std::string whole = std::to_string(thousandths / kThousand);
    std::u16string text(whole.begin(), whole.end());
    std::int64_t fraction = thousandths % kThousand;
    if (fraction == 0) {
        return text;
    }
    std::u16string digits;
    for (int i = 0; i < 3; ++i) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + fraction % 10));
        fraction /= 10;
    }
    while (digits.back() == u'0') {
        digits.pop_back();
    }
    return text + separator + digits;
}

std::u16string CompactLower(std::u16string_view text) {
    std::u16string compact;
    for (char16_t c : text) {
        if (!IsSpace(c)) {
            compact += c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        }
    }
    return compact;
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace rokal
