#pragma once

#include <QRawFont>
#include <QtGlobal>
#include <unordered_map>
#include <vector>

#include "book/BookDocument.h"
#include "print/TypesetFaces.h"

namespace rokal {

// A face at a size.
struct TextStyle {
    BookFace face = BookFace::Serif;
    double size = 10.5;  // points
};

// A glyph on a line: the font it is drawn in, its x from the line's start and
// how far its baseline lies below the line's (a subscript's is lower).
struct PlacedGlyph {
    int font;
    quint32 glyph;
    double x;
    double dy;
};

struct TextLine {
    std::vector<PlacedGlyph> glyphs;
    double width = 0;
};

// The fonts of one layout, each face at each size and its fallback, made once.
class FontSet {
  public:
    int Index(BookFace face, double size, bool fallback);
    const QRawFont& Font(int index) const { return fonts_.at(static_cast<std::size_t>(index)); }

  private:
    struct Key {
        BookFace face;
        double size;
        bool fallback;
    };
    std::vector<Key> keys_;
    std::vector<QRawFont> fonts_;
};

// Sets text in lines: each character in the book's face or its fallback, a
// subscript smaller and lower, lines broken between Chinese characters and at
// spaces, never before closing punctuation, after opening punctuation or before
// a subscript. A word longer than the line is broken between characters.
class LineSetter {
  public:
    explicit LineSetter(FontSet& fonts) : fonts_(fonts) {}

    std::vector<TextLine> Set(const book::Inline& text, TextStyle style, double width);
    // The width of the text on one unbroken line.
    double Width(const book::Inline& text, TextStyle style);

  private:
    struct Piece {
        char32_t code;
        int font;
        quint32 glyph;
        double advance;
        double dy;
        bool space;
        bool breakBefore;
    };
    std::vector<Piece> Pieces(const book::Inline& text, TextStyle style);
    Piece Shape(char32_t code, TextStyle style, bool subscript);

    FontSet& fonts_;
    // (font index, code point) -> glyph and advance.
    std::unordered_map<quint64, std::pair<quint32, double>> glyphs_;
};

}  // namespace rokal
