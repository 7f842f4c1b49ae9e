#include "schedule/SpreadsheetText.h"

namespace rokal {

namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsSign(char16_t c) {
    return c == u'+' || c == u'-';
}

// Skips the digits from at; returns how many there were.
std::size_t SkipDigits(std::u16string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at - start;
}

bool StartsAsFormula(const std::u16string& text) {
    if (text.empty()) {
        return false;
    }
    switch (text.front()) {
        case u'=':
        case u'+':
        case u'-':
        case u'@':
        case u'\t':
        case u'\r':
            return true;
        default:
            return false;
    }
}

}  // namespace

bool IsPlainNumber(std::u16string_view text) {
    std::size_t at = 0;
    if (at < text.size() && IsSign(text[at])) {
        ++at;
    }
    std::size_t digits = SkipDigits(text, at);
    if (at < text.size() && (text[at] == u'.' || text[at] == u',')) {
        ++at;
        digits += SkipDigits(text, at);
    }
    if (digits == 0) {
        return false;
    }
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        ++at;
        if (at < text.size() && IsSign(text[at])) {
            ++at;
        }
        if (SkipDigits(text, at) == 0) {
            return false;
        }
    }
    return at == text.size();
}

std::u16string SpreadsheetText(const std::u16string& text) {
    return StartsAsFormula(text) && !IsPlainNumber(text) ? u"'" + text : text;
}

}  // namespace rokal
