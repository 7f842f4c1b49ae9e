#pragma once

#include <array>
#include <cstddef>
#include <functional>
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

// Where each field of a record goes: a schedule column or an extra column (in the
// order of Schedule::extraColumns); and the power of ten each schedule column's
// cells are converted by, from the unit its header gives.
struct ColumnMap {
    std::array<std::optional<std::size_t>, kScheduleColumnCount> fieldOf;
    std::array<int, kScheduleColumnCount> powerOfTen{};
    std::vector<std::size_t> extraFields;
    std::size_t headerFields = 0;
};

// Whether a header must name every required column: a file's must, a pasted
// block's fills only the columns it names.
enum class RequiredColumns { Checked, NotChecked };

// How a header row is read, for a schedule file and for a block of cells pasted
// with its header alike. Maps a header row's fields to columns, adds the headers
// of the fields that are no schedule column to the schedule's extra columns and
// the columns given in another unit to its converted columns. A numeric column's
// header may give its unit in brackets, ( ), （ ） or [ ]: "桩径(m)", "Nk（MN）"; a
// text column's bracket is ignored. Throws ScheduleFileError for a unit the column
// does not take (naming the field by placeOf, such as "第1行第3列" or "C1 "), a
// column named twice or, when checked, a required column missing.
ColumnMap MapHeader(const std::vector<std::u16string>& header, Schedule& schedule,
                    const std::function<std::string(std::size_t field)>& placeOf,
                    RequiredColumns required = RequiredColumns::Checked);

// A record's fields as a schedule row under the header's map, each cell converted
// from its header's unit (ConvertCell): a missing trailing field reads as empty;
// fields beyond the header's are left to the caller. The fields are moved from.
ScheduleRow MakeRow(std::vector<std::u16string>& fields, const ColumnMap& map, int line,
                    char16_t separator);

// A cell of a column whose header gives another unit, in the program's unit, exactly
// as decimal text ("1.2" m is "1200" mm). Blank cells, hr as a multiple of d and
// cells that are not numbers stay as written.
void ConvertCell(std::u16string& cell, ScheduleColumn column, int powerOfTen, char16_t separator);

}  // namespace rokal
