#pragma once

#include <optional>
#include <string>
#include <vector>

#include "schedule/CellBlock.h"
#include "ui/schedule/ScheduleModel.h"

namespace rokal {

// A pasted block laid out on the table's columns.
struct PasteBlock {
    // The cell each field of a row fills, by the field's place in the row (the
    // change's row is not used): an input cell, or a kept cell whose index may be
    // that of a column the paste adds; nullopt for a field that is left out.
    std::vector<std::optional<CellChange>> targets;
    CellBlock rows;
    // Kept columns the paste adds after the table's own, by their headers.
    std::vector<std::u16string> addedColumns;
    // Fields left out because they fall on result columns.
    int leftOut = 0;
    // Numbers grouped by thousands made plain (GroupedNumber.h).
    int ungrouped = 0;
    // True when the columns were chosen by a header row's names.
    bool byHeader = false;
};

// A block whose first row is a header row (StartsWithHeaderRow): each field goes
// to the column its header names, as a file's header maps it; any other field to
// the kept column of its header's name, or to a kept column added for it (named
// "粘贴列1", ... where the header is blank). Columns blank throughout are left
// out. Throws ScheduleFileError for a column named twice.
PasteBlock PlaceByHeader(CellBlock block, const std::vector<std::u16string>& keptColumns,
                         char16_t decimalSeparator);

// Any other block: field j of a row goes to table column columns[j] (a result
// column leaves it out), and fields beyond the given columns to kept columns
// added for them, unless blank throughout.
PasteBlock PlaceByPosition(CellBlock block, const std::vector<int>& columns,
                           const std::vector<std::u16string>& keptColumns,
                           char16_t decimalSeparator);

}  // namespace rokal
