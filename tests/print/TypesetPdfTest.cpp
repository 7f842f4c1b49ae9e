#include "print/TypesetPdf.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <algorithm>
#include <filesystem>

#include "book/CalculationBook.h"
#include "print/TypesetLayout.h"
#include "report/CodePage.h"
#include "schedule/ResultsCsv.h"
#include "tests/book/BookFixture.h"
#include "tests/print/PdfTools.h"

namespace rokal {
namespace {

namespace fs = std::filesystem;

book::ProjectInfo FixtureProject() {
    book::ProjectInfo info;
    info.Set(book::ProjectField::Name, u"贵阳市观山湖区某住宅小区 3# 楼");
    info.Set(book::ProjectField::Number, u"GY-2024-017");
    info.Set(book::ProjectField::Part, u"3# 楼桩基础");
    info.Set(book::ProjectField::Stage, u"施工图设计");
    info.Set(book::ProjectField::Organisation, u"贵州某建筑设计研究院有限公司");
    info.Set(book::ProjectField::CalculatedBy, u"张喆");
    info.Set(book::ProjectField::CalculatedOn, u"2024-03-05");
    info.Set(book::ProjectField::CheckedBy, u"李四");
    info.Set(book::ProjectField::Date, u"2024年3月5日");
    return info;
}

class TypesetPdfTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("rokal-typeset-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

// The whole text of the PDF, its pages joined, each line's runs of spaces made one.
std::u16string PdfText(const std::string& path) {
    std::u16string text;
    for (const Lines& page : test::PdfPageLines(path)) {
        for (const std::u16string& line : page) {
            text += line + u"\n";
        }
    }
    return text;
}

TEST_F(TypesetPdfTest, HoldsEveryPilesValuesWithItsFontsEmbedded) {
    const Schedule schedule = test::BookSchedule();
    const std::vector<book::BookPile> piles = test::BookPiles(schedule);
    const book::Document doc = book::MakeCalculationBook(piles, FixtureProject(), {});
    const fs::path path = dir / "book.pdf";
    WriteTypesetPdf(doc, path);
    if (const char* keep = std::getenv("ROKAL_KEEP_PDF")) {
        fs::copy_file(path, keep, fs::copy_options::overwrite_existing);
    }
    for (const test::PdfFont& font : test::PdfFonts(path.string())) {
        EXPECT_TRUE(font.embedded) << font.name;
        EXPECT_TRUE(font.unicodeMap) << font.name;
    }
    const std::u16string text = PdfText(path.string());
    EXPECT_NE(text.find(u"贵阳市观山湖区某住宅小区 3# 楼"), std::u16string::npos);
    EXPECT_NE(text.find(u"张喆"), std::u16string::npos);
    EXPECT_NE(text.find(u"Ap = π·d²/4 = π × 1.000² / 4 = 0.7854 m²"), std::u16string::npos);
    for (std::size_t i = 0; i < piles.size(); ++i) {
        const RowResultTexts texts =
            FormatRowResult(piles[i].result, {}, PrecisionMode::Units, u'.');
        SCOPED_TRACE(Utf16ToUtf8(piles[i].mark));
        EXPECT_NE(text.find(piles[i].mark), std::u16string::npos);
        if (piles[i].result.Computed()) {
            EXPECT_NE(text.find(u"Ra = Quk / K = "), std::u16string::npos);
            EXPECT_NE(text.find(u" = " + texts.ra + u" kN"), std::u16string::npos);
            EXPECT_NE(text.find(u" = " + texts.rc + u" kN"), std::u16string::npos);
        }
    }
}

// 80 piles: the summary runs over pages, each repeating the header row, and no
// pile's calculation is split between two pages.
TEST_F(TypesetPdfTest, TablesRepeatTheirHeaderAndPilesStayWhole) {
    Schedule schedule;
    const Schedule fixture = test::BookSchedule();
    for (int i = 0; i < 8; ++i) {
        for (ScheduleRow row : fixture.rows) {
            row.Cell(ScheduleColumn::Mark) += u"-" + std::u16string(1, char16_t(u'A' + i));
            schedule.rows.push_back(row);
        }
    }
    const fs::path path = dir / "long.pdf";
    WriteTypesetPdf(book::MakeCalculationBook(test::BookPiles(schedule), {}, {}), path);
    const std::vector<Lines> pages = test::PdfPageLines(path.string());
    int summaryPages = 0;
    bool inSummary = false;
    bool inWorked = false;
    for (const Lines& page : pages) {
        ASSERT_GE(page.size(), 3u);
        const std::u16string& first = page[1];  // after the running header
        if (first == u"2 计算结果汇总") {
            inSummary = true;
        } else if (first == u"3 单桩计算") {
            inSummary = false;
            inWorked = true;
        }
        // A page with summary rows (a rock class followed by a grade) starts with the header.
        const bool rows = std::any_of(page.begin(), page.end(), [](const std::u16string& line) {
            return line.find(u"岩 C") != std::u16string::npos;
        });
        if (inSummary && rows) {
            ++summaryPages;
            const std::u16string& header = first == u"2 计算结果汇总" ? page[2] : first;
            EXPECT_EQ(header.substr(0, 4), u"桩号 d") << Utf16ToUtf8(header);
        }
        if (inWorked) {
            // Every pile that starts on this page ends on it.
            int open = 0;
            for (const std::u16string& line : page) {
                if (line.rfind(u"已知：", 0) == 0) {
                    ++open;
                } else if (line.rfind(u"Rc = ψc·fc·Ap = ", 0) == 0) {
                    --open;
                }
                EXPECT_GE(open, 0) << "a pile ends on a page where it did not start";
            }
            EXPECT_EQ(open, 0) << "a pile runs over the page's end";
        }
    }
    EXPECT_GE(summaryPages, 2);
}

}  // namespace
}  // namespace rokal
