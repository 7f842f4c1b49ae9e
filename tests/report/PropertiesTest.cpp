// Properties of the calculation book over generated piles and sequences.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

#include "report/DisplayWidth.h"
#include "report/ReportLog.h"
#include "report/TableReport.h"

namespace rokal {
namespace {

std::u16string Widen(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// Piles of every process, grade, mode and depth form, including capped depths.
class PileGenerator {
  public:
    explicit PileGenerator(unsigned seed) : random_(seed) {}

    PileInput Input() {
        PileInput input;
        input.dText = Widen(std::to_string(Between(300, 3000)));
        if (Between(0, 1) == 0) {
            input.hrText =
                Widen(std::to_string(Between(0, 12)) + "." + std::to_string(Between(0, 9)) + "d");
        } else {
            input.hrText = Widen(std::to_string(Between(0, 30000)));
        }
        input.frkText =
            Widen(std::to_string(Between(1, 120)) + "." + std::to_string(Between(0, 99)));
        input.grade = static_cast<ConcreteGrade>(Between(0, kConcreteGradeCount - 1));
        input.process = static_cast<ConstructionProcess>(Between(0, kConstructionProcessCount - 1));
        return input;
    }

    PrecisionMode Mode() { return static_cast<PrecisionMode>(Between(0, kPrecisionModeCount - 1)); }

    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  private:
    std::mt19937 random_;
};

PileResult Compute(const PileInput& input) {
    return std::get<PileResult>(ComputePile(input, u'.'));
}

// Every document line but the last, which carries the time of the newest append.
Lines WithoutTimeLine(Lines lines) {
    if (!lines.empty()) {
        lines.pop_back();
    }
    return lines;
}

// For any sequence of appends and deletions, a deletion leaves both documents as
// they were after the append of the pile that is now the newest, time lines aside.
TEST(ReportLogPropertiesTest, DeletionRestoresTheEarlierDocuments) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        PileGenerator generate(seed);
        ReportLog log;
        std::vector<std::pair<Lines, Lines>> afterAppend;  // table, text after pile k + 1
        for (int step = 0; step < 60; ++step) {
            if (log.PileCount() > 0 && generate.Between(0, 2) == 0) {
                log.DeleteLastPile();
                afterAppend.pop_back();
                if (afterAppend.empty()) {
                    EXPECT_TRUE(log.Document(ReportDocument::Table).empty());
                    EXPECT_TRUE(log.Document(ReportDocument::Text).empty());
                    continue;
                }
                const auto& [table, text] = afterAppend.back();
                ASSERT_EQ(WithoutTimeLine(log.Document(ReportDocument::Table)), table)
                    << "seed " << seed << " step " << step;
                ASSERT_EQ(WithoutTimeLine(log.Document(ReportDocument::Text)), text)
                    << "seed " << seed << " step " << step;
            } else {
                const PileInput input = generate.Input();
                const std::u16string time = u"T" + Widen(std::to_string(step));
                log.AppendPile(input, Compute(input), generate.Mode(), time, u'.');
                afterAppend.emplace_back(WithoutTimeLine(log.Document(ReportDocument::Table)),
                                         WithoutTimeLine(log.Document(ReportDocument::Text)));
            }
            EXPECT_EQ(log.PileCount(), static_cast<int>(afterAppend.size()));
        }
    }
}

// The widths that the row's variable pieces must keep to.
bool PiecesFit(int n, const PileInput& input, const PileResult& r, PrecisionMode mode) {
    const int capacityWidth =
        mode == PrecisionMode::TwoDecimals || mode == PrecisionMode::OneDecimal ? 8 : 7;
    return DisplayWidth(PileNumberText(n)) <= 6 && DisplayWidth(input.dText) <= 6 &&
           DisplayWidth(input.hrText) <= 6 && FormatFixed(r.frk, 6, 2, u'.').size() <= 6 &&
           FormatFixed(r.hrOverD, 6, 2, u'.').size() <= 6 &&
           FormatFixed(r.zetaR, 5, 4, u'.').size() <= 7 &&
           CapacityText(r.qrk, mode, u'.').size() <= static_cast<std::size_t>(capacityWidth) &&
           CapacityText(r.ra, mode, u'.').size() <= static_cast<std::size_t>(capacityWidth) &&
           CapacityText(r.rc, mode, u'.').size() <= static_cast<std::size_t>(capacityWidth);
}

TEST(TableRowPropertiesTest, EveryRowWhosePiecesFitIs130ColumnsWide) {
    PileGenerator generate(7);
    int checked = 0;
    for (int i = 0; i < 3000; ++i) {
        const PileInput input = generate.Input();
        const PileResult result = Compute(input);
        const PrecisionMode mode = generate.Mode();
        const int n = generate.Between(1, 12000);
        const std::u16string row = TableRowLine(n, input, result, mode, u'.');
        if (PiecesFit(n, input, result, mode)) {
            EXPECT_EQ(DisplayWidth(row), 130) << "pile " << n;
            ++checked;
        } else {
            EXPECT_GT(DisplayWidth(row), 130) << "pile " << n;
        }
    }
    EXPECT_GT(checked, 1000);  // the generator must mostly make piles that fit
}

}  // namespace
}  // namespace rokal
