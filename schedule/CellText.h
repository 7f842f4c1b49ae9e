#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule/Schedule.h"

namespace rokal {

// C0 controls (tab and line breaks among them), DEL, C1 controls and the Unicode
// line and paragraph separators: characters a schedule's cells never hold.
bool IsControlCharacter(char32_t c);

// A text as a cell may hold it, and what had to go.
struct CellText {
    std::u16string text;
    // Control characters and halves of surrogate pairs that were removed or replaced.
    int removed = 0;
    // The first of them, as a code point (a lone surrogate as itself).
    char32_t first = 0;
};

// The text without control characters or unpaired surrogates. A run of tabs and
// line breaks between other characters becomes one space, so that words and
// numbers stay apart; at either end it goes, as does every other control.
CellText CleanCellText(std::u16string_view text);

// Where a schedule holds a control character or an unpaired surrogate.
struct ControlCharacterPlace {
    int line = 0;  // the file line of the row, 0 for the header
    std::u16string column;
    char32_t character = 0;
};

// The first that holds one: the extra headers, then row by row, each row's cells
// in the order the table shows them, then its fields beyond the header.
std::optional<ControlCharacterPlace> FindControlCharacter(const Schedule& schedule);

}  // namespace rokal
