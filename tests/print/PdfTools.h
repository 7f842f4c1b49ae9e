#pragma once

#include <string>
#include <vector>

#include "report/TableReport.h"

namespace rokal::test {

// A PDF file as poppler's tools read it back.

// A line with its runs of spaces made one space and no spaces at either end:
// how the report lines are compared with the text extracted from a PDF, whose
// layout spacing may differ while every other character must be exact.
std::u16string Normalised(std::u16string_view line);

// The text of each page by pdftotext -layout, its lines normalised, empty lines left out.
std::vector<Lines> PdfPageLines(const std::string& path);

struct PdfPageSize {
    double width;   // points
    double height;  // points
};

// The size of every page by pdfinfo.
std::vector<PdfPageSize> PdfPageSizes(const std::string& path);

struct PdfFont {
    std::string name;
    std::string type;
    bool embedded;
    bool unicodeMap;
};

// The fonts the file uses, by pdffonts.
std::vector<PdfFont> PdfFonts(const std::string& path);

}  // namespace rokal::test
