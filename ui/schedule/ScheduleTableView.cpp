#include "ui/schedule/ScheduleTableView.h"

#include <QKeyEvent>

namespace rokal {

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
        setCurrentIndex(below);
    }
}

}  // namespace rokal
