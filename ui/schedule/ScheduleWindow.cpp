// The schedule window's handlers: editing, the view of the current row, the
// proposals and the calculation book. Files are in ScheduleWindowFiles.cpp.
#include "ui/schedule/ScheduleWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QStatusBar>
#include <QUndoStack>
#include <algorithm>
#include <map>
#include <set>

#include "schedule/CellText.h"
#include "schedule/Design.h"
#include "schedule/ScheduleBooks.h"
#include "ui/platform/Locale.h"
#include "ui/schedule/CapacityChart.h"
#include "ui/schedule/ControlCharacterWords.h"
#include "ui/schedule/ScheduleColumns.h"
#include "ui/schedule/ScheduleEditor.h"
#include "ui/schedule/ScheduleModel.h"
#include "ui/schedule/ScheduleSortProxy.h"
#include "ui/schedule/ScheduleTableView.h"
#include "ui/schedule/ScheduleWindowHandle.h"
#include "ui/widgets/GuardedHandler.h"
#include "ui/widgets/Look.h"

namespace rokal {
namespace {

QString Q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// A file name as a window title shows it: "[*]" in it is the name's own, not the
// mark of unsaved changes.
QString TitleText(QString name) {
    return name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace

void ScheduleWindowDeleter::operator()(ScheduleWindow* window) const {
    delete window;
}

ScheduleWindow::ScheduleWindow(BookLink book, PrecisionMode precision, QWidget* parent)
    : QMainWindow(parent), book_(std::move(book)), dialogs_(StandardScheduleDialogs()) {
    model_ = new ScheduleModel(DecimalSeparator(), this);
    model_->SetPrecision(precision);
    proxy_ = new ScheduleSortProxy(this);
    proxy_->setSourceModel(model_);
    undo_ = new QUndoStack(this);
    editor_ = std::make_unique<ScheduleEditor>(*model_, *undo_);
    model_->SetEditHandler([this](const CellChange& change) { editor_->SetCell(change); });
    BuildLayout();
    ConnectModel();
    StartEmpty();
}

ScheduleWindow::~ScheduleWindow() {
    model_->SetEditHandler(nullptr);
}

void ScheduleWindow::ConnectModel() {
    connect(undo_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { RunGuarded([this] { CurrentChanged(); }); });
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                RunGuarded([&] { RowsChanged(first.row(), last.row()); });
            });
    connect(model_, &ScheduleModel::controlCharactersRemoved, this,
            [this](const CellText& cleaned) { Report(ControlCharacterWord(cleaned)); });
    const auto anyChange = [this] { RunGuarded([this] { CurrentChanged(); }); };
    connect(model_, &QAbstractItemModel::rowsInserted, this, anyChange);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, anyChange);
    connect(model_, &QAbstractItemModel::modelReset, this, anyChange);
}

int ScheduleWindow::SourceRow(int viewRow) const {
    return proxy_->mapToSource(proxy_->index(viewRow, 0)).row();
}

// --- The current row ---------------------------------------------------------

void ScheduleWindow::CurrentChanged() {
    ShowCurrentCell();
    ShowCurve();
    UpdateSummary();
}

void ScheduleWindow::RowsChanged(int first, int last) {
    const int current = proxy_->mapToSource(table->currentIndex()).row();
    if (current >= first && current <= last) {
        ShowCurrentCell();
        ShowCurve();
    }
    UpdateSummary();
}

void ScheduleWindow::ShowCurrentCell() {
    const QModelIndex current = proxy_->mapToSource(table->currentIndex());
    if (!current.isValid()) {
        if (cellMessageShown_) {
            statusBar()->clearMessage();
        }
        cellMessageShown_ = false;
        return;
    }
    const int row = current.row();
    const std::u16string mark = RowMark(model_->Row(row), static_cast<std::size_t>(row));
    const auto column = InputColumnAt(current.column());
    const std::u16string cellError = column ? model_->CellErrorMessage(row, *column) : u"";
    const bool showsError = !cellError.empty() || !model_->Result(row).Computed();
    if (!cellError.empty()) {
        statusBar()->showMessage(
            QStringLiteral("%1 %2：%3").arg(Q(mark), Q(ScheduleColumnName(*column)), Q(cellError)));
    } else if (showsError) {
        statusBar()->showMessage(
            QStringLiteral("%1 有错：%2").arg(Q(mark), Q(model_->Texts(row).errors)));
    } else if (!model_->Texts(row).socketWarning.empty()) {
        statusBar()->showMessage(
            QStringLiteral("%1 警告：%2").arg(Q(mark), Q(model_->Texts(row).socketWarning)));
    } else if (cellMessageShown_) {
        // A word from the last action stays until the next one.
        statusBar()->clearMessage();
    }
    cellMessageShown_ = showsError || !model_->Texts(row).socketWarning.empty();
}

void ScheduleWindow::ShowCurve() {
    const QModelIndex current = proxy_->mapToSource(table->currentIndex());
    if (!current.isValid()) {
        chart->ShowNothing(QStringLiteral("选择一行以显示其承载力曲线"));
        return;
    }
    const int row = current.row();
    const QString mark = Q(RowMark(model_->Row(row), static_cast<std::size_t>(row)));
    const RowResult& result = model_->Result(row);
    if (!result.Computed()) {
        chart->ShowNothing(QStringLiteral("%1 有错，无承载力曲线").arg(mark));
        return;
    }
    const auto load = [&](ScheduleColumn column) { return Q(model_->Cell(row, column)).trimmed(); };
    chart->ShowCurve(CapacityCurveOf(result, model_->Design(row)), mark,
                     {Q(model_->Texts(row).rc), load(ScheduleColumn::Nk), load(ScheduleColumn::N)});
}

void ScheduleWindow::UpdateSummary() {
    int bad = 0;
    int failing = 0;
    int shortSockets = 0;
    for (const RowResult& result : model_->Results()) {
        if (!result.Computed()) {
            ++bad;
        } else if (!result.Passes()) {
            ++failing;
        }
        shortSockets += result.socketCheck && !result.socketCheck->holds ? 1 : 0;
    }
    QString summary = QStringLiteral("共 %1 行 · 有错 %2 行 · 不满足 %3 行")
                          .arg(model_->RowCount())
                          .arg(bad)
                          .arg(failing);
    if (shortSockets > 0) {
        summary += QStringLiteral(" · 嵌岩不足 %1 行").arg(shortSockets);
    }
    lb_summary->setText(summary);
}

void ScheduleWindow::UpdateTitle() {
    setWindowTitle(path_.isEmpty()
                       ? QStringLiteral("桩表计算[*]")
                       : QStringLiteral("%1[*] - 桩表计算").arg(TitleText(DisplayName())));
}

void ScheduleWindow::Report(const QString& text) {
    statusBar()->showMessage(text);
    cellMessageShown_ = false;
}

// True when the schedule can take that many more rows; else says why.
bool ScheduleWindow::RoomFor(std::size_t addedRows) {
    if (addedRows <= static_cast<std::size_t>(kMaxRows - model_->RowCount())) {
        return true;
    }
    ShowMessage(MessageKind::Error,
                QStringLiteral("桩表计算窗口最多 %1 行，未添加。更大的桩表请用 rokal-cli 计算。")
                    .arg(kMaxRows),
                this);
    return false;
}

// --- Selection ---------------------------------------------------------------

std::vector<int> ScheduleWindow::SelectedSourceRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes()) {
        rows.insert(proxy_->mapToSource(index).row());
    }
    if (rows.empty() && table->currentIndex().isValid()) {
        rows.insert(proxy_->mapToSource(table->currentIndex()).row());
    }
    return {rows.begin(), rows.end()};
}

// The bounding rectangle of the selected cells in table rows and columns, or the
// current cell; a null rectangle when there is neither.
QRect ScheduleWindow::SelectedBlock() const {
    QRect block;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes()) {
        block |= QRect(index.column(), index.row(), 1, 1);
    }
    const QModelIndex current = table->currentIndex();
    if (block.isNull() && current.isValid()) {
        block = QRect(current.column(), current.row(), 1, 1);
    }
    return block;
}

// --- Editing -----------------------------------------------------------------

// The selected input and kept cells, by schedule row; result cells are left out.
std::vector<CellChange> ScheduleWindow::SelectedCells() const {
    std::vector<CellChange> cells;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes()) {
        if (auto cell = CellAt(index.column())) {
            cell->row = proxy_->mapToSource(index).row();
            cells.push_back(std::move(*cell));
        }
    }
    return cells;
}

void ScheduleWindow::ClearClick() {
    RunGuarded([this] {
        const int cleared = editor_->ClearCells(SelectedCells(), QStringLiteral("清除"));
        Report(QStringLiteral("已清空 %1 个单元格").arg(cleared));
    });
}

// In each selected column, the topmost selected cell's text goes into the other
// selected cells below it; a column with one cell selected takes the cell above.
void ScheduleWindow::FillDownClick() {
    RunGuarded([this] {
        std::map<int, std::set<int>> rowsOf;  // table column -> table rows
        for (const QModelIndex& index : table->selectionModel()->selectedIndexes()) {
            rowsOf[index.column()].insert(index.row());
        }
        const QModelIndex current = table->currentIndex();
        if (rowsOf.empty() && current.isValid()) {
            rowsOf[current.column()].insert(current.row());
        }
        std::vector<CellChange> cells;
        for (const auto& [column, rows] : rowsOf) {
            const auto cell = CellAt(column);
            const int source = rows.size() > 1 ? *rows.begin() : *rows.begin() - 1;
            if (!cell || source < 0) {
                continue;
            }
            const std::u16string text =
                model_->Cell({SourceRow(source), cell->column, {}, cell->kept});
            for (int row : rows) {
                if (row != source) {
                    cells.push_back({SourceRow(row), cell->column, text, cell->kept});
                }
            }
        }
        if (cells.empty()) {
            Report(
                QStringLiteral("没有可向下填充的单元格：请选中一列中的几行，或第一行以下的单元格"));
            return;
        }
        const int filled = editor_->SetCells(std::move(cells), QStringLiteral("向下填充"));
        Report(QStringLiteral("已向下填充 %1 个单元格").arg(filled));
    });
}

void ScheduleWindow::SelectRowsClick() {
    RunGuarded([this] { table->SelectWholeRows(); });
}

void ScheduleWindow::SelectColumnsClick() {
    RunGuarded([this] { table->SelectWholeColumns(); });
}

void ScheduleWindow::AddRowClick() {
    RunGuarded([this] {
        if (!RoomFor(1)) {
            return;
        }
        const QModelIndex current = proxy_->mapToSource(table->currentIndex());
        const int at = editor_->AddRows(current.isValid() ? current.row() : -1, 1);
        const QModelIndex added =
            proxy_->mapFromSource(model_->index(at, TableColumnOf(ScheduleColumn::D)));
        table->MoveTo(added);
        Report(QStringLiteral("已添加第 %1 行").arg(at + 1));
    });
}

void ScheduleWindow::DeleteRowsClick() {
    RunGuarded([this] {
        // Only rows the user sees selected, never a current cell left unselected.
        const std::vector<int> rows =
            table->selectionModel()->hasSelection() ? SelectedSourceRows() : std::vector<int>();
        if (rows.empty()) {
            Report(QStringLiteral("请先选中要删除的行"));
            return;
        }
        const int count = static_cast<int>(rows.size());
        if (count > 1 && !dialogs_.confirmDeleteRows(this, count)) {
            return;
        }
        editor_->DeleteRows(rows);
        table->MoveTo(table->currentIndex());
        Report(QStringLiteral("已删除 %1 行").arg(count));
    });
}

// Asks first, naming each field: once they are gone the row computes with what
// its columns hold, which may be a load cut short ("9" of "9,500").
void ScheduleWindow::DropSurplusClick() {
    RunGuarded([this] {
        const std::vector<int> rows = editor_->RowsWithSurplus(SelectedSourceRows());
        if (rows.empty()) {
            Report(QStringLiteral("选中的行没有多出的字段"));
            return;
        }
        QStringList lines;
        for (int row : rows) {
            QStringList fields;
            for (const std::u16string& field : model_->Row(row).surplus) {
                fields << QStringLiteral("“%1”").arg(QString::fromStdU16String(field));
            }
            lines << QStringLiteral("%1：%2").arg(
                QString::fromStdU16String(RowMark(model_->Row(row), static_cast<std::size_t>(row))),
                fields.join(QStringLiteral("、")));
        }
        if (!dialogs_.askDropSurplus(this, lines.join(QLatin1Char('\n')))) {
            return;
        }
        const int dropped = editor_->DropSurplus(rows);
        Report(QStringLiteral("已删去 %1 行多出的字段").arg(dropped));
    });
}

void ScheduleWindow::SortAscendingClick() {
    RunGuarded([this] { SortByCurrentColumn(Qt::AscendingOrder); });
}

void ScheduleWindow::SortDescendingClick() {
    RunGuarded([this] { SortByCurrentColumn(Qt::DescendingOrder); });
}

void ScheduleWindow::SortByCurrentColumn(Qt::SortOrder order) {
    const QModelIndex current = table->currentIndex();
    if (!current.isValid()) {
        Report(QStringLiteral("请先选中要按其排序的列中的单元格"));
        return;
    }
    table->sortByColumn(current.column(), order);
    table->scrollTo(table->currentIndex());
    const QString name = proxy_->headerData(current.column(), Qt::Horizontal)
                             .toString()
                             .replace(QLatin1Char('\n'), QString());
    Report(QStringLiteral("已按“%1”%2排列")
               .arg(name,
                    order == Qt::AscendingOrder ? QStringLiteral("升序") : QStringLiteral("降序")));
}

void ScheduleWindow::ScheduleOrderClick() {
    RunGuarded([this] { table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); });
}

// --- Design ------------------------------------------------------------------

void ScheduleWindow::PrecisionChange() {
    RunGuarded([this] {
        model_->SetPrecision(static_cast<PrecisionMode>(cbb_precision->currentIndex()));
    });
}

void ScheduleWindow::StepChange() {
    RunGuarded([this] {
        const auto step = ReadDepthStep(cbe_step->currentText().toStdU16String());
        if (!step) {
            SetTextColour(cbe_step, Qt::red);
            Report(QStringLiteral("深度取整步长有错：请写 d 的倍数如 0.1d，或毫米数如 100mm"));
            return;
        }
        SetTextColour(cbe_step, Qt::black);
        model_->SetStep(*step);
        ShowCurve();
    });
}

void ScheduleWindow::MinSocketChange() {
    RunGuarded([this] {
        const auto minimum = ReadMinSocket(cbe_minSocket->currentText().toStdU16String());
        if (!minimum) {
            SetTextColour(cbe_minSocket, Qt::red);
            Report(QStringLiteral("最小嵌岩深度有错：请写 d 的倍数与毫米数，如 0.4d,500mm"));
            return;
        }
        SetTextColour(cbe_minSocket, Qt::black);
        model_->SetMinSocket(*minimum);
        CurrentChanged();
    });
}

void ScheduleWindow::ShowProposalsToggle(bool shown) {
    RunGuarded([&] {
        for (int column = 0; column < kTableColumnCount; ++column) {
            if (IsProposalColumn(column)) {
                table->setColumnHidden(column, !shown);
            }
        }
    });
}

// The selected rows, or when none is selected the rows that fail a check or whose
// socket is below the minimum; which names them for the question.
std::vector<int> ScheduleWindow::RowsToTakeProposalsOf(QString& which) const {
    std::set<int> selected;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes()) {
        selected.insert(proxy_->mapToSource(index).row());
    }
    if (!selected.empty()) {
        which = QStringLiteral("选中的");
        return {selected.begin(), selected.end()};
    }
    which = QStringLiteral("验算不满足或嵌岩不足的");
    std::vector<int> rows;
    for (int row = 0; row < model_->RowCount(); ++row) {
        const RowResult& result = model_->Result(row);
        const bool shortSocket = result.socketCheck && !result.socketCheck->holds;
        if (result.Computed() && (!result.Passes() || shortSocket)) {
            rows.push_back(row);
        }
    }
    return rows;
}

void ScheduleWindow::TakeProposalsClick() {
    RunGuarded([this] {
        QString which;
        const std::vector<int> rows = RowsToTakeProposalsOf(which);
        const bool shorten = act_shortenPassing->isChecked();
        ProposedDepths proposed = editor_->ProposedDepthChanges(rows, shorten);
        const int count = static_cast<int>(proposed.changes.size());
        QString kept;
        if (proposed.shallowerKept > 0) {
            kept = QStringLiteral(
                       "另有 %1 行的建议深度比现有的浅，未改动"
                       "（勾选“也缩短已满足的桩”可一并缩短）。")
                       .arg(proposed.shallowerKept);
        }
        if (count == 0) {
            Report(QStringLiteral("没有需要改动的嵌岩深度") +
                   (kept.isEmpty() ? QString() : QStringLiteral("；") + kept));
            return;
        }
        const QString question = QStringLiteral("将把%1 %2 行的嵌岩深度改为建议深度（可撤销）。%3")
                                     .arg(which)
                                     .arg(count)
                                     .arg(kept);
        if (!dialogs_.confirm ||
            !dialogs_.confirm(this, question, QStringLiteral("改为建议深度"))) {
            Report(QStringLiteral("未改动嵌岩深度"));
            return;
        }
        editor_->TakeProposedDepths(std::move(proposed.changes));
        Report(QStringLiteral("已把 %1 行的嵌岩深度改为建议深度").arg(count));
    });
}

// Appends the computed rows under their own marks, after asking when the book
// already holds some of them.
void ScheduleWindow::AppendToBookClick() {
    RunGuarded([this] {
        const int rows = model_->RowCount();
        if (rows == 0) {
            ShowMessage(MessageKind::Information,
                        QStringLiteral("桩表是空的，没有可加入计算书的桩"), this);
            return;
        }
        if (!book_.append) {
            ShowMessage(MessageKind::Error, QStringLiteral("主窗口已关闭，无法加入计算书"), this);
            return;
        }
        std::vector<BookPile> piles =
            ScheduleBookPiles(model_->GetSchedule(), model_->Results(), model_->Precision(),
                              model_->DecimalSeparator());
        const ReportLog* book = book_.book ? book_.book() : nullptr;
        const std::size_t already = book != nullptr ? PilesAlreadyInBook(*book, piles) : 0;
        if (already > 0) {
            const QString question =
                QStringLiteral(
                    "计算书中已有这份桩表的 %1 根桩（桩号、输入和荷载都相同）。"
                    "再加入一次，这些桩会在计算书中重复出现。仍要加入吗？")
                    .arg(already);
            if (!dialogs_.confirm ||
                !dialogs_.confirm(this, question, QStringLiteral("仍然加入"))) {
                Report(QStringLiteral("未加入计算书"));
                return;
            }
        }
        const BookPileTally tally = TallyBookPiles(piles);
        const int appended = static_cast<int>(piles.size());
        book_.append(std::move(piles));
        const int skipped = rows - appended;
        QString text = QStringLiteral("已加入计算书 %1 根桩").arg(appended);
        if (tally.failing > 0) {
            text += QStringLiteral("，其中 %1 根验算不满足").arg(tally.failing);
        }
        if (tally.shortSockets > 0) {
            text += QStringLiteral("，%1 根嵌岩深度小于最小嵌岩深度").arg(tally.shortSockets);
        }
        if (skipped > 0) {
            text += QStringLiteral("；%1 行有错，未加入").arg(skipped);
        }
        Report(text);
        ShowMessage(MessageKind::Information, text + QStringLiteral("。"), this);
    });
}

}  // namespace rokal
