#include "book/CalculationBook.h"

#include <gtest/gtest.h>

#include <random>

#include "book/BasisSection.h"
#include "engine/RockClass.h"
#include "report/CodePage.h"
#include "schedule/ResultsCsv.h"
#include "tests/book/BookFixture.h"
#include "tests/book/HandCheck.h"

namespace rokal::book {
namespace {

const Table& SummaryTable(const Document& doc) {
    for (const Unit& unit : doc.units) {
        if (PlainText(unit.blocks.front().text) == u"2 计算结果汇总") {
            return unit.blocks.at(1).table;
        }
    }
    throw std::runtime_error("no summary");
}

std::u16string Cell(const TableRow& row, std::size_t column) {
    return PlainText(row.cells.at(column));
}

// The worked units, one per worked pile, by their heading.
std::vector<const Unit*> WorkedUnits(const Document& doc) {
    std::vector<const Unit*> units;
    for (const Unit& unit : doc.units) {
        if (unit.keepTogether) {
            units.push_back(&unit);
        }
    }
    return units;
}

std::vector<std::u16string> Lines(const Unit& unit) {
    std::vector<std::u16string> lines;
    for (const Block& block : unit.blocks) {
        lines.push_back(PlainText(block.text));
    }
    return lines;
}

// The summary gives each pile the texts the results CSV gives it: the same
// rock class, ζr, Ra, Rc, verdicts and margins.
TEST(CalculationBook, SummaryHoldsTheScheduleResults) {
    const Schedule schedule = test::BookSchedule();
    const std::vector<BookPile> piles = test::BookPiles(schedule);
    for (PrecisionMode mode :
         {PrecisionMode::Units, PrecisionMode::TwoDecimals, PrecisionMode::Hundreds}) {
        BookOptions options;
        options.mode = mode;
        const Document doc = MakeCalculationBook(piles, {}, options);
        const Table& table = SummaryTable(doc);
        ASSERT_EQ(table.rows.size(), piles.size());
        for (std::size_t i = 0; i < piles.size(); ++i) {
            const TableRow& row = table.rows[i];
            const RowResultTexts texts = FormatRowResult(piles[i].result, {}, mode, u'.');
            SCOPED_TRACE(testing::Message() << "row " << i);
            EXPECT_EQ(Cell(row, 0), RowMark(schedule.rows[i], i));
            if (!piles[i].result.Computed()) {
                EXPECT_TRUE(row.spanRest);
                EXPECT_EQ(Cell(row, 1), u"未能计算：" + texts.errors);
                continue;
            }
            EXPECT_EQ(Cell(row, 4), texts.rockClass);
            EXPECT_EQ(Cell(row, 7), texts.zetaR);
            EXPECT_EQ(Cell(row, 8), texts.ra);
            EXPECT_EQ(Cell(row, 11), texts.rc);
            const auto verdict = [](const std::u16string& check, const std::u16string& margin) {
                if (check.empty()) {
                    return std::u16string(u"—");
                }
                return check + u" " +
                       (margin[0] == u'-' ? u"−" + margin.substr(1) : u"+" + margin) + u"%";
            };
            EXPECT_EQ(Cell(row, 10), verdict(texts.raCheck, texts.raMargin));
            EXPECT_EQ(Cell(row, 13), verdict(texts.rcCheck, texts.rcMargin));
        }
    }
}

TEST(CalculationBook, ConclusionNamesEveryFailureAndEveryBadPile) {
    const Document doc = MakeCalculationBook(test::BookPiles(test::BookSchedule()), {}, {});
    const Unit& summary = doc.units.at(1);
    EXPECT_EQ(PlainText(summary.blocks.back().text),
              u"结论：共 10 根桩，5 根满足承载力验算要求；3 根不满足：ZH3（Ra < Nk 不足 4.4%）、"
              u"ZH5（Ra < Nk 不足 44.8%）、ZH6（Rc < N 不足 17.5%）；1 根未给出荷载，未作验算；"
              u"1 根数据有误，未能计算：第 10 行 ZH9；1 根嵌岩深度小于最小嵌岩深度：ZH_{a}。");

    std::vector<BookPile> passing = test::BookPiles(test::BookSchedule());
    passing.resize(2);
    const Document good = MakeCalculationBook(passing, {}, {});
    EXPECT_EQ(PlainText(good.units.at(1).blocks.back().text),
              u"结论：共 2 根桩，全部满足承载力验算要求。");
}

// A failing pile of medium rock, worked line by line; the mark a user typed is
// never read as markup.
TEST(CalculationBook, WorkedPileShowsEveryStep) {
    const Document doc = MakeCalculationBook(test::BookPiles(test::BookSchedule()), {}, {});
    const std::vector<const Unit*> units = WorkedUnits(doc);
    ASSERT_EQ(units.size(), 9u);  // every computed pile
    EXPECT_EQ(Lines(*units[2]),
              (std::vector<std::u16string>{
                  u"ZH3",
                  u"已知：d = 1000 mm，hr = 1.5d，frk = 25 MPa，混凝土 C30，泥浆护壁成桩；Nk = "
                  u"9500 kN，N = 7500 kN。",
                  u"Ap = π·d²/4 = π × 1.000² / 4 = 0.7854 m²",
                  u"frk = 25 MPa，岩石坚硬程度为较软岩。",
                  u"hr = 1.5d = 1.5 × 1000 = 1500 mm",
                  u"hmin = max(0.4 × 1000, 500) = 500 mm ≤ hr = 1500 mm，满足最小嵌岩深度要求",
                  u"hr/d = 1500 / 1000 = 1.50",
                  u"ζr 查表：15 MPa < frk ≤ 30 MPa，两列之间按 frk 线性插值；hr/d = 1.5 "
                  u"为表中一行；泥浆护壁成桩，η = 1.0。",
                  u"ζr = 1.065 + (0.855 − 1.065) × (25 − 15) / 15 = 0.9250",
                  u"Qrk = ζr·frk·Ap = 0.9250 × 25 × 0.7854 × 10³ = 18162 kN",
                  u"Quk = Qsk + Qrk = 0 + 18162 = 18162 kN（Qsk 不计）",
                  u"Ra = Quk / K = 18162 / 2 = 9081 kN",
                  u"Ra = 9081 kN < Nk = 9500 kN，不满足（不足 4.4%）",
                  u"混凝土 C30，fc = 14.3 MPa；泥浆护壁成桩，ψc = 0.7。",
                  u"Rc = ψc·fc·Ap = 0.7 × 14.3 × 0.7854 × 10³ = 7862 kN",
                  u"Rc = 7862 kN ≥ N = 7500 kN，满足（富余 4.8%）",
                  u"建议：嵌岩深度加大到 hr = 1.9d，Ra = 9618 kN。",
              }));
    EXPECT_EQ(units[8]->blocks.front().text, Plain(u"ZH_{a}"));
    // A capped socket reads the table's end.
    EXPECT_EQ(Lines(*units[6]).at(7),
              u"ζr 查表：frk > 30 MPa 列；hr/d = 10.00 > 4，按表末 hr/d = 4 取值；"
              u"干作业成桩(清底干净)，η = 1.2。");
    // Tens: worked to 1 kN, then the value taken.
    BookOptions tens;
    tens.mode = PrecisionMode::Tens;
    const Document tensDoc = MakeCalculationBook(test::BookPiles(test::BookSchedule()), {}, tens);
    const std::vector<std::u16string> lines = Lines(*WorkedUnits(tensDoc)[2]);
    EXPECT_EQ(lines.at(11), u"Ra = Quk / K = 18162 / 2 = 9081 kN");
    EXPECT_EQ(lines.at(12), u"取 Ra = 9080 kN（十位取整）");
}

TEST(CalculationBook, TypicalDetailWorksOnePilePerCombinationOfInputs) {
    Schedule schedule = test::BookSchedule();
    // ZH8 has ZH1's inputs; a copy of ZH2 with other loads joins them.
    schedule.rows.push_back(schedule.rows[1]);
    schedule.rows.back().Cell(ScheduleColumn::Mark) = u"ZH2A";
    schedule.rows.back().Cell(ScheduleColumn::Nk) = u"1";
    BookOptions options;
    options.detail = Detail::Typical;
    const Document doc = MakeCalculationBook(test::BookPiles(schedule), {}, options);
    const std::vector<const Unit*> units = WorkedUnits(doc);
    ASSERT_EQ(units.size(), 8u);
    EXPECT_EQ(Lines(*units[0]).at(1), u"输入相同、计算相同的桩：ZH8（其验算见计算结果汇总）。");
    EXPECT_EQ(Lines(*units[1]).at(1), u"输入相同、计算相同的桩：ZH2A（其验算见计算结果汇总）。");
    options.pilePerPage = true;
    const Document perPage = MakeCalculationBook(test::BookPiles(schedule), {}, options);
    for (const Unit* unit : WorkedUnits(perPage)) {
        EXPECT_TRUE(unit->newPage);
    }
}

// The rock classes the basis prints are the engine's: a value at each bound
// belongs to the class below it, just above to the next.
TEST(CalculationBook, RockClassTableMatchesTheEngine) {
    for (const RockClassRange& range : RockClassRanges()) {
        if (range.upTo > 0) {
            EXPECT_EQ(ClassifyRock(range.upTo), range.rockClass);
        }
        EXPECT_EQ(ClassifyRock(range.above + 1e-9), range.rockClass);
    }
}

// Random piles in every rounding: each substituted line "… = expression =
// result", keyed into a calculator from its shown digits, gives the shown result
// within one unit of its last digit.
TEST(CalculationBook, EverySubstitutedLineChecksByHand) {
    std::mt19937 random(20240305);
    const auto pick = [&](double lo, double hi, int decimals) {
        const double scale = std::pow(10.0, decimals);
        return std::round(std::uniform_real_distribution<double>(lo, hi)(random) * scale) / scale;
    };
    const auto text = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') {
            s.pop_back();
        }
        return std::u16string(s.begin(), s.end());
    };
    Schedule schedule;
    for (int i = 0; i < 600; ++i) {
        ScheduleRow row;
        row.Cell(ScheduleColumn::D) = text(pick(300, 3500, i % 3 == 0 ? 1 : 0));
        row.Cell(ScheduleColumn::Hr) =
            i % 2 == 0 ? text(pick(0, 12, 2)) + u"d" : text(pick(0, 30000, i % 5 == 0 ? 1 : 0));
        row.Cell(ScheduleColumn::Frk) = text(pick(0.3, 150, i % 4));
        row.Cell(ScheduleColumn::Grade) = ConcreteGradeText(static_cast<ConcreteGrade>(i % 8));
        row.Cell(ScheduleColumn::Process) =
            ConstructionProcessText(static_cast<ConstructionProcess>(i % 4));
        row.Cell(ScheduleColumn::Nk) = text(pick(100, 50000, 0));
        schedule.rows.push_back(row);
    }
    const std::vector<BookPile> piles = test::BookPiles(schedule);
    for (int m = 0; m < kPrecisionModeCount; ++m) {
        BookOptions options;
        options.mode = static_cast<PrecisionMode>(m);
        const Document doc = MakeCalculationBook(piles, {}, options);
        for (const Unit* unit : WorkedUnits(doc)) {
            int checked = 0;
            for (const Block& block : unit->blocks) {
                const std::u16string line = PlainText(block.text);
                std::vector<std::u16string> parts;
                for (std::size_t at = 0;;) {
                    const std::size_t next = line.find(u" = ", at);
                    parts.push_back(line.substr(at, next - at));
                    if (next == std::u16string::npos) {
                        break;
                    }
                    at = next + 3;
                }
                if (block.kind != Block::Kind::Formula || parts.size() < 3) {
                    continue;
                }
                const auto value = test::HandExpression::Evaluate(parts[parts.size() - 2]);
                const auto shown = test::ReadLeadingNumber(parts.back());
                if (!value || !shown) {
                    continue;
                }
                ++checked;
                const double unit = std::pow(10.0, -shown->decimals);
                EXPECT_LE(std::fabs(*value - shown->value), unit * (1 + 1e-6)) << Utf16ToUtf8(line);
            }
            EXPECT_GE(checked, 6) << "lines checked in a pile";
        }
    }
}

}  // namespace
}  // namespace rokal::book
