#include "schedule/RowCompute.h"

#include <gtest/gtest.h>

#include <variant>

#include "schedule/RowReading.h"
#include "tests/schedule/ScheduleTestSupport.h"

namespace rokal {
namespace {

using test::Row;

const std::u16string kD = u"桩身直径数据有错";
const std::u16string kHr = u"嵌岩深度数据有错";
const std::u16string kFrk = u"岩石单轴抗压强度值有错";
const std::u16string kGrade = u"混凝土强度等级有错，应为C25～C60";
const std::u16string kProcess = u"成桩工艺有错，应为干作业、泥浆护壁、后注浆或水下";
const std::u16string kNk = u"竖向力Nk数据有错";
const std::u16string kN = u"轴向压力N数据有错";
const std::u16string kOverflow = u"数值超出范围";
const std::u16string kPoint = u"（小数点应为“.”，数中不用千位分隔符）";
const std::u16string kComma = u"（小数点应为“,”，数中不用千位分隔符）";
const std::u16string kAfterD = u"（“d”后面不能有其他内容）";

using Errors = std::vector<std::pair<std::optional<ScheduleColumn>, std::u16string>>;

struct BadRowCase {
    ScheduleRow row;
    Errors errors;
    char16_t separator = u'.';
};

// A row read with surplus fields, as a record of 10 fields under a header of 8.
ScheduleRow WithSurplus(ScheduleRow row) {
    row.surplus = {u"7", u"800"};
    row.headerFields = 8;
    row.line = 5;
    return row;
}

class BadRows : public testing::TestWithParam<BadRowCase> {};

TEST_P(BadRows, NameEveryBadCellWithItsMessageAndHaveNoResults) {
    const RowResult result = ComputeRow(GetParam().row, GetParam().separator);
    EXPECT_FALSE(result.Computed());
    EXPECT_FALSE(result.Passes());
    EXPECT_FALSE(result.raCheck || result.rcCheck);
    Errors errors;
    for (const CellError& error : result.errors) {
        errors.emplace_back(error.column, error.message);
    }
    EXPECT_EQ(errors, GetParam().errors);
}

using C = ScheduleColumn;

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRows,
    testing::Values(
        BadRowCase{Row(u"", u"abc", u"1d", u"25", u"C30", u"水下"), {{C::D, kD}}},
        BadRowCase{Row(u"", u"1000", u"-1", u"25", u"C30", u"水下"), {{C::Hr, kHr}}},
        BadRowCase{Row(u"", u"1000", u"1d", u"0", u"C30", u"水下"), {{C::Frk, kFrk}}},
        BadRowCase{Row(u"", u"1000", u"1d", u"25", u"C65", u"水下"), {{C::Grade, kGrade}}},
        BadRowCase{Row(u"", u"1000", u"1d", u"25", u"C30", u"人工挖孔"), {{C::Process, kProcess}}},
        BadRowCase{Row(u"", u"1000", u"1d", u"25", u"C30", u"水下", u"-5"), {{C::Nk, kNk}}},
        BadRowCase{Row(u"", u"1000", u"1d", u"25", u"C30", u"水下", u"", u"1 000"), {{C::N, kN}}},
        // Every bad cell at once, in column order, not only the first the engine meets.
        BadRowCase{Row(u"", u"", u"x", u"", u"", u"", u"many", u"1e999"),
                   {{C::D, kD},
                    {C::Hr, kHr},
                    {C::Frk, kFrk},
                    {C::Grade, kGrade},
                    {C::Process, kProcess},
                    {C::Nk, kNk},
                    {C::N, kN}}},
        // Numbers beyond a double's range, alone or together.
        BadRowCase{Row(u"", u"1e999", u"1d", u"25", u"C30", u"水下"), {{C::D, kOverflow}}},
        BadRowCase{Row(u"", u"1e200", u"1d", u"25", u"C30", u"水下"), {{C::D, kOverflow}}},
        BadRowCase{Row(u"", u"1e150", u"1d", u"1e300", u"C30", u"水下"),
                   {{C::D, kOverflow}, {C::Frk, kOverflow}}},
        BadRowCase{Row(u"", u"1e300", u"1e10d", u"25", u"C30", u"水下"),
                   {{C::D, kOverflow}, {C::Hr, kOverflow}}},
        // Every number by one rule: the separator in force, no grouping, no unit.
        BadRowCase{Row(u"", u"1,200", u"1d", u"25", u"C30", u"水下"), {{C::D, kD + kPoint}}},
        BadRowCase{Row(u"", u"1000mm", u"1d", u"25MPa", u"C30", u"水下"),
                   {{C::D, kD}, {C::Frk, kFrk}}},
        BadRowCase{
            Row(u"", u"1.200", u"1,5d", u"25.5", u"C30", u"水下", u"9.500", u"1 000"),
            {{C::D, kD + kComma}, {C::Frk, kFrk + kComma}, {C::Nk, kNk + kComma}, {C::N, kN}},
            u','},
        BadRowCase{Row(u"", u"1000", u"1d", u"25", u"C30", u"水下", u"9,500"),
                   {{C::Nk, kNk + kPoint}}},
        // Nothing but spaces after the "d" of hr.
        BadRowCase{Row(u"", u"1000", u"2d+500", u"25", u"C30", u"水下"), {{C::Hr, kHr + kAfterD}}},
        BadRowCase{Row(u"", u"1000", u"0.5d×3", u"25", u"C30", u"水下"), {{C::Hr, kHr + kAfterD}}},
        BadRowCase{Row(u"", u"1000", u"1.5dd", u"25", u"C30", u"水下"), {{C::Hr, kHr + kAfterD}}},
        // A bad number beside one the engine refuses: both named.
        BadRowCase{Row(u"", u"1.0.0", u"1d", u"0", u"C30", u"水下"), {{C::D, kD}, {C::Frk, kFrk}}},
        // Fields beyond the header's: the whole row, before its cells.
        BadRowCase{WithSurplus(Row(u"ZH5", u"1000", u"1d", u"25", u"C30", u"水下", u"9", u"500")),
                   {{std::nullopt,
                     u"第5行有10个字段，表头只有8个：多出的字段不知属于哪一列"
                     u"（数中不用千位分隔符，含分隔符的文字要加引号）"}}},
        BadRowCase{WithSurplus(Row(u"ZH5", u"1000", u"1d", u"x", u"C30", u"水下")),
                   {{std::nullopt,
                     u"第5行有10个字段，表头只有8个：多出的字段不知属于哪一列"
                     u"（数中不用千位分隔符，含分隔符的文字要加引号）"},
                    {C::Frk, kFrk}}}));

// With either separator, the numbers a schedule writes reach the engine as it reads
// them: d and frk with ".", hr with the separator, spaces at either end dropped.
TEST(RowCompute, ReadsNumbersWithTheSeparatorInForce) {
    struct Case {
        ScheduleRow row;
        char16_t separator;
        PileInput input;
        double nk;
    };
    const Case cases[] = {
        {Row(u"", u" 1000,5 ", u"1,5 d ", u"\t25,5", u"C30", u"水下", u"9500,5"),
         u',',
         {u"1000.5", u"1,5d", u"25.5"},
         9500.5},
        {Row(u"", u"1000.5", u"\u30001500.5", u"+2.55e1", u"C30", u"水下", u"9500"),
         u'.',
         {u"1000.5", u"1500.5", u"+2.55e1"},
         9500},
    };
    for (const Case& c : cases) {
        const RowResult result = ComputeRow(c.row, c.separator);
        ASSERT_TRUE(result.Computed()) << Utf16ToUtf8(CellErrorText(result.errors.front()));
        EXPECT_EQ(result.input.dText, c.input.dText);
        EXPECT_EQ(result.input.hrText, c.input.hrText);
        EXPECT_EQ(result.input.frkText, c.input.frkText);
        EXPECT_EQ(result.pile->d, 1000.5);
        EXPECT_EQ(result.pile->frk, 25.5);
        EXPECT_EQ(result.nk, c.nk);
    }
}

TEST(RowCompute, GivesTheEnginesOwnResultForAGoodRow) {
    const RowResult result =
        ComputeRow(Row(u"A", u"1000", u"1.5d", u"25", u" c 35", u" 后注浆 "), u'.');
    ASSERT_TRUE(result.Computed());
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.input.grade, ConcreteGrade::C35);
    EXPECT_EQ(result.input.process, ConstructionProcess::MudWallPostGrout);
    PileInput input{u"1000", u"1.5d", u"25", ConcreteGrade::C35,
                    ConstructionProcess::MudWallPostGrout};
    const PileResult expected = std::get<PileResult>(ComputePile(input, u'.'));
    EXPECT_EQ(result.pile->ra, expected.ra);
    EXPECT_EQ(result.pile->rc, expected.rc);
    EXPECT_EQ(result.pile->zetaR, expected.zetaR);
    EXPECT_TRUE(result.Passes());
}

TEST(RowCompute, CapsADeepSocketAsTheEngineDoes) {
    const RowResult result = ComputeRow(Row(u"", u"1000", u"10d", u"40", u"C30", u"水下"), u'.');
    ASSERT_TRUE(result.Computed());
    EXPECT_TRUE(result.pile->capped);
    EXPECT_EQ(result.pile->hrUsed, 4000);
}

TEST(RowReading, ReadsEveryProcessByItsFullAndShortName) {
    const std::pair<const char16_t*, ConstructionProcess> names[] = {
        {u"干作业", ConstructionProcess::DryClean},
        {u"干作业成桩(清底干净)", ConstructionProcess::DryClean},
        {u"泥浆护壁", ConstructionProcess::MudWall},
        {u"泥浆护壁成桩", ConstructionProcess::MudWall},
        {u"后注浆", ConstructionProcess::MudWallPostGrout},
        {u"泥浆护壁成桩后注浆", ConstructionProcess::MudWallPostGrout},
        {u"水下", ConstructionProcess::Underwater},
        {u"水下灌注桩", ConstructionProcess::Underwater},
    };
    for (const auto& [text, process] : names) {
        EXPECT_EQ(ReadConstructionProcess(text), process);
        const RowResult row = ComputeRow(Row(u"", u"1000", u"1d", u"25", u"C30", text), u'.');
        ASSERT_TRUE(row.Computed());
        EXPECT_EQ(row.input.process, process);
    }
    for (const char16_t* bad : {u"", u"泥浆", u"水下灌注", u"干作业成桩"}) {
        EXPECT_FALSE(ReadConstructionProcess(bad));
    }
}

TEST(RowReading, ReadsGradesWhateverTheirCaseAndSpaces) {
    EXPECT_EQ(ReadConcreteGrade(u"C25"), ConcreteGrade::C25);
    EXPECT_EQ(ReadConcreteGrade(u" c 6 0 "), ConcreteGrade::C60);
    EXPECT_EQ(ReadConcreteGrade(u"C\u300040"), ConcreteGrade::C40);
    for (const char16_t* bad : {u"", u"C20", u"C65", u"30", u"Ｃ30", u"C30C"}) {
        EXPECT_FALSE(ReadConcreteGrade(bad));
    }
}

TEST(RowReading, ReadsLoadsWithTheSeparatorInForceAlone) {
    EXPECT_EQ(ReadLoad(u" 1500.5 ", u'.'), 1500.5);
    EXPECT_EQ(ReadLoad(u"1500,5", u','), 1500.5);
    EXPECT_FALSE(ReadLoad(u"1500.5", u','));
    EXPECT_EQ(ReadLoad(u"0", u'.'), 0.0);
    EXPECT_FALSE(ReadLoad(u"1500,5", u'.'));
    EXPECT_FALSE(ReadLoad(u"-1", u'.'));
    EXPECT_FALSE(ReadLoad(u"1e999", u'.'));
}

TEST(RowCompute, ChecksLoadsOnUnroundedCapacities) {
    // d 1000, 1.5d, frk 25, mud wall, C30: Ra = 9081.166..., Rc = 7861.835...
    const auto check = [](const char16_t* nk, const char16_t* n) {
        return ComputeRow(Row(u"", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", nk, n), u'.');
    };
    const RowResult noLoads = check(u"", u" ");
    EXPECT_FALSE(noLoads.raCheck || noLoads.rcCheck);
    EXPECT_TRUE(noLoads.Passes());

    const RowResult both = check(u"9081.16", u"7861.84");
    ASSERT_TRUE(both.raCheck && both.rcCheck);
    EXPECT_TRUE(both.raCheck->holds);   // 9081.166... >= 9081.16
    EXPECT_FALSE(both.rcCheck->holds);  // 7861.835... < 7861.84, though both show 7862
    EXPECT_FALSE(both.Passes());
    EXPECT_NEAR(*both.raCheck->marginPercent, 6.898e-5, 1e-8);
    EXPECT_LT(*both.rcCheck->marginPercent, 0);

    const RowResult zero = check(u"0", u"");
    EXPECT_TRUE(zero.raCheck->holds);
    EXPECT_FALSE(zero.raCheck->marginPercent);
    EXPECT_EQ(CheckVerdictText(true), u"满足");
    EXPECT_EQ(CheckVerdictText(false), u"不满足");
}

}  // namespace
}  // namespace rokal
