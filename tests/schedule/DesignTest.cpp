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

double HrOf(const PileInput& base, const std::u16string& hrText, char16_t separator) {
    PileInput input = base;
    input.hrText = hrText;
    return std::get<PileResult>(ComputePile(input, separator)).hr;
}

// The defining property over generated rows: the proposed depth reaches Nk and the
// minimum socket (0.4d and 500 mm), and one step less misses one of them; or no
// depth reaches Nk, and the table's end gives the largest Ra.
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
        const double minimum = MinSocketDepth(kDefaultMinSocket, plain.pile->d);
        EXPECT_EQ(RaOf(result.input, depth.hrText, separator), depth.ra);
        EXPECT_GE(depth.ra, *result.nk) << testing::PrintToString(depth.hrText);
        EXPECT_TRUE(ReachesMinSocket(HrOf(result.input, depth.hrText, separator), minimum))
            << testing::PrintToString(depth.hrText);
        const std::u16string less = OneStepLess(depth, step, plain.pile->d, separator);
        EXPECT_TRUE(RaOf(result.input, less, separator) < *result.nk ||
                    !ReachesMinSocket(HrOf(result.input, less, separator), minimum))
            << testing::PrintToString(less);
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
    // The hr text goes into a cell as it is; the table shows it with its unit.
    const auto shown = [&](DepthStep step) {
        return DepthProposalText(*DesignRow(row, step, u',').depth);
    };
    EXPECT_EQ(shown({DepthStep::Unit::Millimetres, 12345}), u"1506,09 mm");
    EXPECT_EQ(shown({DepthStep::Unit::TimesD, 400}), u"1,6d");
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

// The proposals keep to the minimum socket however little Nk asks for, and a row
// without Nk whose own hr is below it is proposed the minimum.
TEST(Design, NeverProposesLessThanTheMinimumSocket) {
    const MinSocket general = kDefaultMinSocket;               // 0.4d and 500 mm
    const MinSocket hardRock = *ReadMinSocket(u"0.2d,200mm");  // level, complete hard rock
    const MinSocket none = *ReadMinSocket(u"0");
    const DepthStep tenthD{DepthStep::Unit::TimesD, 100};
    const DepthStep halfD{DepthStep::Unit::TimesD, 500};
    const DepthStep hundredMm{DepthStep::Unit::Millimetres, 100000};
    struct Case {
        const char16_t* d;
        const char16_t* hr;
        const char16_t* nk;
        MinSocket minimum;
        DepthStep step;
        const char16_t* proposal;  // as the table shows it; empty for none
    };
    const Case cases[] = {
        {u"1000", u"1d", u"1", general, tenthD, u"0.5d"},  // 500 mm governs
        {u"1000", u"1d", u"1", general, halfD, u"0.5d"},
        {u"1000", u"1d", u"1", general, hundredMm, u"500 mm"},
        {u"2000", u"1d", u"1", general, tenthD, u"0.4d"},  // 0.4d = 800 mm governs
        {u"2000", u"1d", u"1", general, hundredMm, u"800 mm"},
        {u"1250", u"1d", u"1", general, tenthD, u"0.4d"},        // 0.4d is exactly 500 mm
        {u"800", u"1d", u"1", hardRock, tenthD, u"0.3d"},        // 200 mm = 0.25d
        {u"800", u"1d", u"1", none, tenthD, u"0d"},              // no minimum, as asked
        {u"1000", u"1d", u"9081.16", general, tenthD, u"1.5d"},  // Nk governs
        {u"1000", u"300", u"", general, tenthD, u"0.5d"},        // no Nk, hr short
        {u"1000", u"300", u"", general, hundredMm, u"500 mm"},
        {u"1000", u"500", u"", general, tenthD, u""},  // no Nk, hr enough
        {u"1000", u"0.3d", u"", hardRock, tenthD, u""},
    };
    for (const Case& c : cases) {
        const RowResult row =
            ComputeRow(Row(u"", c.d, c.hr, u"25", u"C30", u"泥浆护壁", c.nk), u'.', c.minimum);
        const RowDesign design = DesignRow(row, c.step, u'.', c.minimum);
        const std::u16string shown = design.depth ? DepthProposalText(*design.depth) : u"";
        EXPECT_EQ(shown, c.proposal) << testing::PrintToString(std::u16string(c.d)) << " "
                                     << testing::PrintToString(std::u16string(c.nk));
    }
}

// The row's own hr against the minimum: a warning below it, none from the
// arithmetic of a depth written as a multiple of d.
TEST(Design, ChecksTheRowsOwnSocketAgainstTheMinimum) {
    struct Case {
        const char16_t* d;
        const char16_t* hr;
        const char16_t* minimum;
        bool holds;
        double minimumMm;
        const char16_t* warning;
    };
    const Case cases[] = {
        {u"1000", u"300", u"0.4d,500mm", false, 500, u"嵌岩深度 300 mm 小于最小嵌岩深度 500 mm"},
        {u"1000", u"0.3d", u"0.4d,500mm", false, 500, u"嵌岩深度 300 mm 小于最小嵌岩深度 500 mm"},
        {u"1000", u"499.99", u"500mm", false, 500, u"嵌岩深度 499.99 mm 小于最小嵌岩深度 500 mm"},
        {u"1000", u"500", u"0.4d,500mm", true, 500, u""},
        {u"1250", u"500", u"0.4d,500mm", true, 500, u""},
        {u"1250", u"0.4d", u"0.4d", true, 500, u""},
        {u"3333", u"0.4d", u"0.4d,500mm", true, 1333.2, u""},
        {u"3333", u"1333", u"0.4d,500mm", false, 1333.2,
         u"嵌岩深度 1333 mm 小于最小嵌岩深度 1333.2 mm"},
        {u"800", u"0.3d", u"0.2d,200mm", true, 200, u""},
        {u"800", u"0d", u"0", true, 0, u""},
    };
    for (const Case& c : cases) {
        const RowResult row = ComputeRow(Row(u"", c.d, c.hr, u"25", u"C30", u"水下"), u'.',
                                         *ReadMinSocket(c.minimum));
        ASSERT_TRUE(row.socketCheck);
        EXPECT_EQ(row.socketCheck->holds, c.holds) << testing::PrintToString(std::u16string(c.hr));
        EXPECT_DOUBLE_EQ(row.socketCheck->minimum, c.minimumMm);
        EXPECT_EQ(SocketWarningText(*row.socketCheck, u'.'), c.warning);
        EXPECT_TRUE(row.Passes()) << "a short socket is a warning, not a failed check";
    }
    EXPECT_FALSE(ComputeRow(Row(u"", u"x", u"1d", u"25", u"C30", u"水下"), u'.').socketCheck);
}

TEST(Design, ReadsAndWritesMinimumSockets) {
    const std::pair<const char16_t*, const char16_t*> good[] = {
        {u"0.4d,500mm", u"0.4d,500mm"},
        {u"0.4d, 500", u"0.4d,500mm"},
        {u"500mm,0.4D", u"0.4d,500mm"},
        {u"0.4d", u"0.4d"},
        {u"500mm", u"500mm"},
        {u"0.2d，200", u"0.2d,200mm"},
        {u"0", u"0"},
        {u"0d,0mm", u"0"},
        {u"1000d,1000000mm", u"1000d,1000000mm"}};
    for (const auto& [text, written] : good) {
        const auto minimum = ReadMinSocket(text);
        ASSERT_TRUE(minimum) << testing::PrintToString(std::u16string(text));
        EXPECT_EQ(MinSocketText(*minimum), written);
        EXPECT_EQ(ReadMinSocket(MinSocketText(*minimum)), minimum);
    }
    for (const char16_t* bad :
         {u"", u",", u"0.4d,", u"0.4d,0.5d", u"500,600", u"0.4d,500mm,1", u"-0.4d", u"0.4m",
          u"0,4d", u"1001d", u"1000001mm", u"0.0001d", u"d", u"0.4d 500mm", u"1,5d", u"500,0.4d"}) {
        EXPECT_FALSE(ReadMinSocket(bad)) << testing::PrintToString(std::u16string(bad));
    }
    EXPECT_EQ(MinSocketText(kDefaultMinSocket), u"0.4d,500mm");
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
