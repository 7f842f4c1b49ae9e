#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rokal {

// A block of cells as a spreadsheet puts it on the clipboard: rows of fields.
using CellBlock = std::vector<std::vector<std::u16string>>;

// Reads tab-separated text: one row a line (CR LF, LF or CR), fields quoted as a
// spreadsheet quotes them when they hold a tab, a line break or a quote. The line
// break after the last row makes no row of its own. Text with a quote that is
// never closed is read as it stands, without quoting.
CellBlock ReadCellBlock(std::u16string_view text);

// The block as tab-separated text with CR LF after every row, fields quoted where
// a spreadsheet needs it.
std::u16string WriteCellBlock(const CellBlock& block);

}  // namespace rokal
