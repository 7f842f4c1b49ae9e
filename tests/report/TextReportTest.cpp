#include "report/TextReport.h"

#include <gtest/gtest.h>

#include "report/DisplayWidth.h"
#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

using test::Compute;
using test::DefaultInput;
using test::Input;
using test::Runs;

const std::u16string kTime = u"2024/3/5 14:07:09";
const std::u16string kSmallRule = u"      ---------------------------------------";

// Line numbers below are those of the block's description: they count from 1 and
// include line 25, the ratio used, which only a capped pile's block has.
std::u16string LineOf(const Lines& block, std::size_t number) {
    const bool hasLine25 = block.size() == 49;
    return block.at(number > 25 && !hasLine25 ? number - 2 : number - 1);
}

Lines BlockOf(const PileInput& input, PrecisionMode mode = PrecisionMode::Units,
              char16_t separator = u'.') {
    return TextBlockLines(1, input, Compute(input, separator), mode, kTime, separator);
}

TEST(TextBlockTest, WorkedExampleLineByLine) {
    const Lines expected = {
        u"================== 嵌岩桩计算书 ==================",
        u"1.基桩编号: ZH1",
        u"2.输入数据",
        u"  2.1 基桩参数",
        u"      桩身截面类型:                      圆桩",
        Runs({u"      桩身直径d:                   ", 6, u"1000 mm"}),
        Runs({u"      桩身嵌岩深度hr:              ", 6, u"1.0d"}),
        Runs({u"      桩身混凝土强度等级:          ", 7, u"C30"}),
        u"  2.2 基岩参数",
        Runs({u"      岩石单轴抗压强度标准值frk:   ", 5, u"25.00 MPa"}),
        Runs({u"  2.3 基桩成桩工艺:", 14, u"泥浆护壁成桩"}),
        u"3.采用规范及公式",
        u"  3.1 采用规范: ",
        u"                 《贵州建筑地基基础设计规范》",
        u"                      (DBJ 52/T045-2018)",
        u"  3.2 规范公式:  ",
        u"      Ra=1/2ζr.frk.Ap+μp∑qsia.Li (8.5.9-3)",
        u"                       Q≤ψc.Ap.fc  (8.5.10)",
        u"4.承载力计算",
        Runs({u"  4.1 桩身直径d:                   ", 6, u"1000 mm"}),
        Runs({u"      桩身截面面积Ap(Aps):         ", 6, u"0.79 m^2"}),
        Runs({u"      桩身截面周长μ:              ", 6, u"3.14 m"}),
        Runs({u"  4.2 岩石坚硬程度:              ", 6, u"较软岩"}),
        Runs({u"  4.3 嵌岩深径比hr/d:              ", 6, u"1.00"}),
        Runs({u"      嵌岩段侧阻和端阻综合系数ζr: ", 4, u"0.8567"}),
        Runs({u"      嵌岩段总极限阻力标准值Qrk:   ", 2, u"16820.61 kN"}),
        u"  4.4 土的总极限侧阻力标准值Qsk(不考虑): 0.00 kN",
        Runs({u"  4.5 桩竖向极限承载力标准值Quk:   ", 2, u"16820.61 kN"}),
        u"      安全系数K:                         2.00",
        Runs({u"      单桩竖向承载力特征值Ra:      ", 3, u"8410.31 kN"}),
        Runs({u"  4.6 基桩成桩工艺:", 14, u"泥浆护壁成桩"}),
        Runs({u"      基桩成桩工艺系数ψc:         ", 6, u"0.70"}),
        Runs({u"      桩身混凝土强度设计值fc:      ", 5, u"14.30 MPa"}),
        Runs({u"      桩身正截面受压承载力设计值Rc:", 3, u"7861.84 kN"}),
        u"5.基桩主要数据汇总",
        kSmallRule,
        u"      基    桩  桩身截面  桩身直径  嵌岩深度 ",
        Runs({6, u"编", 4, u"号", 2, u"类", 4, u"型", 4, u"d(mm)", 4, u"hr(mm)", 2}),
        kSmallRule,
        Runs({8, u"ZH1", 6, u"圆", 2, u"桩", 5, u"1000", 6, u"1.0d", 3}),
        kSmallRule,
        u"      岩石强度  桩承载力  桩混凝土  桩身强度 ",
        Runs({6, u"frk(MPa)", 3, u"Ra(kN)", 3, u"强度等级", 3, u"Rc(kN)", 2}),
        kSmallRule,
        Runs({8, u"25.00", 5, u"8410", 7, u"C30", 6, u"7862", 3}),
        kSmallRule,
        u"==================================================",
        u"计算时间：2024/3/5 14:07:09",
    };
    const Lines block = BlockOf(DefaultInput());
    ASSERT_EQ(block.size(), 48u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(block[i], expected[i]) << "line " << i + 1;
    }
}

TEST(TextBlockTest, SummaryHeadingsAndRowsAre45ColumnsWide) {
    const Lines block = BlockOf(DefaultInput());
    for (std::size_t number : {37, 38, 39, 41, 43, 44, 46}) {
        EXPECT_EQ(DisplayWidth(LineOf(block, number)), 45) << "line " << number;
    }
}

struct SummaryRow2Case {
    PrecisionMode mode;
    std::u16string line;
};

class SummaryRow2InEveryMode : public ::testing::TestWithParam<SummaryRow2Case> {};

TEST_P(SummaryRow2InEveryMode, FollowsTheMode) {
    const Lines block = BlockOf(DefaultInput(), GetParam().mode);
    EXPECT_EQ(LineOf(block, 46), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, SummaryRow2InEveryMode,
    ::testing::Values(
        SummaryRow2Case{PrecisionMode::TwoDecimals,
                        Runs({8, u"25.00", 4, u"8410.31", 5, u"C30", 5, u"7861.84", 1})},
        SummaryRow2Case{PrecisionMode::OneDecimal,
                        Runs({8, u"25.00", 4, u"8410.3", 6, u"C30", 5, u"7861.8", 2})},
        SummaryRow2Case{PrecisionMode::Units,
                        Runs({8, u"25.00", 5, u"8410", 7, u"C30", 6, u"7862", 3})},
        SummaryRow2Case{PrecisionMode::Tens,
                        Runs({8, u"25.00", 5, u"8410", 7, u"C30", 6, u"7860", 3})},
        SummaryRow2Case{PrecisionMode::Hundreds,
                        Runs({8, u"25.00", 5, u"8400", 7, u"C30", 6, u"7800", 3})}));

TEST(TextBlockTest, OnlySummaryRow2DependsOnTheMode) {
    const Lines units = BlockOf(DefaultInput(), PrecisionMode::Units);
    const Lines hundreds = BlockOf(DefaultInput(), PrecisionMode::Hundreds);
    ASSERT_EQ(units.size(), hundreds.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i + 1 != 45) {  // summary row 2
            EXPECT_EQ(units[i], hundreds[i]) << "line " << i + 1;
        }
    }
}

TEST(TextBlockTest, DepthInMillimetresCarriesItsUnit) {
    const Lines block = BlockOf(Input(u"1000", u"1500", u"25"));
    EXPECT_EQ(LineOf(block, 7), Runs({u"      桩身嵌岩深度hr:              ", 6, u"1500 mm"}));
    EXPECT_EQ(LineOf(block, 41), Runs({8, u"ZH1", 6, u"圆", 2, u"桩", 5, u"1000", 6, u"1500", 3}));
}

TEST(TextBlockTest, CappedDepthAddsTheRatioUsed) {
    const Lines block = BlockOf(Input(u"1000", u"10000", u"25"));
    ASSERT_EQ(block.size(), 49u);
    EXPECT_EQ(LineOf(block, 24), Runs({u"  4.3 嵌岩深径比hr/d:              ", 5, u"10.00"}));
    EXPECT_EQ(LineOf(block, 25), Runs({u"      计算承载力采用的嵌岩深径比:  ", 6, u"4.00"}));
    EXPECT_EQ(LineOf(block, 26), Runs({u"      嵌岩段侧阻和端阻综合系数ζr: ", 4, u"1.1867"}));
    EXPECT_EQ(block.back(), u"计算时间：2024/3/5 14:07:09");
}

struct ProcessCase {
    ConstructionProcess process;
    int spaces;
    const char16_t* text;
};

class ProcessLines : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(ProcessLines, EndAtColumn45) {
    const ProcessCase& c = GetParam();
    const Lines block = BlockOf(Input(u"1000", u"1.0d", u"25", c.process));
    EXPECT_EQ(LineOf(block, 11), Runs({u"  2.3 基桩成桩工艺:", c.spaces, c.text}));
    EXPECT_EQ(LineOf(block, 32), Runs({u"  4.6 基桩成桩工艺:", c.spaces, c.text}));
}

INSTANTIATE_TEST_SUITE_P(
    AllProcesses, ProcessLines,
    ::testing::Values(ProcessCase{ConstructionProcess::DryClean, 6, u"干作业成桩(清底干净)"},
                      ProcessCase{ConstructionProcess::MudWall, 14, u"泥浆护壁成桩"},
                      ProcessCase{ConstructionProcess::MudWallPostGrout, 8, u"泥浆护壁成桩后注浆"},
                      ProcessCase{ConstructionProcess::Underwater, 16, u"水下灌注桩"}));

struct RockCase {
    const char16_t* frk;
    int spaces;
    const char16_t* name;
};

class RockClassLine : public ::testing::TestWithParam<RockCase> {};

TEST_P(RockClassLine, EndsAtColumn45) {
    const Lines block = BlockOf(Input(u"1000", u"1.0d", GetParam().frk));
    EXPECT_EQ(LineOf(block, 23),
              Runs({u"  4.2 岩石坚硬程度:              ", GetParam().spaces, GetParam().name}));
}

INSTANTIATE_TEST_SUITE_P(AllClasses, RockClassLine,
                         ::testing::Values(RockCase{u"5", 6, u"极软岩"},
                                           RockCase{u"10", 8, u"软岩"},
                                           RockCase{u"25", 6, u"较软岩"},
                                           RockCase{u"40", 6, u"较硬岩"},
                                           RockCase{u"80", 6, u"坚硬岩"}));

TEST(TextBlockTest, SixCharacterDiameterIsCentredInItsSummaryCell) {
    const Lines block = BlockOf(Input(u"1000.5", u"1.0d", u"25"));
    EXPECT_EQ(LineOf(block, 41),
              Runs({8, u"ZH1", 6, u"圆", 2, u"桩", 4, u"1000.5", 5, u"1.0d", 3}));
}

TEST(TextBlockTest, PileNumberGoesIntoTitleAndSummary) {
    const Lines block = TextBlockLines(10000, DefaultInput(), Compute(DefaultInput()),
                                       PrecisionMode::Units, kTime, u'.');
    EXPECT_EQ(LineOf(block, 2), u"1.基桩编号: ZH10000");
    EXPECT_EQ(LineOf(block, 41),
              Runs({8, u"ZH10000", 3, u"圆", 2, u"桩", 5, u"1000", 6, u"1.0d", 3}));
}

TEST(TextBlockTest, CommaSeparatorReachesEveryNumber) {
    const Lines block = BlockOf(Input(u"1000", u"1,0d", u"25"), PrecisionMode::TwoDecimals, u',');
    EXPECT_EQ(LineOf(block, 10), Runs({u"      岩石单轴抗压强度标准值frk:   ", 5, u"25,00 MPa"}));
    EXPECT_EQ(LineOf(block, 21), Runs({u"      桩身截面面积Ap(Aps):         ", 6, u"0,79 m^2"}));
    EXPECT_EQ(LineOf(block, 26), Runs({u"      嵌岩段侧阻和端阻综合系数ζr: ", 4, u"0,8567"}));
    EXPECT_EQ(LineOf(block, 46), Runs({8, u"25,00", 4, u"8410,31", 5, u"C30", 5, u"7861,84", 1}));
    EXPECT_EQ(LineOf(block, 28), u"  4.4 土的总极限侧阻力标准值Qsk(不考虑): 0.00 kN");
}

// The default pile (Ra 8410.31, Rc 7861.84) with Nk 9000 and N 7000 from a
// schedule, its socket of 1000 mm below a minimum of 1200 mm.
BookPile CheckedPile(const std::u16string& mark) {
    BookPile pile =
        CalculatorPile(1, DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, u'.');
    pile.mark = mark;
    pile.scheduleMark = true;
    pile.raCheck = LoadCheck{9000, pile.result.ra, false, (pile.result.ra / 9000 - 1) * 100};
    pile.rcCheck = LoadCheck{7000, pile.result.rc, true, (pile.result.rc / 7000 - 1) * 100};
    pile.socketCheck = SocketCheck{1000, 1200, false};
    return pile;
}

TEST(TextChecksTest, CheckSectionComesBeforeTheClosingRule) {
    const Lines block = TextBlockLines(CheckedPile(u"ZH8A"), kTime);
    const Lines plain = BlockOf(DefaultInput());
    ASSERT_EQ(block.size(), plain.size() + 10);
    const Lines section(block.end() - 12, block.end() - 2);
    EXPECT_EQ(section, (Lines{
                           u"6.验算(以未取整的数值比较)",
                           Runs({u"  6.1 竖向力Nk:", 26, u"9000 kN"}),
                           Runs({u"      单桩竖向承载力特征值Ra:", 12, u"8410 kN"}),
                           Runs({u"      Ra≥Nk:", 26, u"不满足  富余 -6.6%"}),
                           Runs({u"  6.2 轴向压力N:", 25, u"7000 kN"}),
                           Runs({u"      桩身正截面受压承载力设计值Rc:", 6, u"7862 kN"}),
                           Runs({u"      Rc≥N:", 29, u"满足  富余 +12.3%"}),
                           Runs({u"  6.3 桩身嵌岩深度hr:", 20, u"1000 mm"}),
                           Runs({u"      最小嵌岩深度:", 22, u"1200 mm"}),
                           u"      警告: 嵌岩深度小于最小嵌岩深度",
                       }));
    EXPECT_EQ(block[block.size() - 2], std::u16string(50, u'='));
    EXPECT_EQ(LineOf(block, 2), u"1.基桩编号: ZH8A");
    // The rest is the block of the same pile without checks.
    BookPile unchecked = CheckedPile(u"ZH8A");
    unchecked.raCheck.reset();
    unchecked.rcCheck.reset();
    unchecked.socketCheck.reset();
    Lines rest = block;
    rest.erase(rest.end() - 12, rest.end() - 2);
    EXPECT_EQ(rest, TextBlockLines(unchecked, kTime));
}

TEST(TextChecksTest, SectionHoldsOnlyWhatThePileHas) {
    BookPile onlyN = CheckedPile(u"ZH1");
    onlyN.raCheck.reset();
    onlyN.socketCheck->holds = true;
    onlyN.mode = PrecisionMode::TwoDecimals;
    onlyN.rcCheck = LoadCheck{0, onlyN.result.rc, true, std::nullopt};
    const Lines block = TextBlockLines(onlyN, kTime);
    EXPECT_EQ(Lines(block.end() - 6, block.end() - 2),
              (Lines{u"6.验算(以未取整的数值比较)", Runs({u"  6.1 轴向压力N:", 25, u"0.00 kN"}),
                     Runs({u"      桩身正截面受压承载力设计值Rc:", 3, u"7861.84 kN"}),
                     Runs({u"      Rc≥N:", 29, u"满足"})}));

    BookPile none = CheckedPile(u"ZH1");
    none.raCheck.reset();
    none.rcCheck.reset();
    none.socketCheck->holds = true;
    EXPECT_EQ(TextBlockLines(none, kTime), BlockOf(DefaultInput()));
}

TEST(TextChecksTest, AWideScheduleMarkWidensItsSummaryTable) {
    BookPile pile = CheckedPile(u"1-ZH12-东侧");
    pile.raCheck.reset();
    pile.rcCheck.reset();
    pile.socketCheck.reset();
    const Lines block = TextBlockLines(pile, kTime);
    const std::u16string rule = kSmallRule + u"-----";
    EXPECT_EQ(LineOf(block, 37), rule);
    EXPECT_EQ(LineOf(block, 38), Runs({9, u"基    桩", 4, u"桩身截面  桩身直径  嵌岩深度 "}));
    EXPECT_EQ(LineOf(block, 39), Runs({9, u"编    号", 4, u"类    型    d(mm)    hr(mm)  "}));
    EXPECT_EQ(LineOf(block, 40), rule);
    EXPECT_EQ(LineOf(block, 41),
              Runs({8, u"1-ZH12-东侧", 3, u"圆", 2, u"桩", 5, u"1000", 6, u"1.0d", 3}));
    EXPECT_EQ(LineOf(block, 42), rule);
    EXPECT_EQ(LineOf(block, 45), kSmallRule);
    for (std::size_t line : {37, 38, 40, 41}) {
        EXPECT_EQ(DisplayWidth(LineOf(block, line)), 50) << line;
    }
    // Control characters in a mark never break a line.
    EXPECT_EQ(BookMarkText(u" A\n1\t "), u"A\uFFFD1\uFFFD");
}

}  // namespace
}  // namespace rokal
