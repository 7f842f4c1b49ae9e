// Writes the fixture schedule's book as a Word document, and beside it the values
// every pile must show, as the results CSV writes them: the mark, Ra, Rc and the
// verdicts of both checks (one pile a line, fields separated by tabs). The
// readers of the document (python3-docx, LibreOffice) are checked against them.
#include <fstream>
#include <iostream>

#include "book/CalculationBook.h"
#include "docx/DocxBook.h"
#include "report/CodePage.h"
#include "schedule/ResultsCsv.h"
#include "tests/book/BookFixture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_fixture_book OUT.docx OUT.values\n";
        return 2;
    }
    using namespace rokal;
    const Schedule schedule = test::BookSchedule();
    const std::vector<book::BookPile> piles = test::BookPiles(schedule);
    book::ProjectInfo project;
    project.Set(book::ProjectField::Name, u"贵阳市观山湖区某住宅小区 3# 楼");
    project.Set(book::ProjectField::CalculatedBy, u"张喆");
    project.Set(book::ProjectField::Date, u"2024年3月5日");
    docx::WriteDocx(book::MakeCalculationBook(piles, project, {}), argv[1]);

    std::ofstream values(argv[2], std::ios::binary);
    for (const book::BookPile& pile : piles) {
        if (!pile.result.Computed()) {
            continue;
        }
        const RowResultTexts texts = FormatRowResult(pile.result, {}, PrecisionMode::Units, u'.');
        values << Utf16ToUtf8(pile.mark) << '\t' << Utf16ToUtf8(texts.ra) << '\t'
               << Utf16ToUtf8(texts.rc) << '\t' << Utf16ToUtf8(texts.raCheck) << '\t'
               << Utf16ToUtf8(texts.rcCheck) << '\n';
    }
    return values ? 0 : 1;
}
