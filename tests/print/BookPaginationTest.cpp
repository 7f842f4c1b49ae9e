#include "print/BookPagination.h"

#include <gtest/gtest.h>

#include "tests/print/PrintFixture.h"

namespace rokal {
namespace {

using test::FixtureLines;

// The blocks of a text book as [first, end) ranges; the time line joins the last.
std::vector<std::pair<std::size_t, std::size_t>> TextBlocks(const Lines& lines) {
    std::vector<std::pair<std::size_t, std::size_t>> blocks;
    std::size_t first = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == std::u16string(50, u'=')) {
            blocks.push_back({first, i + 1});
            first = i + 1;
        }
    }
    blocks.back().second = lines.size();
    return blocks;
}

std::size_t PageOf(const PagePlan& plan, std::size_t line) {
    for (std::size_t p = 0; p < plan.size(); ++p) {
        if (line >= plan[p].first && line < plan[p].first + plan[p].count) {
            return p;
        }
    }
    return plan.size();
}

// The body lines of the pages, one after another, are the book's lines after the
// repeated header, each once and in order.
void ExpectCoversInOrder(const PagePlan& plan, std::size_t header, std::size_t lineCount) {
    std::size_t next = header;
    for (const PageLines& page : plan) {
        EXPECT_EQ(page.headerLines, header);
        EXPECT_EQ(page.first, next);
        next += page.count;
    }
    EXPECT_EQ(next, lineCount);
}

struct TextCase {
    int piles;
    std::size_t linesPerPage;
    PagePlan plan;
};

class TextPagination : public ::testing::TestWithParam<TextCase> {};

// Blocks of 47 lines, 48 for the capped third pile, and the time line at the end.
TEST_P(TextPagination, KeepsEachBlockOnOnePage) {
    const TextCase& c = GetParam();
    EXPECT_EQ(PaginateBook(FixtureLines(ReportDocument::Text, c.piles), ReportDocument::Text,
                           c.linesPerPage),
              c.plan);
}

INSTANTIATE_TEST_SUITE_P(
    Books, TextPagination,
    ::testing::Values(
        // One block and its time line fill a page of 48.
        TextCase{1, 48, {{0, 0, 48}}},
        // One block a page, although the second would fit half of the next.
        TextCase{3, 60, {{0, 0, 47}, {0, 47, 47}, {0, 94, 49}}},
        // Two blocks fit a page of 100; the third, with the time line, does not.
        TextCase{3, 100, {{0, 0, 94}, {0, 94, 49}}},
        // All three and the time line just fit.
        TextCase{3, 143, {{0, 0, 143}}},
        // A block longer than a page starts on a page of its own and runs on.
        TextCase{2, 30, {{0, 0, 30}, {0, 30, 17}, {0, 47, 30}, {0, 77, 18}}}));

struct TableCase {
    int piles;
    std::size_t linesPerPage;
    PagePlan plan;
};

class TablePagination : public ::testing::TestWithParam<TableCase> {};

// Five header lines on every page, then rows; the four footer lines stay with the last row.
TEST_P(TablePagination, RepeatsTheHeaderAndKeepsTheFooterWithTheLastRow) {
    const TableCase& c = GetParam();
    EXPECT_EQ(PaginateBook(FixtureLines(ReportDocument::Table, c.piles), ReportDocument::Table,
                           c.linesPerPage),
              c.plan);
}

INSTANTIATE_TEST_SUITE_P(
    Books, TablePagination,
    ::testing::Values(
        TableCase{1, 40, {{5, 5, 5}}},
        // 20 rows and the footer: 15 body lines a page.
        TableCase{20, 20, {{5, 5, 15}, {5, 20, 9}}},
        // The last row goes over with the footer rather than leave it alone.
        TableCase{15, 20, {{5, 5, 14}, {5, 19, 5}}},
        // A page too small for the header still takes a line of body.
        TableCase{2, 3, {{5, 5, 1}, {5, 6, 1}, {5, 7, 1}, {5, 8, 1}, {5, 9, 1}, {5, 10, 1}}}));

TEST(PaginateBookTest, AnEmptyBookIsOneEmptyPage) {
    for (ReportDocument form : {ReportDocument::Text, ReportDocument::Table}) {
        EXPECT_EQ(PaginateBook({}, form, 40), (PagePlan{{0, 0, 0}}));
    }
}

TEST(PaginateBookTest, ZeroLinesPerPageIsTakenAsOne) {
    const Lines lines = FixtureLines(ReportDocument::Text, 1);
    const PagePlan plan = PaginateBook(lines, ReportDocument::Text, 0);
    EXPECT_EQ(plan.size(), lines.size());
    ExpectCoversInOrder(plan, 0, lines.size());
}

// Over every page height: all lines once and in order, no page over its height,
// and a block that fits on a page never split.
TEST(PaginateBookTest, EveryPageHeightKeepsTheRules) {
    const Lines text = FixtureLines(ReportDocument::Text, 7);
    const Lines table = FixtureLines(ReportDocument::Table, 60);
    for (std::size_t perPage = 1; perPage <= 400; ++perPage) {
        SCOPED_TRACE(perPage);
        const PagePlan textPlan = PaginateBook(text, ReportDocument::Text, perPage);
        ExpectCoversInOrder(textPlan, 0, text.size());
        for (const PageLines& page : textPlan) {
            EXPECT_LE(page.count, perPage);
        }
        for (const auto& [first, end] : TextBlocks(text)) {
            if (end - first <= perPage) {
                EXPECT_EQ(PageOf(textPlan, first), PageOf(textPlan, end - 1)) << first;
            }
        }
        const PagePlan tablePlan = PaginateBook(table, ReportDocument::Table, perPage);
        ExpectCoversInOrder(tablePlan, 5, table.size());
        for (const PageLines& page : tablePlan) {
            EXPECT_LE(page.count, std::max<std::size_t>(perPage, 6) - 5);
        }
        if (perPage >= 10) {
            EXPECT_EQ(PageOf(tablePlan, table.size() - 5), PageOf(tablePlan, table.size() - 1));
        }
    }
}

}  // namespace
}  // namespace rokal
