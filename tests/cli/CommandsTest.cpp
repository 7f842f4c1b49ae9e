#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/PdfBookOutput.h"
#include "report/CodePage.h"
#include "report/DisplayWidth.h"
#include "tests/schedule/ScheduleTestSupport.h"

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

Outcome Pile(CliRequest request) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunPile(request, out, err);
    return {status, out.str(), err.str()};
}

Outcome ScheduleCommand(CliRequest request) {
    if (request.command == CliRequest::Command::Pile) {
        request.command = CliRequest::Command::Check;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSchedule(request, out, err);
    return {status, out.str(), err.str()};
}

CliRequest PileRequest(const char* d, const char* hr, const char* frk) {
    CliRequest request;
    request.d = d;
    request.hr = hr;
    request.frk = frk;
    return request;
}

const std::string kExample = std::string(ROKAL_SOURCE_DIR) + "/examples/piles.csv";

TEST(PileCommand, PrintsTheResultsAsTheWindowWritesThem) {
    CliRequest request = PileRequest("1000", "1.5d", "25");
    request.nk = "9000";
    request.n = "8000";
    request.mode = PrecisionMode::TwoDecimals;
    const Outcome run = Pile(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_EQ(run.out,
              "岩石类别  较软岩\n"
              "ζr        0.9250\n"
              "Ra        9081.17 kN\n"
              "Rc        7861.84 kN\n"
              "Ra>=Nk    满足（富余 0.9%）\n"
              "Rc>=N     不满足（富余 -1.7%）\n");
    EXPECT_EQ(run.err, "Rc≥N 不满足\n");

    const Outcome capped = Pile(PileRequest("1000", "9d", "10"));
    EXPECT_EQ(capped.status, kExitAllPass);
    EXPECT_NE(capped.out.find("注：嵌岩深度超过ζr表的上限"), std::string::npos);
}

TEST(PileCommand, NamesEachInputErrorWithStatusOne) {
    CliRequest request = PileRequest("-1", "abc", "25");
    request.process = "人工挖孔";
    const Outcome run = Pile(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "桩径：桩身直径数据有错\n"
              "嵌岩深度：嵌岩深度数据有错\n"
              "工艺：成桩工艺有错，应为干作业、泥浆护壁、后注浆或水下\n");
    request.json = true;
    EXPECT_NE(Pile(request).out.find("\"computed\": false"), std::string::npos);
}

TEST(ScheduleCommand, PrintsAnAlignedSummaryThatFitsOneHundredColumns) {
    CliRequest request;
    request.file = kExample;
    const Outcome run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_EQ(
        run.out,
        "桩号  岩石类别      ζr  Ra(kN)  Nk(kN)  Ra>=Nk         Rc(kN)  N(kN)  Rc>=N\n"
        "-----------------------------------------------------------------------------------\n"
        "ZH1   软岩      1.0650    3212    2500  满足 +28.5%      5032   3500  满足 +43.8%\n"
        "ZH2   较软岩    0.9933    9752    6500  满足 +50.0%      7862   7000  满足 +12.3%\n"
        "ZH3   较软岩    0.9250    9081    9500  不满足 -4.4%     7862   7500  满足 +4.8%\n"
        "ZH4   较硬岩    1.0800   21375   14000  满足 +52.7%     13221  12500  满足 +5.8%\n"
        "ZH5   软岩      1.1952    5407    9800  不满足 -44.8%   11321\n"
        "ZH6   较软岩    1.2800   17734   15000  满足 +18.2%     13208  16000  不满足 -17.5%\n"
        "ZH7   较硬岩    1.2480   12546   12000  满足 +4.6%       5032   4800  满足 +4.8%\n"
        "桩表共 7 根桩：4 根计算完成且验算满足，3 根验算不满足\n");
    EXPECT_EQ(run.err,
              "第4行 ZH3：Ra≥Nk 不满足：Ra 9081 kN < Nk 9500 kN\n"
              "第6行 ZH5：Ra≥Nk 不满足：Ra 5407 kN < Nk 9800 kN\n"
              "第7行 ZH6：Rc≥N 不满足：Rc 13208 kN < N 16000 kN\n");

    request.command = CliRequest::Command::Design;
    std::istringstream lines(ScheduleCommand(request).out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(DisplayWidth(Utf8ToUtf16(line)), 100) << line;
    }
}

TEST(ScheduleCommand, ShowsBadRowsInTheSummaryAndNamesThemWithTheirLines) {
    TempFolder folder;
    WriteBytes(folder / "piles.csv",
               "桩号,d,hr,frk,grade,process\n"
               "ZH1,1000,1d,25,C30,水下\n"
               "一个非常非常长的桩号名称,abc,1d,25,C30,水下\n"
               "\x1b[31m,1000,1d,25,C30,水下\n");
    CliRequest request;
    request.file = (folder / "piles.csv").u8string();
    const Outcome run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_NE(run.out.find("一个非常...  桩径：桩身直径数据有错\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n?[31m  "), std::string::npos) << "no escape reaches the terminal";
    EXPECT_EQ(run.err, "第3行 一个非常非常长的桩号名称：桩径：桩身直径数据有错\n");
}

// What a schedule says is read as it says it, or the row is named with what is
// wrong: fields beyond the header, a decimal point other than the one in force,
// text after the "d", units in the header.
TEST(ScheduleCommand, ReadsNothingItCannotReadForSure) {
    struct Case {
        const char* file;
        char16_t separator;
        const char* err;
    };
    const Case cases[] = {
        {"桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N\nZH1,1000,1.5d,25,C30,泥浆护壁,9,500,7,"
         "800\n",
         u'.',
         "第2行 ZH1：第2行有10个字段，表头只有8个：多出的字段不知属于哪一列"
         "（数中不用千位分隔符，含分隔符的文字要加引号）\n"},
        {"桩号;桩径;嵌岩深度;岩石强度;混凝土;工艺;Nk\nZH1;1000;1,5d;25;C30;泥浆护壁;9.500\n", u',',
         "第2行 ZH1：Nk：竖向力Nk数据有错（小数点应为“,”，数中不用千位分隔符）\n"},
        {"桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺\nZH1,1000,2d+500,25,C30,泥浆护壁\n", u'.',
         "第2行 ZH1：嵌岩深度：嵌岩深度数据有错（“d”后面不能有其他内容）\n"},
        {"桩号,桩径(m),嵌岩深度(m),岩石强度,混凝土,工艺,Nk(MN)\nZH1,1.0,1.5,25,C30,泥浆护壁,9.5\n",
         u'.', "第2行 ZH1：Ra≥Nk 不满足：Ra 9081 kN < Nk 9500 kN\n"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        WriteBytes(folder / "piles.csv", c.file);
        CliRequest request;
        request.file = (folder / "piles.csv").u8string();
        request.decimalSeparator = c.separator;
        const Outcome run = ScheduleCommand(request);
        EXPECT_EQ(run.status, kExitRowFailed) << c.file;
        EXPECT_EQ(run.err, c.err) << c.file;
    }
}

TEST(ScheduleCommand, WritesEveryNamedOutputWhole) {
    TempFolder folder;
    CliRequest request;
    request.file = kExample;
    request.resultsCsv = (folder / "结果.csv").u8string();
    request.resultsJson = (folder / "结果.json").u8string();
    request.textBook = (folder / "文本.txt").u8string();
    request.tableBook = (folder / "表格.txt").u8string();
    request.timeText = "2022/12/28 09:05:03";
    const Outcome run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_EQ(run.out, "桩表共 7 根桩：4 根计算完成且验算满足，3 根验算不满足\n");
    EXPECT_EQ(ReadBytes(folder / "结果.csv").substr(0, 9), "\xEF\xBB\xBF桩号");
    EXPECT_EQ(ReadBytes(folder / "结果.json").substr(0, 1), "{");
    const std::string table = ReadBytes(folder / "表格.txt");
    EXPECT_NE(table.find(EncodeToSystemCodePage(u"计算时间：2022/12/28 09:05:03")),
              std::string::npos);
    EXPECT_FALSE(IsValidUtf8(table)) << "GBK unless told otherwise";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 4);
}

TEST(ScheduleCommand, LeavesEarlierFilesAsTheyWereWhenItCannotGoOn) {
    TempFolder folder;
    WriteBytes(folder / "结果.csv", "earlier");
    CliRequest request;
    request.file = (folder / "缺少.csv").u8string();
    request.resultsCsv = (folder / "结果.csv").u8string();
    Outcome run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitUnusable);
    EXPECT_EQ(ReadBytes(folder / "结果.csv"), "earlier");

    request.file = kExample;
    request.resultsCsv = (folder / "缺少" / "结果.csv").u8string();
    run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitUnusable);
    EXPECT_NE(run.err.find("无法保存文件"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "缺少"));

    WriteBytes(folder / "piles.csv", ReadBytes(kExample));
    request.file = (folder / "piles.csv").u8string();
    for (const std::string& output : {request.file, (folder / "." / "piles.csv").u8string()}) {
        request.resultsCsv = output;
        EXPECT_EQ(ScheduleCommand(request).status, kExitUnusable);
        EXPECT_EQ(ReadBytes(folder / "piles.csv"), ReadBytes(kExample));
    }
    request.resultsCsv = (folder / "r.csv").u8string();
    request.resultsJson = request.resultsCsv;
    EXPECT_EQ(ScheduleCommand(request).status, kExitUnusable);
    EXPECT_FALSE(std::filesystem::exists(folder / "r.csv"));
    request.resultsJson.clear();

    WriteBytes(folder / "empty.csv", "d,hr,frk,grade,process\r\n\r\n");
    request.file = (folder / "empty.csv").u8string();
    request.resultsCsv.clear();
    run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitUnusable);
    EXPECT_NE(run.err.find("桩表中没有桩"), std::string::npos);
}

// The command line read and run as rokal-cli does, in the working folder.
Outcome CommandLine(std::vector<std::string> args) {
    args.insert(args.begin(), "rokal-cli");
    std::ostringstream out;
    std::ostringstream err;
    const auto parsed = ParseCommandLine(args, u'.', out, err);
    const int* status = std::get_if<int>(&parsed);
    const int ran =
        status != nullptr ? *status : RunSchedule(std::get<CliRequest>(parsed), out, err);
    return {ran, out.str(), err.str()};
}

// mingw-w64's C++ library makes no links on Windows.
#ifdef _WIN32
constexpr bool kLinks = false;
#else
constexpr bool kLinks = true;
#endif

// Two outputs onto one file, an output onto the schedule, two outputs on standard
// output: refused, naming both, before anything is written.
TEST(ScheduleCommand, RefusesOutputsThatMeetOnOneFile) {
    TempFolder folder;
    WriteBytes(folder / "piles.csv", ReadBytes(kExample));
    std::filesystem::create_directory(folder / "sub");
    if (kLinks) {
        std::filesystem::create_directory_symlink(".", folder / "here");
        std::filesystem::create_symlink("piles.csv", folder / "link.csv");
        std::filesystem::create_hard_link(folder / "piles.csv", folder / "hard.csv");
    }
    const auto before = [&] {
        std::vector<std::filesystem::path> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::filesystem::path> entries = before();
    struct Case {
        std::vector<std::string> args;
        std::string err;
        bool needsLinks;
    };
    const Case cases[] = {
        {{"--csv", "r.csv", "--json", "sub/../r.csv"},
         "--csv r.csv 与 --json sub/../r.csv 是同一个文件，未做任何写入\n",
         false},
        {{"--csv", "r.csv", "--json", "here/r.csv"},
         "--csv r.csv 与 --json here/r.csv 是同一个文件，未做任何写入\n",
         true},
        {{"--text-book", "b.txt", "--pdf", "here/sub/../b.txt"},
         "--text-book b.txt 与 --pdf here/sub/../b.txt 是同一个文件，未做任何写入\n",
         true},
        {{"--csv", "./piles.csv"},
         "--csv ./piles.csv 就是桩表文件 piles.csv 本身，未做任何写入\n",
         false},
        {{"--json", "link.csv"},
         "--json link.csv 就是桩表文件 piles.csv 本身，未做任何写入\n",
         true},
        {{"--table-book", "hard.csv"},
         "--table-book hard.csv 就是桩表文件 piles.csv 本身，未做任何写入\n",
         true},
        {{"--csv", "-", "--json", "-"},
         "--csv 与 --json 都写到标准输出（-），只能有一个输出写到标准输出，未做任何写入\n",
         false},
        {{"--text-book", "-", "--table-book", "-"},
         "--text-book 与 --table-book "
         "都写到标准输出（-），只能有一个输出写到标准输出，未做任何写入\n",
         false},
    };
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    for (const Case& c : cases) {
        if (c.needsLinks && !kLinks) {
            continue;
        }
        std::vector<std::string> args = {"design", "piles.csv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome run = CommandLine(args);
        EXPECT_EQ(run.status, kExitUnusable) << c.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(before(), entries) << c.err;
        EXPECT_EQ(ReadBytes("piles.csv"), ReadBytes(kExample)) << c.err;
    }
    std::filesystem::current_path(previous);
}

// One output on standard output, the others in files; the count line stays off
// standard output whichever output it is.
TEST(ScheduleCommand, WritesOneOutputToStandardOutput) {
    TempFolder folder;
    const Outcome book = CommandLine({"check", kExample, "--table-book", "-", "--book-encoding",
                                      "utf8", "--csv", (folder / "r.csv").u8string()});
    EXPECT_EQ(book.status, kExitRowFailed);
    EXPECT_EQ(book.out.substr(0, 3), "===");
    EXPECT_EQ(book.out.find("桩表共"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder / "r.csv").substr(0, 9), "\xEF\xBB\xBF桩号");

    if (!PdfBooksAvailable()) {
        return;
    }
    const Outcome pdf = CommandLine({"check", kExample, "--pdf", "-", "--pdf-form", "table"});
    EXPECT_EQ(pdf.status, kExitRowFailed);
    EXPECT_EQ(pdf.out.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdf.out.find("桩表共"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("-"));
}

TEST(ScheduleCommand, WritesNoBookWhenNoPileWasComputed) {
    TempFolder folder;
    WriteBytes(folder / "bad.csv", "d,hr,frk,grade,process\n0,1d,25,C30,水下\n");
    CliRequest request;
    request.file = (folder / "bad.csv").u8string();
    request.tableBook = (folder / "表格.txt").u8string();
    const Outcome run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_FALSE(std::filesystem::exists(folder / "表格.txt"));
}

// The lines of a UTF-8 book file.
std::vector<std::string> BookLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    lines.push_back(bytes.substr(start));
    return lines;
}

// What follows a label on a book line, spaces trimmed: "满足  富余 +0.9%".
std::string ValueAfter(const std::string& line, const std::string& label) {
    std::string value = line.substr(line.find(label) + label.size());
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

std::string Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The books of a schedule with a bad row keep every pile's own mark, and each
// pile's check section and check columns say what --json says of the same pile.
TEST(ScheduleCommand, BooksKeepEveryMarkAndCheckAsTheJsonDoes) {
    TempFolder folder;
    WriteBytes(folder / "piles.csv",
               "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N\n"
               "ZH8A,1000,1.5d,25,C30,泥浆护壁,9000,8000\n"
               "ZH8B,abc,1.5d,25,C30,泥浆护壁,9000,7000\n"
               ",800,2d,12,C30,干作业,0,\n"
               "1-ZH12-东侧,1200,300,35,C35,水下,14000,\n"
               "ZH9,1000,1.5d,25,C30,泥浆护壁,,\n");
    CliRequest request;
    request.file = (folder / "piles.csv").u8string();
    request.resultsJson = (folder / "results.json").u8string();
    request.textBook = (folder / "text.txt").u8string();
    request.tableBook = (folder / "table.txt").u8string();
    request.bookEncoding = BookEncoding::Utf8;
    request.timeText = "T";
    const Outcome run = ScheduleCommand(request);
    EXPECT_EQ(run.status, kExitRowFailed);
    EXPECT_EQ(run.out,
              "桩表共 5 根桩：2 根计算完成且验算满足，2 根验算不满足，1 根有错误；"
              "1 根嵌岩深度小于最小嵌岩深度\n");

    const nlohmann::json json = nlohmann::json::parse(ReadBytes(folder / "results.json"));
    const std::vector<std::string> text = BookLines(ReadBytes(folder / "text.txt"));
    const std::vector<std::string> table = BookLines(ReadBytes(folder / "table.txt"));
    std::vector<std::string> marks;
    for (const nlohmann::json& pile : json["piles"]) {
        if (pile["computed"]) {
            marks.push_back(pile["mark"]);
        }
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"ZH8A", "ZH3", "1-ZH12-东侧", "ZH9"}));
    ASSERT_EQ(table.size(), 5 + marks.size() + 4);

    for (std::size_t p = 0; p < marks.size(); ++p) {
        const nlohmann::json& pile =
            *std::find_if(json["piles"].begin(), json["piles"].end(),
                          [&](const nlohmann::json& each) { return each["mark"] == marks[p]; });
        SCOPED_TRACE(marks[p]);
        const auto title = std::find(text.begin(), text.end(), "1.基桩编号: " + marks[p]);
        ASSERT_NE(title, text.end());
        const auto end = std::find(title, text.end(), std::string(50, '='));
        const std::vector<std::string> block(title, end);
        const auto checksAt = std::find(block.begin(), block.end(), "6.验算(以未取整的数值比较)");
        // What follows a label in the check section.
        const auto lineWith = [&](const std::string& label) {
            const auto at = std::find_if(checksAt, block.end(), [&](const std::string& line) {
                return line.find(label) != std::string::npos;
            });
            return at == block.end() ? std::string() : ValueAfter(*at, label);
        };
        const std::string& row = table[5 + p];
        EXPECT_EQ(row.rfind("   " + marks[p] + " ", 0), 0u) << row;

        const std::pair<const char*, const char*> checks[] = {{"raCheck", "Ra"}, {"rcCheck", "Rc"}};
        for (const auto& [key, capacity] : checks) {
            const std::string label = key == std::string("raCheck") ? "Ra≥Nk:" : "Rc≥N:";
            const nlohmann::json& check = pile[key];
            if (check.is_null()) {
                EXPECT_EQ(lineWith(label), "");
                continue;
            }
            const std::string verdict = check["verdict"];
            const std::string margin =
                check["marginPercent"].is_null()
                    ? ""
                    : Printf("%+.1f%%", check["marginPercent"].get<double>());
            EXPECT_EQ(lineWith(label), margin.empty() ? verdict : verdict + "  富余 " + margin);
            EXPECT_EQ(lineWith(key == std::string("raCheck") ? "竖向力Nk:" : "轴向压力N:"),
                      Printf("%.0f", check["load"].get<double>()) + " kN");
            const std::string capacityText =
                pile["text"][key == std::string("raCheck") ? "ra" : "rc"];
            EXPECT_NE(row.find(margin.empty() ? "  " + verdict + " " : verdict + " " + margin),
                      std::string::npos)
                << row;
            EXPECT_EQ(lineWith(key == std::string("raCheck") ? "单桩竖向承载力特征值Ra:"
                                                             : "桩身正截面受压承载力设计值Rc:"),
                      capacityText + " kN")
                << capacity;
        }
        const bool socketHolds = pile["socketCheck"]["holds"];
        EXPECT_EQ(lineWith("警告: ") != "", !socketHolds);
        if (!socketHolds) {
            EXPECT_EQ(lineWith("最小嵌岩深度:"),
                      Printf("%g", pile["socketCheck"]["minimum"].get<double>()) + " mm");
            EXPECT_NE(
                row.find("<" + Printf("%g", pile["socketCheck"]["minimum"].get<double>()) + "mm"),
                std::string::npos);
        }
        const bool anyCheck =
            !pile["raCheck"].is_null() || !pile["rcCheck"].is_null() || !socketHolds;
        EXPECT_EQ(std::count(block.begin(), block.end(), "6.验算(以未取整的数值比较)"),
                  anyCheck ? 1 : 0);
    }
}

}  // namespace
}  // namespace rokal
