#include "schedule/CsvReader.h"

#include <algorithm>
#include <array>

namespace rokal {
namespace {

constexpr char16_t kQuote = u'"';

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

}  // namespace

char16_t FindCsvDelimiter(std::u16string_view text) {
    bool quoted = false;
    std::array<bool, 3> seen = {};
    constexpr std::array<char16_t, 3> kPreference = {u'\t', u';', u','};
    // Blank lines above the header do not count.
    const std::size_t start = std::min(text.find_first_not_of(u" \r\n"), text.size());
    for (char16_t c : text.substr(start)) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted && IsLineBreak(c)) {
            break;
        } else if (!quoted) {
            for (std::size_t i = 0; i < kPreference.size(); ++i) {
                seen[i] = seen[i] || c == kPreference[i];
            }
        }
    }
    for (std::size_t i = 0; i < kPreference.size(); ++i) {
        if (seen[i]) {
            return kPreference[i];
        }
    }
    return u',';
}

CsvReader::CsvReader(std::u16string_view text, char16_t delimiter)
    : text_(text), delimiter_(delimiter) {}

// Steps over one line break (CR LF counts as one) and counts it.
void CsvReader::EndOfLine() {
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') {
        ++pos_;
    }
    ++pos_;
    ++line_;
}

std::optional<CsvRecord> CsvReader::Next() {
    if (pos_ >= text_.size() || unclosedQuoteLine_ != 0) {
        return std::nullopt;
    }
    CsvRecord record;
    record.line = line_;
    // Records mostly have as many fields as the one before; an absurd one does not
    // make every later record hold room for as many.
    constexpr std::size_t kMaxReserved = 64;
    record.fields.reserve(std::min(lastFieldCount_, kMaxReserved));
    std::u16string field;
    bool quoted = false;
    int quoteLine = 0;
    while (pos_ < text_.size()) {
        const char16_t c = text_[pos_];
        if (quoted) {
            if (c == kQuote && pos_ + 1 < text_.size() && text_[pos_ + 1] == kQuote) {
                field += kQuote;
                pos_ += 2;
            } else if (c == kQuote) {
                quoted = false;
                ++pos_;
            } else if (IsLineBreak(c)) {
                field += u'\n';
                EndOfLine();
            } else {
                field += c;
                ++pos_;
            }
        } else if (c == kQuote && field.empty()) {
            quoted = true;
            quoteLine = line_;
            ++pos_;
        } else if (c == delimiter_) {
            record.fields.push_back(std::move(field));
            field.clear();
            ++pos_;
        } else if (IsLineBreak(c)) {
            EndOfLine();
            break;
        } else {
            field += c;
            ++pos_;
        }
    }
    if (quoted) {
        unclosedQuoteLine_ = quoteLine;
        return std::nullopt;
    }
    record.fields.push_back(std::move(field));
    lastFieldCount_ = record.fields.size();
    return record;
}

}  // namespace rokal
