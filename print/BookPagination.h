#pragma once

#include <cstddef>
#include <vector>

#include "report/ReportLog.h"
#include "report/TableReport.h"

namespace rokal {

// The lines of one printed page, as indices into the book's lines: the book's
// first headerLines lines (the table's header, repeated), then the body lines
// [first, first + count).
struct PageLines {
    std::size_t headerLines = 0;
    std::size_t first = 0;
    std::size_t count = 0;

    bool operator==(const PageLines& other) const {
        return headerLines == other.headerLines && first == other.first && count == other.count;
    }
};

using PagePlan = std::vector<PageLines>;

// Which lines of one form of the book go on which page, for pages that hold
// linesPerPage lines (at least one is assumed). Lines that belong together are
// kept on one page whenever they fit on one:
// - text: each pile's block, which ends with the rule of 50 "="; the time line
//   after the last block stays with that block;
// - table: the header repeats at the top of every page, each row stands whole on
//   one page, and the footer stays with the last row.
// An empty book gives one empty page.
PagePlan PaginateBook(const Lines& lines, ReportDocument form, std::size_t linesPerPage);

// The lines of the text form's longest block, the time line after the last block
// included (a block with a check section is longer than a page at the usual
// size); 0 for the table form, whose units are single rows.
std::size_t TallestBlock(const Lines& lines, ReportDocument form);

}  // namespace rokal
