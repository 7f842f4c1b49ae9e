#pragma once

#include <string>
#include <vector>

#include "report/TableReport.h"

namespace rokal {

// A plain text table aligned by display width, for a terminal: columns joined by
// two spaces, no trailing spaces.
class TextTable {
  public:
    enum class Align { Left, Right };
    struct Column {
        std::u16string header;
        Align align;
    };

    explicit TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}

    // A row of one cell a column.
    void AddRow(std::vector<std::u16string> cells);
    // A row of the first column's cell and then one text across the rest.
    void AddSpanRow(std::u16string first, std::u16string rest);

    // The header, a rule and the rows; spanning texts are cut to maxWidth.
    Lines Render(int maxWidth) const;

  private:
    struct Row {
        std::vector<std::u16string> cells;
        bool span = false;
    };
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};

// The text with every control character (C0, DEL, C1, line and paragraph
// separators) shown as "?", so that a cell cannot move the cursor or recolour a
// terminal.
std::u16string TerminalSafe(std::u16string text);

// What ends a text cut to fit a terminal column (report/DisplayWidth.h, CutToWidth).
inline const std::u16string kTerminalEllipsis = u"...";

}  // namespace rokal
