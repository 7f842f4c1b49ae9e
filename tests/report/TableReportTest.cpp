#include "report/TableReport.h"

#include <gtest/gtest.h>

#include "report/DisplayWidth.h"
#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

using test::Compute;
using test::DefaultInput;
using test::Input;
using test::Runs;

// The default pile's row up to and including ζr, ZH1, point separator.
std::u16string DefaultRowStart() {
    return Runs({3, u"ZH1", 6, u"圆", 2, u"桩", 5, u"1000", 6, u"1.0d", 5, u"25.00", 4, u"泥浆护壁",
                 4, u"1.00", 5, u"0.8567"});
}

TEST(TableHeaderTest, FiveLinesOf130Columns) {
    const Lines header = TableHeaderLines();
    ASSERT_EQ(header.size(), 5u);
    EXPECT_EQ(header[0], std::u16string(58, u'=') + u" 嵌岩桩计算书 " + std::u16string(58, u'='));
    EXPECT_EQ(header[1], std::u16string(130, u'-'));
    EXPECT_EQ(header[2],
              u" 基    桩  桩身截面  桩身直径  嵌岩深度  岩石强度  成    桩  深 径 比  综合系数  "
              u"嵌岩阻力  桩承载力  桩混凝土  工艺系数  桩身强度 ");
    EXPECT_EQ(
        header[3],
        Runs({1, u"编",       4, u"号",       2, u"类", 4, u"型",     4, u"d(mm)", 4, u"hr(mm)",
              3, u"frk(MPa)", 2, u"工",       4, u"艺", 4, u"hr/d",   6, u"ζr",    6, u"Qrk(kN)",
              3, u"Ra(kN)",   3, u"强度等级", 4, u"ψc", 6, u"Rc(kN)", 2}));
    EXPECT_EQ(header[4], std::u16string(130, u'-'));
    EXPECT_EQ(DisplayWidth(header[0]), 130);
    EXPECT_EQ(DisplayWidth(header[2]), 130);
    EXPECT_EQ(DisplayWidth(header[3]), 128);  // ζ and ψ count one column each
}

TEST(TableFooterTest, RulesNoteAndTime) {
    const Lines footer = TableFooterLines(u"2024/3/5 14:07:09");
    ASSERT_EQ(footer.size(), 4u);
    EXPECT_EQ(footer[0], std::u16string(130, u'-'));
    EXPECT_EQ(footer[1], u"注: 采用《贵州建筑地基基础设计规范》(DBJ 52/T045-2018)公式计算");
    EXPECT_EQ(footer[2], std::u16string(130, u'='));
    EXPECT_EQ(footer[3], u"计算时间：2024/3/5 14:07:09");
}

TEST(TableFooterTest, MidnightTimeTextIsWrittenAsGiven) {
    EXPECT_EQ(TableFooterLines(u"2024/3/5")[3], u"计算时间：2024/3/5");
}

struct ModeRowCase {
    PrecisionMode mode;
    std::u16string rest;  // the runs after ζr
};

class WorkedExampleRows : public ::testing::TestWithParam<ModeRowCase> {};

TEST_P(WorkedExampleRows, MatchRunByRun) {
    const std::u16string row =
        TableRowLine(1, DefaultInput(), Compute(DefaultInput()), GetParam().mode, u'.');
    EXPECT_EQ(row, DefaultRowStart() + GetParam().rest);
    EXPECT_EQ(DisplayWidth(row), 130);
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, WorkedExampleRows,
    ::testing::Values(
        ModeRowCase{PrecisionMode::Units,
                    Runs({5, u"16821", 6, u"8410", 6, u"C30", 6, u"0.70", 7, u"7862", 2})},
        ModeRowCase{PrecisionMode::TwoDecimals,
                    Runs({3, u"16820.61", 3, u"8410.31", 5, u"C30", 6, u"0.70", 5, u"7861.84", 1})},
        ModeRowCase{PrecisionMode::OneDecimal,
                    Runs({4, u"16820.6", 4, u"8410.3", 5, u"C30", 6, u"0.70", 6, u"7861.8", 1})},
        ModeRowCase{PrecisionMode::Tens,
                    Runs({5, u"16820", 6, u"8410", 6, u"C30", 6, u"0.70", 7, u"7860", 2})},
        ModeRowCase{PrecisionMode::Hundreds,
                    Runs({5, u"16800", 6, u"8400", 6, u"C30", 6, u"0.70", 7, u"7800", 2})}));

TEST(TableRowTest, DepthInMillimetresShowsItsText) {
    const PileInput input = Input(u"1000", u"2500", u"25");
    const std::u16string row = TableRowLine(1, input, Compute(input), PrecisionMode::Units, u'.');
    EXPECT_EQ(row.substr(0, 45),
              Runs({3, u"ZH1", 6, u"圆", 2, u"桩", 5, u"1000", 6, u"2500", 5, u"25.00"}));
}

TEST(TableRowTest, CappedDepthShowsTheEnteredRatio) {
    const PileInput input = Input(u"1000", u"10000", u"25");
    const PileResult result = Compute(input);
    ASSERT_TRUE(result.capped);
    const std::u16string row = TableRowLine(1, input, result, PrecisionMode::Units, u'.');
    EXPECT_NE(row.find(Runs({u"泥浆护壁", 3, u"10.00", 5})), std::u16string::npos);
}

TEST(TableRowTest, WideDiameterTextShiftsTheRestOfTheRow) {
    const PileInput wide = Input(u"1000.00", u"1.0d", u"25");
    const std::u16string row = TableRowLine(1, wide, Compute(wide), PrecisionMode::Units, u'.');
    const std::u16string normal =
        TableRowLine(1, DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, u'.');
    // "1000" stood right-aligned in 6 columns; "1000.00" takes 7 and pushes the rest by one.
    EXPECT_EQ(row, normal.substr(0, 19) + u"1000.00" + normal.substr(25));
    EXPECT_EQ(DisplayWidth(row), 131);
}

TEST(TableRowTest, PileNumbersUpTo9999FitAndZH10000ShiftsByOne) {
    const PileResult result = Compute(DefaultInput());
    const std::u16string zh1 = TableRowLine(1, DefaultInput(), result, PrecisionMode::Units, u'.');
    const std::u16string zh9999 =
        TableRowLine(9999, DefaultInput(), result, PrecisionMode::Units, u'.');
    const std::u16string zh10000 =
        TableRowLine(10000, DefaultInput(), result, PrecisionMode::Units, u'.');
    EXPECT_EQ(zh9999, u"   ZH9999" + zh1.substr(9));
    EXPECT_EQ(zh10000, u"   ZH10000" + zh1.substr(9));
    EXPECT_EQ(DisplayWidth(zh10000), 131);
}

TEST(TableRowTest, TensModeCutsTheCapacityDown) {
    PileResult result = Compute(DefaultInput());
    result.qrk = 16829.99;
    const std::u16string row = TableRowLine(1, DefaultInput(), result, PrecisionMode::Tens, u'.');
    EXPECT_EQ(row.substr(72, 13), Runs({5, u"16820", 3}));
}

TEST(TableRowTest, LargeCapacityOverflowsItsCell) {
    const PileInput input = Input(u"2000", u"4.0d", u"60", ConstructionProcess::DryClean);
    const std::u16string row =
        TableRowLine(1, input, Compute(input), PrecisionMode::TwoDecimals, u'.');
    // Qrk 235242.46 and Ra 117621.23 each take one column more than their cells.
    EXPECT_EQ(row,
              Runs({3, u"ZH1",       6, u"圆",       2, u"桩",   5, u"2000",     6, u"4.0d",
                    5, u"60.00",     4, u"干 作 业", 4, u"4.00", 5, u"1.2480",   3, u"235242.46",
                    2, u"117621.23", 5, u"C30",      6, u"0.70", 4, u"31447.34", 1}));
    EXPECT_EQ(DisplayWidth(row), 132);
}

TEST(TableRowTest, CommaSeparatorWritesEveryNumberWithIt) {
    const PileInput input = Input(u"1000", u"1,0d", u"25");
    const std::u16string row =
        TableRowLine(1, input, Compute(input, u','), PrecisionMode::TwoDecimals, u',');
    EXPECT_EQ(row, Runs({3, u"ZH1",     6, u"圆",       2, u"桩",   5, u"1000",    6, u"1,0d",
                         5, u"25,00",   4, u"泥浆护壁", 4, u"1,00", 5, u"0,8567",  3, u"16820,61",
                         3, u"8410,31", 5, u"C30",      6, u"0,70", 5, u"7861,84", 1}));
}

struct ProcessLabelCase {
    ConstructionProcess process;
    const char16_t* label;
};

class ProcessLabels : public ::testing::TestWithParam<ProcessLabelCase> {};

TEST_P(ProcessLabels, FillTheirEightColumnCell) {
    const PileInput input = Input(u"1000", u"1.0d", u"25", GetParam().process);
    const std::u16string row = TableRowLine(1, input, Compute(input), PrecisionMode::Units, u'.');
    const std::u16string expected = Runs({4, GetParam().label, 2});
    EXPECT_EQ(row.substr(45, expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllProcesses, ProcessLabels,
    ::testing::Values(ProcessLabelCase{ConstructionProcess::DryClean, u"干 作 业"},
                      ProcessLabelCase{ConstructionProcess::MudWall, u"泥浆护壁"},
                      ProcessLabelCase{ConstructionProcess::MudWallPostGrout, u"后 注 浆"},
                      ProcessLabelCase{ConstructionProcess::Underwater, u"水下灌注"}));

// The default pile (Ra 8410.31, Rc 7861.84) carrying Nk 9000 and N 7000 in a
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

TEST(TableChecksTest, CheckColumnsFollowTheRowsOwn) {
    const TableLayout layout{6, true};
    const std::u16string calculatorRow =
        TableRowLine(1, DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, u'.');
    EXPECT_EQ(TableRowLine(CheckedPile(u"ZH1"), layout),
              calculatorRow + Runs({5, u"9000", 2, u"不满足 -6.6%", 7, u"7000", 2, u"满足 +12.3%",
                                    4, u"<1200mm", 4}));
    // A pile without loads in the same book leaves its check cells empty.
    EXPECT_EQ(TableRowLine(CalculatorPile(1, DefaultInput(), Compute(DefaultInput()),
                                          PrecisionMode::Units, u'.'),
                           layout),
              calculatorRow + std::u16string(62, u' '));
    // A load of 0 has no margin, and the loads follow the rounding without being cut.
    BookPile zero = CheckedPile(u"ZH1");
    zero.mode = PrecisionMode::Tens;
    zero.raCheck = LoadCheck{0, zero.result.ra, true, std::nullopt};
    zero.rcCheck = LoadCheck{7005, zero.result.rc, true, 12.2};
    zero.socketCheck->holds = true;
    const std::u16string row = TableRowLine(zero, layout);
    EXPECT_EQ(row.substr(row.size() - 58),
              Runs({8, u"0", 2, u"满足", 15, u"7005", 2, u"满足 +12.2%", 15}));

    const Lines header = TableHeaderLines(layout);
    const Lines plain = TableHeaderLines();
    EXPECT_EQ(header[0], std::u16string(89, u'=') + u" 嵌岩桩计算书 " + std::u16string(89, u'='));
    EXPECT_EQ(header[1], std::u16string(192, u'-'));
    EXPECT_EQ(header[2], plain[2] + Runs({1, u"竖 向 力", 4, u"承载力验算", 3, u"轴向压力", 3,
                                          u"桩身强度验算", 3, u"嵌岩深度", 2}));
    EXPECT_EQ(header[3], plain[3] + Runs({2, u"Nk(kN)", 7, u"Ra≥Nk", 7, u"N(kN)", 7, u"Rc≥N", 7,
                                          u"不足警告", 2}));
    EXPECT_EQ(TableFooterLines(u"T", layout)[2], std::u16string(192, u'='));
}

TEST(TableChecksTest, AScheduleMarkWidensItsColumnAndTheMainWindowsDoesNot) {
    BookPile wide = CheckedPile(u"1-ZH12-东侧");
    wide.raCheck.reset();
    wide.rcCheck.reset();
    wide.socketCheck.reset();
    const TableLayout layout = WidenedFor({}, wide);
    EXPECT_EQ(layout, (TableLayout{11, false}));
    EXPECT_EQ(WidenedFor(layout, CheckedPile(u"ZH8A")), (TableLayout{11, true}));
    const BookPile calculator =
        CalculatorPile(10000, DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, u'.');
    EXPECT_EQ(WidenedFor({}, calculator), TableLayout{});

    const std::u16string row = TableRowLine(wide, layout);
    const std::u16string plain =
        TableRowLine(1, DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, u'.');
    EXPECT_EQ(row, Runs({3, u"1-ZH12-东侧", 2}) + plain.substr(11));
    EXPECT_EQ(TableHeaderLines(layout)[2].substr(0, 16),
              Runs({4, u"基    桩", 4, u"桩身截面"}).substr(0, 16));
    EXPECT_EQ(TableRowLine(calculator, layout).substr(0, 17), Runs({3, u"ZH10000", 7}));
    for (const std::u16string& line :
         {TableHeaderLines(layout)[0], TableHeaderLines(layout)[2], row}) {
        EXPECT_EQ(DisplayWidth(line), 135);
    }

    // A hostile mark of 300 columns widens the column to 24 and shifts only its own row.
    BookPile hostile = wide;
    hostile.mark = std::u16string(300, u'Z');
    const TableLayout capped = WidenedFor(layout, hostile);
    EXPECT_EQ(capped, (TableLayout{24, false}));
    EXPECT_EQ(DisplayWidth(TableRowLine(wide, capped)), 148);
    EXPECT_EQ(DisplayWidth(TableRowLine(hostile, capped)), 148 + 300 - 24);
}

}  // namespace
}  // namespace rokal
