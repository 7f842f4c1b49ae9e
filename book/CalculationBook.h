#pragma once

#include <string>
#include <vector>

#include "book/BookDocument.h"
#include "book/BookPile.h"
#include "book/ProjectInfo.h"
#include "engine/Formatting.h"

namespace rokal::book {

// The smallest socket depth in force: the larger of timesD x d and millimetres.
struct MinimumSocket {
    double timesD = 0.4;
    double millimetres = 500;

    double For(double d) const { return timesD * d > millimetres ? timesD * d : millimetres; }
};

enum class Detail {
    All,      // every pile worked step by step
    Typical,  // one worked pile for each distinct combination of inputs
};

struct BookOptions {
    PrecisionMode mode = PrecisionMode::Units;
    char16_t decimalSeparator = u'.';
    Detail detail = Detail::All;
    bool pilePerPage = false;
    MinimumSocket minimumSocket;
    // The date under the signatures when the project gives none, such as
    // "2024年3月5日".
    std::u16string today;
};

// The calculation book of the piles: the title page, the basis of the design
// (standard, formulas, tables), the summary of every pile with its checks and a
// conclusion, and the worked calculation of every pile (or of one pile for each
// combination of inputs).
Document MakeCalculationBook(const std::vector<BookPile>& piles, const ProjectInfo& project,
                             const BookOptions& options);

// "嵌岩桩计算书".
const std::u16string& BookTitleText();

// The date as the title page writes it: "2024年3月5日".
std::u16string BookDateText(int year, int month, int day);
// Today's date in the local time zone, written so.
std::u16string TodayDateText();

}  // namespace rokal::book
