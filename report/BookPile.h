#pragma once

#include <optional>
#include <string>

#include "engine/Checks.h"
#include "engine/Formatting.h"
#include "engine/PileInput.h"
#include "engine/PileResult.h"

namespace rokal {

// One pile of the calculation book, with everything its table row and text block
// show.
struct BookPile {
    // "ZH3" for a pile computed in the main window, or a schedule's own mark.
    std::u16string mark;
    // A schedule's mark widens the table's 桩号 column when it needs more room; the
    // main window's "ZH n" keeps the column as it is.
    bool scheduleMark = false;
    PileInput input;
    PileResult result;
    PrecisionMode mode = PrecisionMode::Units;
    char16_t decimalSeparator = u'.';
    // The loads the pile carries, each against its capacity, and its own socket
    // depth against the minimum: what the check section and the check columns show.
    std::optional<LoadCheck> raCheck;
    std::optional<LoadCheck> rcCheck;
    std::optional<SocketCheck> socketCheck;

    // A load, or a socket below the minimum: the pile's book shows its checks.
    bool ShowsChecks() const;
    // The socket is below the minimum.
    bool SocketShort() const { return socketCheck && !socketCheck->holds; }
};

// The pile that the main window's "计算" appends as pile n: "ZH n", no checks.
BookPile CalculatorPile(int n, const PileInput& input, const PileResult& result, PrecisionMode mode,
                        char16_t decimalSeparator);

// A mark as the books print it, on one line: spaces around it removed and every
// control character (line breaks, tabs and the like) turned into U+FFFD.
std::u16string BookMarkText(const std::u16string& mark);

}  // namespace rokal
