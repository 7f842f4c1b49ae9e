#include "schedule/HeaderMap.h"

#include "report/CodePage.h"
#include "schedule/DecimalText.h"
#include "schedule/HeaderUnits.h"
#include "schedule/ScheduleFileError.h"

namespace rokal {

namespace {

[[noreturn]] void Fail(const std::string& message) {
    throw ScheduleFileError(message);
}

std::string Utf8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// A header as compared, without spaces and with ASCII letters in lower case, and
// the unit in brackets after it ("桩径(mm)", "Nk [kN]", "N（kN）"), if any.
struct HeaderName {
    std::u16string key;
    std::optional<std::u16string> unit;
};

HeaderName SplitHeader(std::u16string_view header) {
    static constexpr std::array<std::pair<char16_t, char16_t>, 3> kBrackets = {
        {{u'(', u')'}, {u'（', u'）'}, {u'[', u']'}}};
    std::u16string compact;
    for (char16_t c : header) {
        if (c != u' ' && c != u'\t' && c != u'\u3000') {
            compact += c;
        }
    }
    HeaderName name;
    for (const auto& [open, close] : kBrackets) {
        const std::size_t at = compact.find(open);
        if (at != std::u16string::npos && at > 0 && compact.back() == close) {
            name.unit = compact.substr(at + 1, compact.size() - at - 2);
            compact.erase(at);
            break;
        }
    }
    for (char16_t& c : compact) {
        c = AsciiLower(c);
    }
    name.key = std::move(compact);
    return name;
}

std::optional<ScheduleColumn> ColumnOfKey(const std::u16string& key) {
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        const auto column = static_cast<ScheduleColumn>(i);
        if (key == SplitHeader(ScheduleColumnName(column)).key ||
            key == SplitHeader(ScheduleColumnKey(column)).key) {
            return column;
        }
    }
    return std::nullopt;
}

std::u16string ColumnLabel(ScheduleColumn column) {
    const std::u16string& name = ScheduleColumnName(column);
    const std::u16string& key = ScheduleColumnKey(column);
    return name == key ? name : name + u" (" + key + u")";
}

// The unit a numeric column's header gives, noted in the map and the schedule.
void TakeUnit(const HeaderName& name, ScheduleColumn column, const std::u16string& header,
              const std::string& place, ColumnMap& map, Schedule& schedule) {
    if (!name.unit || !ColumnHasUnit(column)) {
        return;
    }
    const std::optional<int> power = UnitPowerOfTen(column, *name.unit);
    if (!power) {
        Fail(place + "“" + Utf8(header) + "”的单位“" + Utf8(*name.unit) + "”不可用：" +
             Utf8(ColumnLabel(column)) + " 的单位应为 " + Utf8(AcceptedUnits(column)));
    }
    map.powerOfTen[static_cast<std::size_t>(column)] = *power;
    if (*power != 0) {
        schedule.convertedColumns.push_back({column, *name.unit, ProgramUnit(column)});
    }
}

}  // namespace

std::optional<ScheduleColumn> ColumnOfHeader(std::u16string_view header) {
    return ColumnOfKey(SplitHeader(header).key);
}

ColumnMap MapHeader(const std::vector<std::u16string>& header, Schedule& schedule,
                    const std::function<std::string(std::size_t field)>& placeOf,
                    RequiredColumns required) {
    ColumnMap map;
    map.headerFields = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const HeaderName name = SplitHeader(header[i]);
        const std::optional<ScheduleColumn> column = ColumnOfKey(name.key);
        if (!column) {
            map.extraFields.push_back(i);
            schedule.extraColumns.push_back(header[i]);
            continue;
        }
        auto& slot = map.fieldOf[static_cast<std::size_t>(*column)];
        if (slot) {
            Fail("桩表的列重复：" + Utf8(ColumnLabel(*column)));
        }
        slot = i;
        TakeUnit(name, *column, header[i], placeOf(i), map, schedule);
    }
    if (required == RequiredColumns::NotChecked) {
        return map;
    }
    std::u16string missing;
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        const auto column = static_cast<ScheduleColumn>(i);
        if (IsRequiredColumn(column) && !map.fieldOf[static_cast<std::size_t>(i)]) {
            missing += (missing.empty() ? u"" : u"、") + ColumnLabel(column);
        }
    }
    if (!missing.empty()) {
        Fail("桩表缺少列：" + Utf8(missing));
    }
    return map;
}

void ConvertCell(std::u16string& cell, ScheduleColumn column, int powerOfTen, char16_t separator) {
    if (powerOfTen == 0 ||
        (column == ScheduleColumn::Hr && cell.find(u'd') != std::u16string::npos)) {
        return;
    }
    if (std::optional<std::u16string> converted = ShiftDecimalPoint(cell, powerOfTen, separator)) {
        cell = std::move(*converted);
    }
}

ScheduleRow MakeRow(std::vector<std::u16string>& fields, const ColumnMap& map, int line,
                    char16_t separator) {
    const auto take = [&fields](std::size_t index) {
        return index < fields.size() ? std::move(fields[index]) : std::u16string();
    };
    ScheduleRow row;
    row.line = line;
    for (std::size_t c = 0; c < map.fieldOf.size(); ++c) {
        if (map.fieldOf[c]) {
            row.cells[c] = take(*map.fieldOf[c]);
            ConvertCell(row.cells[c], static_cast<ScheduleColumn>(c), map.powerOfTen[c], separator);
        }
    }
    row.extra.reserve(map.extraFields.size());
    for (std::size_t field : map.extraFields) {
        row.extra.push_back(take(field));
    }
    return row;
}

}  // namespace rokal
