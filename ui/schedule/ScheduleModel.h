#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "schedule/CellText.h"
#include "schedule/Design.h"
#include "schedule/ResultsCsv.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"
#include "ui/schedule/ScheduleColumns.h"

namespace rokal {

// One cell set to a text: an input cell, or a kept cell when kept is set.
struct CellChange {
    int row = 0;
    ScheduleColumn column = ScheduleColumn::Mark;
    std::u16string text;
    // The index of a kept column (Schedule::extraColumns); column is then not used.
    int kept = -1;
};

// The schedule as a table: the eight input columns as written, editable, the
// results of each row read-only beside them, and after them the file's other
// columns (such as 备注), kept and editable as text. Cells never hold control
// characters: an edit loses them and says so through controlCharactersRemoved. Every change
// recomputes only the rows it touches and tells the views about those rows alone; the proposals and
// the result texts of a row are worked out when a view first asks for them.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // A value to sort a column by: a number where the cell has one, else its text.
    static constexpr int kSortRole = Qt::UserRole + 1;
    // True for an input cell with an error.
    static constexpr int kBadCellRole = Qt::UserRole + 2;

    // How an edit made in a view reaches the schedule: by default the cell is set at
    // once; the window routes it through its undo stack instead.
    using EditHandler = std::function<void(const CellChange& change)>;

    explicit ScheduleModel(char16_t decimalSeparator, QObject* parent = nullptr);

    // Replaces the whole schedule and computes every row.
    void SetSchedule(Schedule schedule);
    const Schedule& GetSchedule() const { return schedule_; }
    int RowCount() const { return static_cast<int>(schedule_.rows.size()); }
    const ScheduleRow& Row(int row) const;
    const std::u16string& Cell(int row, ScheduleColumn column) const;
    // The text of the cell a change is for, as it is now.
    const std::u16string& Cell(const CellChange& at) const;
    int KeptColumnCount() const { return static_cast<int>(schedule_.extraColumns.size()); }

    const std::vector<RowResult>& Results() const { return results_; }
    const RowResult& Result(int row) const;
    // The row's proposals for the current depth step.
    const RowDesign& Design(int row) const;
    // The proposals of every row, in order.
    std::vector<RowDesign> Designs() const;
    // The row's results as the table writes them.
    const RowResultTexts& Texts(int row) const;
    // The message of a bad cell, empty when the cell is good.
    std::u16string CellErrorMessage(int row, ScheduleColumn column) const;
    // The error of the whole row, which every cell of it shows: fields beyond the
    // file's header (ScheduleRow::surplus). Empty when there is none.
    std::u16string RowErrorMessage(int row) const;

    PrecisionMode Precision() const { return precision_; }
    void SetPrecision(PrecisionMode mode);
    DepthStep Step() const { return step_; }
    void SetStep(DepthStep step);
    // The minimum socket every row's hr is checked against and the proposals keep to.
    MinSocket MinimumSocket() const { return minSocket_; }
    void SetMinSocket(MinSocket minimum);
    char16_t DecimalSeparator() const { return separator_; }

    void SetEditHandler(EditHandler handler) { editHandler_ = std::move(handler); }

    // The changes the undo commands make.
    void SetCells(const std::vector<CellChange>& changes);
    void SetSurplus(int row, std::vector<std::u16string> surplus);
    void InsertScheduleRows(int at, std::vector<ScheduleRow> rows);
    // Adds kept columns after the others, empty in every row, or takes the last
    // count of them away again.
    void AppendKeptColumns(const std::vector<std::u16string>& headers);
    void RemoveLastKeptColumns(int count);
    std::vector<ScheduleRow> RemoveScheduleRows(int at, int count);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  signals:
    // An edit's text held control characters, which the cell did not take.
    void controlCharactersRemoved(const rokal::CellText& cleaned);

  private:
    void Recompute(int row);
    void ForgetTexts();
    void RowsChanged(int first, int last);
    void MarksFrom(int row);
    std::u16string ShownError(int row, ScheduleColumn column) const;
    QVariant InputData(int row, ScheduleColumn column, int role) const;
    QVariant ResultData(int row, ResultColumn column, int role) const;
    QVariant KeptData(int row, int kept, int role) const;
    void FitKeptCells(ScheduleRow& row) const;
    QVariant ResultForeground(int row, ResultColumn column) const;
    bool SocketShort(int row) const;
    QVariant InputSortKey(int row, ScheduleColumn column) const;
    QVariant ResultSortKey(int row, ResultColumn column) const;

    Schedule schedule_;
    std::vector<RowResult> results_;
    mutable std::vector<std::optional<RowDesign>> designs_;
    mutable std::vector<std::optional<RowResultTexts>> texts_;
    PrecisionMode precision_ = PrecisionMode::Units;
    DepthStep step_ = kDefaultDepthStep;
    MinSocket minSocket_ = kDefaultMinSocket;
    char16_t separator_;
    EditHandler editHandler_;
};

}  // namespace rokal
