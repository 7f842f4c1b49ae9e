// rokal-cli with workbooks: schedules read from .xlsx files with their cells
// named in messages, --sheet, and the results workbook of --xlsx.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "schedule/ScheduleWorkbook.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/workbook/WorkbookFixture.h"

namespace rokal {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "rokal-cli");
    std::ostringstream out;
    std::ostringstream err;
    auto parsed = ParseCommandLine(args, u'.', out, err);
    if (const int* status = std::get_if<int>(&parsed)) {
        return {*status, out.str(), err.str()};
    }
    const int status = RunSchedule(std::get<CliRequest>(parsed), out, err);
    return {status, out.str(), err.str()};
}

std::string Text(const std::string& ref, const std::string& text) {
    return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

// A cover sheet, then two sheets with piles: the first with a date where a load
// belongs.
std::string Workbook() {
    const std::string header = "<row r=\"2\">" + Text("A2", "桩号") + Text("B2", "桩径") +
                               Text("C2", "嵌岩深度") + Text("D2", "岩石强度") +
                               Text("E2", "混凝土") + Text("F2", "工艺") + Text("G2", "Nk") +
                               "</row>";
    const auto pile = [](const std::string& mark, const std::string& nk) {
        return "<row r=\"3\">" + Text("A3", mark) + "<c r=\"B3\"><v>1000</v></c>" +
               Text("C3", "1.5d") + "<c r=\"D3\"><v>25</v></c>" + Text("E3", "C30") +
               Text("F3", "水下") + nk + "</row>";
    };
    test::WorkbookFixture fixture;
    fixture.styles = "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs>";
    fixture.sheets = {{"封面", "<row r=\"1\">" + Text("A1", "XX工程") + "</row>"},
                      {"一区", header + pile("ZH1", "<c r=\"G3\" s=\"1\"><v>45047</v></c>")},
                      {"二区", header + pile("ZH2", "<c r=\"G3\"><v>6500</v></c>")}};
    return test::MakeWorkbook(fixture);
}

TEST(WorkbookCommand, NamesTheSheetAndCellOfEachBadCell) {
    TempFolder folder;
    // Paths as paths, names as UTF-8: a std::string made into a path on Windows
    // is read in the ANSI code page, which would name another file.
    const std::filesystem::path path = folder / "桩表.xlsx";
    const std::string file = path.u8string();
    WriteBytes(path, Workbook());
    const Outcome first = RunCli({"check", file});
    EXPECT_EQ(first.status, kExitRowFailed);
    EXPECT_EQ(first.err, "一区!G3 ZH1：Nk：单元格是日期 2023-05-01\n");

    const Outcome second = RunCli({"check", file, "--sheet", "二区"});
    EXPECT_EQ(second.status, kExitAllPass);
    EXPECT_NE(second.out.find("ZH2"), std::string::npos);

    const Outcome missing = RunCli({"check", file, "--sheet", "三区"});
    EXPECT_EQ(missing.status, kExitUnusable);
    EXPECT_EQ(missing.err, file + "：工作簿中没有名为“三区”的工作表（有：封面、一区、二区）\n");
}

TEST(WorkbookCommand, WritesTheResultsWorkbookWholeOrNotAtAll) {
    TempFolder folder;
    const std::filesystem::path resultsPath = folder / "结果.xlsx";
    const std::string results = resultsPath.u8string();
    const Outcome run = RunCli({"design", ROKAL_SOURCE_DIR "/examples/piles.csv", "--xlsx", results,
                                "--time", "2022/12/28 09:05:03"});
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_EQ(run.out, "桩表共 7 根桩：4 根计算完成且验算满足，3 根验算不满足\n");
    // Its first sheet holds the inputs under their names: it reads as a schedule.
    const Schedule back = ParseScheduleWorkbook(ReadBytes(resultsPath), {});
    EXPECT_EQ(back.sheet, u"计算结果");
    ASSERT_EQ(back.rows.size(), 7u);
    EXPECT_EQ(back.rows[6].Cell(ScheduleColumn::Hr), u"5d");
    EXPECT_EQ(back.extraColumns.front(), u"岩石类别");

    // A mark no cell can hold: nothing is written, the earlier file stays.
    WriteBytes(folder / "桩表.csv", "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺\n" +
                                        std::string(40000, 'x') + ",1000,1.5d,25,C30,水下\n");
    WriteBytes(resultsPath, "earlier");
    const std::string csv = (folder / "结果.csv").u8string();
    const Outcome refused =
        RunCli({"check", (folder / "桩表.csv").u8string(), "--xlsx", results, "--csv", csv});
    EXPECT_EQ(refused.status, kExitUnusable);
    EXPECT_NE(refused.err.find("计算结果!A2 的文字超过一个单元格的 32767 个字符"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(ReadBytes(resultsPath), "earlier");
    EXPECT_FALSE(std::filesystem::exists(folder / "结果.csv"));

    EXPECT_EQ(RunCli({"check", ROKAL_SOURCE_DIR "/examples/piles.csv", "--xlsx", "-"}).status,
              kExitUnusable);
}

}  // namespace
}  // namespace rokal
