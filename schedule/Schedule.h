#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace rokal {

// The input columns of a pile schedule (桩表), in the order the tables show them.
enum class ScheduleColumn { Mark, D, Hr, Frk, Grade, Process, Nk, N };
inline constexpr int kScheduleColumnCount = 8;

// The Chinese name of a column, as headers and error messages print it:
// "桩号", "桩径", "嵌岩深度", "岩石强度", "混凝土", "工艺", "Nk", "N".
const std::u16string& ScheduleColumnName(ScheduleColumn column);
// The English name a file may use instead: "mark", "d", "hr", "frk", "grade",
// "process", "Nk", "N".
const std::u16string& ScheduleColumnKey(ScheduleColumn column);
// d, hr, frk, grade and process must be in every schedule file; the mark and the
// two loads may be left out.
bool IsRequiredColumn(ScheduleColumn column);

// A cell of a workbook that holds no value a schedule can read: a date, a
// boolean, an error value, a formula without a saved result, or a cell inside a
// merged range. It is an error of its row for as long as the cell keeps the text
// it was read with.
struct UnreadableCell {
    ScheduleColumn column = ScheduleColumn::Mark;
    std::u16string text;     // the cell's text when it was read
    std::u16string message;  // why it cannot be read: "单元格是日期 2023-05-01"
};

// One pile of a schedule, every cell as written. Nothing is checked here: the
// texts are read when the row is computed (schedule/RowCompute.h), so that a
// window can hold any text a user types.
struct ScheduleRow {
    // Indexed by ScheduleColumn. d and hr in mm (hr also as a multiple such as
    // "1.5d"), frk in MPa, Nk and N in kN (empty when the pile has no such load),
    // numbers written with the schedule's decimal separator; grade and process as
    // an engineer writes them.
    std::array<std::u16string, kScheduleColumnCount> cells;
    // The values of the file's columns that are not schedule columns, in the order
    // of Schedule::extraColumns; kept so that a saved schedule loses nothing.
    std::vector<std::u16string> extra;
    // The fields a file's record held beyond its header's, when one of them holds
    // text: a field has slipped (as an unquoted "9,500" makes two), so the row is
    // not computed, and they are kept so that a saved schedule loses nothing.
    std::vector<std::u16string> surplus;
    // How many fields the file's header has, for the message about the surplus.
    int headerFields = 0;
    // The file line the row starts on (a workbook's row number), for messages; 0
    // when it was not read from a file.
    int line = 0;
    // The cells of a workbook row that hold no readable value.
    std::vector<UnreadableCell> unreadable;

    std::u16string& Cell(ScheduleColumn column) { return cells[static_cast<std::size_t>(column)]; }
    const std::u16string& Cell(ScheduleColumn column) const {
        return cells[static_cast<std::size_t>(column)];
    }
};

// A column whose header gave a unit other than the program's, such as "桩径(m)":
// its cells were converted to the program's unit as they were read.
struct ConvertedColumn {
    ScheduleColumn column;
    std::u16string fileUnit;     // as the header writes it, such as "m"
    std::u16string programUnit;  // such as "mm"
};

// An ordered list of piles.
struct Schedule {
    // Headers of the file's columns that are not schedule columns, in file order.
    std::vector<std::u16string> extraColumns;
    std::vector<ScheduleRow> rows;
    // The columns converted from the file's units, in file order.
    std::vector<ConvertedColumn> convertedColumns;
    // Where a workbook's rows were read, for messages: the sheet's name and the
    // letters of each schedule column's sheet column ("C"), empty where the sheet
    // has none. Empty for a CSV file.
    std::u16string sheet;
    std::array<std::u16string, kScheduleColumnCount> sheetColumns;
};

// Where a row's cell was read, for messages: "Sheet1!C7" ("'桩表 (2)'!C7" for a
// sheet name a formula would quote) for a workbook, "第7行" for a CSV file.
std::u16string CellPlace(const Schedule& schedule, const ScheduleRow& row, ScheduleColumn column);
// Where a row was read: "Sheet1 第7行", or "第7行" for a CSV file.
std::u16string RowPlace(const Schedule& schedule, const ScheduleRow& row);

// The pile's mark: its own text, or "ZH" followed by index + 1 when that is empty
// or only spaces.
std::u16string RowMark(const ScheduleRow& row, std::size_t index);

}  // namespace rokal
