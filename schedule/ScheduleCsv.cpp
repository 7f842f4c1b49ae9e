#include "schedule/ScheduleCsv.h"

#include "report/CodePage.h"

namespace rokal {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::u16string_view kLineEnd = u"\r\n";

std::u16string Quoted(const std::u16string& text) {
    std::u16string quoted = u"\"";
    for (char16_t c : text) {
        quoted += c;
        if (c == u'"') {
            quoted += c;
        }
    }
    return quoted + u'"';
}

std::u16string RowField(const std::u16string& text) {
    return CsvField(text);
}

// The reader takes the delimiter from the header line: a name holding a tab or a
// semicolon is quoted too.
std::u16string HeaderField(const std::u16string& text) {
    return text.find_first_of(u"\t;") != std::u16string::npos ? Quoted(text) : CsvField(text);
}

void AppendRecord(std::u16string& out, const std::vector<const std::u16string*>& fields,
                  std::u16string (*field)(const std::u16string&)) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += u',';
        }
        out += field(*fields[i]);
    }
    out += kLineEnd;
}

}  // namespace

std::u16string CsvField(const std::u16string& text, char16_t delimiter) {
    const bool edgeSpace = !text.empty() && (text.front() == u' ' || text.back() == u' ');
    if (!edgeSpace &&
        text.find_first_of(std::u16string{delimiter, u'"', u'\r', u'\n'}) == std::u16string::npos) {
        return text;
    }
    return Quoted(text);
}

std::string ScheduleToCsv(const Schedule& schedule) {
    std::u16string text;
    std::vector<const std::u16string*> fields;
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        fields.push_back(&ScheduleColumnName(static_cast<ScheduleColumn>(i)));
    }
    for (const std::u16string& name : schedule.extraColumns) {
        fields.push_back(&name);
    }
    AppendRecord(text, fields, &HeaderField);
    static const std::u16string kEmpty;
    for (const ScheduleRow& row : schedule.rows) {
        fields.clear();
        for (const std::u16string& cell : row.cells) {
            fields.push_back(&cell);
        }
        for (std::size_t i = 0; i < schedule.extraColumns.size(); ++i) {
            fields.push_back(i < row.extra.size() ? &row.extra[i] : &kEmpty);
        }
        // Beyond the header, so that the row reads back with the same surplus.
        for (const std::u16string& field : row.surplus) {
            fields.push_back(&field);
        }
        AppendRecord(text, fields, &RowField);
    }
    return std::string(kUtf8Bom) + Utf16ToUtf8(text);
}

}  // namespace rokal
