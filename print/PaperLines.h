#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "print/PrintBook.h"

namespace rokal {

// The text each line of a book has on paper of a given printable width (points),
// so that one long cell never makes the whole book small:
// - a line that fits the width at the body's usual size is printed as saved;
// - one that does not is printed in its printed form when it has one (its long d,
//   hr or time cut to its column with "…", PrintBook::printedLines);
// - a line still too wide at the smallest size is cut at the edge with "…".
class PaperLines {
  public:
    PaperLines(const PrintBook& book, double width);

    std::size_t size() const { return book_.lines.size(); }
    const std::u16string& operator[](std::size_t i) const;
    // Cells of the widest line on paper.
    int WidestCells() const { return widest_; }

  private:
    const PrintBook& book_;
    std::map<std::size_t, std::u16string> changed_;
    int widest_ = 0;
};

// The footer's time line on a page whose footer holds cellsAcross cells of its
// text and numberText at its right: "计算时间：" and the time, the time cut with
// "…" where it would come closer than two cells to numberText; empty when not
// even "…" has room.
std::u16string FooterTimeLine(const std::u16string& timeText, int cellsAcross,
                              const std::u16string& numberText);

}  // namespace rokal
