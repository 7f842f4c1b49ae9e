#pragma once

#include <QTableView>

namespace rokal {

// The schedule table with a spreadsheet's keys: Enter edits the current cell (or
// steps down from a result cell), and Enter in an editor commits the text and
// steps to the cell below. Every move of the current cell by the keyboard, with
// Ctrl or without, takes the selection along (Shift extends it), so that what is
// selected is always what the user sees.
class ScheduleTableView : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;

    // Makes index the current cell and the only one selected, and shows it.
    void MoveTo(const QModelIndex& index);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

  private:
    void StepDown();

    bool moving_ = false;  // MoveTo is setting the current cell
};

}  // namespace rokal
