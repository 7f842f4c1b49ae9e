#include "schedule/Schedule.h"

#include <algorithm>
#include <string>

#include "report/TableReport.h"
#include "schedule/RowReading.h"

namespace rokal {
namespace {

struct ColumnNames {
    const char16_t* chinese;
    const char16_t* english;
    bool required;
};

// Indexed by ScheduleColumn.
const std::array<ColumnNames, kScheduleColumnCount> kColumns = {{
    {u"桩号", u"mark", false},
    {u"桩径", u"d", true},
    {u"嵌岩深度", u"hr", true},
    {u"岩石强度", u"frk", true},
    {u"混凝土", u"grade", true},
    {u"工艺", u"process", true},
    {u"Nk", u"Nk", false},
    {u"N", u"N", false},
}};

template <typename Pick>
std::array<std::u16string, kScheduleColumnCount> Texts(Pick pick) {
    std::array<std::u16string, kScheduleColumnCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = pick(kColumns[i]);
    }
    return texts;
}

std::u16string LineText(const ScheduleRow& row) {
    std::u16string number;
    for (char c : std::to_string(row.line)) {
        number += static_cast<char16_t>(c);
    }
    return number;
}

// A sheet name as a formula writes it: in apostrophes unless it holds letters,
// digits, underscores and characters beyond ASCII alone.
std::u16string QuotedSheetName(const std::u16string& name) {
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char16_t c) {
        return c > 0x7F || c == u'_' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ||
               (c >= u'a' && c <= u'z');
    });
    if (plain) {
        return name;
    }
    std::u16string quoted = u"'";
    for (char16_t c : name) {
        quoted += c == u'\'' ? u"''" : std::u16string(1, c);
    }
    return quoted + u"'";
}

}  // namespace

std::u16string CellPlace(const Schedule& schedule, const ScheduleRow& row, ScheduleColumn column) {
    const std::u16string& letters = schedule.sheetColumns[static_cast<std::size_t>(column)];
    if (schedule.sheet.empty() || letters.empty()) {
        return RowPlace(schedule, row);
    }
    return QuotedSheetName(schedule.sheet) + u"!" + letters + LineText(row);
}

std::u16string RowPlace(const Schedule& schedule, const ScheduleRow& row) {
    const std::u16string line = u"第" + LineText(row) + u"行";
    return schedule.sheet.empty() ? line : QuotedSheetName(schedule.sheet) + u" " + line;
}

const std::u16string& ScheduleColumnName(ScheduleColumn column) {
    static const auto names = Texts([](const ColumnNames& c) { return c.chinese; });
    return names.at(static_cast<std::size_t>(column));
}

const std::u16string& ScheduleColumnKey(ScheduleColumn column) {
    static const auto keys = Texts([](const ColumnNames& c) { return c.english; });
    return keys.at(static_cast<std::size_t>(column));
}

bool IsRequiredColumn(ScheduleColumn column) {
    return kColumns.at(static_cast<std::size_t>(column)).required;
}

std::u16string RowMark(const ScheduleRow& row, std::size_t index) {
    const std::u16string& mark = row.Cell(ScheduleColumn::Mark);
    if (!IsBlankCell(mark)) {
        return mark;
    }
    return PileNumberText(static_cast<int>(index + 1));
}

}  // namespace rokal
