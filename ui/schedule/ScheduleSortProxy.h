#pragma once

#include <QSortFilterProxyModel>

namespace rokal {

// Sorts the schedule table by any column without touching the schedule's own
// order: numbers by value, texts in their natural order ("ZH2" before "ZH10"),
// empty cells last, rows that compare equal in schedule order. Sorting by column
// -1 shows the schedule's own order again. Edited rows stay where they are until
// the next sort, so that a row does not jump away from under the cursor.
class ScheduleSortProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit ScheduleSortProxy(QObject* parent = nullptr);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

// Texts in their natural order: runs of digits compare by their numbers, the rest
// as the locale orders it ("ZH2" before "ZH10").
bool NaturalLess(const QString& a, const QString& b);

}  // namespace rokal
