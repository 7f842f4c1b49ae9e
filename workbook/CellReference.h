#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rokal {

// The largest sheet a workbook may hold.
inline constexpr int kMaxSheetRows = 1048576;
inline constexpr int kMaxSheetColumns = 16384;

// A cell's place: row from 1, column from 0 (column A).
struct CellPosition {
    int row = 0;
    int column = 0;
};

// A rectangle of cells, such as a merged range "A1:C3", corners included.
struct CellRange {
    CellPosition first;
    CellPosition last;

    bool Contains(int row, int column) const {
        return row >= first.row && row <= last.row && column >= first.column &&
               column <= last.column;
    }
};

// "C7" as a position; nullopt for anything else or a place beyond the largest sheet.
// "$C$7" reads the same.
std::optional<CellPosition> ReadCellReference(std::string_view text);

// "A1:C3" as a range (first and last in either order); a lone "B2" as a range of
// one cell; nullopt for anything else.
std::optional<CellRange> ReadCellRange(std::string_view text);

// "A" for 0, "Z" for 25, "AA" for 26, … "XFD" for 16383.
std::string ColumnLetters(int column);

// "C7".
std::string CellReferenceText(CellPosition position);

}  // namespace rokal
