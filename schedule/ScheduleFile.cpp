#include "schedule/ScheduleFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "report/CodePage.h"
#include "report/ReportFile.h"
#include "schedule/CsvReader.h"
#include "schedule/HeaderMap.h"
#include "schedule/RegularFile.h"
#include "schedule/RowReading.h"
#include "schedule/ScheduleWorkbook.h"

namespace rokal {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& message) {
    throw ScheduleFileError(message);
}

std::string Utf8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

std::string Place(int line, std::size_t field) {
    return "第" + std::to_string(line) + "行第" + std::to_string(field + 1) + "列";
}

bool IsBlankRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::u16string& field) { return IsBlankCell(field); });
}

// A record as a row; fields beyond the header's that hold text are kept as the
// row's surplus.
ScheduleRow MakeFileRow(CsvRecord& record, const ColumnMap& map, char16_t separator) {
    ScheduleRow row = MakeRow(record.fields, map, record.line, separator);
    if (record.fields.size() > map.headerFields) {
        const auto first = record.fields.begin() + static_cast<std::ptrdiff_t>(map.headerFields);
        if (!std::all_of(first, record.fields.end(),
                         [](const std::u16string& field) { return IsBlankCell(field); })) {
            row.surplus.assign(std::make_move_iterator(first),
                               std::make_move_iterator(record.fields.end()));
            row.headerFields = static_cast<int>(map.headerFields);
        }
    }
    return row;
}

// The delimiter a first line such as "sep=;" names, as spreadsheets write it.
std::optional<char16_t> SeparatorLine(std::u16string_view text) {
    const std::u16string_view line = text.substr(0, text.find_first_of(u"\r\n"));
    std::u16string start(line.substr(0, 4));
    for (char16_t& c : start) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    if (start != u"sep=") {
        return std::nullopt;
    }
    const std::u16string_view named = line.substr(4);
    if (named == u"," || named == u";" || named == u"\t") {
        return named.front();
    }
    Fail("第1行“" + Utf8(line) + "”指定的分隔符不可用：应为逗号、分号或制表符");
}

// The records a reader has left that are not blank, the reader left as it was.
std::size_t CountRecords(CsvReader reader) {
    std::size_t count = 0;
    while (std::optional<CsvRecord> record = reader.Next()) {
        count += IsBlankRecord(*record) ? 0 : 1;
    }
    return count;
}

// The decoded text of a schedule file.
Schedule ParseScheduleText(std::u16string_view text, char16_t separator) {
    if (text.find(u'\0') != std::u16string::npos) {
        Fail("这不是文本文件");
    }
    const std::optional<char16_t> named = SeparatorLine(text);
    const char16_t delimiter = named ? *named : FindCsvDelimiter(text);
    CsvReader reader(text, delimiter);
    if (named) {
        reader.Next();
    }
    Schedule schedule;
    // Room for the rows the file holds, counted first (the header aside): held
    // once, never regrown, and nothing for blank lines.
    schedule.rows.reserve(std::max<std::size_t>(CountRecords(reader), 1) - 1);
    std::optional<ColumnMap> map;
    while (std::optional<CsvRecord> record = reader.Next()) {
        if (IsBlankRecord(*record)) {
            continue;
        }
        if (!map) {
            const int line = record->line;
            map = MapHeader(record->fields, schedule,
                            [line](std::size_t field) { return Place(line, field); });
        } else {
            schedule.rows.push_back(MakeFileRow(*record, *map, separator));
        }
    }
    if (reader.UnclosedQuoteLine() != 0) {
        Fail("第" + std::to_string(reader.UnclosedQuoteLine()) + "行的引号没有闭合");
    }
    if (!map) {
        Fail("桩表是空的：没有表头行");
    }
    return schedule;
}

std::string SizeText(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMegabyte = 1024u * 1024u;
    return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB"
                                  : std::to_string(bytes) + " 字节";
}

std::string ReadFileBytes(const fs::path& path, std::uintmax_t maxBytes) {
    FileBytes file = ReadRegularFile(path, maxBytes);
    const std::string start = "无法读取桩表文件 " + ShownPath(path) + "：";
    switch (file.problem) {
        case FileReadProblem::None:
            return std::move(file.bytes);
        case FileReadProblem::Missing:
            Fail(start + "文件不存在");
        case FileReadProblem::Folder:
            Fail(start + "这是一个文件夹");
        case FileReadProblem::NotRegularFile:
            Fail(start + "这不是普通文件（而是管道、设备或套接字）");
        case FileReadProblem::TooLarge:
            throw ScheduleFileError(start + "文件超过" + SizeText(maxBytes),
                                    ScheduleFileError::Reason::TooLarge);
        case FileReadProblem::Unreadable:
            break;
    }
    Fail(start + "无法打开");
}

}  // namespace

Schedule ParseSchedule(std::string_view bytes, const ScheduleReading& reading) {
    return ParseScheduleText(DecodeScheduleText(bytes), reading.decimalSeparator);
}

bool IsWorkbookBytes(std::string_view bytes) {
    constexpr std::array<std::string_view, 3> kStarts = {
        "PK\x03\x04",                        // a zip archive
        "PK\x05\x06",                        // an empty one
        "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1",  // a compound document
    };
    return std::any_of(kStarts.begin(), kStarts.end(), [bytes](std::string_view start) {
        return bytes.substr(0, start.size()) == start;
    });
}

std::string ReadScheduleBytes(const fs::path& path, const ScheduleReading& reading) {
    return ReadFileBytes(path, reading.maxFileBytes);
}

Schedule ParseScheduleBytes(std::string bytes, const ScheduleReading& reading) {
    if (IsWorkbookBytes(bytes)) {
        return ParseScheduleWorkbook(std::move(bytes), reading);
    }
    std::u16string text = DecodeScheduleText(bytes);
    std::string().swap(bytes);
    return ParseScheduleText(text, reading.decimalSeparator);
}

Schedule ReadScheduleFile(const fs::path& path, const ScheduleReading& reading) {
    std::string bytes = ReadFileBytes(path, reading.maxFileBytes);
    try {
        return ParseScheduleBytes(std::move(bytes), reading);
    } catch (const ScheduleFileError& error) {
        Fail(ShownPath(path) + "：" + error.what());
    }
}

}  // namespace rokal
