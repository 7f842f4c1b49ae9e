#pragma once

#include "schedule/CellBlock.h"
#include "schedule/HeaderMap.h"
#include "schedule/Schedule.h"

namespace rokal {

// A block of cells pasted with its header row, as a spreadsheet copies a table
// together with its column names.

// True when the block's first row is a header row: a field of it names a schedule
// column, as a file's header does.
bool StartsWithHeaderRow(const CellBlock& block);

// The rows under a pasted header row.
struct HeaderedBlock {
    // The block field that fills each schedule column, and the other fields.
    ColumnMap map;
    // A row for each block row under the header, blank ones too, read as a file's
    // records are; extraColumns holds the headers of the fields that name no
    // schedule column, blank for the fields beyond the header row's.
    Schedule schedule;
    // Numbers grouped by thousands that were made plain.
    int ungrouped = 0;
};

// Reads the rows under the block's header row. The columns are mapped by name
// as a file's are, but need not include the required ones. In the columns that
// hold numbers, numbers grouped by thousands are made plain (UngroupedNumber)
// before the rows are read. Throws ScheduleFileError for a column named twice.
HeaderedBlock ReadHeaderedBlock(CellBlock block, char16_t decimalSeparator);

}  // namespace rokal
