// The program's command line, read before Qt starts.
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "ui/app/CommandLine.h"

namespace {

using rokal::AppCommandLine;
using Action = AppCommandLine::Action;

AppCommandLine Read(std::vector<std::string> args) {
    args.insert(args.begin(), "rokal");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);
    return rokal::ReadAppCommandLine(static_cast<int>(args.size()), argv.data());
}

struct Case {
    std::vector<std::string> args;
    Action action;
    std::string file;  // empty: none
    std::string error;
};

class ReadAppCommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(ReadAppCommandLineTest, Reads) {
    const Case& c = GetParam();
    const AppCommandLine command = Read(c.args);
    EXPECT_EQ(command.action, c.action);
    EXPECT_EQ(command.file.value_or(""), c.file);
    EXPECT_EQ(command.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadAppCommandLineTest,
    ::testing::Values(
        Case{{}, Action::Run, "", ""}, Case{{"--help"}, Action::Help, "", ""},
        Case{{"-h"}, Action::Help, "", ""}, Case{{"--version"}, Action::Version, "", ""},
        Case{{"--version", "--help"}, Action::Help, "", ""},
        Case{{"piles.csv"}, Action::Run, "piles.csv", ""},
        Case{{"桩表 1.csv"}, Action::Run, "桩表 1.csv", ""},
        // Qt's options stay Qt's, with their values.
        Case{{"-platform", "offscreen", "piles.csv"}, Action::Run, "piles.csv", ""},
        Case{{"--display", ":1", "-style=fusion", "-reverse"}, Action::Run, "", ""},
        Case{{"-stylesheet", "a.qss", "--qwindowtitle", "x"}, Action::Run, "", ""},
        // After "--" everything is a file, and "-" alone is one too.
        Case{{"--", "--help"}, Action::Run, "--help", ""}, Case{{"-"}, Action::Run, "-", ""},
        Case{{"a.csv", "b.csv"}, Action::Error, "", "only one file can be opened at a time"},
        Case{{"--bogus"}, Action::Error, "", "unknown option '--bogus'"},
        Case{{"--help", "-v"}, Action::Error, "", "unknown option '-v'"},
        Case{{"-platform"}, Action::Error, "", "option '-platform' needs a value"},
        // What would act on the terminal is shown as '?'.
        Case{{"--\x1b[31mred"}, Action::Error, "", "unknown option '--?[31mred'"},
        Case{{"--\xff\xfe"}, Action::Error, "", "unknown option '--??'"},
        Case{{"--\xc2\x9b"
              "2J"},
             Action::Error,
             "",
             "unknown option '--?2J'"},
        Case{{"--桩"}, Action::Error, "", "unknown option '--桩'"}));

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer AnswerFor(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = rokal::AnswerWithoutWindow(Read(std::move(args)), out, err);
    return {status, out.str(), err.str()};
}

TEST(AnswerWithoutWindowTest, VersionIsTheFileVersion) {
    const Answer answer = AnswerFor({"--version"});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.out, "rokal 1.2.2022.1228\n");
    EXPECT_EQ(answer.err, "");
}

TEST(AnswerWithoutWindowTest, HelpShowsTheUsageWithAScheduleFile) {
    const Answer answer = AnswerFor({"-h"});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.out.substr(0, answer.out.find('\n')), "Usage: rokal [OPTION]... [FILE]");
    EXPECT_NE(answer.out.find("  rokal piles.csv\n"), std::string::npos);
    EXPECT_EQ(answer.err, "");
}

TEST(AnswerWithoutWindowTest, AWrongCommandLineEndsWithStatusTwo) {
    const Answer answer = AnswerFor({"--bogus"});
    EXPECT_EQ(answer.status, 2);
    EXPECT_EQ(answer.out, "");
    EXPECT_EQ(answer.err,
              "rokal: unknown option '--bogus'\nTry 'rokal --help' for more information.\n");
}

TEST(AnswerWithoutWindowTest, TheProgramRunsOtherwise) {
    EXPECT_EQ(AnswerFor({"piles.csv"}).status, std::nullopt);
    EXPECT_EQ(AnswerFor({}).status, std::nullopt);
}

TEST(AnswerWithoutWindowTest, AnAnswerThatCannotBeWrittenFails) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(rokal::AnswerWithoutWindow(Read({"--version"}), out, err), 1);
    EXPECT_EQ(err.str(), "rokal: cannot write to standard output\n");
}

}  // namespace
