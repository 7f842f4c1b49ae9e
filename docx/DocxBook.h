#pragma once

#include <filesystem>
#include <string>

#include "book/BookDocument.h"
#include "report/ReportFile.h"

namespace rokal::docx {

// The calculation book as a Word document (Office Open XML, .docx): A4 upright,
// text in 宋体 and headings in 黑体 with Times New Roman for Latin, symbols with
// real subscripts, three-line tables whose header row repeats on every page and
// whose rows never split, a pile's calculation kept on one page, and on every
// page a header with the project and the title and a footer "第 n 页 共 m 页"
// made of page fields, so that Word renumbers the pages after any edit.
std::string DocxBytes(const book::Document& document);

// Writes the document through WriteFileReplacing; throws ReportSaveError,
// leaving an earlier file as it was.
void WriteDocx(const book::Document& document, const std::filesystem::path& path,
               const DiskSync& sync = {});

}  // namespace rokal::docx
