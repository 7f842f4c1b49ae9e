#pragma once

#include <QString>
#include <optional>

#include "schedule/ResultsCsv.h"
#include "schedule/Schedule.h"

namespace rokal {

// The result columns of the schedule table, after the eight input columns.
enum class ResultColumn {
    RockClass,
    ZetaR,
    Ra,
    Rc,
    RaCheck,
    RaMargin,
    RcCheck,
    RcMargin,
    DepthProposal,
    GradeProposal
};
inline constexpr int kResultColumnCount = 10;
inline constexpr int kTableColumnCount = kScheduleColumnCount + kResultColumnCount;

// The input column at a table column, or nullopt for a result column.
std::optional<ScheduleColumn> InputColumnAt(int column);
// The result column at a table column, or nullopt for an input column.
std::optional<ResultColumn> ResultColumnAt(int column);
int TableColumnOf(ScheduleColumn column);
int TableColumnOf(ResultColumn column);
// The file's other columns (kept columns, such as 备注) follow the results: the
// index of the kept column at a table column, or nullopt before them.
std::optional<int> KeptColumnAt(int column);
int TableColumnOfKept(int kept);
// Input and kept columns take edits; results do not.
bool IsEditableColumn(int column);

// For the input and result columns only:
// The header as the table shows it, units included ("桩径\nd(mm)").
QString ColumnHeader(int column);
// A short explanation shown as the header's tooltip.
QString ColumnToolTip(int column);
// A width in characters that fits the column's usual texts.
int ColumnWidthInChars(int column);
// Numbers are right-aligned, words centred.
bool IsNumericColumn(int column);
// The proposal columns, shown only while the proposals are asked for.
bool IsProposalColumn(int column);

// The text of a result column among a row's result texts.
const std::u16string& ResultText(const RowResultTexts& texts, ResultColumn column);

}  // namespace rokal
