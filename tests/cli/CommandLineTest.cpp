#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/ExitStatus.h"
#include "cli/PdfBookOutput.h"

namespace rokal {
namespace {

struct Parsed {
    std::variant<CliRequest, int> result;
    std::string out;
    std::string err;
};

Parsed Parse(std::vector<std::string> args, char16_t localeSeparator = u'.') {
    args.insert(args.begin(), "rokal-cli");
    std::ostringstream out;
    std::ostringstream err;
    auto result = ParseCommandLine(args, localeSeparator, out, err);
    return {std::move(result), out.str(), err.str()};
}

// The request a command line gives; a copy, so that nothing refers into a temporary.
CliRequest RequestOf(std::vector<std::string> args, char16_t localeSeparator = u'.') {
    Parsed parsed = Parse(std::move(args), localeSeparator);
    return std::get<CliRequest>(std::move(parsed.result));
}

int StatusOf(const Parsed& parsed) {
    const int* status = std::get_if<int>(&parsed.result);
    return status != nullptr ? *status : -1;
}

TEST(CommandLine, AnswersVersionAndHelpWithStatusZero) {
    const Parsed version = Parse({"--version"});
    EXPECT_EQ(StatusOf(version), kExitAllPass);
    EXPECT_EQ(version.out, "rokal-cli 1.2.2022.1228\n");
    const Parsed help = Parse({"--help"});
    EXPECT_EQ(StatusOf(help), kExitAllPass);
    EXPECT_NE(help.out.find("rokal-cli check piles.csv"), std::string::npos);
    EXPECT_NE(help.out.find("--table-book"), std::string::npos) << "subcommand options listed";
    const Parsed designHelp = Parse({"design", "--help"});
    EXPECT_EQ(StatusOf(designHelp), kExitAllPass);
    EXPECT_NE(designHelp.out.find("--step"), std::string::npos);
}

TEST(CommandLine, RefusesACommandLineItCannotUseWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--d", "1000", "--hr", "1d"},
        {"--bogus"},
        {"check"},
        {"check", "a.csv", "b.csv"},
        {"check", "a.csv", "--d", "1000"},
        {"design", "a.csv", "--step", "0"},
        {"design", "a.csv", "--step", "1,5d"},
        {"check", "a.csv", "--book-encoding", "latin1"},
        {"--round", "3", "--d", "1", "--hr", "1", "--frk", "1"},
        {"--decimal-separator", "ab", "--d", "1", "--hr", "1", "--frk", "1"},
        {"--decimal-separator", "5", "--d", "1", "--hr", "1", "--frk", "1"},
        {"check", "a.csv", "--decimal-separator", ";"},
        {"check", "a.csv", "--decimal-separator", "·"},
        {"check", "a.csv", "--decimal-separator", ""},
        {"lint", "a.csv"},
    };
    for (const auto& args : cases) {
        const Parsed parsed = Parse(args);
        EXPECT_EQ(StatusOf(parsed), kExitUnusable) << testing::PrintToString(args);
        EXPECT_FALSE(parsed.err.empty()) << testing::PrintToString(args);
        EXPECT_TRUE(parsed.out.empty()) << testing::PrintToString(args);
    }
}

// An empty name would count as no output at all, and the summary would be printed
// instead of the file the user asked for.
TEST(CommandLine, RefusesAnEmptyFileName) {
    std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"check", "a.csv", "--csv", ""}, "--csv 的文件名不能为空"},
        {{"design", "a.csv", "--table-book", ""}, "--table-book 的文件名不能为空"},
        {{"check", ""}, "桩表文件名不能为空"},
    };
    if (PdfBooksAvailable()) {
        cases.push_back({{"check", "a.csv", "--pdf", ""}, "--pdf 的文件名不能为空"});
    }
    for (const auto& [args, message] : cases) {
        const Parsed parsed = Parse(args);
        EXPECT_EQ(StatusOf(parsed), kExitUnusable) << message;
        EXPECT_EQ(parsed.err.substr(0, message.size() + 1), message + "\n");
    }
}

TEST(CommandLine, ReadsAPileRequest) {
    const CliRequest request =
        RequestOf({"--d", "1000", "--hr", "1,5d", "--frk", "25", "--grade", "c40", "--process",
                   "水下", "--nk", "5000", "--round", "两位小数", "--json"},
                  u',');
    EXPECT_EQ(request.command, CliRequest::Command::Pile);
    EXPECT_EQ(request.hr, "1,5d");
    EXPECT_EQ(request.grade, "c40");
    EXPECT_EQ(request.process, "水下");
    EXPECT_EQ(request.nk, "5000");
    EXPECT_EQ(request.mode, PrecisionMode::TwoDecimals);
    EXPECT_EQ(request.decimalSeparator, u',');
    EXPECT_TRUE(request.json);
}

TEST(CommandLine, ReadsAScheduleRequestWithItsOutputs) {
    const CliRequest request =
        RequestOf({"design", "桩表.csv", "--step", "100mm", "--csv", "-", "--text-book", "文本.txt",
                   "--book-encoding", "UTF-8", "--time", "2022/12/28", "--round", "100",
                   "--decimal-separator", ","});
    EXPECT_EQ(request.command, CliRequest::Command::Design);
    EXPECT_EQ(request.file, "桩表.csv");
    EXPECT_EQ(request.step, (DepthStep{DepthStep::Unit::Millimetres, 100000}));
    EXPECT_EQ(request.resultsCsv, "-");
    EXPECT_EQ(request.textBook, "文本.txt");
    EXPECT_EQ(request.bookEncoding, BookEncoding::Utf8);
    EXPECT_EQ(request.timeText, "2022/12/28");
    EXPECT_EQ(request.mode, PrecisionMode::Hundreds);
    EXPECT_EQ(request.decimalSeparator, u',');
    EXPECT_TRUE(request.WritesFiles());
    const CliRequest plain = RequestOf({"check", "a.csv"});
    EXPECT_EQ(plain.command, CliRequest::Command::Check);
    EXPECT_EQ(plain.mode, PrecisionMode::Units);
    EXPECT_EQ(plain.step, kDefaultDepthStep);
    EXPECT_EQ(plain.bookEncoding, BookEncoding::Gbk);
    EXPECT_FALSE(plain.WritesFiles());
}

}  // namespace
}  // namespace rokal
