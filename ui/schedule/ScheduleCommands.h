#pragma once

#include <QUndoCommand>
#include <vector>

#include "ui/schedule/ScheduleModel.h"

namespace rokal {

// Sets input cells; undo sets them back.
class SetCellsCommand : public QUndoCommand {
  public:
    // changes hold the new texts; the present ones are kept for the undo.
    SetCellsCommand(ScheduleModel& model, std::vector<CellChange> changes, const QString& text,
                    QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

  private:
    ScheduleModel& model_;
    std::vector<CellChange> after_;
    std::vector<CellChange> before_;
};

// Drops the fields that rows read beyond their file's header; undo puts them back.
class DropSurplusCommand : public QUndoCommand {
  public:
    DropSurplusCommand(ScheduleModel& model, std::vector<int> rows, const QString& text,
                       QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

  private:
    ScheduleModel& model_;
    std::vector<int> rows_;
    std::vector<std::vector<std::u16string>> surplus_;
};

// Adds kept columns after the others, with the texts of their cells in the rows
// already there; undo takes them away again.
class AddKeptColumnsCommand : public QUndoCommand {
  public:
    // cells: kept cells of the new columns, by their indexes among all kept columns.
    AddKeptColumnsCommand(ScheduleModel& model, std::vector<std::u16string> headers,
                          std::vector<CellChange> cells, const QString& text,
                          QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

  private:
    ScheduleModel& model_;
    std::vector<std::u16string> headers_;
    std::vector<CellChange> cells_;
};

// Inserts rows at a place; undo removes them again.
class InsertRowsCommand : public QUndoCommand {
  public:
    InsertRowsCommand(ScheduleModel& model, int at, std::vector<ScheduleRow> rows,
                      const QString& text, QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

  private:
    ScheduleModel& model_;
    int at_;
    int count_;
    std::vector<ScheduleRow> rows_;  // held while the rows are out of the schedule
};

// Removes rows anywhere in the schedule; undo puts each back at its place.
class RemoveRowsCommand : public QUndoCommand {
  public:
    RemoveRowsCommand(ScheduleModel& model, std::vector<int> rows, const QString& text,
                      QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

  private:
    // Runs of neighbouring rows, first row and count, in ascending order.
    struct Run {
        int at;
        int count;
        std::vector<ScheduleRow> rows;
    };
    ScheduleModel& model_;
    std::vector<Run> runs_;
};

}  // namespace rokal
