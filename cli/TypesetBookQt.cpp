// The typeset book's PDF in a build with Qt, drawn on Qt's offscreen platform.
#include "cli/CalcBookOutput.h"
#include "cli/OffscreenGui.h"
#include "print/TypesetPdf.h"

namespace rokal {

bool TypesetPdfAvailable() {
    return true;
}

std::string TypesetPdfBytes(const book::Document& document) {
    const OffscreenGui gui;
    const QByteArray bytes = TypesetPdf(document);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace rokal
