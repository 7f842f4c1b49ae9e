#include "ui/schedule/ScheduleSortProxy.h"

#include "ui/schedule/ScheduleModel.h"

namespace rokal {
namespace {

enum class KeyKind { Number, Text, Empty };

KeyKind KindOf(const QVariant& key) {
    switch (key.typeId()) {
        case QMetaType::Int:
        case QMetaType::Double:
            return KeyKind::Number;
        case QMetaType::QString:
            return key.toString().trimmed().isEmpty() ? KeyKind::Empty : KeyKind::Text;
        default:
            return KeyKind::Empty;
    }
}

// The run of digits or of other characters that starts at `at`.
QStringView RunAt(const QString& text, qsizetype at) {
    const bool digits = text[at].isDigit();
    qsizetype end = at;
    while (end < text.size() && text[end].isDigit() == digits) {
        ++end;
    }
    return QStringView(text).mid(at, end - at);
}

// Compares two runs of digits by their numbers, however long.
int CompareNumbers(QStringView a, QStringView b) {
    while (a.size() > 1 && a.front() == u'0') {
        a = a.mid(1);
    }
    while (b.size() > 1 && b.front() == u'0') {
        b = b.mid(1);
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

}  // namespace

bool NaturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView runA = RunAt(a, i);
        const QStringView runB = RunAt(b, j);
        const bool numbers = runA.front().isDigit() && runB.front().isDigit();
        const int order =
            numbers ? CompareNumbers(runA, runB) : QString::localeAwareCompare(runA, runB);
        if (order != 0) {
            return order < 0;
        }
        i += runA.size();
        j += runB.size();
    }
    return a.size() - i < b.size() - j;
}

ScheduleSortProxy::ScheduleSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(ScheduleModel::kSortRole);
    setDynamicSortFilter(false);
}

bool ScheduleSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    const KeyKind kindA = KindOf(a);
    const KeyKind kindB = KindOf(b);
    if (kindA != kindB) {
        // Empty cells last, whichever way the column is sorted.
        return sortOrder() == Qt::AscendingOrder ? kindA < kindB : kindA > kindB;
    }
    switch (kindA) {
        case KeyKind::Number:
            return a.toDouble() < b.toDouble();
        case KeyKind::Text:
            return NaturalLess(a.toString(), b.toString());
        case KeyKind::Empty:
            break;
    }
    return false;
}

}  // namespace rokal
