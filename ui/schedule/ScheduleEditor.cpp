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

PasteOutcome ScheduleEditor::Paste(const std::vector<int>& rows, const PasteBlock& block) {
    const int keptBefore = model_.KeptColumnCount();
    std::vector<CellChange> changes;
    std::vector<CellChange> addedCells;  // cells of the columns the paste adds
    std::vector<ScheduleRow> added;
    for (std::size_t i = 0; i < block.rows.size(); ++i) {
        const auto& fields = block.rows[i];
        ScheduleRow fresh;
        fresh.extra.resize(static_cast<std::size_t>(keptBefore) + block.addedColumns.size());
        for (std::size_t j = 0; j < fields.size() && j < block.targets.size(); ++j) {
            const std::optional<CellChange>& target = block.targets[j];
            if (!target) {
                continue;
            }
            if (i < rows.size()) {
                auto& into = target->kept >= keptBefore ? addedCells : changes;
                into.push_back({rows[i], target->column, fields[j], target->kept});
            } else if (target->kept < 0) {
                fresh.Cell(target->column) = fields[j];
            } else {
                fresh.extra[static_cast<std::size_t>(target->kept)] = fields[j];
            }
        }
        if (i >= rows.size()) {
            added.push_back(std::move(fresh));
        }
    }
    const PasteOutcome outcome{static_cast<int>(changes.size() + addedCells.size()),
                               static_cast<int>(added.size()),
                               static_cast<int>(block.addedColumns.size())};
    auto* paste = new QUndoCommand(QStringLiteral("粘贴"));
    if (!block.addedColumns.empty()) {
        new AddKeptColumnsCommand(model_, block.addedColumns, std::move(addedCells), paste->text(),
                                  paste);
    }
    if (!changes.empty()) {
        new SetCellsCommand(model_, std::move(changes), paste->text(), paste);
    }
    if (!added.empty()) {
        new InsertRowsCommand(model_, model_.RowCount(), std::move(added), paste->text(), paste);
    }
    if (paste->childCount() == 0) {
        delete paste;
        return {};
    }
    stack_.push(paste);
    return outcome;
}

int ScheduleEditor::SetCells(std::vector<CellChange> cells, const QString& name) {
    cells.erase(
        std::remove_if(cells.begin(), cells.end(),
                       [this](const CellChange& cell) { return model_.Cell(cell) == cell.text; }),
        cells.end());
    const int count = static_cast<int>(cells.size());
    if (count > 0) {
        stack_.push(new SetCellsCommand(model_, std::move(cells), name));
    }
    return count;
}

int ScheduleEditor::ClearCells(std::vector<CellChange> cells, const QString& name) {
    for (CellChange& cell : cells) {
        cell.text.clear();
    }
    return SetCells(std::move(cells), name);
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
