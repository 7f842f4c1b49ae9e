#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/Schedule.h"

namespace rokal {

// The schedule column a header names, in Chinese or English (桩号/mark, 桩径/d,
// 嵌岩深度/hr, 岩石强度/frk, 混凝土/grade, 工艺/process, Nk, N), spaces, ASCII case
// and a trailing unit in brackets such as "(mm)" ignored; nullopt for any other
// header.
std::optional<ScheduleColumn> ColumnOfHeader(std::u16string_view header);

// Where each field of a record goes: a schedule column, or an extra column (in
// the order of Schedule::extraColumns).
struct ColumnMap {
    std::array<std::optional<std::size_t>, kScheduleColumnCount> fieldOf;
    std::vector<std::size_t> extraFields;
};

// Maps a header row's fields to columns, and adds the headers of the fields that
// are no schedule column to the schedule's extra columns. Throws
// ScheduleFileError for a column named twice or a required column missing.
ColumnMap MapHeader(const std::vector<std::u16string>& header, Schedule& schedule);

}  // namespace rokal
