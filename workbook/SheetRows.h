#pragma once

#include <functional>
#include <string>
#include <vector>

#include "workbook/CellReference.h"
#include "workbook/CellStyles.h"
#include "workbook/PackageParts.h"

namespace rokal {

// What a cell holds, as far as a reader of values cares.
enum class CellKind {
    Text,           // a text, or the cached text result of a formula
    Number,         // a number shown as a number
    Boolean,        // TRUE or FALSE
    Date,           // a number shown as a date or time
    Error,          // an error value such as #DIV/0! or #N/A
    NoCachedValue,  // a formula whose result the workbook does not hold
};

// A cell with a value. text is UTF-8: the text itself, "TRUE" or "FALSE", the
// date as DateText gives it (or "########" for a serial no date has), the error
// value, or "=" and the formula; empty for a number.
struct SheetCell {
    int column = 0;
    CellKind kind = CellKind::Text;
    std::string text;
    double number = 0;  // a Number's or a Date's value
};

// A row with at least one value, its cells in column order.
struct SheetRow {
    int number = 0;  // from 1
    std::vector<SheetCell> cells;
};

// What the cells of a sheet refer to.
struct SheetContext {
    std::string sheetName;  // UTF-8, for messages
    const std::vector<std::string>* sharedStrings = nullptr;
    const CellStyles* styles = nullptr;
    bool date1904 = false;
};

// Takes each row as it is read; returns false to stop reading. It may move the
// cells' texts out.
using RowSink = std::function<bool(SheetRow& row)>;
// Takes the range the sheet says its cells lie in, before the first row: a hint
// for the memory to hold them, which a damaged sheet may get wrong.
using DimensionSink = std::function<void(const CellRange& range)>;

// Streams the rows of a worksheet part that hold a value to onRow, in order, and
// returns the sheet's merged ranges (found after the rows; none when onRow
// stopped the reading). Cells with neither a value nor a formula, and empty
// texts, are left out. Throws WorkbookError naming the sheet and the cell for a
// damaged sheet: rows or cells out of order, a cell beyond the largest sheet, a
// number that is none, a shared text that does not exist.
std::vector<CellRange> ReadSheetRows(const PackageParts& parts, const std::string& part,
                                     const SheetContext& context, const RowSink& onRow,
                                     const DimensionSink& onDimension = {});

}  // namespace rokal
