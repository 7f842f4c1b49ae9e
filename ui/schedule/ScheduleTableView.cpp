#include "ui/schedule/ScheduleTableView.h"

#include <QKeyEvent>

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
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && state() != EditingState) {
        const QModelIndex current = currentIndex();
        if (current.isValid() && (current.flags() & Qt::ItemIsEditable)) {
            edit(current);
        } else {
            StepDown();
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ScheduleTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        StepDown();
    }
}

void ScheduleTableView::StepDown() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return;
    }
    const QModelIndex below = current.sibling(current.row() + 1, current.column());
    if (below.isValid()) {
        MoveTo(below);
    }
}

}  // namespace rokal
