#include "print/TypesetPdf.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
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

}  // namespace
}  // namespace rokal
