#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "schedule/Schedule.h"
#include "schedule/ScheduleFileError.h"
#include "schedule/TextDecoding.h"

namespace rokal {

// How a schedule is read.
struct ScheduleReading {
    // The decimal separator numbers are written with, "." or ",": the cells of a
    // column whose header gives a unit, such as "嵌岩深度(m)", are read with it to
    // be converted.
    char16_t decimalSeparator = u'.';
    // Larger files are refused before they are read.
    std::uintmax_t maxFileBytes = 256u * 1024u * 1024u;
    // A workbook's sheet to read; empty: the first visible sheet holding a header row.
    std::u16string sheet = {};
};

// Reads a schedule from the bytes of a CSV file (any of the encodings
// DecodeScheduleText takes): a header row naming the columns in any order, in
// Chinese or English (桩号/mark, 桩径/d, 嵌岩深度/hr, frk/岩石强度, 混凝土/grade,
// 工艺/process, Nk, N; case and spaces ignored), then one pile a record.
//
// A numeric column's header may give its unit in brackets, ( ), （ ） or [ ]:
// "桩径(m)", "Nk（MN）". A unit other than the program's (mm, MPa, kN) converts
// the column's cells as they are read, exactly as decimal text ("1.2" m is "1200"
// mm; "1.5d" has no unit and stays); a cell that is not a number stays as written.
// A unit the column does not take is an error. A text column's bracket is ignored.
//
// The delimiter is the one a first line "sep=;" (as a spreadsheet writes it: comma,
// semicolon or tab) names, else the one the header line uses; fields are quoted as
// RFC 4180 has it. Blank records are skipped and missing trailing fields read as
// empty. Fields beyond the header's are dropped when blank, and otherwise kept as
// the row's surplus, which makes the row one that cannot be computed. Cells are
// not checked here. Throws ScheduleFileError.
Schedule ParseSchedule(std::string_view bytes, const ScheduleReading& reading = {});

// True when the bytes are a workbook's (a zip archive, or a compound document such
// as an encrypted workbook or an old .xls file) rather than text.
bool IsWorkbookBytes(std::string_view bytes);

// The bytes of a regular file. Throws ScheduleFileError naming the path, for a
// folder, a pipe or a device too, and for a file larger than reading.maxFileBytes
// (Reason::TooLarge).
std::string ReadScheduleBytes(const std::filesystem::path& path,
                              const ScheduleReading& reading = {});

// A schedule from a file's bytes: ParseScheduleWorkbook (ScheduleWorkbook.h) for a
// workbook, ParseSchedule for text. Throws ScheduleFileError.
Schedule ParseScheduleBytes(std::string bytes, const ScheduleReading& reading);

// ParseScheduleBytes on the bytes of a regular file, as ReadScheduleBytes reads
// them. Throws ScheduleFileError naming the path.
Schedule ReadScheduleFile(const std::filesystem::path& path, const ScheduleReading& reading = {});

}  // namespace rokal
