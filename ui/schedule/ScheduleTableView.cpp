#include "ui/schedule/ScheduleTableView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <set>

namespace rokal {
namespace {

bool IsMove(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

}  // namespace

void ScheduleTableView::MoveTo(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    // Through the view, which also starts the next Shift+move's selection here.
    moving_ = true;
    setCurrentIndex(index);
    moving_ = false;
    scrollTo(index);
}

QItemSelectionModel::SelectionFlags ScheduleTableView::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
    if (moving_) {
        return QItemSelectionModel::ClearAndSelect;
    }
    if (event == nullptr || event->type() != QEvent::KeyPress ||
        selectionMode() != ExtendedSelection) {
        return QTableView::selectionCommand(index, event);
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!IsMove(key->key())) {
        return QTableView::selectionCommand(index, event);
    }
    // Qt leaves the selection behind on a move with Ctrl, and Backtab carries Shift.
    const bool extend = key->key() != Qt::Key_Backtab && (key->modifiers() & Qt::ShiftModifier);
    return extend ? QItemSelectionModel::SelectCurrent : QItemSelectionModel::ClearAndSelect;
}

void ScheduleTableView::keyPressEvent(QKeyEvent* event) {
    if (state() != EditingState && KeyDone(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The keys the table answers itself while no cell is being edited.
bool ScheduleTableView::KeyDone(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Step(1);
    } else if (key == Qt::Key_F2) {
        EditCurrent(EditStart::AtEnd);
    } else if (key == Qt::Key_Backspace) {
        EditCurrent(EditStart::Emptied);
    } else {
        return false;
    }
    return true;
}

void ScheduleTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    switch (hint) {
        case QAbstractItemDelegate::SubmitModelCache:
            QTableView::closeEditor(editor, hint);
            Step(1);
            return;
        case QAbstractItemDelegate::EditNextItem:
        case QAbstractItemDelegate::EditPreviousItem: {
            // Across to the next cell, as after Enter, without editing it.
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
            const bool next = hint == QAbstractItemDelegate::EditNextItem;
            MoveTo(moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier));
            return;
        }
        default:
            QTableView::closeEditor(editor, hint);
    }
}

// That many rows down in the same column, where there is such a row.
void ScheduleTableView::Step(int rows) {
    const QModelIndex current = currentIndex();
    const QModelIndex next =
        current.isValid() ? current.sibling(current.row() + rows, current.column()) : QModelIndex();
    if (next.isValid()) {
        MoveTo(next);
    }
}

// Opens the current cell's editor with the cursor after its text, or with its text
// removed; the cell itself changes only when the edit is committed.
void ScheduleTableView::EditCurrent(EditStart start) {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !(current.flags() & Qt::ItemIsEditable)) {
        return;
    }
    edit(current);
    QWidget* editor = indexWidget(current);
    auto* combo = qobject_cast<QComboBox*>(editor);
    QLineEdit* line = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(editor);
    if (line == nullptr) {
        return;
    }
    if (start == EditStart::Emptied) {
        line->clear();
    } else {
        line->deselect();
        line->end(false);
    }
}

// --- Moves to the edge of the data ---------------------------------------------

QModelIndex ScheduleTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        switch (action) {
            case MoveUp:
                return DataEdge(-1, 0);
            case MoveDown:
                return DataEdge(1, 0);
            case MoveLeft:
                return DataEdge(0, -1);
            case MoveRight:
                return DataEdge(0, 1);
            default:
                break;
        }
    }
    return QTableView::moveCursor(action, modifiers);
}

bool ScheduleTableView::IsBlank(const QModelIndex& index) const {
    return index.data(Qt::DisplayRole).toString().trimmed().isEmpty();
}

// The cell next to index the way of a step, as shown: over hidden columns, in
// the order the header shows the columns; invalid past the table's edge.
QModelIndex ScheduleTableView::Beside(const QModelIndex& index, int rowStep, int columnStep) const {
    if (rowStep != 0) {
        return index.sibling(index.row() + rowStep, index.column());
    }
    const QHeaderView* header = horizontalHeader();
    for (int visual = header->visualIndex(index.column()) + columnStep;
         visual >= 0 && visual < header->count(); visual += columnStep) {
        const int column = header->logicalIndex(visual);
        if (!isColumnHidden(column)) {
            return index.sibling(index.row(), column);
        }
    }
    return {};
}

// From a filled cell with a filled neighbour: the last filled cell of the run.
// Otherwise the first filled cell further on, or the last cell of the table.
QModelIndex ScheduleTableView::DataEdge(int rowStep, int columnStep) const {
    const QModelIndex current = currentIndex();
    QModelIndex next = current.isValid() ? Beside(current, rowStep, columnStep) : QModelIndex();
    if (!next.isValid()) {
        return current;
    }
    if (!IsBlank(current) && !IsBlank(next)) {
        for (QModelIndex further = Beside(next, rowStep, columnStep);
             further.isValid() && !IsBlank(further);
             further = Beside(further, rowStep, columnStep)) {
            next = further;
        }
        return next;
    }
    QModelIndex last = next;
    while (next.isValid() && IsBlank(next)) {
        last = next;
        next = Beside(next, rowStep, columnStep);
    }
    return next.isValid() ? next : last;
}

// --- Whole rows and columns --------------------------------------------------

QItemSelection ScheduleTableView::WholeLines(Qt::Orientation orientation) const {
    std::set<int> lines;
    const bool rows = orientation == Qt::Horizontal;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        lines.insert(rows ? index.row() : index.column());
    }
    if (lines.empty() && currentIndex().isValid()) {
        lines.insert(rows ? currentIndex().row() : currentIndex().column());
    }
    const int across = (rows ? model()->columnCount() : model()->rowCount()) - 1;
    const auto cell = [&](int line, int at) {
        return rows ? model()->index(line, at) : model()->index(at, line);
    };
    // One range for each run of neighbouring lines.
    QItemSelection selection;
    for (auto line = lines.begin(); line != lines.end();) {
        const int first = *line;
        int last = first;
        while (++line != lines.end() && *line == last + 1) {
            last = *line;
        }
        selection.select(cell(first, 0), cell(last, across));
    }
    return selection;
}

void ScheduleTableView::SelectWholeRows() {
    selectionModel()->select(WholeLines(Qt::Horizontal), QItemSelectionModel::ClearAndSelect);
}

void ScheduleTableView::SelectWholeColumns() {
    selectionModel()->select(WholeLines(Qt::Vertical), QItemSelectionModel::ClearAndSelect);
}

}  // namespace rokal
