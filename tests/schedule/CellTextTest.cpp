// What a cell may hold: no control characters and no halves of surrogate pairs,
// with words kept apart where a line break or a tab stood.
#include "schedule/CellText.h"

#include <gtest/gtest.h>

#include "tests/schedule/ScheduleTestSupport.h"

namespace rokal {
namespace {

struct CleanCase {
    std::u16string text;
    std::u16string cell;
    int removed;
    char32_t first;
};

class CleanCellTextTest : public testing::TestWithParam<CleanCase> {};

TEST_P(CleanCellTextTest, KeepsTheTextWithoutControls) {
    const CellText cleaned = CleanCellText(GetParam().text);
    EXPECT_EQ(cleaned.text, GetParam().cell);
    EXPECT_EQ(cleaned.removed, GetParam().removed);
    EXPECT_EQ(cleaned.first, GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CleanCellTextTest,
    testing::Values(CleanCase{u"1200", u"1200", 0, 0}, CleanCase{u"", u"", 0, 0},
                    // A spreadsheet's trailing line end goes without a trace.
                    CleanCase{u"1200\r", u"1200", 1, u'\r'},
                    CleanCase{u"\r\n1.5d\r\n", u"1.5d", 4, u'\r'},
                    // Inside a text, a run of breaks and tabs leaves one space.
                    CleanCase{u"1轴/A\r\n2轴/B", u"1轴/A 2轴/B", 2, u'\r'},
                    CleanCase{u"12\t\t00", u"12 00", 2, u'\t'},
                    CleanCase{std::u16string(u"ZH\0"
                                             u"1",
                                             4),
                              u"ZH1", 1, 0},
                    CleanCase{u"a\u0007b\u007Fc\u0085d\u009Fe", u"abc de", 4, 7},
                    CleanCase{u"x\u2028y\u2029", u"x y", 2, 0x2028},
                    // Spaces of the text itself stay as they are.
                    CleanCase{u" a \n b ", u" a   b ", 1, u'\n'},
                    // A pair of surrogates is one character; a lone half is none.
                    CleanCase{u"\U0002A6A5桩", u"\U0002A6A5桩", 0, 0},
                    CleanCase{std::u16string{u'a', 0xD83D, u'b', 0xDC00}, u"ab", 2, 0xD83D},
                    // Characters that only look like controls are text.
                    CleanCase{u"\u00A0\u200B\uFEFF\u3000", u"\u00A0\u200B\uFEFF\u3000", 0, 0}));

TEST(FindControlCharacterTest, NamesTheFirstRowAndColumnThatHoldsOne) {
    Schedule schedule;
    schedule.extraColumns = {u"备注", u"图号"};
    schedule.rows = {test::Row(u"ZH1", u"1000", u"1d", u"25", u"C30", u"水下"),
                     test::Row(u"ZH2", u"1000", u"1d", u"25", u"C30", u"水下")};
    schedule.rows[0].line = 2;
    schedule.rows[1].line = 4;
    schedule.rows[0].extra = {u"1轴", u"S-1"};
    schedule.rows[1].extra = {u"2轴", u"S-1"};
    EXPECT_FALSE(FindControlCharacter(schedule));

    schedule.rows[1].extra[1] = u"S-\u00011";
    schedule.rows[1].Cell(ScheduleColumn::Nk) = u"9\t500";
    const auto place = FindControlCharacter(schedule);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->line, 4);
    EXPECT_EQ(place->column, u"Nk");
    EXPECT_EQ(place->character, U'\t');

    // Fields beyond the header are kept and saved, so they are looked at too.
    schedule.rows[1].Cell(ScheduleColumn::Nk) = u"9";
    schedule.rows[1].extra[1] = u"S-1";
    schedule.rows[1].surplus = {u"500", u"\u0007"};
    EXPECT_EQ(FindControlCharacter(schedule)->column, u"多出的字段");
    EXPECT_EQ(FindControlCharacter(schedule)->character, U'\a');

    schedule.extraColumns[1] = u"图\n号";
    EXPECT_EQ(FindControlCharacter(schedule)->line, 0);
    EXPECT_EQ(FindControlCharacter(schedule)->column, u"图\n号");
}

}  // namespace
}  // namespace rokal
