#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>

namespace rokal {

// The font of the printed book, "Rokal Report Mono": the report font of the views
// (Noto Sans Mono CJK SC) cut down to the characters of GB 2312, every glyph as
// wide as the cells its character takes, and no code point that a PDF reader
// would read back in place of the character drawn. It is built into the program,
// so the pages look the same everywhere and their text can be copied exactly.
// Needs a QGuiApplication.

// The family, registered on first use. Throws std::runtime_error when the font
// built into the program cannot be loaded.
QString ReportFaceFamily();

// The font at a size in units of the painter that draws with it.
QRawFont ReportFace(double size);

// Fonts for the characters that the report face lacks.
QFont FallbackFace();

}  // namespace rokal
