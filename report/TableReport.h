#pragma once

#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "engine/PileInput.h"
#include "engine/PileResult.h"
#include "report/BookPile.h"

namespace rokal {

using Lines = std::vector<std::u16string>;

// The shape of the whole table, which every row of a book shares: the width of
// the 桩号 column and whether check columns (Nk, Ra≥Nk, N, Rc≥N and the socket
// warning) follow the pile's own. The default is the main window's table, 130
// columns wide.
struct TableLayout {
    int markWidth = 6;
    bool checks = false;

    bool operator==(const TableLayout& other) const {
        return markWidth == other.markWidth && checks == other.checks;
    }
    bool operator!=(const TableLayout& other) const { return !(*this == other); }
};

// The 桩号 column widens up to this many columns; a longer mark (hostile rather
// than real) shifts the rest of its own row, as any overlong cell does, instead
// of stretching every row of the book.
inline constexpr int kWidestMarkColumn = 24;

// The layout that holds the pile too: a schedule's mark wider than the column
// widens it (up to kWidestMarkColumn), and a pile with checks adds the check
// columns.
TableLayout WidenedFor(TableLayout layout, const BookPile& pile);

Lines TableHeaderLines(const TableLayout& layout = {});
std::u16string TableRowLine(const BookPile& pile, const TableLayout& layout);
// The row of pile n as the main window's "计算" appends it.
std::u16string TableRowLine(int n, const PileInput& input, const PileResult& result,
                            PrecisionMode mode, char16_t decimalSeparator);
// The last line is "计算时间：" followed by the time text.
Lines TableFooterLines(const std::u16string& timeText, const TableLayout& layout = {});

// Pieces that the table and the text report share.

// "计算时间：" followed by the time text: the last line of either document.
std::u16string TimeLine(const std::u16string& timeText);

// "ZH" followed by n.
std::u16string PileNumberText(int n);
// "圆  桩", the section type of every pile.
const std::u16string& SectionTypeText();
// Qrk, Ra or Rc as the rounding mode writes it: ten significant digits, the
// mode's decimals, Tens and Hundreds cut toward zero.
std::u16string CapacityText(double value, PrecisionMode mode, char16_t decimalSeparator);
// A load (Nk or N) with the mode's decimals, rounded and never cut: "9500".
std::u16string LoadText(double value, PrecisionMode mode, char16_t decimalSeparator);
// The margin of a check with one decimal and its sign, "+28.5%" or "-4.4%";
// empty for a load of 0, which has none.
std::u16string MarginText(const LoadCheck& check, char16_t decimalSeparator);
// A length in mm with at most two decimals, no trailing zeros: "500", "1250.5".
std::u16string MillimetreText(double value, char16_t decimalSeparator);

}  // namespace rokal
