#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "schedule/CellBlock.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/SchedulePaste.h"

class QUndoStack;

namespace rokal {

// The hr cells that taking proposed depths sets, and how many shallower proposals
// were left alone.
struct ProposedDepths {
    std::vector<CellChange> changes;
    int shallowerKept = 0;
};

// What a paste did.
struct PasteOutcome {
    int cellsSet = 0;
    int rowsAdded = 0;
    int columnsAdded = 0;
};

// The edits of the schedule window, each one step on the undo stack: a cell, a
// pasted block, cells cleared or filled, added and deleted rows, the proposed
// depths taken.
class ScheduleEditor {
  public:
    ScheduleEditor(ScheduleModel& model, QUndoStack& stack);

    void SetCell(const CellChange& change);

    // Pastes the block: block row i goes into schedule row rows[i] while there is
    // one, and the rest of the block becomes new rows at the end of the schedule;
    // the columns the block adds come first.
    PasteOutcome Paste(const std::vector<int>& rows, const PasteBlock& block);

    // Sets the cells as one step named `name`; returns how many changed.
    int SetCells(std::vector<CellChange> cells, const QString& name);
    // Empties the given cells (their texts are not used) as one step; returns how
    // many held text.
    int ClearCells(std::vector<CellChange> cells, const QString& name);

    // Adds count rows after the schedule row `after` (-1: at the end) and returns the
    // first new row. A new row takes d, hr, frk, grade and process from the row it
    // follows, or the main window's start inputs when there is none.
    int AddRows(int after, int count);
    void DeleteRows(const std::vector<int>& rows);
    // Drops the fields the given rows read beyond their file's header, as one step;
    // returns how many rows had any.
    int DropSurplus(const std::vector<int>& rows);
    // The rows among these that have such fields.
    std::vector<int> RowsWithSurplus(const std::vector<int>& rows) const;

    // The hr cells that taking the proposed depths of the rows would set: a row
    // whose proposal is deeper than its own hr, or shallower when shorten is set
    // (else it is counted as kept). A proposal of the same depth changes nothing.
    ProposedDepths ProposedDepthChanges(const std::vector<int>& rows, bool shorten) const;
    // Sets those cells as one step, "采用建议深度".
    void TakeProposedDepths(std::vector<CellChange> changes);

  private:
    ScheduleModel& model_;
    QUndoStack& stack_;
};

// The cell of an editable table column, in row 0; nullopt for a result column.
std::optional<CellChange> CellAt(int column);

// The row a new schedule row starts as, following `previous` (or nullptr).
ScheduleRow NewRowAfter(const ScheduleRow* previous);

}  // namespace rokal
