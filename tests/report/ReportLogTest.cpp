#include "report/ReportLog.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "report/TextReport.h"
#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

using test::Compute;
using test::DefaultInput;
using test::Input;

const std::u16string kTime1 = u"2024/3/5 14:07:09";
const std::u16string kTime2 = u"2024/3/5 14:09:30";
const std::u16string kTime3 = u"2024/3/5 14:12:01";
const std::u16string kClosingRule(50, u'=');

// A view that follows the log only through the listener's calls.
class MirrorView : public ReportLogListener {
  public:
    explicit MirrorView(const ReportLog& log) : log_(log) {}

    void LinesAppended(ReportDocument doc, std::size_t first, std::size_t count) override {
        Lines& lines = Of(doc);
        EXPECT_EQ(first, lines.size());
        const Lines& source = log_.Document(doc);
        lines.insert(lines.end(), source.begin() + first, source.begin() + first + count);
    }
    void LineRemoved(ReportDocument doc, std::size_t index) override {
        Lines& lines = Of(doc);
        ASSERT_LT(index, lines.size());
        lines.erase(lines.begin() + index);
    }
    void Cleared(ReportDocument doc) override { Of(doc).clear(); }
    void CaretToStart(ReportDocument doc) override { carets.push_back(doc); }
    void StateChanged() override { ++stateChanges; }

    Lines& Of(ReportDocument doc) { return doc == ReportDocument::Text ? text : table; }

    Lines table;
    Lines text;
    std::vector<ReportDocument> carets;
    int stateChanges = 0;

  private:
    const ReportLog& log_;
};

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Lines WithoutLast(Lines lines) {
    lines.pop_back();
    return lines;
}

class ReportLogTest : public ::testing::Test {
  protected:
    void SetUp() override { log.SetListener(&view); }

    void Append(const PileInput& input, const std::u16string& time,
                PrecisionMode mode = PrecisionMode::Units) {
        log.AppendPile(input, Compute(input), mode, time, u'.');
    }
    Lines Row(int n, const PileInput& input, PrecisionMode mode = PrecisionMode::Units) {
        return {TableRowLine(n, input, Compute(input), mode, u'.')};
    }
    Lines Block(int n, const PileInput& input, const std::u16string& time,
                PrecisionMode mode = PrecisionMode::Units) {
        return TextBlockLines(n, input, Compute(input), mode, time, u'.');
    }
    void ExpectViewFollows() {
        EXPECT_EQ(view.table, log.Document(ReportDocument::Table));
        EXPECT_EQ(view.text, log.Document(ReportDocument::Text));
    }

    ReportLog log;
    MirrorView view{log};
    const PileInput pile = DefaultInput();
    const PileInput capped = Input(u"1000", u"10000", u"25");
    const PileInput other = Input(u"1500", u"2500", u"40", ConstructionProcess::Underwater);
};

TEST_F(ReportLogTest, StartsEmptyWithTheTextShown) {
    EXPECT_EQ(log.PileCount(), 0);
    EXPECT_EQ(log.UnsavedFlags(), 0);
    EXPECT_EQ(log.PageCaption(), u"1");
    EXPECT_FALSE(log.SaveEnabled());
    EXPECT_FALSE(log.DeleteEnabled());
    EXPECT_TRUE(log.Document(ReportDocument::Table).empty());
    EXPECT_TRUE(log.Document(ReportDocument::Text).empty());
}

TEST_F(ReportLogTest, FirstPileWritesHeaderRowFooterAndBlock) {
    Append(pile, kTime1);
    EXPECT_EQ(log.Document(ReportDocument::Table),
              Concat({TableHeaderLines(), Row(1, pile), TableFooterLines(kTime1)}));
    EXPECT_EQ(log.Document(ReportDocument::Table).size(), 10u);
    EXPECT_EQ(log.Document(ReportDocument::Text), Block(1, pile, kTime1));
    EXPECT_EQ(log.Document(ReportDocument::Text).size(), 48u);
    EXPECT_EQ(log.PileCount(), 1);
    EXPECT_EQ(log.UnsavedFlags(), TextUnsaved | TableUnsaved);
    EXPECT_TRUE(log.SaveEnabled());
    EXPECT_TRUE(log.DeleteEnabled());
    EXPECT_TRUE(view.carets.empty());
    ExpectViewFollows();
}

TEST_F(ReportLogTest, CappedFirstPileTakes49TextLines) {
    Append(capped, kTime1);
    EXPECT_EQ(log.Document(ReportDocument::Table).size(), 10u);
    EXPECT_EQ(log.Document(ReportDocument::Text).size(), 49u);
}

TEST_F(ReportLogTest, SecondPileReplacesFooterAndTimeLine) {
    Append(pile, kTime1);
    view.carets.clear();
    Append(other, kTime2, PrecisionMode::TwoDecimals);
    EXPECT_EQ(log.Document(ReportDocument::Table),
              Concat({TableHeaderLines(), Row(1, pile), Row(2, other, PrecisionMode::TwoDecimals),
                      TableFooterLines(kTime2)}));
    EXPECT_EQ(log.Document(ReportDocument::Text),
              Concat({WithoutLast(Block(1, pile, kTime1)),
                      Block(2, other, kTime2, PrecisionMode::TwoDecimals)}));
    EXPECT_EQ(log.Document(ReportDocument::Table).size(), 11u);
    EXPECT_EQ(log.Document(ReportDocument::Text).size(), 95u);
    EXPECT_EQ(log.Document(ReportDocument::Text)[46], kClosingRule);
    EXPECT_EQ(log.PileCount(), 2);
    EXPECT_EQ(view.carets, (std::vector{ReportDocument::Table, ReportDocument::Text}));
    ExpectViewFollows();
}

TEST_F(ReportLogTest, DeletingWithTwoPilesRestoresTheFirstExceptTheTimes) {
    Append(pile, kTime1);
    Append(other, kTime2);
    view.carets.clear();
    log.DeleteLastPile();
    EXPECT_EQ(log.Document(ReportDocument::Table),
              Concat({TableHeaderLines(), Row(1, pile), TableFooterLines(kTime2)}));
    EXPECT_EQ(log.Document(ReportDocument::Text), Block(1, pile, kTime2));
    EXPECT_EQ(log.PileCount(), 1);
    EXPECT_EQ(view.carets, (std::vector{ReportDocument::Table, ReportDocument::Text}));
    ExpectViewFollows();
}

// A pile whose d is too long for the printed table, with a time too long for a
// line of the text form: the documents keep every text whole, and the printed forms
// of its lines, each long text cut to its column, follow the lines they belong to.
TEST_F(ReportLogTest, KeepsPrintedFormsOfLongTextsBesideTheirLines) {
    using Printed = std::map<std::size_t, std::u16string>;
    const PileInput longD = Input(u"1000.0000000", u"1.0d", u"25");
    const std::u16string longTime = kTime2 + u" " + std::u16string(30, u'长');
    const std::u16string row =
        u"   ZH2      圆  桩   1000…      1.0d     25.00    泥浆护壁    1.00     0.8567     16821 "
        u"     8410      C30      0.70       7862  ";
    const std::u16string time = u"计算时间：2024/3/5 14:09:30 长长长长长长长长长长…";
    const std::u16string d = u"      桩身直径d:                       1000… mm";
    const std::u16string d41 = u"  4.1 桩身直径d:                       1000… mm";
    const std::u16string summary = u"        ZH2      圆  桩    1000…     1.0d   ";

    Append(pile, kTime1);
    Append(longD, longTime);
    EXPECT_EQ(log.PrintedLines(ReportDocument::Table), (Printed{{6, row}, {10, time}}));
    EXPECT_EQ(log.PrintedLines(ReportDocument::Text),
              (Printed{{52, d}, {66, d41}, {86, summary}, {94, time}}));
    EXPECT_EQ(
        log.Document(ReportDocument::Table),
        Concat({TableHeaderLines(), Row(1, pile), Row(2, longD), TableFooterLines(longTime)}));
    EXPECT_EQ(log.Document(ReportDocument::Text),
              Concat({WithoutLast(Block(1, pile, kTime1)), Block(2, longD, longTime)}));

    // The next pile's time replaces the long one; a deletion leaves the long pile.
    Append(other, kTime3);
    const Printed table{{6, row}};
    const Printed text{{52, d}, {66, d41}, {86, summary}};
    EXPECT_EQ(log.PrintedLines(ReportDocument::Table), table);
    EXPECT_EQ(log.PrintedLines(ReportDocument::Text), text);
    log.DeleteLastPile();
    EXPECT_EQ(log.PrintedLines(ReportDocument::Table), table);
    EXPECT_EQ(log.PrintedLines(ReportDocument::Text), text);
    log.DeleteLastPile();
    EXPECT_TRUE(log.PrintedLines(ReportDocument::Table).empty());
    EXPECT_TRUE(log.PrintedLines(ReportDocument::Text).empty());
    Append(longD, kTime1);
    log.DeleteLastPile();
    EXPECT_TRUE(log.PrintedLines(ReportDocument::Table).empty());
    EXPECT_TRUE(log.PrintedLines(ReportDocument::Text).empty());
}

struct TwoPiles {
    const char* name;
    PileInput first;
    PileInput second;
};

class DeletionAcrossBlockSizes : public ::testing::TestWithParam<TwoPiles> {};

TEST_P(DeletionAcrossBlockSizes, StopsAtTheEarlierClosingRule) {
    ReportLog log;
    const TwoPiles& c = GetParam();
    log.AppendPile(c.first, Compute(c.first), PrecisionMode::Units, kTime1, u'.');
    log.AppendPile(c.second, Compute(c.second), PrecisionMode::Units, kTime2, u'.');
    log.DeleteLastPile();
    EXPECT_EQ(log.Document(ReportDocument::Text),
              TextBlockLines(1, c.first, Compute(c.first), PrecisionMode::Units, kTime2, u'.'))
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    CappedOrNot, DeletionAcrossBlockSizes,
    ::testing::Values(TwoPiles{"plain, capped", DefaultInput(), Input(u"1000", u"10000", u"25")},
                      TwoPiles{"capped, plain", Input(u"1000", u"10000", u"25"), DefaultInput()},
                      TwoPiles{"capped, capped", Input(u"1000", u"10000", u"25"),
                               Input(u"1500", u"9d", u"10")}));

TEST_F(ReportLogTest, DeletingTheOnlyPileEmptiesTheLog) {
    Append(pile, kTime1);
    view.carets.clear();
    log.DeleteLastPile();
    EXPECT_TRUE(log.Document(ReportDocument::Table).empty());
    EXPECT_TRUE(log.Document(ReportDocument::Text).empty());
    EXPECT_EQ(log.PileCount(), 0);
    EXPECT_EQ(log.UnsavedFlags(), 0);
    EXPECT_FALSE(log.SaveEnabled());
    EXPECT_FALSE(log.DeleteEnabled());
    EXPECT_EQ(view.carets, (std::vector{ReportDocument::Table, ReportDocument::Text}));
    ExpectViewFollows();

    Append(other, kTime2);
    EXPECT_EQ(log.Document(ReportDocument::Table),
              Concat({TableHeaderLines(), Row(1, other), TableFooterLines(kTime2)}));
    EXPECT_EQ(log.Document(ReportDocument::Text), Block(1, other, kTime2));
}

TEST_F(ReportLogTest, DeletingAnEmptyLogChangesNothing) {
    log.DeleteLastPile();
    EXPECT_EQ(log.PileCount(), 0);
    EXPECT_TRUE(log.Document(ReportDocument::Table).empty());
    EXPECT_TRUE(log.Document(ReportDocument::Text).empty());
}

TEST_F(ReportLogTest, NextPileAfterADeletionTakesTheFreedNumber) {
    Append(pile, kTime1);
    Append(other, kTime2);
    Append(capped, kTime3);
    log.DeleteLastPile();
    Append(pile, kTime3);
    EXPECT_EQ(log.PileCount(), 3);
    const Lines& table = log.Document(ReportDocument::Table);
    EXPECT_EQ(table[table.size() - 5], Row(3, pile)[0]);
    EXPECT_EQ(table[table.size() - 6], Row(2, other)[0]);
    const Lines& text = log.Document(ReportDocument::Text);
    EXPECT_EQ(text[47 + 47 + 1], u"1.基桩编号: ZH3");
    ExpectViewFollows();
}

TEST_F(ReportLogTest, SaveButtonFollowsTheShownDocumentsFlag) {
    Append(pile, kTime1);
    log.MarkShownSaved();
    EXPECT_EQ(log.UnsavedFlags(), TableUnsaved);
    EXPECT_FALSE(log.SaveEnabled());

    log.ShowOtherReport();
    EXPECT_EQ(log.PageCaption(), u"2");
    EXPECT_EQ(log.Shown(), ReportDocument::Table);
    EXPECT_TRUE(log.SaveEnabled());
    log.MarkShownSaved();
    EXPECT_EQ(log.UnsavedFlags(), 0);
    EXPECT_FALSE(log.SaveEnabled());

    log.ShowOtherReport();
    EXPECT_EQ(log.PageCaption(), u"1");
    EXPECT_FALSE(log.SaveEnabled());

    // a second mark of a saved document leaves the other flag alone
    Append(pile, kTime2);
    log.MarkShownSaved();
    log.MarkShownSaved();
    EXPECT_EQ(log.UnsavedFlags(), TableUnsaved);
}

TEST_F(ReportLogTest, DeletingOneOfSeveralPilesMarksBothDocumentsUnsaved) {
    Append(pile, kTime1);
    Append(other, kTime2);
    log.MarkShownSaved();
    log.ShowOtherReport();
    log.MarkShownSaved();
    ASSERT_EQ(log.UnsavedFlags(), 0);

    log.DeleteLastPile();
    EXPECT_EQ(log.UnsavedFlags(), TextUnsaved | TableUnsaved);
    EXPECT_TRUE(log.SaveEnabled());
    log.ShowOtherReport();
    EXPECT_TRUE(log.SaveEnabled());
    EXPECT_TRUE(log.DeleteEnabled());
}

TEST_F(ReportLogTest, ResetCountersKeepsTheDocuments) {
    Append(pile, kTime1);
    const int changes = view.stateChanges;
    log.ResetCounters();
    EXPECT_EQ(log.PileCount(), 0);
    EXPECT_EQ(log.UnsavedFlags(), 0);
    EXPECT_EQ(log.Document(ReportDocument::Table).size(), 10u);
    EXPECT_GT(view.stateChanges, changes);
}

TEST_F(ReportLogTest, ViewFollowsAMixOfAppendsAndDeletions) {
    const std::vector<PileInput> inputs = {pile, capped, other, capped, pile};
    for (const PileInput& input : inputs) {
        Append(input, kTime1);
        ExpectViewFollows();
    }
    for (int i = 0; i < 3; ++i) {
        log.DeleteLastPile();
        ExpectViewFollows();
    }
    Append(capped, kTime2);
    ExpectViewFollows();
    while (log.DeleteEnabled()) {
        log.DeleteLastPile();
        ExpectViewFollows();
    }
    EXPECT_TRUE(view.text.empty());
}

// A schedule's pile as the book gets it: its own mark, and Nk when given.
BookPile SchedulePile(const std::u16string& mark, const PileInput& input,
                      std::optional<double> nk = std::nullopt) {
    BookPile pile = CalculatorPile(1, input, Compute(input), PrecisionMode::Units, u'.');
    pile.mark = mark;
    pile.scheduleMark = true;
    if (nk) {
        pile.raCheck = LoadCheck{*nk, pile.result.ra, pile.result.ra >= *nk, std::nullopt};
    }
    return pile;
}

// However the piles arrive, one by one or together, and whatever widens the table
// on the way, the book is the same: every row laid out for the widest mark and the
// check columns, and a view kept in step through the listener alone.
TEST_F(ReportLogTest, TableIsLaidOutForTheWholeBookHoweverThePilesArrive) {
    const std::vector<BookPile> piles = {
        SchedulePile(u"A-1", pile), SchedulePile(u"1-ZH12-东侧", other),
        SchedulePile(u"B", capped, 9000.0), SchedulePile(u"C-2", pile)};
    ReportLog together;
    together.AppendPile(pile, Compute(pile), PrecisionMode::Units, kTime1, u'.');
    together.AppendPiles(piles, kTime2);

    Append(pile, kTime1);
    for (const BookPile& next : piles) {
        log.AppendPiles({next}, kTime2);
        ExpectViewFollows();
    }
    EXPECT_EQ(log.PileCount(), 5);
    for (ReportDocument doc : {ReportDocument::Table, ReportDocument::Text}) {
        EXPECT_EQ(log.Document(doc), together.Document(doc));
    }
    const TableLayout wide{11, true};
    Lines rows = {
        TableRowLine(CalculatorPile(1, pile, Compute(pile), PrecisionMode::Units, u'.'), wide)};
    for (const BookPile& next : piles) {
        rows.push_back(TableRowLine(next, wide));
    }
    EXPECT_EQ(log.Document(ReportDocument::Table),
              Concat({TableHeaderLines(wide), rows, TableFooterLines(kTime2, wide)}));

    // Deleting the piles that widened it narrows it again, back to the main
    // window's own table.
    for (int i = 0; i < 4; ++i) {
        log.DeleteLastPile();
        ExpectViewFollows();
    }
    EXPECT_EQ(log.Document(ReportDocument::Table),
              Concat({TableHeaderLines(), Row(1, pile), TableFooterLines(kTime2)}));
    EXPECT_EQ(log.Document(ReportDocument::Text), Block(1, pile, kTime2));
    // The next pile of the main window goes on from the count.
    Append(other, kTime3);
    EXPECT_EQ(log.Document(ReportDocument::Table)[6], Row(2, other)[0]);
}

// A mark too long for the widest mark column prints cut to it, in its row and in
// its block, however the table is laid out around it.
TEST_F(ReportLogTest, AHostileMarkPrintsCutToTheWidestColumn) {
    const std::u16string mark(30, u'Z');
    const std::u16string cut = std::u16string(22, u'Z') + u"…";
    Append(pile, kTime1);
    log.AppendPiles({SchedulePile(mark, pile)}, kTime2);
    log.AppendPiles({SchedulePile(u"A-1", other, 9000.0)}, kTime2);
    const auto& table = log.PrintedLines(ReportDocument::Table);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table.begin()->first, 6u);
    EXPECT_EQ(table.begin()->second.substr(0, 3 + cut.size() + 1), u"   " + cut + u" ");
    EXPECT_EQ(log.Document(ReportDocument::Table)[6].substr(3, 30), mark);
    const auto& text = log.PrintedLines(ReportDocument::Text);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.begin()->second, u"1.基桩编号: " + cut);
    EXPECT_EQ(log.Document(ReportDocument::Text)[text.begin()->first], u"1.基桩编号: " + mark);
}

// A listener may act on the log while it is told of a change; a deletion that runs
// inside another must leave the outer one nothing to read outside the documents.
class DeletingAgainListener : public ReportLogListener {
  public:
    explicit DeletingAgainListener(ReportLog& log) : log_(log) {}
    void LinesAppended(ReportDocument, std::size_t, std::size_t) override {}
    void LineRemoved(ReportDocument doc, std::size_t) override {
        if (armed && doc == ReportDocument::Text) {
            armed = false;
            log_.DeleteLastPile();
        }
    }
    void Cleared(ReportDocument) override {}
    void CaretToStart(ReportDocument) override {}
    void StateChanged() override {}
    bool armed = false;

  private:
    ReportLog& log_;
};

TEST(ReportLogGuardTest, NestedDeletionEmptiesTheLogSafely) {
    ReportLog log;
    DeletingAgainListener listener(log);
    log.SetListener(&listener);
    log.AppendPile(DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, kTime1, u'.');
    log.AppendPile(DefaultInput(), Compute(DefaultInput()), PrecisionMode::Units, kTime2, u'.');
    listener.armed = true;
    log.DeleteLastPile();
    EXPECT_TRUE(log.Document(ReportDocument::Text).empty());
    EXPECT_TRUE(log.Document(ReportDocument::Table).empty());
    EXPECT_EQ(log.PileCount(), 0);
}

}  // namespace
}  // namespace rokal
