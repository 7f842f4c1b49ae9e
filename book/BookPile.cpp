#include "book/BookPile.h"

namespace rokal::book {

std::vector<BookPile> SchedulePiles(const Schedule& schedule, const std::vector<RowResult>& results,
                                    const std::vector<RowDesign>& designs,
                                    const std::vector<std::size_t>& rows) {
    std::vector<BookPile> piles;
    const auto add = [&](std::size_t i) {
        const ScheduleRow& row = schedule.rows.at(i);
        piles.push_back({RowMark(row, i), results.at(i),
                         i < designs.size() ? designs[i] : RowDesign{}, row.line});
    };
    if (rows.empty()) {
        piles.reserve(schedule.rows.size());
        for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
            add(i);
        }
    } else {
        piles.reserve(rows.size());
        for (std::size_t i : rows) {
            add(i);
        }
    }
    return piles;
}

}  // namespace rokal::book
