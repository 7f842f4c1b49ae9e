#include "print/BookPagination.h"

#include <algorithm>

namespace rokal {

namespace {

// Lines that are kept together: [first, first + count).
struct Unit {
    std::size_t first;
    std::size_t count;
};

const std::u16string& ClosingRule() {
    static const std::u16string rule(50, u'=');
    return rule;
}

// Each block up to and including its closing rule; what follows the last rule
// (the time line) joins the last block.
std::vector<Unit> TextUnits(const Lines& lines) {
    std::vector<Unit> units;
    std::size_t start = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == ClosingRule()) {
            units.push_back({start, i + 1 - start});
            start = i + 1;
        }
    }
    if (start < lines.size()) {
        if (units.empty()) {
            units.push_back({start, 0});
        }
        units.back().count = lines.size() - units.back().first;
    }
    return units;
}

std::size_t TableHeaderCount(const Lines& lines) {
    return std::min(TableHeaderLines().size(), lines.size());
}

// One row per unit; the footer joins the last row.
std::vector<Unit> TableUnits(const Lines& lines, std::size_t header) {
    const std::size_t footer = TableFooterLines(u"").size();
    const std::size_t rowsEnd =
        lines.size() >= header + footer + 1 ? lines.size() - footer : header;
    std::vector<Unit> units;
    for (std::size_t i = header; i < rowsEnd; ++i) {
        units.push_back({i, 1});
    }
    if (rowsEnd < lines.size()) {
        if (units.empty()) {
            units.push_back({rowsEnd, 0});
        }
        units.back().count = lines.size() - units.back().first;
    }
    return units;
}

// Fills pages of capacity body lines with whole units; a unit longer than a page
// starts on a page of its own and runs on over the next ones.
PagePlan Pack(const std::vector<Unit>& units, std::size_t header, std::size_t capacity) {
    PagePlan pages;
    PageLines page{header, units.empty() ? header : units.front().first, 0};
    const auto flush = [&](std::size_t next) {
        pages.push_back(page);
        page = PageLines{header, next, 0};
    };
    for (const Unit& unit : units) {
        if (page.count > 0 && page.count + unit.count > capacity) {
            flush(unit.first);
        }
        std::size_t left = unit.count;
        while (page.count + left > capacity) {
            const std::size_t taken = capacity - page.count;
            page.count += taken;
            left -= taken;
            flush(page.first + page.count);
        }
        page.count += left;
    }
    if (page.count > 0 || pages.empty()) {
        pages.push_back(page);
    }
    return pages;
}

}  // namespace

std::size_t TallestBlock(const Lines& lines, ReportDocument form) {
    if (form != ReportDocument::Text) {
        return 0;
    }
    std::size_t tallest = 0;
    for (const Unit& unit : TextUnits(lines)) {
        tallest = std::max(tallest, unit.count);
    }
    return tallest;
}

PagePlan PaginateBook(const Lines& lines, ReportDocument form, std::size_t linesPerPage) {
    const std::size_t perPage = std::max<std::size_t>(linesPerPage, 1);
    if (form == ReportDocument::Text) {
        return Pack(TextUnits(lines), 0, perPage);
    }
    const std::size_t header = TableHeaderCount(lines);
    // The header takes its lines on every page; at least one body line remains.
    const std::size_t capacity = perPage > header ? perPage - header : 1;
    return Pack(TableUnits(lines, header), header, capacity);
}

}  // namespace rokal
