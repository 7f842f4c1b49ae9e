#include "print/TypesetLines.h"

#include <QChar>
#include <QList>
#include <QPointF>

namespace rokal {

namespace {

constexpr double kSubscriptScale = 0.7;
constexpr double kSubscriptDrop = 0.22;  // of the text size

bool IsWide(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

bool IsClosing(char32_t c) {
    static const std::u32string closing = U"，。、；：！？）》」』”’】〕%,.;:!?)]°²³";
    return closing.find(c) != std::u32string::npos;
}

bool IsOpening(char32_t c) {
    static const std::u32string opening = U"（《「『“‘【〔([";
    return opening.find(c) != std::u32string::npos;
}

bool IsSpace(char32_t c) {
    return c == U' ' || c == 0x3000 || c == 0xA0;
}

}  // namespace

int FontSet::Index(BookFace face, double size, bool fallback) {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i].face == face && keys_[i].size == size && keys_[i].fallback == fallback) {
            return static_cast<int>(i);
        }
    }
    keys_.push_back({face, size, fallback});
    fonts_.push_back(fallback ? BookFallbackFont(face, size) : BookRawFont(face, size));
    return static_cast<int>(keys_.size() - 1);
}

LineSetter::Piece LineSetter::Shape(char32_t code, TextStyle style, bool subscript) {
    const double size = subscript ? style.size * kSubscriptScale : style.size;
    Piece piece{code, 0, 0, 0, subscript ? style.size * kSubscriptDrop : 0, IsSpace(code), false};
    for (bool fallback : {false, true}) {
        const int font = fonts_.Index(style.face, size, fallback);
        const quint64 key = (static_cast<quint64>(font) << 32) | code;
        auto found = glyphs_.find(key);
        if (found == glyphs_.end()) {
            const QRawFont& raw = fonts_.Font(font);
            QChar units[2];
            int count = 0;
            if (QChar::requiresSurrogates(code)) {
                units[0] = QChar(QChar::highSurrogate(code));
                units[1] = QChar(QChar::lowSurrogate(code));
                count = 2;
            } else {
                units[0] = QChar(static_cast<char16_t>(code));
                count = 1;
            }
            quint32 glyph = 0;
            int glyphs = 1;
            raw.glyphIndexesForChars(units, count, &glyph, &glyphs);
            double advance = 0;
            if (glyph != 0) {
                const QList<QPointF> advances = raw.advancesForGlyphIndexes(QList<quint32>{glyph});
                advance = advances.isEmpty() ? 0 : advances.front().x();
            }
            found = glyphs_.emplace(key, std::make_pair(glyph, advance)).first;
        }
        if (found->second.first != 0 || fallback) {
            piece.font = font;
            piece.glyph = found->second.first;
            piece.advance = found->second.second;
            break;
        }
    }
    if (piece.space && piece.advance == 0) {
        piece.advance = size / 4;
    }
    return piece;
}

std::vector<LineSetter::Piece> LineSetter::Pieces(const book::Inline& text, TextStyle style) {
    std::vector<Piece> pieces;
    for (const book::Run& run : text) {
        const std::u16string& s = run.text;
        for (std::size_t i = 0; i < s.size(); ++i) {
            char32_t code = s[i];
            if (QChar::isHighSurrogate(s[i]) && i + 1 < s.size() &&
                QChar::isLowSurrogate(s[i + 1])) {
                code = QChar::surrogateToUcs4(s[i], s[i + 1]);
                ++i;
            }
            if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
                continue;
            }
            Piece piece = Shape(code, style, run.subscript);
            if (!pieces.empty()) {
                const Piece& before = pieces.back();
                piece.breakBefore = !run.subscript && !IsClosing(code) && !IsOpening(before.code) &&
                                    (before.space || IsWide(code) || IsWide(before.code));
            }
            if (piece.glyph != 0 || piece.space) {
                pieces.push_back(piece);
            }
        }
    }
    return pieces;
}

double LineSetter::Width(const book::Inline& text, TextStyle style) {
    double width = 0;
    for (const Piece& piece : Pieces(text, style)) {
        width += piece.advance;
    }
    return width;
}

std::vector<TextLine> LineSetter::Set(const book::Inline& text, TextStyle style, double width) {
    const std::vector<Piece> pieces = Pieces(text, style);
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < pieces.size()) {
        while (start < pieces.size() && pieces[start].space) {
            ++start;  // a line never starts with a space
        }
        if (start == pieces.size()) {
            break;
        }
        std::size_t end = start;
        std::size_t lastBreak = start;
        double x = 0;
        while (end < pieces.size()) {
            if (end > start && pieces[end].breakBefore) {
                lastBreak = end;
            }
            if (x + pieces[end].advance > width && end > start && !pieces[end].space) {
                break;
            }
            x += pieces[end].advance;
            ++end;
        }
        if (end < pieces.size() && lastBreak > start) {
            end = lastBreak;
        }
        TextLine line;
        double at = 0;
        for (std::size_t i = start; i < end; ++i) {
            const Piece& piece = pieces[i];
            if (!piece.space) {
                line.glyphs.push_back({piece.font, piece.glyph, at, piece.dy});
                line.width = at + piece.advance;
            }
            at += piece.advance;
        }
        lines.push_back(std::move(line));
        start = end;
    }
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

}  // namespace rokal
