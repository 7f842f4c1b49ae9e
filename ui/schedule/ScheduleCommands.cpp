#include "ui/schedule/ScheduleCommands.h"

#include <algorithm>

namespace rokal {

SetCellsCommand::SetCellsCommand(ScheduleModel& model, std::vector<CellChange> changes,
                                 const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), model_(model), after_(std::move(changes)) {
    before_.reserve(after_.size());
    for (const CellChange& change : after_) {
        before_.push_back({change.row, change.column, model_.Cell(change), change.kept});
    }
}

void SetCellsCommand::redo() {
    model_.SetCells(after_);
}

void SetCellsCommand::undo() {
    model_.SetCells(before_);
}

DropSurplusCommand::DropSurplusCommand(ScheduleModel& model, std::vector<int> rows,
                                       const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), model_(model), rows_(std::move(rows)) {
    for (int row : rows_) {
        surplus_.push_back(model_.Row(row).surplus);
    }
}

void DropSurplusCommand::redo() {
    for (int row : rows_) {
        model_.SetSurplus(row, {});
    }
}

void DropSurplusCommand::undo() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        model_.SetSurplus(rows_[i], surplus_[i]);
    }
}

AddKeptColumnsCommand::AddKeptColumnsCommand(ScheduleModel& model,
                                             std::vector<std::u16string> headers,
                                             std::vector<CellChange> cells, const QString& text,
                                             QUndoCommand* parent)
    : QUndoCommand(text, parent),
      model_(model),
      headers_(std::move(headers)),
      cells_(std::move(cells)) {}

void AddKeptColumnsCommand::redo() {
    model_.AppendKeptColumns(headers_);
    model_.SetCells(cells_);
}

void AddKeptColumnsCommand::undo() {
    model_.RemoveLastKeptColumns(static_cast<int>(headers_.size()));
}

InsertRowsCommand::InsertRowsCommand(ScheduleModel& model, int at, std::vector<ScheduleRow> rows,
                                     const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent),
      model_(model),
      at_(at),
      count_(static_cast<int>(rows.size())),
      rows_(std::move(rows)) {}

void InsertRowsCommand::redo() {
    model_.InsertScheduleRows(at_, std::move(rows_));
    rows_.clear();
}

void InsertRowsCommand::undo() {
    rows_ = model_.RemoveScheduleRows(at_, count_);
}

RemoveRowsCommand::RemoveRowsCommand(ScheduleModel& model, std::vector<int> rows,
                                     const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), model_(model) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (!runs_.empty() && runs_.back().at + runs_.back().count == row) {
            ++runs_.back().count;
        } else {
            runs_.push_back({row, 1, {}});
        }
    }
}

void RemoveRowsCommand::redo() {
    // From the last run up, so that the places of the earlier runs stay valid.
    for (auto run = runs_.rbegin(); run != runs_.rend(); ++run) {
        run->rows = model_.RemoveScheduleRows(run->at, run->count);
    }
}

void RemoveRowsCommand::undo() {
    for (Run& run : runs_) {
        model_.InsertScheduleRows(run.at, std::move(run.rows));
        run.rows.clear();
    }
}

}  // namespace rokal
