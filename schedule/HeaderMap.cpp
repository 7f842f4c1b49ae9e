#include "schedule/HeaderMap.h"

#include "report/CodePage.h"
#include "schedule/ScheduleFile.h"

namespace rokal {
namespace {

[[noreturn]] void Fail(std::u16string_view message) {
    throw ScheduleFileError(Utf16ToUtf8(message));
}

// A header as compared: without spaces around it and without a trailing unit in
// brackets ("桩径(mm)", "Nk [kN]"), ASCII letters in lower case.
std::u16string HeaderKey(std::u16string_view header) {
    static constexpr std::array<std::pair<char16_t, char16_t>, 3> kBrackets = {
        {{u'(', u')'}, {u'（', u'）'}, {u'[', u']'}}};
    std::u16string key;
    for (char16_t c : header) {
        if (c != u' ' && c != u'\t' && c != u'\u3000') {
            key += c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        }
    }
    for (const auto& [open, close] : kBrackets) {
        const std::size_t at = key.find(open);
        if (at != std::u16string::npos && at > 0 && key.back() == close) {
            key.erase(at);
        }
    }
    return key;
}

std::u16string ColumnLabel(ScheduleColumn column) {
    const std::u16string& name = ScheduleColumnName(column);
    const std::u16string& key = ScheduleColumnKey(column);
    return name == key ? name : name + u" (" + key + u")";
}

std::u16string FieldOrEmpty(std::vector<std::u16string>& fields, std::size_t index) {
    return index < fields.size() ? std::move(fields[index]) : std::u16string();
}

}  // namespace

std::optional<ScheduleColumn> ColumnOfHeader(std::u16string_view header) {
    const std::u16string key = HeaderKey(header);
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        const auto column = static_cast<ScheduleColumn>(i);
        if (key == HeaderKey(ScheduleColumnName(column)) ||
            key == HeaderKey(ScheduleColumnKey(column))) {
            return column;
        }
    }
    return std::nullopt;
}

ColumnMap MapHeader(const std::vector<std::u16string>& header, Schedule& schedule,
                    RequiredColumns required) {
    ColumnMap map;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::optional<ScheduleColumn> column = ColumnOfHeader(header[i]);
        if (!column) {
            map.extraFields.push_back(i);
            schedule.extraColumns.push_back(header[i]);
            continue;
        }
        auto& slot = map.fieldOf[static_cast<std::size_t>(*column)];
        if (slot) {
            Fail(u"桩表的列重复：" + ColumnLabel(*column));
        }
        slot = i;
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
        Fail(u"桩表缺少列：" + missing);
    }
    return map;
}

ScheduleRow MakeRow(std::vector<std::u16string>& fields, const ColumnMap& map, int line) {
    ScheduleRow row;
    row.line = line;
    for (std::size_t c = 0; c < map.fieldOf.size(); ++c) {
        if (map.fieldOf[c]) {
            row.cells[c] = FieldOrEmpty(fields, *map.fieldOf[c]);
        }
    }
    row.extra.reserve(map.extraFields.size());
    for (std::size_t field : map.extraFields) {
        row.extra.push_back(FieldOrEmpty(fields, field));
    }
    return row;
}

}  // namespace rokal
