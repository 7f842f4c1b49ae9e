#include "schedule/CellBlock.h"

#include "schedule/CsvReader.h"
#include "schedule/ScheduleCsv.h"

namespace rokal {
namespace {

constexpr char16_t kTab = u'\t';

// Splits at line breaks and tabs only, for text whose quotes do not pair up.
CellBlock ReadUnquoted(std::u16string_view text) {
    CellBlock block;
    std::vector<std::u16string> row{{}};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            block.push_back(std::move(row));
            row.assign(1, {});
        } else if (c == kTab) {
            row.emplace_back();
        } else {
            row.back() += c;
        }
    }
    if (row.size() > 1 || !row.front().empty()) {
        block.push_back(std::move(row));
    }
    return block;
}

}  // namespace

CellBlock ReadCellBlock(std::u16string_view text) {
    CsvReader reader(text, kTab);
    CellBlock block;
    while (auto record = reader.Next()) {
        block.push_back(std::move(record->fields));
    }
    if (reader.UnclosedQuoteLine() != 0) {
        return ReadUnquoted(text);
    }
    return block;
}

std::u16string WriteCellBlock(const CellBlock& block) {
    std::u16string text;
    for (const auto& row : block) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += kTab;
            }
            text += CsvField(row[i], kTab);
        }
        text += u"\r\n";
    }
    return text;
}

}  // namespace rokal
