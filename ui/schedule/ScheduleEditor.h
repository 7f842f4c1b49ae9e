#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "schedule/CellBlock.h"
#include "ui/schedule/ScheduleModel.h"

class QUndoStack;

namespace rokal {

// What a paste did.
struct PasteOutcome {
    int cellsSet = 0;
    int rowsAdded = 0;
    // Fields that fell on result columns or beyond the last column.
    int fieldsLeftOut = 0;
};

// The edits of the schedule window, each one step on the undo stack: a cell, a
// pasted block, cleared cells, added and deleted rows, the proposed depths taken.
class ScheduleEditor {
  public:
    ScheduleEditor(ScheduleModel& model, QUndoStack& stack);

    void SetCell(const CellChange& change);

    // Pastes the block: field j of a block row goes into table column columns[j],
    // block row i into schedule row rows[i] while there is one, and the rest of the
    // block becomes new rows at the end of the schedule. Fields that fall on result
    // columns or beyond the given columns are left out.
    PasteOutcome Paste(const std::vector<int>& rows, const std::vector<int>& columns,
                       const CellBlock& block);

    // Empties the given cells (their texts are not used); returns how many held text.
    int ClearCells(const std::vector<CellChange>& cells);

    // Adds count rows after the schedule row `after` (-1: at the end) and returns the
    // first new row. A new row takes d, hr, frk, grade and process from the row it
    // follows, or the main window's start inputs when there is none.
    int AddRows(int after, int count);
    void DeleteRows(const std::vector<int>& rows);

    // Writes each row's proposed depth into its hr cell, as one step; returns how
    // many rows changed.
    int TakeProposedDepths();

  private:
    ScheduleModel& model_;
    QUndoStack& stack_;
};

// The cell of an editable table column, in row 0; nullopt for a result column.
std::optional<CellChange> CellAt(int column);

// The row a new schedule row starts as, following `previous` (or nullptr).
ScheduleRow NewRowAfter(const ScheduleRow* previous);

}  // namespace rokal
