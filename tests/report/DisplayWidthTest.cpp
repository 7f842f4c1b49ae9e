#include "report/DisplayWidth.h"

#include <gtest/gtest.h>

namespace rokal {
namespace {

struct WidthCase {
    const char16_t* text;
    int width;
};

class DisplayWidthCases : public ::testing::TestWithParam<WidthCase> {};

TEST_P(DisplayWidthCases, CountsWideCodeUnitsTwice) {
    EXPECT_EQ(DisplayWidth(GetParam().text), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayWidthCases,
    ::testing::Values(WidthCase{u"", 0}, WidthCase{u"C30", 3}, WidthCase{u"圆  桩", 6},
                      WidthCase{u"泥浆护壁", 8}, WidthCase{u"计算时间：", 9}, WidthCase{u"ζr", 2},
                      WidthCase{u"ψc", 2}, WidthCase{u"μ", 1},
                      WidthCase{u"《贵州建筑地基基础设计规范》", 28}, WidthCase{u"≤∑", 4},
                      // the ends of the wide range and their neighbours
                      WidthCase{u"\u0FFF\u1000", 3}, WidthCase{u"\u9FA5\u9FA6", 3},
                      // a character beyond the BMP: one column per surrogate
                      WidthCase{u"\U0001F600", 2}));

struct PadCase {
    const char* name;
    std::u16string (*pad)(const std::u16string&, const std::u16string&, int);
    const char16_t* text;
    int width;
    const char16_t* expected;
};

class PaddingCases : public ::testing::TestWithParam<PadCase> {};

TEST_P(PaddingCases, FillsToTheWidthAndNeverCuts) {
    const PadCase& c = GetParam();
    EXPECT_EQ(c.pad(c.text, u" ", c.width), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PaddingCases,
    ::testing::Values(PadCase{"ZH1 right", PadRight, u"ZH1", 6, u"ZH1   "},
                      PadCase{"wider than the cell", PadRight, u"ZH100000", 6, u"ZH100000"},
                      PadCase{"section centred", PadCentre, u"圆  桩", 8, u" 圆  桩 "},
                      PadCase{"even surplus", PadCentre, u"1000", 8, u"  1000  "},
                      PadCase{"odd surplus puts the extra before", PadCentre, u"C30", 8,
                              u"   C30  "},
                      PadCase{"centre of a wide text", PadCentre, u"1000000000", 8, u"1000000000"},
                      PadCase{"empty text left", PadLeft, u"", 6, u"      "},
                      PadCase{"Chinese right-aligned", PadLeft, u"软岩", 12, u"        软岩"},
                      PadCase{"left, too wide", PadLeft, u"1000.00", 6, u"1000.00"}));

TEST(PaddingTest, RepeatsTheFillWholeTimes) {
    EXPECT_EQ(PadRight(u"a", u"-=", 3), u"a-=-=");
}

// "…" takes two columns, as in GBK.
TEST(CutToWidthTest, CutsOnlyWhatIsTooWideAndEndsItWithAnEllipsis) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"1000", u"1000"},
        {u"100000", u"100000"},
        {u"1000000", u"1000…"},
        {u"很长的时间", u"很长…"},
        {u"很长的时间x", u"很长…"},
        {u"a很长的时间", u"a很…"},
        {u"12\U0001F600\U0001F600x", u"12\U0001F600…"},
        {u"1234\U0001F600", u"1234\U0001F600"},
        {u"1234\U0001F600x", u"1234…"},
    };
    for (const auto& [text, cut] : cases) {
        EXPECT_EQ(CutToWidth(text, 6), cut);
        EXPECT_LE(DisplayWidth(CutToWidth(text, 6)), 6);
    }
    EXPECT_EQ(CutToWidth(u"123", 2), u"…");
    EXPECT_EQ(CutToWidth(u"1234", 3, u"..."), u"...");
}

TEST(SpacesTest, GivesCountSpacesAndNothingBelowOne) {
    EXPECT_EQ(Spaces(3), u"   ");
    EXPECT_EQ(Spaces(0), u"");
    EXPECT_EQ(Spaces(-1), u"");
}

}  // namespace
}  // namespace rokal
