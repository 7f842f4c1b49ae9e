#include "ui/schedule/SchedulePaste.h"

#include <algorithm>

#include "schedule/GroupedNumber.h"
#include "schedule/PastedBlock.h"
#include "schedule/RowReading.h"
#include "ui/schedule/ScheduleEditor.h"

namespace rokal {
namespace {

std::u16string Trimmed(const std::u16string& text) {
    const std::size_t first = text.find_first_not_of(u" \u3000");
    if (first == std::u16string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u" \u3000") - first + 1);
}

bool BlankThroughout(const CellBlock& rows, std::size_t field) {
    return std::all_of(rows.begin(), rows.end(), [field](const std::vector<std::u16string>& row) {
        return field >= row.size() || IsBlankCell(row[field]);
    });
}

// The kept columns a paste adds, and the names it gives those without a header.
class AddedColumns {
  public:
    explicit AddedColumns(const std::vector<std::u16string>& kept, PasteBlock& block)
        : kept_(kept), block_(block) {}

    // The kept cell of a new column with this header.
    CellChange Add(const std::u16string& header) {
        const int index = static_cast<int>(kept_.size() + block_.addedColumns.size());
        block_.addedColumns.push_back(IsBlankCell(header) ? FreeName() : header);
        return {0, ScheduleColumn::Mark, {}, index};
    }

  private:
    bool Taken(const std::u16string& name) const {
        const auto& added = block_.addedColumns;
        return std::find(kept_.begin(), kept_.end(), name) != kept_.end() ||
               std::find(added.begin(), added.end(), name) != added.end();
    }
    std::u16string FreeName() {
        std::u16string name;
        do {
            const std::string number = std::to_string(++last_);
            name = u"粘贴列" + std::u16string(number.begin(), number.end());
        } while (Taken(name));
        return name;
    }

    const std::vector<std::u16string>& kept_;
    PasteBlock& block_;
    int last_ = 0;
};

}  // namespace

PasteBlock PlaceByHeader(CellBlock block, const std::vector<std::u16string>& keptColumns,
                         char16_t decimalSeparator) {
    HeaderedBlock read = ReadHeaderedBlock(std::move(block), decimalSeparator);
    PasteBlock paste;
    paste.ungrouped = read.ungrouped;
    paste.byHeader = true;
    paste.rows.resize(read.schedule.rows.size());
    const auto take = [&](const auto& cellOf) {
        for (std::size_t i = 0; i < paste.rows.size(); ++i) {
            paste.rows[i].push_back(cellOf(read.schedule.rows[i]));
        }
    };
    for (int c = 0; c < kScheduleColumnCount; ++c) {
        if (read.map.fieldOf[static_cast<std::size_t>(c)]) {
            const auto column = static_cast<ScheduleColumn>(c);
            paste.targets.push_back(CellChange{0, column, {}});
            take([column](const ScheduleRow& row) { return row.Cell(column); });
        }
    }
    AddedColumns added(keptColumns, paste);
    std::vector<bool> matched(keptColumns.size());
    const std::vector<std::u16string>& headers = read.schedule.extraColumns;
    for (std::size_t k = 0; k < headers.size(); ++k) {
        const auto blank = [k](const ScheduleRow& row) { return IsBlankCell(row.extra[k]); };
        if (IsBlankCell(headers[k]) &&
            std::all_of(read.schedule.rows.begin(), read.schedule.rows.end(), blank)) {
            continue;
        }
        // The table's kept column of that name, each taken once.
        const std::u16string name = Trimmed(headers[k]);
        std::optional<CellChange> target;
        for (std::size_t kept = 0; kept < keptColumns.size() && !target; ++kept) {
            if (!matched[kept] && !name.empty() && Trimmed(keptColumns[kept]) == name) {
                matched[kept] = true;
                target = CellChange{0, ScheduleColumn::Mark, {}, static_cast<int>(kept)};
            }
        }
        paste.targets.push_back(target ? *target : added.Add(headers[k]));
        take([k](const ScheduleRow& row) { return row.extra[k]; });
    }
    return paste;
}

PasteBlock PlaceByPosition(CellBlock block, const std::vector<int>& columns,
                           const std::vector<std::u16string>& keptColumns,
                           char16_t decimalSeparator) {
    PasteBlock paste;
    std::size_t width = 0;
    for (const auto& row : block) {
        width = std::max(width, row.size());
    }
    AddedColumns added(keptColumns, paste);
    for (std::size_t j = 0; j < width; ++j) {
        if (j < columns.size()) {
            paste.targets.push_back(CellAt(columns[j]));
        } else if (BlankThroughout(block, j)) {
            paste.targets.emplace_back();
        } else {
            paste.targets.push_back(added.Add({}));
        }
    }
    for (auto& row : block) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            const std::optional<CellChange>& target = paste.targets[j];
            if (!target) {
                paste.leftOut += j < columns.size() ? 1 : 0;
            } else if (target->kept < 0 && ColumnHoldsNumbers(target->column) &&
                       UngroupCell(row[j], decimalSeparator)) {
                ++paste.ungrouped;
            }
        }
    }
    paste.rows = std::move(block);
    return paste;
}

}  // namespace rokal
