#include "schedule/GroupedNumber.h"

namespace rokal {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view Trimmed(std::u16string_view text) {
    const auto space = [](char16_t c) { return c == u' ' || c == u'\u3000' || c == u'\u00A0'; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// How many digits start the text.
std::size_t DigitRun(std::u16string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    return n;
}

}  // namespace

std::optional<std::u16string> UngroupedNumber(std::u16string_view text, char16_t decimalSeparator) {
    const char16_t group = decimalSeparator == u',' ? u'.' : u',';
    text = Trimmed(text);
    std::u16string plain;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        plain += text.front();
        text.remove_prefix(1);
    }
    const std::size_t lead = DigitRun(text);
    if (lead < 1 || lead > 3) {
        return std::nullopt;
    }
    plain += text.substr(0, lead);
    text.remove_prefix(lead);
    int groups = 0;
    while (!text.empty() && text.front() == group) {
        if (DigitRun(text.substr(1)) != 3) {
            return std::nullopt;
        }
        plain += text.substr(1, 3);
        text.remove_prefix(4);
        ++groups;
    }
    if (groups == 0) {
        return std::nullopt;
    }
    if (!text.empty()) {
        const std::size_t fraction =
            text.front() == decimalSeparator ? DigitRun(text.substr(1)) : 0;
        if (fraction == 0 || fraction + 1 != text.size()) {
            return std::nullopt;
        }
        plain += text;
    }
    return plain;
}

bool UngroupCell(std::u16string& cell, char16_t decimalSeparator) {
    std::optional<std::u16string> plain = UngroupedNumber(cell, decimalSeparator);
    if (!plain) {
        return false;
    }
    cell = std::move(*plain);
    return true;
}

bool ColumnHoldsNumbers(ScheduleColumn column) {
    switch (column) {
        case ScheduleColumn::D:
        case ScheduleColumn::Hr:
        case ScheduleColumn::Frk:
        case ScheduleColumn::Nk:
        case ScheduleColumn::N:
            return true;
        case ScheduleColumn::Mark:
        case ScheduleColumn::Grade:
        case ScheduleColumn::Process:
            break;
    }
    return false;
}

}  // namespace rokal
