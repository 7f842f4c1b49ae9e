#include "print/PaperLines.h"

#include <algorithm>

#include "print/PageFrame.h"
#include "print/ReportColumns.h"

namespace rokal {

namespace {

// Cells kept free between the footer's time and its page number.
constexpr int kFooterGap = 2;
// Cells of "…", the least a cut line takes.
constexpr int kEllipsisCells = 2;

}  // namespace

PaperLines::PaperLines(const PrintBook& book, double width) : book_(book) {
    const int usual = CellsAcross(width, kUsualBodySize);
    const int smallest = std::max(kEllipsisCells, CellsAcross(width, kSmallestBodySize));
    for (std::size_t i = 0; i < book.lines.size(); ++i) {
        const std::u16string* line = &book.lines[i];
        int cells = CellsOfLine(*line);
        if (cells > usual) {
            const auto printed = book.printedLines.find(i);
            if (printed != book.printedLines.end()) {
                line = &printed->second;
                cells = CellsOfLine(*line);
            }
            if (cells > smallest) {
                changed_[i] = CutToCells(*line, smallest);
                cells = CellsOfLine(changed_[i]);
            } else if (line != &book.lines[i]) {
                changed_[i] = *line;
            }
        }
        widest_ = std::max(widest_, cells);
    }
}

const std::u16string& PaperLines::operator[](std::size_t i) const {
    const auto changed = changed_.find(i);
    return changed != changed_.end() ? changed->second : book_.lines[i];
}

std::u16string FooterTimeLine(const std::u16string& timeText, int cellsAcross,
                              const std::u16string& numberText) {
    const std::u16string label = TimeLine(u"");
    const int room = cellsAcross - CellsOfLine(numberText) - kFooterGap - CellsOfLine(label);
    const bool fits = CellsOfLine(timeText) <= room || room >= kEllipsisCells;
    return fits ? label + CutToCells(timeText, room) : std::u16string();
}

}  // namespace rokal
