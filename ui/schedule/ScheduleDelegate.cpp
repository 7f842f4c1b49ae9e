#include "ui/schedule/ScheduleDelegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "engine/PileInput.h"
#include "schedule/RowReading.h"
#include "ui/schedule/ScheduleColumns.h"
#include "ui/schedule/ScheduleModel.h"

namespace rokal {
namespace {

const QColor kBadSelected(0xB0, 0x00, 0x00);

}  // namespace

void ScheduleDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ScheduleModel::kBadCellRole).toBool()) {
        option->palette.setColor(QPalette::Highlight, kBadSelected);
        option->palette.setColor(QPalette::HighlightedText, Qt::white);
    }
}

QStringList DropDownItems(int column) {
    QStringList items;
    const auto input = InputColumnAt(column);
    if (input == ScheduleColumn::Grade) {
        for (int i = 0; i < kConcreteGradeCount; ++i) {
            items << QString::fromStdU16String(ConcreteGradeText(static_cast<ConcreteGrade>(i)));
        }
    } else if (input == ScheduleColumn::Process) {
        for (int i = 0; i < kConstructionProcessCount; ++i) {
            items << QString::fromStdU16String(
                ConstructionProcessShortText(static_cast<ConstructionProcess>(i)));
        }
    }
    return items;
}

QWidget* ScheduleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const QStringList items = DropDownItems(index.column());
    if (items.isEmpty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setFrame(false);
    return combo;
}

void ScheduleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        const int item = combo->findText(text);
        combo->setCurrentIndex(item);
        combo->setEditText(text);
        combo->lineEdit()->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void ScheduleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace rokal
