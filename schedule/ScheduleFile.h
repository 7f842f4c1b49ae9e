#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "schedule/Schedule.h"

namespace rokal {

// A schedule file that cannot be used at all: missing, a folder, not text, no
// header, a required column missing, a quote never closed. what() is a Chinese
// message in UTF-8 that names the file or the column.
class ScheduleFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class TextEncoding { Utf8, Utf8WithBom, Utf16WithBom, Gbk };

// The bytes of a text file as UTF-16: UTF-8 with or without a byte-order mark, or
// UTF-16 with one (a spreadsheet's "Unicode text"); bytes that are not valid UTF-8
// are read as GBK. found, when given, tells which.
std::u16string DecodeScheduleText(std::string_view bytes, TextEncoding* found = nullptr);

// Reads a schedule from the bytes of a CSV file (any of the encodings above): a
// header row naming the columns in any order, in Chinese or English
// (桩号/mark, 桩径/d, 嵌岩深度/hr, frk/岩石强度, 混凝土/grade, 工艺/process, Nk, N;
// case and a trailing unit such as "(mm)" ignored), then one pile a record.
// The delimiter (comma, semicolon or tab) is the one the header line uses; fields
// are quoted as RFC 4180 has it. Blank records are skipped, missing trailing
// fields read as empty, surplus ones are dropped. Cells are not checked here.
// Throws ScheduleFileError.
Schedule ParseSchedule(std::string_view bytes);

// How a schedule file is read beyond what its bytes say.
struct ScheduleReadOptions {
    // A workbook's sheet to read; empty: the first visible sheet holding a header row.
    std::u16string sheet;
    // A workbook's numbers become cell texts with this separator (d and frk with
    // ".", as they are always read).
    char16_t decimalSeparator = u'.';
};

// The bytes of a schedule file. Files above 256 MB are refused. Throws
// ScheduleFileError naming the path.
std::string ReadScheduleBytes(const std::filesystem::path& path);

// True when the bytes are a workbook's (a zip archive, or a compound document such
// as an encrypted workbook or an old .xls file) rather than text.
bool IsWorkbookBytes(std::string_view bytes);

// A schedule from a file's bytes: ParseScheduleWorkbook (ScheduleWorkbook.h) for a
// workbook, ParseSchedule for text. Throws ScheduleFileError.
Schedule ParseScheduleBytes(std::string bytes, const ScheduleReadOptions& options);

// ParseScheduleBytes on a file's bytes. Throws ScheduleFileError naming the path.
Schedule ReadScheduleFile(const std::filesystem::path& path,
                          const ScheduleReadOptions& options = {});

}  // namespace rokal
