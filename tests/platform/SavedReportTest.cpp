#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "report/ReportFile.h"
#include "tests/report/ReportTestSupport.h"
#include "report/CodePage.h"

namespace rokal {
namespace {

namespace fs = std::filesystem;

class SavedReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("rokal-saved-report-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Saved(ReportDocument doc) {
        std::ifstream in(dir / fs::path(ReportFileName(doc)), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir;
};

TEST_F(SavedReportTest, SmallBookIsCodePageTextWithCrLfBetweenLines) {
    ReportLog log;
    log.AppendPile(test::DefaultInput(), test::Compute(test::DefaultInput()), PrecisionMode::Units,
                   u"2024/3/5 14:07:09", u'.');
    WriteShownReport(log, dir, EncodeToSystemCodePage);

    const std::string bytes = Saved(ReportDocument::Text);
    EXPECT_EQ(bytes.substr(0, 20), std::string(18, '=') + " \xC7");
    // "计算时间：" and the time, no line break after it
    const std::string timeLine =
        "\xBC\xC6\xCB\xE3\xCA\xB1\xBC\xE4\xA3\xBA"
        "2024/3/5 14:07:09";
    EXPECT_EQ(bytes.substr(bytes.size() - timeLine.size()), timeLine);
    EXPECT_NE(bytes.find("\r\n" + std::string(50, '=') + "\r\n" + timeLine), std::string::npos);
    // line 17 with ζ, line 18 with ≤
    EXPECT_NE(bytes.find("      Ra=1/2\xA6\xC6r.frk.Ap+\xA6\xCCp\xA1\xC6qsia.Li (8.5.9-3)\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\n" + std::string(23, ' ') +
                         "Q\xA1\xDC\xA6\xD7"
                         "c.Ap.fc  (8.5.10)\r\n"),
              std::string::npos);

    std::size_t breaks = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(bytes[i - 1], '\r') << "bare LF at " << i;
            ++breaks;
        }
    }
    EXPECT_EQ(breaks, log.Document(ReportDocument::Text).size() - 1);
    EXPECT_EQ(log.UnsavedFlags(), TableUnsaved);
}

TEST_F(SavedReportTest, TinyDocumentBytes) {
    EXPECT_EQ(EncodeToSystemCodePage(JoinReportLines({u"ζr", u"Q≤1"})),
              "\xA6\xC6r\r\nQ\xA1\xDC"
              "1");
}

}  // namespace
}  // namespace rokal
