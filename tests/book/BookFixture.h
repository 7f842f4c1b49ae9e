#pragma once

#include <vector>

#include "book/BookPile.h"
#include "book/CalculationBook.h"
#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal::test {

// A small schedule with a passing, a failing and a bad row, a capped ζr, medium
// rock, every process, an empty mark, a pile without loads and one below the
// minimum socket depth. Lines are the file lines a reader would give.
inline Schedule BookSchedule() {
    const auto row = [](std::u16string mark, std::u16string d, std::u16string hr,
                        std::u16string frk, std::u16string grade, std::u16string process,
                        std::u16string nk, std::u16string n, int line) {
        ScheduleRow r;
        r.cells = {std::move(mark),  std::move(d),       std::move(hr), std::move(frk),
                   std::move(grade), std::move(process), std::move(nk), std::move(n)};
        r.line = line;
        return r;
    };
    Schedule schedule;
    schedule.rows = {
        row(u"ZH1", u"800", u"1.5d", u"12", u"C30", u"泥浆护壁", u"2500", u"3500", 2),
        row(u"ZH2", u"1000", u"2000", u"25", u"C30", u"泥浆护壁", u"6500", u"7000", 3),
        row(u"ZH3", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"9500", u"7500", 4),
        row(u"ZH4", u"1200", u"2d", u"35", u"C35", u"干作业", u"14000", u"12500", 5),
        row(u"ZH5", u"1200", u"1.2d", u"8", u"C30", u"后注浆", u"9800", u"", 6),
        row(u"ZH6", u"1400", u"3d", u"18", u"C30", u"水下", u"15000", u"16000", 7),
        row(u"ZH7", u"800", u"10d", u"40", u"C30", u"干作业", u"12000", u"4800", 8),
        row(u"", u"800", u"1.5d", u"12", u"C30", u"泥浆护壁", u"", u"", 9),
        row(u"ZH9", u"-5", u"1.5d", u"12", u"C30", u"泥浆护壁", u"100", u"", 10),
        row(u"ZH_{a}", u"900", u"300", u"6.5", u"C40", u"干作业", u"1000", u"2000", 11),
    };
    return schedule;
}

inline std::vector<book::BookPile> BookPiles(const Schedule& schedule) {
    std::vector<RowResult> results = ComputeSchedule(schedule, u'.');
    std::vector<RowDesign> designs;
    for (const RowResult& result : results) {
        designs.push_back(DesignRow(result, kDefaultDepthStep, u'.'));
    }
    return book::SchedulePiles(schedule, results, designs);
}

}  // namespace rokal::test
