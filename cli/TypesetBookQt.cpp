// The typeset book's PDF in a build with Qt, drawn on Qt's offscreen platform.
#include "cli/CalcBookOutput.h"
#include "cli/OffscreenGui.h"
#include "print/TypesetPdf.h"
#include "report/DiskSync.h"

namespace rokal {

bool TypesetPdfAvailable() {
    return true;
}

void WriteTypesetPdfFile(const book::Document& document, const std::filesystem::path& path) {
    const OffscreenGui gui;
    WriteTypesetPdf(document, path, &SyncToDisk);
}

}  // namespace rokal
