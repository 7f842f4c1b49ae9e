#include "ui/schedule/ScheduleEditor.h"

#include <QUndoStack>
#include <algorithm>

#include "ui/schedule/ScheduleColumns.h"
#include "ui/schedule/ScheduleCommands.h"

namespace rokal {
namespace {

QString ColumnName(ScheduleColumn column) {
    return QString::fromStdU16String(ScheduleColumnName(column));
}

// The inputs a new row copies from the row before it.
constexpr ScheduleColumn kCopiedColumns[] = {ScheduleColumn::D, ScheduleColumn::Hr,
                                             ScheduleColumn::Frk, ScheduleColumn::Grade,
                                             ScheduleColumn::Process};

}  // namespace

std::optional<CellChange> CellAt(int column) {
    if (const auto input = InputColumnAt(column)) {
        return CellChange{0, *input, {}};
    }
    if (const auto kept = KeptColumnAt(column)) {
        return CellChange{0, ScheduleColumn::Mark, {}, *kept};
    }
    return std::nullopt;
}

ScheduleRow NewRowAfter(const ScheduleRow* previous) {
    ScheduleRow row;
    if (previous) {
        for (ScheduleColumn column : kCopiedColumns) {
            row.Cell(column) = previous->Cell(column);
        }
        return row;
    }
    // The main window's inputs at start.
    row.Cell(ScheduleColumn::D) = u"1000";
    row.Cell(ScheduleColumn::Hr) = u"1.0d";
    row.Cell(ScheduleColumn::Frk) = u"25";
    row.Cell(ScheduleColumn::Grade) = u"C30";
    row.Cell(ScheduleColumn::Process) = u"泥浆护壁";
    return row;
}

ScheduleEditor::ScheduleEditor(ScheduleModel& model, QUndoStack& stack)
    : model_(model), stack_(stack) {}

void ScheduleEditor::SetCell(const CellChange& change) {
    if (model_.Cell(change.row, change.column) == change.text) {
        return;
    }
    const QString column = change.kept < 0
                               ? ColumnName(change.column)
                               : QString::fromStdU16String(model_.GetSchedule().extraColumns.at(
                                     static_cast<std::size_t>(change.kept)));
    stack_.push(new SetCellsCommand(model_, {change}, QStringLiteral("编辑%1").arg(column)));
}

PasteOutcome ScheduleEditor::Paste(const std::vector<int>& rows, const std::vector<int>& columns,
                                   const CellBlock& block) {
    std::vector<CellChange> changes;
    std::vector<ScheduleRow> added;
    int leftOut = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        ScheduleRow fresh;
        fresh.extra.resize(static_cast<std::size_t>(model_.KeptColumnCount()));
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            const auto target = j < columns.size() ? CellAt(columns[j]) : std::nullopt;
            if (!target) {
                ++leftOut;
                continue;
            }
            if (i < rows.size()) {
                changes.push_back({rows[i], target->column, block[i][j], target->kept});
            } else if (target->kept < 0) {
                fresh.Cell(target->column) = block[i][j];
            } else {
                fresh.extra[static_cast<std::size_t>(target->kept)] = block[i][j];
            }
        }
        if (i >= rows.size()) {
            added.push_back(std::move(fresh));
        }
    }
    const PasteOutcome outcome{static_cast<int>(changes.size()), static_cast<int>(added.size()),
                               leftOut};
    auto* paste = new QUndoCommand(QStringLiteral("粘贴"));
    if (!changes.empty()) {
        new SetCellsCommand(model_, std::move(changes), paste->text(), paste);
    }
    if (!added.empty()) {
        new InsertRowsCommand(model_, model_.RowCount(), std::move(added), paste->text(), paste);
    }
    if (paste->childCount() == 0) {
        delete paste;
        return {0, 0, leftOut};
    }
    stack_.push(paste);
    return outcome;
}

int ScheduleEditor::ClearCells(const std::vector<CellChange>& cells) {
    std::vector<CellChange> changes;
    for (const CellChange& cell : cells) {
        if (!model_.Cell(cell).empty()) {
            changes.push_back({cell.row, cell.column, {}, cell.kept});
        }
    }
    const int count = static_cast<int>(changes.size());
    if (count > 0) {
        stack_.push(new SetCellsCommand(model_, std::move(changes), QStringLiteral("清除")));
    }
    return count;
}

int ScheduleEditor::AddRows(int after, int count) {
    const int at = after < 0 ? model_.RowCount() : after + 1;
    const ScheduleRow* previous = at > 0 ? &model_.Row(at - 1) : nullptr;
    std::vector<ScheduleRow> rows(static_cast<std::size_t>(std::max(count, 0)),
                                  NewRowAfter(previous));
    if (!rows.empty()) {
        stack_.push(new InsertRowsCommand(model_, at, std::move(rows), QStringLiteral("添加行")));
    }
    return at;
}

void ScheduleEditor::DeleteRows(const std::vector<int>& rows) {
    if (!rows.empty()) {
        stack_.push(new RemoveRowsCommand(model_, rows, QStringLiteral("删除行")));
    }
}

std::vector<int> ScheduleEditor::RowsWithSurplus(const std::vector<int>& rows) const {
    std::vector<int> withSurplus;
    for (int row : rows) {
        if (!model_.Row(row).surplus.empty()) {
            withSurplus.push_back(row);
        }
    }
    return withSurplus;
}

int ScheduleEditor::DropSurplus(const std::vector<int>& rows) {
    std::vector<int> withSurplus = RowsWithSurplus(rows);
    const int count = static_cast<int>(withSurplus.size());
    if (count > 0) {
        stack_.push(new DropSurplusCommand(model_, std::move(withSurplus),
                                           QStringLiteral("删除多出的字段")));
    }
    return count;
}

ProposedDepths ScheduleEditor::ProposedDepthChanges(const std::vector<int>& rows,
                                                    bool shorten) const {
    constexpr double kSameDepth = 1e-12;  // relative: the same depth written another way
    ProposedDepths proposed;
    for (int row : rows) {
        const RowResult& result = model_.Result(row);
        const auto& depth = model_.Design(row).depth;
        if (!result.Computed() || !depth || depth->kind != DepthProposal::Kind::Depth ||
            depth->hrText == model_.Cell(row, ScheduleColumn::Hr)) {
            continue;
        }
        const double own = result.pile->hrOverD;
        if (depth->hrOverD <= own * (1 + kSameDepth) && depth->hrOverD >= own * (1 - kSameDepth)) {
            continue;
        }
        if (depth->hrOverD < own && !shorten) {
            ++proposed.shallowerKept;
            continue;
        }
        proposed.changes.push_back({row, ScheduleColumn::Hr, depth->hrText});
    }
    return proposed;
}

void ScheduleEditor::TakeProposedDepths(std::vector<CellChange> changes) {
    if (!changes.empty()) {
        stack_.push(
            new SetCellsCommand(model_, std::move(changes), QStringLiteral("采用建议深度")));
    }
}

}  // namespace rokal
