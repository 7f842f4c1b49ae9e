#include "report/BookPile.h"

#include "report/TableReport.h"

namespace rokal {
namespace {

bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

}  // namespace

bool BookPile::ShowsChecks() const {
    return raCheck || rcCheck || SocketShort();
}

BookPile CalculatorPile(int n, const PileInput& input, const PileResult& result, PrecisionMode mode,
                        char16_t decimalSeparator) {
    BookPile pile;
    pile.mark = PileNumberText(n);
    pile.input = input;
    pile.result = result;
    pile.mode = mode;
    pile.decimalSeparator = decimalSeparator;
    return pile;
}

std::u16string BookMarkText(const std::u16string& mark) {
    const std::size_t first = mark.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    std::u16string text = mark.substr(first, mark.find_last_not_of(u' ') - first + 1);
    for (char16_t& c : text) {
        if (IsControl(c)) {
            c = u'\uFFFD';
        }
    }
    return text;
}

}  // namespace rokal
