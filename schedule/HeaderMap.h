#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/Schedule.h"

namespace rokal {

// How a header row is read, for a schedule file and for a block of cells pasted
// with its header alike.

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

// Whether a header must name every required column: a file's must, a pasted
// block's fills only the columns it names.
enum class RequiredColumns { Checked, NotChecked };

// Maps a header row's fields to columns, and adds the headers of the fields that
// are no schedule column to the schedule's extra columns. Throws
// ScheduleFileError for a column named twice or, when checked, a required column
// missing.
ColumnMap MapHeader(const std::vector<std::u16string>& header, Schedule& schedule,
                    RequiredColumns required = RequiredColumns::Checked);

// A record's fields as a schedule row under the header's map: a missing trailing
// field reads as empty, one beyond the header's is dropped. The fields are moved
// from.
ScheduleRow MakeRow(std::vector<std::u16string>& fields, const ColumnMap& map, int line);

}  // namespace rokal
