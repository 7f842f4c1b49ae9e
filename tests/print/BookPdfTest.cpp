#include "print/BookPdf.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QRectF>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "print/BookPagination.h"
#include "print/PageFrame.h"
#include "print/PaperLines.h"
#include "print/ReportColumns.h"
#include "tests/print/PdfTools.h"
#include "tests/print/PrintFixture.h"

namespace rokal {
namespace {

namespace fs = std::filesystem;
using test::Normalised;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class BookPdfTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("rokal-book-pdf-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Writes the book's PDF into the test's folder and returns its path.
    std::string Export(const PrintBook& book, const std::string& name = "book.pdf") {
        const fs::path path = dir / name;
        WriteBookPdf(book, path);
        return path.string();
    }

    fs::path dir;
};

// What each page must read: the title, the page's report lines (the table's
// header first), the time and the page number.
std::vector<Lines> ExpectedPages(const PrintBook& book) {
    const QSizeF printable = BookPageLayout(book.form).paintRect(QPageLayout::Point).size();
    const PaperLines lines(book, printable.width());
    const PageFrame frame = FramePage(printable, lines.WidestCells(),
                                      static_cast<int>(TallestBlock(book.lines, book.form)));
    const PagePlan plan =
        PaginateBook(book.lines, book.form, static_cast<std::size_t>(frame.linesPerPage));
    std::vector<Lines> pages;
    for (std::size_t p = 0; p < plan.size(); ++p) {
        Lines page{BookTitle(book.form)};
        const auto add = [&](std::size_t i) {
            if (!Normalised(lines[i]).empty()) {
                page.push_back(Normalised(lines[i]));
            }
        };
        for (std::size_t i = 0; i < plan[p].headerLines; ++i) {
            add(i);
        }
        for (std::size_t i = plan[p].first; i < plan[p].first + plan[p].count; ++i) {
            add(i);
        }
        page.push_back(TimeLine(book.timeText) + u" " +
                       PageNumberText(static_cast<int>(p) + 1, static_cast<int>(plan.size())));
        pages.push_back(page);
    }
    return pages;
}

struct FormCase {
    ReportDocument form;
    int piles;
    std::size_t pages;
    bool landscape;
};

class BookPdfForms : public BookPdfTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(BookPdfForms, HasItsPagesA4InTheFormsOrientation) {
    const FormCase& c = GetParam();
    const std::string path = Export(MakePrintBook(test::FixtureLines(c.form, c.piles), c.form));
    const std::vector<test::PdfPageSize> sizes = test::PdfPageSizes(path);
    ASSERT_EQ(sizes.size(), c.pages);
    for (const test::PdfPageSize& size : sizes) {
        // A4 in whole points, as the PDF writer gives it.
        EXPECT_EQ(std::min(size.width, size.height), 595);
        EXPECT_EQ(std::max(size.width, size.height), 842);
        EXPECT_EQ(size.width > size.height, c.landscape);
    }
}

TEST_P(BookPdfForms, EmbedsItsFontsWithTheirCharacterMaps) {
    const FormCase& c = GetParam();
    const std::string path = Export(MakePrintBook(test::FixtureLines(c.form, c.piles), c.form));
    const std::vector<test::PdfFont> fonts = test::PdfFonts(path);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts.front().name, "RokalReportMono-Regular");
    EXPECT_TRUE(fonts.front().embedded);
    EXPECT_TRUE(fonts.front().unicodeMap);
}

// Every character read back exactly, page by page; only runs of spaces may differ.
TEST_P(BookPdfForms, ReadsBackAsTheReportLinesPageByPage) {
    const FormCase& c = GetParam();
    const PrintBook book = MakePrintBook(test::FixtureLines(c.form, c.piles), c.form);
    const std::vector<Lines> expected = ExpectedPages(book);
    const std::vector<Lines> pages = test::PdfPageLines(Export(book));
    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ASSERT_EQ(pages[p].size(), expected[p].size()) << "page " << p + 1;
        for (std::size_t i = 0; i < pages[p].size(); ++i) {
            EXPECT_EQ(QString::fromStdU16String(pages[p][i]),
                      QString::fromStdU16String(expected[p][i]))
                << "page " << p + 1 << ", line " << i + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Books, BookPdfForms,
                         ::testing::Values(FormCase{ReportDocument::Text, 5, 5, false},
                                           FormCase{ReportDocument::Table, 60, 3, true},
                                           FormCase{ReportDocument::Table, 1, 1, true}));

// Five blocks, one a page: each page opens with a block's title line and ends with
// its closing rule (the last with the time line after it).
TEST_F(BookPdfTest, KeepsEachBlockWholeOnItsPage) {
    const PrintBook book =
        MakePrintBook(test::FixtureLines(ReportDocument::Text, 5), ReportDocument::Text);
    const std::vector<Lines> pages = test::PdfPageLines(Export(book));
    ASSERT_EQ(pages.size(), 5u);
    const std::u16string title = Normalised(book.lines.front());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ASSERT_GE(pages[p].size(), 4u);
        EXPECT_EQ(pages[p][1], title) << p;
        const std::size_t last = pages[p].size() - (p + 1 < pages.size() ? 2 : 3);
        EXPECT_EQ(pages[p][last], std::u16string(50, u'=')) << p;
    }
}

TEST_F(BookPdfTest, NamesTheFileAfterTheTextFile) {
    EXPECT_EQ(BookPdfFileName(ReportDocument::Text), u"嵌岩桩计算书(依据DBJ52T045-2018)_文本.pdf");
    EXPECT_EQ(BookPdfFileName(ReportDocument::Table), u"嵌岩桩计算书(依据DBJ52T045-2018)_表格.pdf");
}

TEST_F(BookPdfTest, TakesTheTimeFromTheLastLine) {
    const PrintBook book =
        MakePrintBook(test::FixtureLines(ReportDocument::Table, 2), ReportDocument::Table);
    EXPECT_EQ(book.timeText, test::kFixtureTime);
    EXPECT_EQ(MakePrintBook({u"ZH1"}, ReportDocument::Text).timeText, u"");
}

// A failed export leaves the earlier PDF as it was and leaves nothing behind.
TEST_F(BookPdfTest, AFailedExportKeepsTheEarlierFile) {
    const PrintBook book =
        MakePrintBook(test::FixtureLines(ReportDocument::Text, 2), ReportDocument::Text);
    const fs::path path = dir / fs::path(BookPdfFileName(ReportDocument::Text));
    std::ofstream(path, std::ios::binary) << "earlier";

    const DiskSync fullDisk = [](const fs::path&) { return ENOSPC; };
    try {
        WriteBookPdf(book, path, fullDisk);
        FAIL() << "a full disk went unnoticed";
    } catch (const ReportSaveError& e) {
        EXPECT_NE(std::string(e.what()).find(path.u8string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(path), "earlier");

    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_THROW(WriteBookPdf(book, path), ReportSaveError);
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    // Windows removes no read-only file, nor the folder that holds it.
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);

    EXPECT_THROW(WriteBookPdf(book, dir / "missing" / "book.pdf"), ReportSaveError);
}

TEST_F(BookPdfTest, ReplacesAnEarlierFile) {
    const PrintBook book =
        MakePrintBook(test::FixtureLines(ReportDocument::Table, 3), ReportDocument::Table);
    const fs::path path = dir / "book.pdf";
    std::ofstream(path, std::ios::binary) << "earlier";
    WriteBookPdf(book, path);
    EXPECT_EQ(ReadBytes(path).substr(0, 5), "%PDF-");
    EXPECT_EQ(test::PdfPageSizes(path.string()).size(), 1u);
}

// Lines no report holds: a character the face lacks, one beyond the BMP, a
// control character, a lone surrogate and a line thousands of cells wide. The
// book is still made, every line on paper, and what the face holds reads back;
// the wide line is cut at the edge of the paper at the smallest size.
TEST_F(BookPdfTest, MakesAPdfOfHostileLines) {
    PrintBook book =
        MakePrintBook(test::FixtureLines(ReportDocument::Table, 2), ReportDocument::Table);
    book.lines.insert(book.lines.begin() + 5, {u"ZH9 1\u066B5 \U0001D11E \u0001 \xD800 端",
                                               u"ZH10 " + std::u16string(5000, u'9') + u" 末"});
    const std::vector<Lines> pages = test::PdfPageLines(Export(book));
    ASSERT_EQ(pages.size(), 1u);
    const Lines& page = pages.front();
    const auto holds = [&](const std::u16string& text) {
        return std::any_of(page.begin(), page.end(), [&](const std::u16string& line) {
            return line.find(text) != std::u16string::npos;
        });
    };
    EXPECT_TRUE(holds(u"ZH9 1"));
    EXPECT_TRUE(holds(u"端"));
    // 212 cells across at the smallest size: "ZH10 ", 205 nines and "…".
    EXPECT_TRUE(holds(u"ZH10 " + std::u16string(205, u'9') + u"…"));
    EXPECT_FALSE(holds(u"末"));
    EXPECT_TRUE(holds(Normalised(book.lines.back())));
}

// A pile whose d, hr and time are far too long for their columns: the book keeps
// its usual size, each long text cut to its column, the full texts kept in the
// book's lines; the footer's time stops short of the page number.
TEST_F(BookPdfTest, CutsLongCellsInsteadOfShrinkingTheBook) {
    const std::u16string longTime = u"2024/3/5 14:07:09 " + std::u16string(70, u'长');
    ReportLog log;
    test::FillFixtureLog(log, 1);
    PileInput input;
    input.dText = u"1000." + std::u16string(295, u'0');
    input.hrText = u"1500." + std::u16string(995, u'0');
    input.frkText = u"25";
    log.AppendPile(input, std::get<PileResult>(ComputePile(input, u'.')), PrecisionMode::Units,
                   longTime, u'.');
    for (ReportDocument form : {ReportDocument::Table, ReportDocument::Text}) {
        const PrintBook book = MakePrintBook(log, form);
        const QSizeF printable = BookPageLayout(form).paintRect(QPageLayout::Point).size();
        EXPECT_DOUBLE_EQ(
            FramePage(printable, PaperLines(book, printable.width()).WidestCells()).bodySize,
            kUsualBodySize);
        const std::vector<Lines> pages = test::PdfPageLines(Export(book));
        const std::vector<Lines> expected = ExpectedPages(book);
        ASSERT_EQ(pages.size(), expected.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            // The footer is checked on its own below.
            ASSERT_EQ(pages[p].size(), expected[p].size()) << "page " << p + 1;
            for (std::size_t i = 0; i + 1 < pages[p].size(); ++i) {
                EXPECT_EQ(QString::fromStdU16String(pages[p][i]),
                          QString::fromStdU16String(expected[p][i]))
                    << "page " << p + 1 << ", line " << i + 1;
            }
        }
        const std::u16string footer = pages.back().back();
        const std::u16string start = u"计算时间：2024/3/5 14:07:09 长长";
        EXPECT_EQ(footer.substr(0, start.size()), start);
        const std::u16string number =
            PageNumberText(static_cast<int>(pages.size()), static_cast<int>(pages.size()));
        EXPECT_EQ(footer.substr(footer.size() - number.size() - 2), u"… " + number);
    }
}

}  // namespace
}  // namespace rokal
