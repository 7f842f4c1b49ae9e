#include "schedule/ScheduleFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "report/CodePage.h"
#include "schedule/CsvReader.h"
#include "schedule/DecimalText.h"
#include "schedule/HeaderUnits.h"
#include "schedule/RegularFile.h"
#include "schedule/RowReading.h"

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

std::u16string LowerKey(std::u16string_view text) {
    return SplitHeader(text).key;
}

std::optional<ScheduleColumn> ColumnOfKey(const std::u16string& key) {
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        const auto column = static_cast<ScheduleColumn>(i);
        if (key == LowerKey(ScheduleColumnName(column)) ||
            key == LowerKey(ScheduleColumnKey(column))) {
            return column;
        }
    }
    return std::nullopt;
}

// Where each field of a record goes: a schedule column or an extra column; and the
// power of ten each schedule column's cells are converted by.
struct ColumnMap {
    std::array<std::optional<std::size_t>, kScheduleColumnCount> fieldOf;
    std::array<int, kScheduleColumnCount> powerOfTen{};
    std::vector<std::size_t> extraFields;
    std::size_t headerFields = 0;
};

std::u16string ColumnLabel(ScheduleColumn column) {
    const std::u16string& name = ScheduleColumnName(column);
    const std::u16string& key = ScheduleColumnKey(column);
    return name == key ? name : name + u" (" + key + u")";
}

// The unit a numeric column's header gives, noted in the map and the schedule.
void TakeUnit(const HeaderName& name, ScheduleColumn column, const CsvRecord& header,
              std::size_t field, ColumnMap& map, Schedule& schedule) {
    if (!name.unit || !ColumnHasUnit(column)) {
        return;
    }
    const std::optional<int> power = UnitPowerOfTen(column, *name.unit);
    if (!power) {
        Fail(Place(header.line, field) + "“" + Utf8(header.fields[field]) + "”的单位“" +
             Utf8(*name.unit) + "”不可用：" + Utf8(ColumnLabel(column)) + " 的单位应为 " +
             Utf8(AcceptedUnits(column)));
    }
    map.powerOfTen[static_cast<std::size_t>(column)] = *power;
    if (*power != 0) {
        schedule.convertedColumns.push_back({column, *name.unit, ProgramUnit(column)});
    }
}

ColumnMap MapHeader(const CsvRecord& header, Schedule& schedule) {
    ColumnMap map;
    map.headerFields = header.fields.size();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const HeaderName name = SplitHeader(header.fields[i]);
        const std::optional<ScheduleColumn> column = ColumnOfKey(name.key);
        if (!column) {
            map.extraFields.push_back(i);
            schedule.extraColumns.push_back(header.fields[i]);
            continue;
        }
        auto& slot = map.fieldOf[static_cast<std::size_t>(*column)];
        if (slot) {
            Fail("桩表的列重复：" + Utf8(ColumnLabel(*column)));
        }
        slot = i;
        TakeUnit(name, *column, header, i, map, schedule);
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

bool IsBlankRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::u16string& field) { return IsBlankCell(field); });
}

std::u16string FieldOrEmpty(std::vector<std::u16string>& fields, std::size_t index) {
    return index < fields.size() ? std::move(fields[index]) : std::u16string();
}

// A cell of a column the header gives another unit, in the program's unit. Blank
// cells, hr as a multiple of d and cells that are not numbers stay as written.
void ConvertCell(std::u16string& cell, ScheduleColumn column, int power, char16_t separator) {
    if (power == 0 || (column == ScheduleColumn::Hr && cell.find(u'd') != std::u16string::npos)) {
        return;
    }
    if (std::optional<std::u16string> converted = ShiftDecimalPoint(cell, power, separator)) {
        cell = std::move(*converted);
    }
}

ScheduleRow MakeRow(CsvRecord& record, const ColumnMap& map, char16_t separator) {
    ScheduleRow row;
    row.line = record.line;
    for (std::size_t c = 0; c < map.fieldOf.size(); ++c) {
        if (map.fieldOf[c]) {
            row.cells[c] = FieldOrEmpty(record.fields, *map.fieldOf[c]);
            ConvertCell(row.cells[c], static_cast<ScheduleColumn>(c), map.powerOfTen[c], separator);
        }
    }
    row.extra.reserve(map.extraFields.size());
    for (std::size_t field : map.extraFields) {
        row.extra.push_back(FieldOrEmpty(record.fields, field));
    }
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
    if (line.size() < 4 || LowerKey(line.substr(0, 4)) != u"sep=") {
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
            map = MapHeader(*record, schedule);
        } else {
            schedule.rows.push_back(MakeRow(*record, *map, separator));
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
    const std::string start = "无法读取桩表文件 " + path.u8string() + "：";
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

Schedule ReadScheduleFile(const fs::path& path, const ScheduleReading& reading) {
    const auto namingPath = [&path](auto read) {
        try {
            return read();
        } catch (const ScheduleFileError& error) {
            Fail(path.u8string() + "：" + error.what());
        }
    };
    std::u16string text;
    {
        const std::string bytes = ReadFileBytes(path, reading.maxFileBytes);
        text = namingPath([&] { return DecodeScheduleText(bytes); });
    }
    return namingPath([&] { return ParseScheduleText(text, reading.decimalSeparator); });
}

}  // namespace rokal
