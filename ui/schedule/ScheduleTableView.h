#pragma once

#include <QTableView>

namespace rokal {

// The schedule table with a spreadsheet's keys:
// - F2 edits the current cell with the cursor after its text, typing replaces its
//   text, and Backspace starts an edit of the cell emptied (Esc in the editor keeps
//   the cell as it was). Enter steps down; in an editor it commits the text
//   first, and Tab and Shift+Tab commit it and step across.
// - Every move of the current cell by the keyboard, with Ctrl or without, takes
//   the selection along (Shift extends it), so that what is selected is always
//   what the user sees. Ctrl+Arrow goes to the edge of the data: to the last cell
//   of a run of filled cells, or over empty cells to the next filled one.
class ScheduleTableView : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;

    // Makes index the current cell and the only one selected, and shows it.
    void MoveTo(const QModelIndex& index);
    // Selects the whole rows, or the whole columns, that hold selected cells (or
    // the current cell), keeping the current cell.
    void SelectWholeRows();
    void SelectWholeColumns();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

  private:
    enum class EditStart { AtEnd, Emptied };

    bool KeyDone(int key, Qt::KeyboardModifiers modifiers);
    void Step(int rows);
    void EditCurrent(EditStart start);
    QModelIndex DataEdge(int rowStep, int columnStep) const;
    QModelIndex Beside(const QModelIndex& index, int rowStep, int columnStep) const;
    bool IsBlank(const QModelIndex& index) const;
    QItemSelection WholeLines(Qt::Orientation orientation) const;

    bool moving_ = false;  // MoveTo is setting the current cell
};

}  // namespace rokal
