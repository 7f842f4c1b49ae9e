#include "report/ReportFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

namespace fs = std::filesystem;

TEST(ReportFileNameTest, NamesBothDocuments) {
    EXPECT_EQ(ReportFileName(ReportDocument::Text), u"嵌岩桩计算书(依据DBJ52T045-2018)_文本.txt");
    EXPECT_EQ(ReportFileName(ReportDocument::Table), u"嵌岩桩计算书(依据DBJ52T045-2018)_表格.txt");
}

struct JoinCase {
    Lines lines;
    std::u16string joined;
};

class JoinReportLinesCases : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinReportLinesCases, UseCrLfBetweenLinesOnly) {
    EXPECT_EQ(JoinReportLines(GetParam().lines), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(Shapes, JoinReportLinesCases,
                         ::testing::Values(JoinCase{{}, u""},
                                           JoinCase{{u"计算时间："}, u"计算时间："},
                                           JoinCase{{u"a", u"", u"c"}, u"a\r\n\r\nc"},
                                           JoinCase{{u"ζr", u"Q≤1"}, u"ζr\r\nQ≤1"}));

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Stands in for the code page: ASCII as it is, anything else as "#".
std::string AsciiEncoder(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '#');
    }
    return out;
}

class ReportFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("rokal-report-file-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void WriteEarlier(const fs::path& path) { std::ofstream(path, std::ios::binary) << "earlier"; }
    bool OnlyEntryIs(const fs::path& path) {
        return std::distance(fs::directory_iterator(dir), fs::directory_iterator()) == 1 &&
               fs::exists(path);
    }

    fs::path dir;
};

TEST_F(ReportFileTest, WritesTheBytesExactly) {
    const fs::path path = dir / "out.txt";
    const std::string bytes("a\r\nb\0c\xA6\xC6", 8);
    WriteFileReplacing(path, bytes);
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_TRUE(OnlyEntryIs(path));
}

TEST_F(ReportFileTest, ReplacesAnEarlierFileWhole) {
    const fs::path path = dir / "out.txt";
    WriteFileReplacing(path, std::string(5000, 'x'));
    WriteFileReplacing(path, "short");
    EXPECT_EQ(ReadBytes(path), "short");
    EXPECT_TRUE(OnlyEntryIs(path));
}

TEST_F(ReportFileTest, MissingFolderFailsNamingPathAndReason) {
    const fs::path path = dir / "no-such-folder" / "out.txt";
    try {
        WriteFileReplacing(path, "bytes");
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(path.u8string()), std::string::npos) << message;
        EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    }
}

TEST_F(ReportFileTest, FolderThatIsAFileFails) {
    WriteEarlier(dir / "plain");
    const fs::path path = dir / "plain" / "out.txt";
    try {
        WriteFileReplacing(path, "bytes");
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        EXPECT_NE(std::string(e.what()).find("Not a directory"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(dir / "plain"), "earlier");
}

TEST_F(ReportFileTest, DirectoryInThePlaceOfTheFileIsLeftAlone) {
    const fs::path path = dir / "out.txt";
    fs::create_directories(path / "inside");
    EXPECT_THROW(WriteFileReplacing(path, "bytes"), ReportSaveError);
    EXPECT_TRUE(fs::is_directory(path / "inside"));
    EXPECT_TRUE(OnlyEntryIs(path));
}

// Makes every write beyond a file size limit fail (even for root), for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(ReportFileTest, FailedWriteKeepsTheEarlierFile) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    {
        FileSizeLimit limit(1000);
        try {
            WriteFileReplacing(path, std::string(100000, 'x'));
            FAIL() << "no error";
        } catch (const ReportSaveError& e) {
            EXPECT_NE(std::string(e.what()).find("File too large"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_TRUE(OnlyEntryIs(path));
}

// The new content reaches the disk before it takes the file's name, and a file
// that cannot be forced to disk does not replace the earlier one.
TEST_F(ReportFileTest, ForcesTheNewContentToDiskBeforeTheRename) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    std::vector<std::string> synced;
    WriteFileReplacing(path, "new", [&](const fs::path& p) {
        synced.push_back(p.filename().string() + "=" +
                         (fs::is_directory(p) ? "folder" : ReadBytes(p)));
        EXPECT_EQ(ReadBytes(path), synced.size() == 1 ? "earlier" : "new");
        return 0;
    });
    EXPECT_EQ(synced,
              (std::vector<std::string>{"out.txt.part=new", dir.filename().string() + "=folder"}));
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(ReportFileTest, FailedSyncKeepsTheEarlierFile) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    try {
        WriteFileReplacing(path, "new", [](const fs::path&) { return EIO; });
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        EXPECT_NE(std::string(e.what()).find(path.u8string()), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_TRUE(OnlyEntryIs(path));
}

TEST_F(ReportFileTest, SavingTheShownDocumentClearsOnlyItsFlag) {
    ReportLog log;
    const PileInput input = test::DefaultInput();
    log.AppendPile(input, test::Compute(input), PrecisionMode::Units, u"2024/3/5 14:07:09", u'.');
    log.ShowOtherReport();
    WriteShownReport(log, dir, AsciiEncoder);
    const fs::path path = dir / fs::path(ReportFileName(ReportDocument::Table));
    EXPECT_EQ(ReadBytes(path), AsciiEncoder(JoinReportLines(log.Document(ReportDocument::Table))));
    EXPECT_EQ(log.UnsavedFlags(), TextUnsaved);
    EXPECT_FALSE(log.SaveEnabled());
}

TEST_F(ReportFileTest, FailedSaveLeavesTheFlagsAsTheyWere) {
    ReportLog log;
    const PileInput input = test::DefaultInput();
    log.AppendPile(input, test::Compute(input), PrecisionMode::Units, u"2024/3/5 14:07:09", u'.');
    const fs::path earlier = dir / fs::path(ReportFileName(ReportDocument::Text));
    WriteEarlier(earlier);
    {
        FileSizeLimit limit(1000);
        EXPECT_THROW(WriteShownReport(log, dir, AsciiEncoder), ReportSaveError);
    }
    EXPECT_THROW(WriteShownReport(log, dir / "missing", AsciiEncoder), ReportSaveError);
    EXPECT_EQ(log.UnsavedFlags(), TextUnsaved | TableUnsaved);
    EXPECT_TRUE(log.SaveEnabled());
    EXPECT_EQ(ReadBytes(earlier), "earlier");
    EXPECT_TRUE(OnlyEntryIs(earlier));
}

}  // namespace
}  // namespace rokal
