#include "print/PaperLines.h"

#include <gtest/gtest.h>
#include <QRectF>

#include "print/PageFrame.h"
#include "print/ReportColumns.h"

namespace rokal {
namespace {

std::u16string Repeat(char16_t c, int count) {
    return std::u16string(static_cast<std::size_t>(count), c);
}

struct PaperCase {
    std::u16string line;
    std::u16string printed;  // empty: none
    std::u16string onPaper;
};

// Across A4 the body holds 141 cells at the usual size and 212 at the smallest.
TEST(PaperLinesTest, PrintsALineAsSavedUnlessItIsTooWide) {
    const double width =
        BookPageLayout(ReportDocument::Table).paintRect(QPageLayout::Point).width();
    ASSERT_EQ(CellsAcross(width, kUsualBodySize), 141);
    ASSERT_EQ(CellsAcross(width, kSmallestBodySize), 212);
    const PaperCase cases[] = {
        // Fits at the usual size: as saved, its printed form unused.
        {Repeat(u'a', 130), u"", Repeat(u'a', 130)},
        {Repeat(u'b', 141), u"b…", Repeat(u'b', 141)},
        // Too wide: its printed form.
        {Repeat(u'c', 142), u"c…", u"c…"},
        // Too wide, without a printed form: as saved while the smallest size holds it.
        {Repeat(u'd', 200), u"", Repeat(u'd', 200)},
        // Still too wide at the smallest size: cut at the edge.
        {Repeat(u'e', 300), Repeat(u'E', 250), Repeat(u'E', 210) + u"…"},
        {Repeat(u'f', 5000), u"", Repeat(u'f', 210) + u"…"},
        {Repeat(u'长', 150), u"", Repeat(u'长', 105) + u"…"},
    };
    PrintBook book;
    book.form = ReportDocument::Table;
    for (const PaperCase& c : cases) {
        if (!c.printed.empty()) {
            book.printedLines[book.lines.size()] = c.printed;
        }
        book.lines.push_back(c.line);
    }
    const PaperLines lines(book, width);
    ASSERT_EQ(lines.size(), book.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], cases[i].onPaper) << i;
    }
    EXPECT_EQ(lines.WidestCells(), 212);
}

TEST(PaperLinesTest, CutsTheFootersTimeShortOfThePageNumber) {
    const std::u16string number = u"第 1 页 共 1 页";  // 15 cells
    const struct {
        int across;
        std::u16string time;
        std::u16string line;
    } cases[] = {
        {60, u"2024/3/5 14:07:09", u"计算时间：2024/3/5 14:07:09"},
        // "计算时间：" 10 cells, the time 33, the gap 2, the number 15.
        {60, u"2024/3/5 14:07:09 " + Repeat(u'长', 7) + u"x",
         u"计算时间：2024/3/5 14:07:09 " + Repeat(u'长', 7) + u"x"},
        {60, u"2024/3/5 14:07:09 " + Repeat(u'长', 8),
         u"计算时间：2024/3/5 14:07:09 " + Repeat(u'长', 6) + u"…"},
        {29, u"2024", u"计算时间：…"},
        {28, u"2024", u""},
        {28, u"2", u"计算时间：2"},
    };
    for (const auto& c : cases) {
        const std::u16string line = FooterTimeLine(c.time, c.across, number);
        EXPECT_EQ(line, c.line) << c.across;
        EXPECT_LE(CellsOfLine(line) + 2 + CellsOfLine(number), c.across);
    }
}

}  // namespace
}  // namespace rokal
