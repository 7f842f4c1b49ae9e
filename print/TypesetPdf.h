#pragma once

#include <QByteArray>
#include <filesystem>

#include "book/BookDocument.h"
#include "report/ReportFile.h"

class QPagedPaintDevice;

namespace rokal {

// Lays the book out on the device's pages (their size as the device's page
// layout stands) and paints them. Returns the number of pages; throws PrintError
// when the device cannot be painted on.
int PaintTypesetBook(QPagedPaintDevice& device, const book::Document& document);

// The typeset book as a PDF file made in memory: A4 upright, the book's faces
// embedded (the glyphs used), its text extractable exactly.
QByteArray TypesetPdf(const book::Document& document);

// Writes the PDF through WriteFileReplacing; throws ReportSaveError, leaving an
// earlier file as it was.
void WriteTypesetPdf(const book::Document& document, const std::filesystem::path& path,
                     const DiskSync& sync = {});

}  // namespace rokal
