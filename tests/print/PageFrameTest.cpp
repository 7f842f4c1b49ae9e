#include "print/PageFrame.h"

#include <gtest/gtest.h>
#include <QRectF>
#include <algorithm>

#include "print/BookPagination.h"
#include "print/ReportColumns.h"
#include "tests/print/PrintFixture.h"

namespace rokal {
namespace {

QSizeF Printable(ReportDocument form) {
    return BookPageLayout(form).paintRect(QPageLayout::Point).size();
}

int Widest(const Lines& lines) {
    int widest = 0;
    for (const std::u16string& line : lines) {
        widest = std::max(widest, CellsOfLine(line));
    }
    return widest;
}

TEST(BookPageLayoutTest, A4UprightForTextAcrossForTable) {
    const QPageLayout text = BookPageLayout(ReportDocument::Text);
    const QPageLayout table = BookPageLayout(ReportDocument::Table);
    EXPECT_EQ(text.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(table.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(text.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(table.orientation(), QPageLayout::Landscape);
}

struct FrameCase {
    ReportDocument form;
    int linesPerPage;
};

class BookFrames : public ::testing::TestWithParam<FrameCase> {};

// The report lines at 10.5 pt: a text page holds a capped block and the time line
// (49 lines), a table page its header and 29 rows.
TEST_P(BookFrames, SetTheReportAtItsUsualSize) {
    const FrameCase& c = GetParam();
    const Lines lines = test::FixtureLines(c.form, 5);
    const int widest = Widest(lines);
    const PageFrame frame = FramePage(Printable(c.form), widest);
    EXPECT_DOUBLE_EQ(frame.bodySize, 10.5);
    EXPECT_DOUBLE_EQ(frame.cell, 5.25);
    EXPECT_EQ(frame.linesPerPage, c.linesPerPage);
    // Centred across, inside the printable area, between header and footer.
    EXPECT_NEAR(frame.bodyLeft * 2 + widest * frame.cell, frame.width, 1e-9);
    EXPECT_GT(frame.bodyTop, frame.headerRule);
    EXPECT_LT(frame.bodyTop + frame.linesPerPage * frame.lineHeight, frame.footerRule);
    EXPECT_LE(frame.footerBaseline, frame.height);
}

INSTANTIATE_TEST_SUITE_P(Forms, BookFrames,
                         ::testing::Values(FrameCase{ReportDocument::Text, 52},
                                           FrameCase{ReportDocument::Table, 34}));

// A wider line makes the text smaller until it fits, but never smaller than the
// smallest size: the lines are cut to that (print/PaperLines.h).
TEST(FramePageTest, ShrinksTheTextUntilTheWidestLineFitsDownToTheSmallestSize) {
    const QSizeF printable = Printable(ReportDocument::Table);
    const int smallest = CellsAcross(printable.width(), kSmallestBodySize);
    EXPECT_EQ(smallest, 212);
    EXPECT_EQ(CellsAcross(printable.width(), kUsualBodySize), 141);
    for (int widest : {150, 200, smallest}) {
        const PageFrame frame = FramePage(printable, widest);
        EXPECT_LT(frame.bodySize, kUsualBodySize);
        EXPECT_GE(frame.bodySize, kSmallestBodySize);
        EXPECT_NEAR(widest * frame.cell, frame.width, 1e-9) << widest;
        EXPECT_NEAR(frame.bodyLeft, 0, 1e-9);
        EXPECT_GE(frame.linesPerPage, 34);
    }
    EXPECT_DOUBLE_EQ(FramePage(printable, 100000).bodySize, kSmallestBodySize);
}

// A schedule's pile with loads, a capped socket and a socket warning has a block
// of 59 lines with the time line: the text shrinks so that it still stands on a
// page of its own, while a book without such piles keeps its usual size.
TEST(FramePageTest, ABlockWithChecksStillStandsOnOnePage) {
    PileInput input;
    input.dText = u"1000";
    input.hrText = u"10000";
    input.frkText = u"25";
    BookPile pile = CalculatorPile(1, input, std::get<PileResult>(ComputePile(input, u'.')),
                                   PrecisionMode::Units, u'.');
    pile.mark = u"A-1";
    pile.scheduleMark = true;
    pile.raCheck = LoadCheck{9000, pile.result.ra, true, 1.0};
    pile.rcCheck = LoadCheck{7000, pile.result.rc, true, 1.0};
    pile.socketCheck = SocketCheck{100, 500, false};
    ReportLog log;
    test::FillFixtureLog(log, 2);
    log.AppendPiles({pile, pile}, test::kFixtureTime);
    const Lines& lines = log.Document(ReportDocument::Text);
    ASSERT_EQ(TallestBlock(lines, ReportDocument::Text), 59u);
    EXPECT_EQ(TallestBlock(lines, ReportDocument::Table), 0u);

    const PageFrame frame = FramePage(Printable(ReportDocument::Text), Widest(lines), 59);
    EXPECT_LT(frame.bodySize, 10.5);
    EXPECT_GE(frame.linesPerPage, 59);
    EXPECT_EQ(PaginateBook(lines, ReportDocument::Text, frame.linesPerPage).size(), 4u);
    const Lines usual = test::FixtureLines(ReportDocument::Text, 5);
    EXPECT_DOUBLE_EQ(FramePage(Printable(ReportDocument::Text), Widest(usual),
                               static_cast<int>(TallestBlock(usual, ReportDocument::Text)))
                         .bodySize,
                     10.5);
}

TEST(FramePageTest, AnEmptyBookOrATinyPageStillHasALine) {
    EXPECT_DOUBLE_EQ(FramePage(Printable(ReportDocument::Text), 0).bodySize, 10.5);
    EXPECT_EQ(FramePage(QSizeF(100, 30), 40).linesPerPage, 1);
}

}  // namespace
}  // namespace rokal
