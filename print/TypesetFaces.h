#pragma once

#include <QRawFont>
#include <QString>

namespace rokal {

// The faces of the typeset calculation book, built into the program (see
// derive_book_font.py): "Rokal Book Serif" for the text, the numbers and the
// tables, "Rokal Book Sans" (bold) for the title and the headings. Each holds GB
// 2312, Latin-1, Greek and the signs of the formulas, one code point per glyph, so
// that the PDF's text extracts exactly. A character they lack is drawn from the
// installed Noto CJK fonts. Needs a QGuiApplication.
enum class BookFace { Serif, Sans };

// The face at a size in points; throws PrintError when the font built into the
// program cannot be loaded.
QRawFont BookRawFont(BookFace face, double size);

// The installed font that stands in for a character the face lacks.
QRawFont BookFallbackFont(BookFace face, double size);

}  // namespace rokal
