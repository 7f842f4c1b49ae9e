#include <gtest/gtest.h>

#include <string>

#include "engine/Formatting.h"
#include "engine/RockClass.h"

namespace rokal {
namespace {

// Coefficients are compared as texts with six decimals, as the standard states them.
std::u16string Six(double v) {
    return FormatFixed(v, 12, 6, u'.');
}

TEST(ClassifyRockTest, EachRangeIsClosedAtItsUpperBound) {
    const struct {
        double frk;
        std::u16string name;
    } cases[] = {
        {0.01, u"极软岩"},  {5, u"极软岩"},     {5.01, u"软岩"},    {15, u"软岩"},
        {15.01, u"较软岩"}, {30, u"较软岩"},    {30.01, u"较硬岩"}, {60, u"较硬岩"},
        {60.01, u"坚硬岩"}, {1e300, u"坚硬岩"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RockClassName(ClassifyRock(c.frk)), c.name) << c.frk;
    }
}

struct ZetaCase {
    const char* what;
    double frk;
    double d;
    double hr;
    ConstructionProcess process;
    std::u16string zetaR;
    bool capped;
    double hrUsed;
};

constexpr auto kMud = ConstructionProcess::MudWall;

const ZetaCase kZetaCases[] = {
    {"soft column at hr/d 0", 10, 1000, 0, kMud, u"0.600000", false, 0},
    {"hard column at hr/d 0", 40, 1000, 0, kMud, u"0.450000", false, 0},
    {"blend at hr/d 0", 20, 1000, 0, kMud, u"0.550000", false, 0},
    {"window's start input", 25, 1000, 1000, kMud, u"0.856667", false, 1000},
    {"blend between rows", 20, 1000, 2700, kMud, u"1.189333", false, 2700},
    {"frk 15 reads the soft column", 15, 1000, 1000, kMud, u"0.950000", false, 1000},
    {"frk 30 reads the hard column", 30, 1000, 1000, kMud, u"0.810000", false, 1000},
    {"hard rock between rows", 40, 1000, 1250, kMud, u"0.832500", false, 1250},
    {"soft rock at its limit", 10, 1000, 8000, kMud, u"1.700000", false, 8000},
    {"soft rock beyond its limit", 10, 1500, 13500, kMud, u"1.700000", true, 12000},
    {"hard rock at its limit", 40, 1000, 4000, kMud, u"1.040000", false, 4000},
    {"hard rock beyond its limit", 40, 1000, 5000, kMud, u"1.040000", true, 4000},
    {"blend at its limit", 20, 1000, 4000, kMud, u"1.333333", false, 4000},
    {"blend beyond its limit", 20, 1000, 5000, kMud, u"1.333333", true, 4000},
    {"post-grouted blend beyond its limit", 20, 1000, 5000, ConstructionProcess::MudWallPostGrout,
     u"1.600000", true, 4000},
    {"dry soft rock beyond its limit", 10, 1000, 10000, ConstructionProcess::DryClean, u"2.040000",
     true, 8000},
    {"underwater keeps the table value", 25, 1000, 1000, ConstructionProcess::Underwater,
     u"0.856667", false, 1000},
    {"dry process on the hard column", 40, 1000, 1000, ConstructionProcess::DryClean, u"0.972000",
     false, 1000},
};

class ComputeZetaRTest : public testing::TestWithParam<ZetaCase> {};

TEST_P(ComputeZetaRTest, InterpolatesCapsAndScales) {
    const ZetaCase& c = GetParam();
    const ZetaROutcome out = ComputeZetaR(c.frk, c.d, c.hr, c.process);
    EXPECT_EQ(Six(out.zetaR), c.zetaR) << c.what;
    EXPECT_EQ(out.capped, c.capped) << c.what;
    EXPECT_EQ(out.hrOverD, c.hr / c.d) << c.what;
    EXPECT_EQ(out.hrUsed, c.hrUsed) << c.what;
    EXPECT_EQ(out.hrOverDUsed, c.hrUsed / c.d) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, ComputeZetaRTest, testing::ValuesIn(kZetaCases));

TEST(InterpolateTest, EvaluatesInTheWrittenOrder) {
    EXPECT_EQ(LinearInterpolate(2, 0.95, 3, 1.065, 2.5), 0.95 + (1.065 - 0.95) / 1.0 * 0.5);
    EXPECT_EQ(LinearInterpolate(15, 1.48, 30, 1.04, 20), 1.48 + (1.04 - 1.48) / 15 * 5);
    const double t1 = 1.265 + (1.35 - 1.265) / 1.0 * 0.4;
    const double t2 = 0.95 + (1.00 - 0.95) / 1.0 * 0.4;
    EXPECT_EQ(BilinearInterpolate(5, 1.265, 6, 1.35, 0.95, 1.00, 15, 30, 5.4, 20),
              t1 + (t2 - t1) / 15 * 5);
}

}  // namespace
}  // namespace rokal
