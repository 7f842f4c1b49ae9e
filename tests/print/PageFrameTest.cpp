#include "print/PageFrame.h"

#include <gtest/gtest.h>
#include <QRectF>
#include <algorithm>

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

TEST(FramePageTest, AnEmptyBookOrATinyPageStillHasALine) {
    EXPECT_DOUBLE_EQ(FramePage(Printable(ReportDocument::Text), 0).bodySize, 10.5);
    EXPECT_EQ(FramePage(QSizeF(100, 30), 40).linesPerPage, 1);
}

}  // namespace
}  // namespace rokal
