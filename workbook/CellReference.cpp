#include "workbook/CellReference.h"

#include <algorithm>

namespace rokal {

namespace {

constexpr int kLetters = 26;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<CellPosition> ReadCellReference(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '$') {
        ++i;
    }
    long column = 0;
    const std::size_t lettersStart = i;
    for (; i < text.size() && IsLetter(text[i]) && column <= kMaxSheetColumns; ++i) {
        const char upper = static_cast<char>(text[i] & ~0x20);
        column = column * kLetters + (upper - 'A' + 1);
    }
    if (i == lettersStart || column > kMaxSheetColumns) {
        return std::nullopt;
    }
    if (i < text.size() && text[i] == '$') {
        ++i;
    }
    long row = 0;
    const std::size_t digitsStart = i;
    for (; i < text.size() && IsDigit(text[i]) && row <= kMaxSheetRows; ++i) {
        row = row * 10 + (text[i] - '0');
    }
    if (i == digitsStart || i != text.size() || row < 1 || row > kMaxSheetRows) {
        return std::nullopt;
    }
    return CellPosition{static_cast<int>(row), static_cast<int>(column - 1)};
}

std::optional<CellRange> ReadCellRange(std::string_view text) {
    const std::size_t colon = text.find(':');
    const auto first = ReadCellReference(text.substr(0, colon));
    const auto last =
        colon == std::string_view::npos ? first : ReadCellReference(text.substr(colon + 1));
    if (!first || !last) {
        return std::nullopt;
    }
    return CellRange{{std::min(first->row, last->row), std::min(first->column, last->column)},
                     {std::max(first->row, last->row), std::max(first->column, last->column)}};
}

std::string ColumnLetters(int column) {
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / kLetters) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % kLetters));
    }
    return letters;
}

std::string CellReferenceText(CellPosition position) {
    return ColumnLetters(position.column) + std::to_string(position.row);
}

}  // namespace rokal
