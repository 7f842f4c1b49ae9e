#include "schedule/Design.h"

#include <gtest/gtest.h>

#include <random>
#include <variant>

#include "engine/Formatting.h"
#include "tests/schedule/ScheduleTestSupport.h"

namespace rokal {
namespace {

using test::Row;

double RaOf(const PileInput& base, const std::u16string& hrText, char16_t separator) {
    PileInput input = base;
    input.hrText = hrText;
    return std::get<PileResult>(ComputePile(input, separator)).ra;
}

// The depth one step less than a proposal, as the same kind of text.
std::u16string OneStepLess(const DepthProposal& proposal, DepthStep step, double d,
                           char16_t separator) {
    const double factor =
        step.unit == DepthStep::Unit::TimesD ? proposal.hrOverD : proposal.hrOverD * d;
    const std::int64_t k = std::llround(factor * 1000 / static_cast<double>(step.thousandths)) - 1;
    const std::u16string text =
        FormatFixed(static_cast<double>(k * step.thousandths) / 1000, 18, 3, separator);
    return step.unit == DepthStep::Unit::TimesD ? text + u'd' : text;
}

std::u16string Text(double v, char16_t separator) {
    return FormatFixed(v, 6, 3, separator);
}

// The defining property over generated rows: the proposed depth reaches Nk and one
// step less does not; or no depth reaches Nk, and the table's end gives the
// largest Ra.
TEST(Design, ProposesTheSmallestDepthInWholeStepsThatCarriesNk) {
    std::mt19937 random(20221228);
    std::uniform_real_distribution<double> diameter(400, 3000);
    std::uniform_real_distribution<double> strength(1, 80);
    std::uniform_real_distribution<double> loadShare(0.3, 1.3);
    std::uniform_int_distribution<int> process(0, kConstructionProcessCount - 1);
    const DepthStep steps[] = {{DepthStep::Unit::TimesD, 100},
                               {DepthStep::Unit::TimesD, 500},
                               {DepthStep::Unit::Millimetres, 100000},
                               {DepthStep::Unit::Millimetres, 12500}};
    int found = 0;
    int none = 0;
    for (int i = 0; i < 4000; ++i) {
        const char16_t separator = i % 5 == 0 ? u',' : u'.';
        const ConstructionProcess p = static_cast<ConstructionProcess>(process(random));
        ScheduleRow row =
            Row(u"", Text(diameter(random), separator), u"1d", Text(strength(random), separator),
                u"C30", ConstructionProcessText(p));
        const RowResult plain = ComputeRow(row, separator);
        ASSERT_TRUE(plain.Computed());
        const double end = SocketTableEnd(plain.pile->frk);
        const double nk = RaAtDepthRatio(plain, end) * loadShare(random);
        row.Cell(ScheduleColumn::Nk) = FormatFixed(nk, 17, 6, separator);
        const RowResult result = ComputeRow(row, separator);
        const DepthStep step = steps[i % 4];
        const RowDesign design = DesignRow(result, step, separator);
        ASSERT_TRUE(design.depth);
        const DepthProposal& depth = *design.depth;
        if (depth.kind == DepthProposal::Kind::NoDepthSuffices) {
            ++none;
            EXPECT_LT(depth.ra, *result.nk);
            EXPECT_EQ(depth.hrOverD, end);
            EXPECT_DOUBLE_EQ(depth.ra, RaOf(result.input, u"1000d", separator));
            continue;
        }
        ++found;
        EXPECT_EQ(RaOf(result.input, depth.hrText, separator), depth.ra);
        EXPECT_GE(depth.ra, *result.nk) << testing::PrintToString(depth.hrText);
        if (depth.hrOverD > 0) {
            const std::u16string less = OneStepLess(depth, step, plain.pile->d, separator);
            EXPECT_LT(RaOf(result.input, less, separator), *result.nk)
                << testing::PrintToString(less);
        }
    }
    EXPECT_GT(found, 1000);
    EXPECT_GT(none, 100);
}

TEST(Design, WritesProposedDepthsAsExactDecimals) {
    const RowResult row =
        ComputeRow(Row(u"", u"1000", u"1d", u"25", u"C30", u"泥浆护壁", u"9081,16"), u',');
    // Ra reaches 9081.166 at exactly 1.5d.
    const auto proposal = [&](DepthStep step) { return DesignRow(row, step, u',').depth->hrText; };
    EXPECT_EQ(proposal({DepthStep::Unit::TimesD, 100}), u"1,5d");
    EXPECT_EQ(proposal({DepthStep::Unit::TimesD, 500}), u"1,5d");
    EXPECT_EQ(proposal({DepthStep::Unit::TimesD, 400}), u"1,6d");
    EXPECT_EQ(proposal({DepthStep::Unit::Millimetres, 100000}), u"1500");
    EXPECT_EQ(proposal({DepthStep::Unit::Millimetres, 333000}), u"1665");
    EXPECT_EQ(proposal({DepthStep::Unit::Millimetres, 12345}), u"1506,09");
}

TEST(Design, ProposesTheLowestGradeThatCarriesN) {
    // d 1000, mud wall: Rc = 549.78 x fc, C30 7861.8, C35 9181.4, C60 15118.9.
    const auto grade = [](const char16_t* n) {
        const RowResult row =
            ComputeRow(Row(u"", u"1000", u"1d", u"25", u"C30", u"泥浆护壁", u"", n), u'.');
        return DesignRow(row, kDefaultDepthStep, u'.').grade;
    };
    EXPECT_FALSE(grade(u""));
    EXPECT_FALSE(grade(u"7861"));  // C30 carries it: nothing to propose
    ASSERT_TRUE(grade(u"7862"));
    EXPECT_EQ(GradeProposalText(*grade(u"7862")), u"C35");
    EXPECT_EQ(GradeProposalText(*grade(u"15118.9")), u"C60");
    const auto none = grade(u"15119");
    ASSERT_TRUE(none);
    EXPECT_EQ(none->kind, GradeProposal::Kind::NoGradeSuffices);
    EXPECT_EQ(GradeProposalText(*none), u"无可满足等级");
    EXPECT_NEAR(none->rc, 15118.91, 0.01);
}

TEST(Design, ProposesNothingForARowWithErrorsOrWithoutLoads) {
    const RowDesign bad =
        DesignRow(ComputeRow(Row(u"", u"x", u"1d", u"25", u"C30", u"水下", u"100", u"100"), u'.'),
                  kDefaultDepthStep, u'.');
    EXPECT_FALSE(bad.depth || bad.grade);
    const RowDesign noLoads =
        DesignRow(ComputeRow(Row(u"", u"1000", u"1d", u"25", u"C30", u"水下"), u'.'),
                  kDefaultDepthStep, u'.');
    EXPECT_FALSE(noLoads.depth || noLoads.grade);
}

TEST(Design, CapacityCurveFollowsTheEngineAndIsFlatPastTheTable) {
    for (const char16_t* frk : {u"10", u"22", u"45"}) {
        const RowResult row = ComputeRow(Row(u"", u"1200", u"1d", frk, u"C30", u"干作业"), u'.');
        const double end = SocketTableEnd(row.pile->frk);
        const std::pair<const char16_t*, double> depths[] = {
            {u"0d", 0},         {u"0.35d", 0.35}, {u"1d", 1},     {u"2.5d", 2.5},
            {u"3.999d", 3.999}, {u"4d", 4},       {u"7.5d", 7.5}, {u"8d", 8}};
        for (const auto& [text, ratio] : depths) {
            if (ratio <= end) {
                EXPECT_DOUBLE_EQ(RaAtDepthRatio(row, ratio), RaOf(row.input, text, u'.'));
            }
        }
        EXPECT_EQ(RaAtDepthRatio(row, end + 0.5), RaAtDepthRatio(row, end * 3));
        EXPECT_DOUBLE_EQ(RaAtDepthRatio(row, end + 0.5), RaAtDepthRatio(row, end));
    }
    EXPECT_EQ(SocketTableEnd(15), 8);
    EXPECT_EQ(SocketTableEnd(15.01), 4);
}

TEST(Design, ReadsAndWritesDepthSteps) {
    const std::pair<const char16_t*, const char16_t*> good[] = {
        {u"0.1d", u"0.1d"},     {u" 0.5 D ", u"0.5d"},  {u"100", u"100mm"},
        {u"12.5mm", u"12.5mm"}, {u"0.001d", u"0.001d"}, {u"1000d", u"1000d"}};
    for (const auto& [text, written] : good) {
        const auto step = ReadDepthStep(text);
        ASSERT_TRUE(step) << testing::PrintToString(std::u16string(text));
        EXPECT_EQ(DepthStepText(*step), written);
        EXPECT_EQ(ReadDepthStep(DepthStepText(*step)), step);
    }
    for (const char16_t* bad : {u"", u"d", u"0", u"0d", u"-1d", u"0.0001d", u"1001d", u"1e3",
                                u"1,5d", u"1.5m", u"99999999999999999999", u"1000001mm"}) {
        EXPECT_FALSE(ReadDepthStep(bad)) << testing::PrintToString(std::u16string(bad));
    }
    EXPECT_EQ(DepthStepText(kDefaultDepthStep), u"0.1d");
}

}  // namespace
}  // namespace rokal
