#include "cli/TextTable.h"

#include <algorithm>

#include "report/DisplayWidth.h"

namespace rokal {
namespace {

const std::u16string kGap = u"  ";

std::u16string TrimRight(std::u16string text) {
    while (!text.empty() && text.back() == u' ') {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::u16string TerminalSafe(std::u16string text) {
    for (char16_t& c : text) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
            c = u'?';
        }
    }
    return text;
}

void TextTable::AddRow(std::vector<std::u16string> cells) {
    cells.resize(columns_.size());
    for (std::u16string& cell : cells) {
        cell = TerminalSafe(std::move(cell));
    }
    rows_.push_back({std::move(cells), false});
}

void TextTable::AddSpanRow(std::u16string first, std::u16string rest) {
    rows_.push_back({{TerminalSafe(std::move(first)), TerminalSafe(std::move(rest))}, true});
}

Lines TextTable::Render(int maxWidth) const {
    std::vector<int> widths;
    for (const Column& column : columns_) {
        widths.push_back(DisplayWidth(column.header));
    }
    for (const Row& row : rows_) {
        const std::size_t count = row.span ? 1 : row.cells.size();
        for (std::size_t i = 0; i < count; ++i) {
            widths[i] = std::max(widths[i], DisplayWidth(row.cells[i]));
        }
    }
    auto render = [&](const std::vector<std::u16string>& cells) {
        std::u16string line;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (i > 0) {
                line += kGap;
            }
            line += columns_[i].align == Align::Left ? PadRight(cells[i], u" ", widths[i])
                                                     : PadLeft(cells[i], u" ", widths[i]);
        }
        return TrimRight(std::move(line));
    };
    std::vector<std::u16string> headers;
    int total = 0;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        headers.push_back(columns_[i].header);
        total += widths[i] + (i > 0 ? static_cast<int>(kGap.size()) : 0);
    }
    Lines lines = {render(headers), std::u16string(static_cast<std::size_t>(total), u'-')};
    for (const Row& row : rows_) {
        if (row.span) {
            const std::u16string first = PadRight(row.cells[0], u" ", widths[0]) + kGap;
            lines.push_back(first + CutToWidth(row.cells[1], maxWidth - DisplayWidth(first),
                                               kTerminalEllipsis));
        } else {
            lines.push_back(render(row.cells));
        }
    }
    return lines;
}

}  // namespace rokal
