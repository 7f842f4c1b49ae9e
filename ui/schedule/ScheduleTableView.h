#pragma once

#include <QTableView>

namespace rokal {

// The schedule table with a spreadsheet's keys: Enter edits the current cell (or
// steps down from a result cell), and Enter in an editor commits the text and
// steps to the cell below.
class ScheduleTableView : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    void StepDown();
};

}  // namespace rokal
