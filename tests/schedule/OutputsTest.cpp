#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <variant>

#include "report/CodePage.h"
#include "report/DisplayWidth.h"
#include "report/ReportFile.h"
#include "schedule/CalcTime.h"
#include "schedule/ResultsCsv.h"
#include "schedule/ResultsJson.h"
#include "schedule/ScheduleBooks.h"
#include "schedule/ScheduleCsv.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/schedule/ScheduleTestSupport.h"

namespace rokal {
namespace {

using test::ReadBytes;
using test::Row;
using test::TempFolder;

// A pile that passes, one that fails both checks and needs a proposal of both
// kinds, one whose Nk no depth reaches, and one with a bad cell.
class ScheduleOutputs : public testing::Test {
  protected:
    void SetUp() override {
        schedule.extraColumns = {u"备注"};
        schedule.rows = {
            Row(u"A-1", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"9000", u"7000"),
            Row(u"", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"9500", u"8000"),
            Row(u"A,3", u"800", u"2d", u"40", u"C40", u"干作业", u"20000"),
            Row(u"A-4", u"1000", u"1.5d", u"25", u"C70", u"泥浆护壁"),
        };
        for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
            schedule.rows[i].line = static_cast<int>(i) + 2;
            schedule.rows[i].extra = {u"说明 " +
                                      std::u16string(1, static_cast<char16_t>(u'1' + i))};
        }
        results = ComputeSchedule(schedule, u'.');
        for (const RowResult& result : results) {
            designs.push_back(DesignRow(result, kDefaultDepthStep, u'.'));
        }
    }

    Schedule schedule;
    std::vector<RowResult> results;
    std::vector<RowDesign> designs;
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST_F(ScheduleOutputs, ResultsCsvHoldsInputsResultsChecksAndProposals) {
    const std::string csv = ResultsToCsv(schedule, results, designs, PrecisionMode::Units, u'.');
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> expected = {
        "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N,岩石类别,ζr,Ra(kN),Rc(kN),Ra≥Nk,Ra富余(%),"
        "Rc≥N,Rc富余(%),嵌岩深度警告,建议嵌岩深度,建议混凝土,错误",
        "A-1,1000,1.5d,25,C30,泥浆护壁,9000,7000,较软岩,0.9250,9081,7862,满足,0.9,满足,12.3,,1.5d,"
        ",",
        "ZH2,1000,1.5d,25,C30,泥浆护壁,9500,8000,较软岩,0.9250,9081,7862,不满足,-4.4,不满足,-1.7,,"
        "1.9d,C35,",
        "\"A,3\",800,2d,40,C40,干作业,20000,,较硬岩,1.0800,10857,6720,不满足,-45.7,,,,无可满足深度,"
        ",",
        "A-4,1000,1.5d,25,C70,泥浆护壁,,,,,,,,,,,,,,混凝土：混凝土强度等级有错，应为C25～C60",
    };
    EXPECT_EQ(SplitLines(csv.substr(3)), expected);
}

TEST_F(ScheduleOutputs, JsonHoldsUnroundedValuesAndTheirTexts) {
    const nlohmann::json json = nlohmann::json::parse(
        ResultsToJson(schedule, results, designs, PrecisionMode::TwoDecimals, u'.'));
    EXPECT_EQ(json["rounding"], "两位小数");
    ASSERT_EQ(json["piles"].size(), 4u);
    const nlohmann::json& first = json["piles"][0];
    EXPECT_EQ(first["mark"], "A-1");
    EXPECT_EQ(first["line"], 2);
    EXPECT_EQ(first["input"]["process"], "泥浆护壁");
    EXPECT_EQ(first["ra"].get<double>(), results[0].pile->ra);
    EXPECT_EQ(first["text"]["ra"], "9081.17");
    EXPECT_EQ(first["raCheck"]["verdict"], "满足");
    EXPECT_EQ(first["depthProposal"]["text"], "1.5d");
    EXPECT_EQ(json["piles"][1]["mark"], "ZH2");
    EXPECT_EQ(json["piles"][1]["gradeProposal"]["text"], "C35");
    EXPECT_EQ(json["piles"][2]["depthProposal"]["found"], false);
    const nlohmann::json& bad = json["piles"][3];
    EXPECT_EQ(bad["computed"], false);
    EXPECT_EQ(bad["errors"][0]["column"], "grade");
    EXPECT_EQ(bad["errors"][0]["message"], "混凝土强度等级有错，应为C25～C60");
}

// A bad row before the others, an empty mark, a mark wider than the table's
// column and a pile without loads: every pile keeps its own mark, and the whole
// table is laid out for the widest one.
TEST(ScheduleBooks, EveryPileKeepsItsOwnMarkWhateverRowsComeBeforeIt) {
    Schedule schedule;
    schedule.rows = {
        Row(u"ZH8A", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"9000", u"7000"),
        Row(u"ZH8B", u"abc", u"1.5d", u"25", u"C30", u"泥浆护壁"),
        Row(u"", u"800", u"2d", u"12", u"C30", u"干作业"),
        Row(u" 1-ZH12-东侧 ", u"1200", u"2000", u"35", u"C35", u"水下", u"14000"),
    };
    const std::vector<RowResult> results = ComputeSchedule(schedule, u'.');
    ReportLog log;
    EXPECT_EQ(AppendScheduleToLog(log, schedule, results, PrecisionMode::Units, u"T", u'.'), 3);

    const Lines& table = log.Document(ReportDocument::Table);
    ASSERT_EQ(table.size(), 12u);
    // 桩号 is 11 columns wide for "1-ZH12-东侧": five more than the usual six.
    const std::pair<std::size_t, std::u16string> starts[] = {
        {2, test::Runs({4, u"基    桩", 4, u"桩身截面"})},
        {5, test::Runs({3, u"ZH8A", 10, u"圆"})},
        {6, test::Runs({3, u"ZH3", 11, u"圆"})},
        {7, test::Runs({3, u"1-ZH12-东侧", 3, u"圆"})},
    };
    for (const auto& [line, start] : starts) {
        EXPECT_EQ(table[line].substr(0, start.size()), start) << line;
    }
    // Every line but the second headings (whose ζr and ψc the views draw two
    // columns wide) and the note is as wide as the rules.
    for (std::size_t i : {0, 2, 5, 6, 7, 8, 10}) {
        EXPECT_EQ(DisplayWidth(table[i]), DisplayWidth(table[1])) << i;
    }
    EXPECT_EQ(DisplayWidth(table[3]) + 2, DisplayWidth(table[1]));

    std::vector<std::u16string> named;
    for (const std::u16string& line : log.Document(ReportDocument::Text)) {
        if (line.rfind(u"1.基桩编号: ", 0) == 0) {
            named.push_back(line);
        }
    }
    EXPECT_EQ(named, (std::vector<std::u16string>{u"1.基桩编号: ZH8A", u"1.基桩编号: ZH3",
                                                  u"1.基桩编号: 1-ZH12-东侧"}));
}

// A schedule without loads, whose sockets reach the minimum, gives the books of
// the same piles computed one by one in the main window, but for the marks.
TEST(ScheduleBooks, PilesWithoutLoadsGiveTheCalculatorsBooks) {
    Schedule schedule;
    schedule.rows = {Row(u"ZH1", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁"),
                     Row(u"", u"800", u"2d", u"40", u"C40", u"干作业")};
    const std::u16string time = u"2022/12/28 09:05:03";
    ReportLog fromSchedule;
    AppendScheduleToLog(fromSchedule, schedule, ComputeSchedule(schedule, u'.'),
                        PrecisionMode::OneDecimal, time, u'.');
    ReportLog byHand;
    const PileInput inputs[] = {
        {u"1000", u"1.5d", u"25", ConcreteGrade::C30, ConstructionProcess::MudWall},
        {u"800", u"2d", u"40", ConcreteGrade::C40, ConstructionProcess::DryClean},
    };
    for (const PileInput& input : inputs) {
        byHand.AppendPile(input, std::get<PileResult>(ComputePile(input, u'.')),
                          PrecisionMode::OneDecimal, time, u'.');
    }
    for (ReportDocument doc : {ReportDocument::Text, ReportDocument::Table}) {
        EXPECT_EQ(fromSchedule.Document(doc), byHand.Document(doc));
    }

    TempFolder folder;
    WriteBook(folder / "表格.txt", fromSchedule, ReportDocument::Table, BookEncoding::Gbk);
    EXPECT_EQ(ReadBytes(folder / "表格.txt"),
              EncodeToSystemCodePage(JoinReportLines(byHand.Document(ReportDocument::Table))));
    WriteBook(folder / "文本.txt", fromSchedule, ReportDocument::Text, BookEncoding::Utf8);
    EXPECT_EQ(ReadBytes(folder / "文本.txt"),
              Utf16ToUtf8(JoinReportLines(byHand.Document(ReportDocument::Text))));
    EXPECT_THROW(WriteBook(folder / "缺少" / "表格.txt", fromSchedule, ReportDocument::Table,
                           BookEncoding::Gbk),
                 ReportSaveError);
}

TEST_F(ScheduleOutputs, BookKnowsThePilesAlreadyInItAndTalliesTheFailingOnes) {
    ReportLog log;
    log.AppendPile(results[0].input, *results[0].pile, PrecisionMode::Units, u"T", u'.');
    const std::vector<BookPile> piles =
        ScheduleBookPiles(schedule, results, PrecisionMode::Units, u'.');
    EXPECT_EQ(PilesAlreadyInBook(log, piles), 0u) << "the calculator's own piles do not count";
    const BookPileTally tally = TallyBookPiles(piles);
    EXPECT_EQ(tally.failing, 2u);
    EXPECT_EQ(tally.shortSockets, 0u);

    log.AppendPiles(piles, u"T");
    EXPECT_EQ(PilesAlreadyInBook(log, piles), 3u);
    schedule.rows[0].Cell(ScheduleColumn::Nk) = u"9001";
    EXPECT_EQ(PilesAlreadyInBook(log, ScheduleBookPiles(schedule, ComputeSchedule(schedule, u'.'),
                                                        PrecisionMode::TwoDecimals, u'.')),
              2u)
        << "a changed load makes another pile; the rounding does not";
}

TEST(ScheduleCsv, SavedScheduleReadsBackUnchanged) {
    Schedule schedule;
    // Names holding a tab or a semicolon, which the reader would take for the
    // delimiter of the header line, are quoted too.
    schedule.extraColumns = {u"备注", u"Extra, quoted", u"说\t明;"};
    schedule.rows = {Row(u"ZH \"1\"", u" 800", u"1,5d", u"12", u"C30", u"干作业", u"", u"3500"),
                     Row(u"两行\n桩号", u"1000", u"2000", u"25", u"c35", u"水下")};
    schedule.rows[0].extra = {u"a;b", u"\tc"};
    schedule.rows[1].extra = {u"末尾 "};  // one value short: written empty
    const std::string csv = ScheduleToCsv(schedule);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(SplitLines(csv.substr(3))[0],
              "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N,备注,\"Extra, quoted\",\"说\t明;\"");
    const Schedule back = ParseSchedule(csv);
    EXPECT_EQ(back.extraColumns, schedule.extraColumns);
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0].cells, schedule.rows[0].cells);
    EXPECT_EQ(back.rows[0].extra, (std::vector<std::u16string>{u"a;b", u"\tc", u""}));
    EXPECT_EQ(back.rows[1].cells, schedule.rows[1].cells);
    EXPECT_EQ(back.rows[1].extra, (std::vector<std::u16string>{u"末尾 ", u"", u""}));
}

TEST(CalcTime, WritesTheDateAndTheTimeWithoutZone) {
    std::tm when{};
    when.tm_year = 2022 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 28;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    EXPECT_EQ(CalcTimeTextOf(when), u"2022/12/28 09:05:03");
    when.tm_hour = when.tm_min = when.tm_sec = 0;
    EXPECT_EQ(CalcTimeTextOf(when), u"2022/12/28");
    when.tm_sec = 1;
    EXPECT_EQ(CalcTimeTextOf(when), u"2022/12/28 00:00:01");
}

}  // namespace
}  // namespace rokal
