#pragma once

#include <QByteArray>
#include <filesystem>
#include <string>

#include "print/PrintBook.h"
#include "report/ReportFile.h"

namespace rokal {

// "嵌岩桩计算书(依据DBJ52T045-2018)_文本.pdf" or "..._表格.pdf": the text file's
// name with ".pdf".
std::u16string BookPdfFileName(ReportDocument form);

// The whole PDF of the book, made in memory: A4, the form's orientation, the
// report face embedded (the glyphs used) so that its text reads back exactly.
QByteArray BookPdf(const PrintBook& book);

// Writes the book's PDF to path through WriteFileReplacing: a failed export
// leaves an earlier file of that name as it was and throws ReportSaveError.
void WriteBookPdf(const PrintBook& book, const std::filesystem::path& path,
                  const DiskSync& sync = {});

}  // namespace rokal
