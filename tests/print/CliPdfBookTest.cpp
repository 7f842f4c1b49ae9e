// rokal-cli's PDF books in-process, where each book brings up and takes down its
// own offscreen application object.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QGuiApplication>

#include <filesystem>

#include "cli/PdfBookOutput.h"
#include "cli/ScheduleRun.h"
#include "tests/print/PdfTools.h"
#include "tests/print/PrintFixture.h"

namespace rokal {
namespace {

namespace fs = std::filesystem;

// Twice in one process: the second application object finds the report face again.
TEST(CliPdfBookTest, WritesBookAfterBookWithTheFaceEmbedded) {
    ASSERT_EQ(QGuiApplication::instance(), nullptr);
    const fs::path dir =
        fs::temp_directory_path() / ("rokal-cli-pdf-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ScheduleRun run;
    test::FillFixtureLog(run.log, 3);
    const std::pair<ReportDocument, std::size_t> forms[] = {{ReportDocument::Text, 3},
                                                            {ReportDocument::Table, 1}};
    for (const auto& [form, pages] : forms) {
        const fs::path path = dir / (form == ReportDocument::Text ? "text.pdf" : "table.pdf");
        WritePdfBook(run, form, path);
        EXPECT_EQ(QGuiApplication::instance(), nullptr);
        const std::vector<test::PdfFont> fonts = test::PdfFonts(path.string());
        ASSERT_EQ(fonts.size(), 1u);
        EXPECT_EQ(fonts.front().name, "RokalReportMono-Regular");
        EXPECT_EQ(test::PdfPageLines(path.string()).size(), pages);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rokal
