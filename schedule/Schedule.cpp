#include "schedule/Schedule.h"

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

}  // namespace

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
