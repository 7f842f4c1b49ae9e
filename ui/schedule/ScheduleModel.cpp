#include "ui/schedule/ScheduleModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <iterator>
#include <set>

#include "schedule/RowReading.h"
#include "ui/schedule/ScheduleColumns.h"

namespace rokal {
namespace {

const QColor kBadCellBackground(0xFF, 0xD6, 0xD6);
const QColor kBadCellText(0xB0, 0x00, 0x00);
const QColor kResultBackground(0xF2, 0xF5, 0xF9);
const QColor kHolds(0x00, 0x80, 0x00);
const QColor kFails(0xD0, 0x00, 0x00);
const QColor kAutoMark(0x80, 0x80, 0x80);
// Kept texts this long show whole as their tooltip.
constexpr std::size_t kKeptToolTipFrom = 12;
const QColor kWarning(0xB0, 0x60, 0x00);
const QColor kWarningBackground(0xFF, 0xEB, 0xC2);
// After the Ra>=Nk verdict of a row whose socket is below the minimum.
const QString kWarningSign = QStringLiteral("⚠");

QString Q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QVariant Alignment(int column) {
    Qt::Alignment align = Qt::AlignCenter;
    if (KeptColumnAt(column)) {
        align = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (IsNumericColumn(column)) {
        align = Qt::AlignRight | Qt::AlignVCenter;
    }
    return QVariant::fromValue(align);
}

QVariant Number(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant();
}

QVariant Verdict(const std::optional<LoadCheck>& check) {
    if (!check) {
        return {};
    }
    return QBrush(check->holds ? kHolds : kFails);
}

QVariant MarginColour(const std::optional<LoadCheck>& check) {
    if (!check || !check->marginPercent || *check->marginPercent >= 0) {
        return {};
    }
    return QBrush(kFails);
}

template <typename T>
void EraseRange(std::vector<T>& items, int at, int count) {
    items.erase(items.begin() + at, items.begin() + at + count);
}

}  // namespace

ScheduleModel::ScheduleModel(char16_t decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), separator_(decimalSeparator) {}

void ScheduleModel::SetSchedule(Schedule schedule) {
    beginResetModel();
    schedule_ = std::move(schedule);
    for (ScheduleRow& row : schedule_.rows) {
        FitKeptCells(row);
    }
    results_ = ComputeSchedule(schedule_, separator_, minSocket_);
    designs_.assign(schedule_.rows.size(), std::nullopt);
    texts_.assign(schedule_.rows.size(), std::nullopt);
    endResetModel();
}

const ScheduleRow& ScheduleModel::Row(int row) const {
    return schedule_.rows.at(static_cast<std::size_t>(row));
}

const std::u16string& ScheduleModel::Cell(int row, ScheduleColumn column) const {
    return Row(row).Cell(column);
}

const std::u16string& ScheduleModel::Cell(const CellChange& at) const {
    if (at.kept < 0) {
        return Cell(at.row, at.column);
    }
    return Row(at.row).extra.at(static_cast<std::size_t>(at.kept));
}

// One kept cell for each kept column.
void ScheduleModel::FitKeptCells(ScheduleRow& row) const {
    row.extra.resize(schedule_.extraColumns.size());
}

const RowResult& ScheduleModel::Result(int row) const {
    return results_.at(static_cast<std::size_t>(row));
}

const RowDesign& ScheduleModel::Design(int row) const {
    auto& design = designs_.at(static_cast<std::size_t>(row));
    if (!design) {
        const RowResult& result = Result(row);
        design = result.Computed() ? DesignRow(result, step_, separator_, minSocket_) : RowDesign{};
    }
    return *design;
}

std::vector<RowDesign> ScheduleModel::Designs() const {
    std::vector<RowDesign> designs;
    designs.reserve(results_.size());
    for (int row = 0; row < RowCount(); ++row) {
        designs.push_back(Design(row));
    }
    return designs;
}

const RowResultTexts& ScheduleModel::Texts(int row) const {
    auto& texts = texts_.at(static_cast<std::size_t>(row));
    if (!texts) {
        texts = FormatRowResult(Result(row), Design(row), precision_, separator_);
    }
    return *texts;
}

std::u16string ScheduleModel::CellErrorMessage(int row, ScheduleColumn column) const {
    for (const CellError& error : Result(row).errors) {
        if (error.column == column) {
            return error.message;
        }
    }
    return {};
}

std::u16string ScheduleModel::RowErrorMessage(int row) const {
    for (const CellError& error : Result(row).errors) {
        if (!error.column) {
            return error.message;
        }
    }
    return {};
}

void ScheduleModel::SetPrecision(PrecisionMode mode) {
    if (mode == precision_) {
        return;
    }
    precision_ = mode;
    ForgetTexts();
}

void ScheduleModel::SetStep(DepthStep step) {
    if (step == step_) {
        return;
    }
    step_ = step;
    designs_.assign(designs_.size(), std::nullopt);
    ForgetTexts();
}

void ScheduleModel::SetMinSocket(MinSocket minimum) {
    if (minimum == minSocket_) {
        return;
    }
    minSocket_ = minimum;
    for (RowResult& result : results_) {
        if (result.pile) {
            result.socketCheck = CheckSocket(*result.pile, minSocket_);
        }
    }
    designs_.assign(designs_.size(), std::nullopt);
    texts_.assign(texts_.size(), std::nullopt);
    if (RowCount() > 0) {
        emit dataChanged(index(0, 0), index(RowCount() - 1, kTableColumnCount - 1));
    }
}

bool ScheduleModel::SocketShort(int row) const {
    const auto& check = Result(row).socketCheck;
    return check && !check->holds;
}

void ScheduleModel::ForgetTexts() {
    texts_.assign(texts_.size(), std::nullopt);
    if (RowCount() > 0) {
        emit dataChanged(index(0, kScheduleColumnCount),
                         index(RowCount() - 1, kTableColumnCount - 1));
    }
}

void ScheduleModel::Recompute(int row) {
    const auto at = static_cast<std::size_t>(row);
    results_.at(at) = ComputeRow(schedule_.rows.at(at), separator_, minSocket_);
    designs_.at(at).reset();
    texts_.at(at).reset();
}

void ScheduleModel::RowsChanged(int first, int last) {
    emit dataChanged(index(first, 0), index(last, kTableColumnCount - 1));
}

void ScheduleModel::MarksFrom(int row) {
    if (row < RowCount()) {
        emit dataChanged(index(row, 0), index(RowCount() - 1, 0));
    }
}

void ScheduleModel::SetCells(const std::vector<CellChange>& changes) {
    std::set<int> rows;
    std::set<int> computed;
    for (const CellChange& change : changes) {
        ScheduleRow& row = schedule_.rows.at(static_cast<std::size_t>(change.row));
        if (change.kept < 0) {
            row.Cell(change.column) = change.text;
            computed.insert(change.row);
        } else {
            row.extra.at(static_cast<std::size_t>(change.kept)) = change.text;
        }
        rows.insert(change.row);
    }
    for (int row : computed) {
        Recompute(row);
    }
    if (rows.size() == 1) {
        RowsChanged(*rows.begin(), *rows.begin());
    } else if (!rows.empty()) {
        RowsChanged(*rows.begin(), *rows.rbegin());
    }
}

void ScheduleModel::SetSurplus(int row, std::vector<std::u16string> surplus) {
    schedule_.rows.at(static_cast<std::size_t>(row)).surplus = std::move(surplus);
    Recompute(row);
    RowsChanged(row, row);
}

void ScheduleModel::InsertScheduleRows(int at, std::vector<ScheduleRow> rows) {
    if (rows.empty()) {
        return;
    }
    const int count = static_cast<int>(rows.size());
    std::vector<RowResult> results;
    results.reserve(rows.size());
    for (ScheduleRow& row : rows) {
        FitKeptCells(row);
        results.push_back(ComputeRow(row, separator_, minSocket_));
    }
    beginInsertRows({}, at, at + count - 1);
    schedule_.rows.insert(schedule_.rows.begin() + at, std::make_move_iterator(rows.begin()),
                          std::make_move_iterator(rows.end()));
    results_.insert(results_.begin() + at, std::make_move_iterator(results.begin()),
                    std::make_move_iterator(results.end()));
    designs_.insert(designs_.begin() + at, rows.size(), std::nullopt);
    texts_.insert(texts_.begin() + at, rows.size(), std::nullopt);
    endInsertRows();
    MarksFrom(at + count);
}

std::vector<ScheduleRow> ScheduleModel::RemoveScheduleRows(int at, int count) {
    if (count <= 0) {
        return {};
    }
    beginRemoveRows({}, at, at + count - 1);
    const auto first = schedule_.rows.begin() + at;
    std::vector<ScheduleRow> removed(std::make_move_iterator(first),
                                     std::make_move_iterator(first + count));
    EraseRange(schedule_.rows, at, count);
    EraseRange(results_, at, count);
    EraseRange(designs_, at, count);
    EraseRange(texts_, at, count);
    endRemoveRows();
    MarksFrom(at);
    return removed;
}

void ScheduleModel::AppendKeptColumns(const std::vector<std::u16string>& headers) {
    if (headers.empty()) {
        return;
    }
    const int first = TableColumnOfKept(KeptColumnCount());
    beginInsertColumns({}, first, first + static_cast<int>(headers.size()) - 1);
    schedule_.extraColumns.insert(schedule_.extraColumns.end(), headers.begin(), headers.end());
    for (ScheduleRow& row : schedule_.rows) {
        FitKeptCells(row);
    }
    endInsertColumns();
}

void ScheduleModel::RemoveLastKeptColumns(int count) {
    count = std::min(count, KeptColumnCount());
    if (count <= 0) {
        return;
    }
    const int kept = KeptColumnCount() - count;
    beginRemoveColumns({}, TableColumnOfKept(kept), TableColumnOfKept(kept + count - 1));
    schedule_.extraColumns.resize(static_cast<std::size_t>(kept));
    for (ScheduleRow& row : schedule_.rows) {
        FitKeptCells(row);
    }
    endRemoveColumns();
}

// --- The Qt model ------------------------------------------------------------

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableColumnCount + KeptColumnCount();
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return Alignment(index.column());
    }
    if (const auto input = InputColumnAt(index.column())) {
        return InputData(index.row(), *input, role);
    }
    if (const auto kept = KeptColumnAt(index.column())) {
        return KeptData(index.row(), *kept, role);
    }
    return ResultData(index.row(), *ResultColumnAt(index.column()), role);
}

QVariant ScheduleModel::KeptData(int row, int kept, int role) const {
    const std::u16string& text = Cell({row, ScheduleColumn::Mark, {}, kept});
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case kSortRole:
            return Q(text);
        case Qt::ToolTipRole:
            // The whole of a text too long for its column.
            return text.size() > kKeptToolTipFrom ? Q(text) : QVariant();
        default:
            return {};
    }
}

// The cell's own error, or else the error of its whole row.
std::u16string ScheduleModel::ShownError(int row, ScheduleColumn column) const {
    std::u16string message = CellErrorMessage(row, column);
    return message.empty() ? RowErrorMessage(row) : message;
}

QVariant ScheduleModel::InputData(int row, ScheduleColumn column, int role) const {
    const std::u16string& text = Cell(row, column);
    const bool autoMark = column == ScheduleColumn::Mark && IsBlankCell(text);
    // An hr below the minimum socket is a warning, not an error.
    const bool shortSocket = column == ScheduleColumn::Hr && SocketShort(row);
    switch (role) {
        case Qt::DisplayRole:
            return autoMark ? Q(RowMark(Row(row), static_cast<std::size_t>(row))) : Q(text);
        case Qt::EditRole:
            return Q(text);
        case Qt::ToolTipRole:
            return shortSocket ? Q(Texts(row).socketWarning) : Q(ShownError(row, column));
        case Qt::ForegroundRole:
            if (autoMark) {
                return QBrush(kAutoMark);
            }
            return ShownError(row, column).empty() ? QVariant() : QBrush(kBadCellText);
        case Qt::BackgroundRole:
            if (shortSocket) {
                return QBrush(kWarningBackground);
            }
            return ShownError(row, column).empty() ? QVariant() : QBrush(kBadCellBackground);
        case kSortRole:
            return InputSortKey(row, column);
        case kBadCellRole:
            return !ShownError(row, column).empty();
        default:
            return {};
    }
}

QVariant ScheduleModel::ResultData(int row, ResultColumn column, int role) const {
    // The Ra>=Nk check carries the socket warning: a sign after the verdict.
    const bool warned = column == ResultColumn::RaCheck && SocketShort(row);
    switch (role) {
        case Qt::DisplayRole: {
            const QString text = Q(ResultText(Texts(row), column));
            if (!warned) {
                return text;
            }
            return text.isEmpty() ? kWarningSign : text + QLatin1Char(' ') + kWarningSign;
        }
        case Qt::ToolTipRole:
            return warned ? Q(Texts(row).socketWarning) : Q(Texts(row).errors);
        case Qt::BackgroundRole:
            return QBrush(warned ? kWarningBackground : kResultBackground);
        case Qt::ForegroundRole:
            return ResultForeground(row, column);
        case kSortRole:
            return ResultSortKey(row, column);
        default:
            return {};
    }
}

QVariant ScheduleModel::ResultForeground(int row, ResultColumn column) const {
    const RowResult& result = Result(row);
    switch (column) {
        case ResultColumn::RaCheck:
            if (!result.raCheck && SocketShort(row)) {
                return QBrush(kWarning);
            }
            return Verdict(result.raCheck);
        case ResultColumn::RcCheck:
            return Verdict(result.rcCheck);
        case ResultColumn::RaMargin:
            return MarginColour(result.raCheck);
        case ResultColumn::RcMargin:
            return MarginColour(result.rcCheck);
        case ResultColumn::DepthProposal: {
            const auto& depth = Design(row).depth;
            const bool none = depth && depth->kind == DepthProposal::Kind::NoDepthSuffices;
            return none ? QBrush(kFails) : QVariant();
        }
        case ResultColumn::GradeProposal: {
            const auto& grade = Design(row).grade;
            const bool none = grade && grade->kind == GradeProposal::Kind::NoGradeSuffices;
            return none ? QBrush(kFails) : QVariant();
        }
        default:
            return {};
    }
}

QVariant ScheduleModel::InputSortKey(int row, ScheduleColumn column) const {
    const RowResult& result = Result(row);
    const std::u16string& text = Cell(row, column);
    switch (column) {
        case ScheduleColumn::Mark:
            return Q(RowMark(Row(row), static_cast<std::size_t>(row)));
        case ScheduleColumn::D:
            return result.pile ? QVariant(result.pile->d) : Q(text);
        case ScheduleColumn::Hr:
            return result.pile ? QVariant(result.pile->hr) : Q(text);
        case ScheduleColumn::Frk:
            return result.pile ? QVariant(result.pile->frk) : Q(text);
        case ScheduleColumn::Grade: {
            const auto grade = ReadConcreteGrade(text);
            return grade ? QVariant(static_cast<int>(*grade)) : Q(text);
        }
        case ScheduleColumn::Process: {
            const auto process = ReadConstructionProcess(text);
            return process ? QVariant(static_cast<int>(*process)) : Q(text);
        }
        case ScheduleColumn::Nk:
            return result.nk ? Number(result.nk) : Q(text);
        case ScheduleColumn::N:
            break;
    }
    return result.n ? Number(result.n) : Q(text);
}

QVariant ScheduleModel::ResultSortKey(int row, ResultColumn column) const {
    const RowResult& result = Result(row);
    if (!result.pile) {
        return {};
    }
    const PileResult& pile = *result.pile;
    switch (column) {
        case ResultColumn::RockClass:
            return static_cast<int>(pile.rockClass);
        case ResultColumn::ZetaR:
            return pile.zetaR;
        case ResultColumn::Ra:
            return pile.ra;
        case ResultColumn::Rc:
            return pile.rc;
        case ResultColumn::RaCheck:
            return result.raCheck ? QVariant(result.raCheck->holds ? 1 : 0) : QVariant();
        case ResultColumn::RaMargin:
            return result.raCheck ? Number(result.raCheck->marginPercent) : QVariant();
        case ResultColumn::RcCheck:
            return result.rcCheck ? QVariant(result.rcCheck->holds ? 1 : 0) : QVariant();
        case ResultColumn::RcMargin:
            return result.rcCheck ? Number(result.rcCheck->marginPercent) : QVariant();
        case ResultColumn::DepthProposal: {
            const auto& depth = Design(row).depth;
            return depth ? QVariant(depth->hrOverD) : QVariant();
        }
        case ResultColumn::GradeProposal:
            break;
    }
    const auto& grade = Design(row).grade;
    return grade ? QVariant(static_cast<int>(grade->grade)) : QVariant();
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (const auto kept = KeptColumnAt(section); kept && *kept < KeptColumnCount()) {
        switch (role) {
            case Qt::DisplayRole:
                return Q(schedule_.extraColumns.at(static_cast<std::size_t>(*kept)));
            case Qt::ToolTipRole:
                return QStringLiteral("文件中的其他列，按文字保存，不参与计算");
            default:
                return {};
        }
    }
    if (section < 0 || section >= kTableColumnCount) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return ColumnHeader(section);
        case Qt::ToolTipRole:
            return ColumnToolTip(section);
        default:
            return {};
    }
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags readable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return IsEditableColumn(index.column()) ? readable | Qt::ItemIsEditable : readable;
}

bool ScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !IsEditableColumn(index.column())) {
        return false;
    }
    CellText cleaned = CleanCellText(value.toString().toStdU16String());
    if (cleaned.removed > 0) {
        emit controlCharactersRemoved(cleaned);
    }
    CellChange change{index.row(), ScheduleColumn::Mark, std::move(cleaned.text)};
    if (const auto input = InputColumnAt(index.column())) {
        change.column = *input;
    } else {
        change.kept = *KeptColumnAt(index.column());
    }
    if (change.text == Cell(change)) {
        return true;
    }
    if (editHandler_) {
        editHandler_(change);
    } else {
        SetCells({change});
    }
    return true;
}

}  // namespace rokal
