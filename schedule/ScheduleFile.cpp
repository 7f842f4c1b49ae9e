#include "schedule/ScheduleFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "report/CodePage.h"
#include "schedule/CsvReader.h"
#include "schedule/HeaderMap.h"
#include "schedule/RowReading.h"

namespace rokal {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxFileBytes = 256u * 1024u * 1024u;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

[[noreturn]] void Fail(const std::string& message) {
    throw ScheduleFileError(message);
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

std::u16string DecodeUtf16(std::string_view bytes, bool littleEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(littleEndian ? (b << 8) | a : (a << 8) | b);
    }
    return text;
}

bool IsBlankRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::u16string& field) { return IsBlankCell(field); });
}

std::string ReadWholeFile(const fs::path& path) {
    const std::string name = path.u8string();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        Fail("无法读取桩表文件 " + name + "：文件不存在");
    }
    if (fs::is_directory(status)) {
        Fail("无法读取桩表文件 " + name + "：这是一个文件夹");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Fail("无法读取桩表文件 " + name + "：无法打开");
    }
    std::string bytes;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxFileBytes) {
            Fail("无法读取桩表文件 " + name + "：文件超过256 MB");
        }
    }
    if (in.bad()) {
        Fail("无法读取桩表文件 " + name + "：读取出错");
    }
    return bytes;
}

// The decoded text of a schedule file.
Schedule ParseScheduleText(std::u16string_view text) {
    if (text.find(u'\0') != std::u16string::npos) {
        Fail("这不是文本文件");
    }
    CsvReader reader(text, FindCsvDelimiter(text));
    Schedule schedule;
    // A record a line is the common case; held once, never regrown.
    schedule.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n')));
    std::optional<ColumnMap> map;
    while (std::optional<CsvRecord> record = reader.Next()) {
        if (IsBlankRecord(*record)) {
            continue;
        }
        if (!map) {
            map = MapHeader(record->fields, schedule);
        } else {
            schedule.rows.push_back(MakeRow(record->fields, *map, record->line));
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

}  // namespace

std::u16string DecodeScheduleText(std::string_view bytes, TextEncoding* found) {
    TextEncoding encoding = TextEncoding::Gbk;
    std::u16string text;
    if (StartsWith(bytes, kUtf8Bom)) {
        encoding = TextEncoding::Utf8WithBom;
        text = Utf8ToUtf16(bytes.substr(kUtf8Bom.size()));
    } else if (StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom)) {
        encoding = TextEncoding::Utf16WithBom;
        text = DecodeUtf16(bytes.substr(2), StartsWith(bytes, kUtf16LeBom));
    } else if (IsValidUtf8(bytes)) {
        encoding = TextEncoding::Utf8;
        text = Utf8ToUtf16(bytes);
    } else {
        text = DecodeFromSystemCodePage(bytes);
    }
    if (found != nullptr) {
        *found = encoding;
    }
    return text;
}

Schedule ParseSchedule(std::string_view bytes) {
    return ParseScheduleText(DecodeScheduleText(bytes));
}

Schedule ReadScheduleFile(const fs::path& path) {
    std::u16string text;
    {
        const std::string bytes = ReadWholeFile(path);
        text = DecodeScheduleText(bytes);
    }
    try {
        return ParseScheduleText(text);
    } catch (const ScheduleFileError& error) {
        Fail(path.u8string() + "：" + error.what());
    }
}

}  // namespace rokal
