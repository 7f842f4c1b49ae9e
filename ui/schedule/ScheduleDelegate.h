#pragma once

#include <QStyledItemDelegate>

namespace rokal {

// Edits the grade and the process with a drop-down list of the usual texts, in
// which any other text may still be typed; every other input cell with a line.
// A bad cell stays red when it is selected: deep red with white text.
class ScheduleDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// The items of the drop-down list of a table column; empty for a column edited
// with a line.
QStringList DropDownItems(int column);

}  // namespace rokal
