#include "schedule/ScheduleWorkbook.h"

#include <algorithm>
#include <array>
#include <optional>

#include "report/CodePage.h"
#include "schedule/HeaderMap.h"
#include "schedule/XlsxNumbers.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsxWorkbook.h"

namespace rokal {

namespace {

const char kHeaderRule[] =
    "表头行应在前 100 个有内容的行中，至少含三个列名（桩号、桩径、嵌岩深度、岩石强度、"
    "混凝土、工艺、Nk、N）";

[[noreturn]] void Fail(const std::string& message) {
    throw ScheduleFileError(message);
}

std::u16string CellText(const SheetCell& cell, char16_t separator) {
    return cell.kind == CellKind::Number ? WorkbookNumberText(cell.number, separator)
                                         : Utf8ToUtf16(cell.text);
}

// Why a schedule cannot read a cell, or nothing for a number or a text.
std::optional<std::u16string> UnreadableMessage(const SheetCell& cell) {
    const std::u16string text = Utf8ToUtf16(cell.text);
    switch (cell.kind) {
        case CellKind::Boolean:
            return u"单元格是逻辑值 " + text;
        case CellKind::Date:
            return u"单元格是日期 " + text;
        case CellKind::Error:
            return u"单元格是错误值 " + text;
        case CellKind::NoCachedValue:
            return std::u16string(u"公式没有保存的计算结果，请在电子表格中重新计算后保存");
        case CellKind::Text:
        case CellKind::Number:
            break;
    }
    return std::nullopt;
}

bool IsHeaderRow(const SheetRow& row) {
    int names = 0;
    for (const SheetCell& cell : row.cells) {
        if (cell.kind == CellKind::Text && ColumnOfHeader(Utf8ToUtf16(cell.text))) {
            ++names;
        }
    }
    return names >= kMinHeaderNames;
}

// Only spaces, tabs and ideographic spaces (U+3000), as IsBlankCell has it.
bool IsBlankUtf8(std::string_view text) {
    static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
        } else if (text.substr(i, kIdeographicSpace.size()) == kIdeographicSpace) {
            i += kIdeographicSpace.size();
        } else {
            return false;
        }
    }
    return true;
}

bool IsBlankRow(const SheetRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(), [](const SheetCell& cell) {
        return cell.kind == CellKind::Text && IsBlankUtf8(cell.text);
    });
}

std::array<int, kScheduleColumnCount> MissingColumns() {
    std::array<int, kScheduleColumnCount> columns{};
    columns.fill(-1);
    return columns;
}

// What a sheet column holds in the schedule.
struct Slot {
    std::optional<ScheduleColumn> column;  // a schedule column, or
    std::size_t extra = 0;                 // the index of an extra column
};

// Turns a sheet's rows into a schedule as they are read.
class SheetSchedule {
  public:
    SheetSchedule(std::u16string sheet, char16_t separator) : separator_(separator) {
        schedule_.sheet = std::move(sheet);
    }

    // Takes a row; false once the header search has failed, which ends the reading.
    bool Add(SheetRow& row) {
        if (headerLine_ == 0) {
            if (IsHeaderRow(row)) {
                MapColumns(row);
                return true;
            }
            return ++rowsSearched_ < kHeaderSearchRows;
        }
        if (!IsBlankRow(row)) {
            schedule_.rows.push_back(MakeRow(row));
        }
        return true;
    }

    bool HasHeader() const { return headerLine_ != 0; }

    // Room for the rows the sheet says it has, within reason: a damaged sheet's
    // claim costs no more than this.
    void Reserve(const CellRange& dimension) {
        constexpr int kMaxReservedRows = 200000;
        schedule_.rows.reserve(
            static_cast<std::size_t>(std::min(dimension.last.row, kMaxReservedRows)));
    }

    // The schedule, with the cells inside merged ranges marked and the extra
    // columns that have neither a name nor a value left out.
    Schedule Finish(const std::vector<CellRange>& merges) {
        MarkMerged(merges);
        DropEmptyExtraColumns();
        return std::move(schedule_);
    }

  private:
    void MapColumns(SheetRow& row) {
        headerLine_ = row.number;
        std::vector<std::u16string> header(static_cast<std::size_t>(row.cells.back().column) + 1);
        for (const SheetCell& cell : row.cells) {
            header[static_cast<std::size_t>(cell.column)] = CellText(cell, separator_);
        }
        ColumnMap map;
        try {
            const int line = row.number;
            map = MapHeader(header, schedule_, [line](std::size_t field) {
                return CellReferenceText({line, static_cast<int>(field)}) + " ";
            });
        } catch (const ScheduleFileError& error) {
            Fail("工作表 " + Utf16ToUtf8(schedule_.sheet) + "：" + error.what());
        }
        slots_.resize(header.size());
        powerOfTen_ = map.powerOfTen;
        for (std::size_t i = 0; i < map.fieldOf.size(); ++i) {
            if (map.fieldOf[i]) {
                const auto column = static_cast<ScheduleColumn>(i);
                slots_[*map.fieldOf[i]].column = column;
                sheetColumnOf_[i] = static_cast<int>(*map.fieldOf[i]);
                schedule_.sheetColumns[i] = Utf8ToUtf16(ColumnLetters(sheetColumnOf_[i]));
            }
        }
        for (std::size_t i = 0; i < map.extraFields.size(); ++i) {
            slots_[map.extraFields[i]].extra = i;
            extraSheetColumns_.push_back(static_cast<int>(map.extraFields[i]));
        }
    }

    // The slot of a sheet column, a new extra column without a name for one
    // beyond the header.
    const Slot& SlotOf(int column) {
        const auto index = static_cast<std::size_t>(column);
        if (index >= slots_.size()) {
            slots_.resize(index + 1, Slot{std::nullopt, kNoExtra});
        }
        Slot& slot = slots_[index];
        if (!slot.column && slot.extra == kNoExtra) {
            slot.extra = schedule_.extraColumns.size();
            schedule_.extraColumns.emplace_back();
            extraSheetColumns_.push_back(column);
        }
        return slot;
    }

    ScheduleRow MakeRow(SheetRow& sheetRow) {
        ScheduleRow row;
        row.line = sheetRow.number;
        for (SheetCell& cell : sheetRow.cells) {
            const Slot& slot = SlotOf(cell.column);
            std::u16string text = CellText(cell, separator_);
            if (!slot.column) {
                if (row.extra.size() <= slot.extra) {
                    row.extra.resize(slot.extra + 1);
                }
                row.extra[slot.extra] = std::move(text);
                continue;
            }
            if (std::optional<std::u16string> message = UnreadableMessage(cell)) {
                row.unreadable.push_back({*slot.column, text, std::move(*message)});
            } else {
                ConvertCell(text, *slot.column, powerOfTen_[static_cast<std::size_t>(*slot.column)],
                            separator_);
            }
            row.Cell(*slot.column) = std::move(text);
        }
        row.extra.resize(schedule_.extraColumns.size());
        return row;
    }

    // Marks the cells of the schedule's columns that lie inside a merged range
    // but are not its first cell. Each column is swept once over the rows, so
    // that many large ranges cost no more than sorting them.
    void MarkMerged(const std::vector<CellRange>& merges) {
        struct Span {
            int first;
            int last;
            std::size_t range;
        };
        for (std::size_t c = 0; c < sheetColumnOf_.size(); ++c) {
            const int column = sheetColumnOf_[c];
            std::vector<Span> spans;
            for (std::size_t i = 0; i < merges.size(); ++i) {
                const CellRange& range = merges[i];
                if (column >= range.first.column && column <= range.last.column) {
                    const int first = range.first.row + (column == range.first.column ? 1 : 0);
                    if (first <= range.last.row) {
                        spans.push_back({first, range.last.row, i});
                    }
                }
            }
            std::sort(spans.begin(), spans.end(),
                      [](const Span& a, const Span& b) { return a.first < b.first; });
            const Span* widest = nullptr;  // of the spans begun, the one reaching furthest
            std::size_t next = 0;
            for (ScheduleRow& row : schedule_.rows) {
                for (; next < spans.size() && spans[next].first <= row.line; ++next) {
                    if (widest == nullptr || spans[next].last > widest->last) {
                        widest = &spans[next];
                    }
                }
                if (widest != nullptr && widest->last >= row.line) {
                    const auto scheduleColumn = static_cast<ScheduleColumn>(c);
                    row.unreadable.push_back({scheduleColumn, row.Cell(scheduleColumn),
                                              MergedMessage(merges[widest->range])});
                }
            }
        }
    }

    static std::u16string MergedMessage(const CellRange& range) {
        const std::string first = CellReferenceText(range.first);
        return u"单元格在合并区域 " + Utf8ToUtf16(first + ":" + CellReferenceText(range.last)) +
               u" 中，只有 " + Utf8ToUtf16(first) + u" 有值";
    }

    void DropEmptyExtraColumns() {
        std::vector<bool> keep(schedule_.extraColumns.size());
        for (std::size_t i = 0; i < keep.size(); ++i) {
            keep[i] = !schedule_.extraColumns[i].empty();
        }
        for (const ScheduleRow& row : schedule_.rows) {
            for (std::size_t i = 0; i < row.extra.size(); ++i) {
                keep[i] = keep[i] || !row.extra[i].empty();
            }
        }
        if (std::all_of(keep.begin(), keep.end(), [](bool k) { return k; }) &&
            std::is_sorted(extraSheetColumns_.begin(), extraSheetColumns_.end())) {
            for (ScheduleRow& row : schedule_.rows) {
                row.extra.resize(keep.size());
            }
            return;
        }
        // The kept columns in sheet order.
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < keep.size(); ++i) {
            if (keep[i]) {
                order.push_back(i);
            }
        }
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return SheetColumnOfExtra(a) < SheetColumnOfExtra(b);
        });
        schedule_.extraColumns = Pick(schedule_.extraColumns, order);
        for (ScheduleRow& row : schedule_.rows) {
            row.extra = Pick(row.extra, order);
        }
    }

    int SheetColumnOfExtra(std::size_t extra) const { return extraSheetColumns_.at(extra); }

    static std::vector<std::u16string> Pick(std::vector<std::u16string>& from,
                                            const std::vector<std::size_t>& order) {
        std::vector<std::u16string> picked;
        picked.reserve(order.size());
        for (std::size_t i : order) {
            picked.push_back(i < from.size() ? std::move(from[i]) : std::u16string());
        }
        return picked;
    }

    static constexpr std::size_t kNoExtra = static_cast<std::size_t>(-1);

    Schedule schedule_;
    char16_t separator_;
    int headerLine_ = 0;
    int rowsSearched_ = 0;
    std::vector<Slot> slots_;
    // The power of ten each schedule column's cells are converted by, from its header's unit.
    std::array<int, kScheduleColumnCount> powerOfTen_{};
    // The sheet column of each schedule column, -1 where the sheet has none.
    std::array<int, kScheduleColumnCount> sheetColumnOf_ = MissingColumns();
    std::vector<int> extraSheetColumns_;
};

// Reads one sheet: its schedule, or nullopt when it holds no header row.
std::optional<Schedule> ReadSheet(XlsxWorkbook& workbook, std::size_t sheet,
                                  const ScheduleReading& options) {
    SheetSchedule reader(Utf8ToUtf16(workbook.Sheets()[sheet].name), options.decimalSeparator);
    const std::vector<CellRange> merges = workbook.ReadRows(
        sheet, [&](SheetRow& row) { return reader.Add(row); },
        [&](const CellRange& dimension) { reader.Reserve(dimension); });
    if (!reader.HasHeader()) {
        return std::nullopt;
    }
    return reader.Finish(merges);
}

// Whether a sheet holds a header row, reading no further than that row.
bool HoldsHeader(XlsxWorkbook& workbook, std::size_t sheet) {
    int searched = 0;
    bool found = false;
    workbook.ReadRows(sheet, [&](SheetRow& row) {
        found = IsHeaderRow(row);
        return !found && ++searched < kHeaderSearchRows;
    });
    return found;
}

std::u16string SheetList(const XlsxWorkbook& workbook) {
    std::u16string list;
    for (const SheetEntry& entry : workbook.Sheets()) {
        list += (list.empty() ? u"" : u"、") + Utf8ToUtf16(entry.name);
    }
    return list;
}

Schedule ReadNamedSheet(XlsxWorkbook& workbook, const ScheduleReading& options) {
    const std::optional<std::size_t> sheet = workbook.FindSheet(Utf16ToUtf8(options.sheet));
    if (!sheet) {
        Fail("工作簿中没有名为“" + Utf16ToUtf8(options.sheet) + "”的工作表（有：" +
             Utf16ToUtf8(SheetList(workbook)) + "）");
    }
    std::optional<Schedule> schedule = ReadSheet(workbook, *sheet, options);
    if (!schedule) {
        Fail("工作表 " + Utf16ToUtf8(options.sheet) + " 中没有表头行：" + kHeaderRule);
    }
    return std::move(*schedule);
}

Schedule ReadFirstScheduleSheet(XlsxWorkbook& workbook, const ScheduleReading& options) {
    for (std::size_t i = 0; i < workbook.Sheets().size(); ++i) {
        if (workbook.Sheets()[i].hidden) {
            continue;
        }
        if (std::optional<Schedule> schedule = ReadSheet(workbook, i, options)) {
            return std::move(*schedule);
        }
    }
    Fail(std::string("工作簿中没有含表头行的工作表：") + kHeaderRule);
}

template <typename Read>
auto Guarded(Read read) {
    try {
        return read();
    } catch (const WorkbookError& error) {
        Fail(error.what());
    }
}

}  // namespace

std::vector<std::u16string> ScheduleSheetNames(std::string bytes) {
    return Guarded([&] {
        XlsxWorkbook workbook = XlsxWorkbook::FromBytes(std::move(bytes));
        std::vector<std::u16string> names;
        for (std::size_t i = 0; i < workbook.Sheets().size(); ++i) {
            if (!workbook.Sheets()[i].hidden && HoldsHeader(workbook, i)) {
                names.push_back(Utf8ToUtf16(workbook.Sheets()[i].name));
            }
        }
        return names;
    });
}

Schedule ParseScheduleWorkbook(std::string bytes, const ScheduleReading& options) {
    return Guarded([&] {
        XlsxWorkbook workbook = XlsxWorkbook::FromBytes(std::move(bytes));
        return options.sheet.empty() ? ReadFirstScheduleSheet(workbook, options)
                                     : ReadNamedSheet(workbook, options);
    });
}

}  // namespace rokal
