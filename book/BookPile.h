#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal::book {

// One pile of the book: its mark, its inputs and results with any loads and
// checks (a pile that could not be computed holds its errors), and the proposals.
struct BookPile {
    std::u16string mark;
    RowResult result;
    RowDesign design;
    // The schedule file's line of the pile, for messages; 0 when it has none.
    int line = 0;
};

// The piles of a schedule, each under its own mark (RowMark). rows picks schedule
// rows by index, in the order given; empty takes every row.
std::vector<BookPile> SchedulePiles(const Schedule& schedule, const std::vector<RowResult>& results,
                                    const std::vector<RowDesign>& designs,
                                    const std::vector<std::size_t>& rows = {});

}  // namespace rokal::book
