// The schedule window's clipboard: copy, cut, and paste of blocks from
// spreadsheets, as text or as an HTML table, with or without their header row.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStatusBar>

#include "schedule/CellText.h"
#include "schedule/PastedBlock.h"
#include "schedule/ScheduleFile.h"
#include "ui/schedule/ControlCharacterWords.h"
#include "ui/schedule/HtmlTable.h"
#include "ui/schedule/ScheduleColumns.h"
#include "ui/schedule/ScheduleEditor.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleSortProxy.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/MessageBoxes.h"

namespace rokal {
namespace {

QString Q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// The clipboard's cells: its text, or else the first table of its HTML.
CellBlock ClipboardCells() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (mime == nullptr) {
        return {};
    }
    if (mime->hasText() && !mime->text().isEmpty()) {
        return ReadCellBlock(mime->text().toStdU16String());
    }
    return mime->hasHtml() ? ReadHtmlTable(mime->html()) : CellBlock();
}

// Removes control characters from every field of a pasted block; returns what went.
CellText CleanBlock(CellBlock& block) {
    CellText all;
    for (auto& row : block) {
        for (std::u16string& field : row) {
            CellText cleaned = CleanCellText(field);
            if (cleaned.removed > 0 && all.removed == 0) {
                all.first = cleaned.first;
            }
            all.removed += cleaned.removed;
            field = std::move(cleaned.text);
        }
    }
    return all;
}

QString JoinedNames(const std::vector<std::u16string>& names) {
    constexpr std::size_t kNamed = 5;
    QStringList shown;
    for (std::size_t i = 0; i < names.size() && i < kNamed; ++i) {
        shown << QStringLiteral("“%1”").arg(Q(names[i]));
    }
    QString text = shown.join(QStringLiteral("、"));
    if (names.size() > kNamed) {
        text += QStringLiteral("等");
    }
    return text;
}

// What a paste did, for the status bar.
QString PasteWord(const PasteBlock& paste, const PasteOutcome& outcome, const CellText& cleaned) {
    QString text = QStringLiteral("已粘贴 %1 行，其中新增 %2 行")
                       .arg(paste.rows.size())
                       .arg(outcome.rowsAdded);
    if (paste.byHeader) {
        text += QStringLiteral("；按首行表头的列名粘贴");
    }
    if (outcome.columnsAdded > 0) {
        text += QStringLiteral("；新增 %1 列%2")
                    .arg(outcome.columnsAdded)
                    .arg(JoinedNames(paste.addedColumns));
    }
    if (paste.leftOut > 0) {
        text += QStringLiteral("；%1 个单元格落在计算结果列，未粘贴").arg(paste.leftOut);
    }
    if (paste.ungrouped > 0) {
        text += QStringLiteral("；%1 个数字去掉了千位分隔符").arg(paste.ungrouped);
    }
    if (cleaned.removed > 0) {
        text += QStringLiteral("；") + ControlCharacterWord(cleaned);
    }
    return text;
}

}  // namespace

bool ScheduleWindow::CopyBlock() {
    const QRect block = SelectedBlock();
    if (block.isNull()) {
        return false;
    }
    CellBlock cells;
    for (int row = block.top(); row <= block.bottom(); ++row) {
        auto& line = cells.emplace_back();
        for (int column = block.left(); column <= block.right(); ++column) {
            if (table->isColumnHidden(column)) {
                continue;
            }
            const QModelIndex index = proxy_->index(row, column);
            const int role = IsEditableColumn(column) ? Qt::EditRole : Qt::DisplayRole;
            line.push_back(index.data(role).toString().toStdU16String());
        }
    }
    QApplication::clipboard()->setText(Q(WriteCellBlock(cells)));
    return true;
}

void ScheduleWindow::CopyClick() {
    RunGuarded([this] {
        if (CopyBlock()) {
            const QRect block = SelectedBlock();
            Report(QStringLiteral("已复制 %1 行 %2 列").arg(block.height()).arg(block.width()));
        }
    });
}

// A copy, and the selected input cells emptied as one step.
void ScheduleWindow::CutClick() {
    RunGuarded([this] {
        if (!CopyBlock()) {
            return;
        }
        const QRect block = SelectedBlock();
        editor_->ClearCells(SelectedCells(), QStringLiteral("剪切"));
        Report(QStringLiteral("已剪切 %1 行 %2 列").arg(block.height()).arg(block.width()));
    });
}

void ScheduleWindow::PasteClick() {
    RunGuarded([this] {
        CellBlock cells = ClipboardCells();
        if (cells.empty()) {
            Report(QStringLiteral("剪贴板上没有可粘贴的文本或表格"));
            return;
        }
        const CellText cleaned = CleanBlock(cells);
        PasteBlock paste;
        if (!PlacePaste(std::move(cells), paste)) {
            return;
        }
        const QRect block = SelectedBlock();
        std::vector<int> rows;
        for (int viewRow = block.isNull() ? proxy_->rowCount() : block.top();
             viewRow < proxy_->rowCount(); ++viewRow) {
            rows.push_back(SourceRow(viewRow));
        }
        const std::size_t added =
            paste.rows.size() > rows.size() ? paste.rows.size() - rows.size() : 0;
        if (!RoomFor(added)) {
            return;
        }
        const PasteOutcome outcome = editor_->Paste(rows, paste);
        Report(PasteWord(paste, outcome, cleaned));
    });
}

// Lays the cleaned block out on the table: by its header row's names, or from
// the current column on. False, with a word, when it cannot be pasted.
bool ScheduleWindow::PlacePaste(CellBlock cells, PasteBlock& paste) {
    const std::vector<std::u16string>& kept = model_->GetSchedule().extraColumns;
    if (StartsWithHeaderRow(cells)) {
        try {
            paste = PlaceByHeader(std::move(cells), kept, model_->DecimalSeparator());
        } catch (const ScheduleFileError& error) {
            Report(QStringLiteral("粘贴的首行是表头，但%1，未粘贴")
                       .arg(QString::fromUtf8(error.what())));
            return false;
        }
        if (paste.rows.empty()) {
            Report(QStringLiteral("粘贴的只有表头行，没有数据，未粘贴"));
            return false;
        }
    } else {
        const QRect block = SelectedBlock();
        const int column = block.isNull() ? 0 : block.left();
        if (!IsEditableColumn(column)) {
            Report(QStringLiteral("计算结果不能修改，请从输入列粘贴"));
            return false;
        }
        paste = PlaceByPosition(std::move(cells), ShownColumnsFrom(column), kept,
                                model_->DecimalSeparator());
    }
    if (!paste.addedColumns.empty() &&
        kept.size() + paste.addedColumns.size() > static_cast<std::size_t>(kMaxKeptColumns)) {
        ShowMessage(MessageKind::Error,
                    QStringLiteral(
                        "粘贴的内容有 %1 列表中没有，桩表计算窗口最多添加到 %2 个其他列，未粘贴。")
                        .arg(paste.addedColumns.size())
                        .arg(kMaxKeptColumns),
                    this);
        return false;
    }
    return true;
}

// The table columns a pasted row fills from `column` on, as the table shows them:
// hidden columns are passed over, as a copy leaves them out.
std::vector<int> ScheduleWindow::ShownColumnsFrom(int column) const {
    std::vector<int> columns;
    for (int c = column; c < proxy_->columnCount(); ++c) {
        if (!table->isColumnHidden(c)) {
            columns.push_back(c);
        }
    }
    return columns;
}

}  // namespace rokal
