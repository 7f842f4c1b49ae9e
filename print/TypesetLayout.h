#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <vector>

#include "book/BookDocument.h"
#include "print/TypesetLines.h"

namespace rokal {

// A glyph at its baseline position, in points from the top-left corner of the
// page's printable area.
struct GlyphItem {
    int font;
    quint32 glyph;
    double x;
    double y;
};

// A rule from (x1, y1) to (x2, y2): a table's line, the header's underline.
struct RuleItem {
    double x1;
    double y1;
    double x2;
    double y2;
    double width;
};

struct TypesetPage {
    std::vector<GlyphItem> glyphs;
    std::vector<RuleItem> rules;
};

// The book laid out on pages: the fonts its glyphs refer to and every page with
// its running header and its footer "第 n 页 共 m 页".
struct TypesetBook {
    FontSet fonts;
    std::vector<TypesetPage> pages;
};

// A4 upright, margins in millimetres, wider on the left where the book is bound.
QPageLayout TypesetPageLayout();

// Lays the document out on pages whose printable area has the given size in
// points: the title page, then the units in order. A unit that keeps together
// starts a new page when it does not fit on this one but fits on an empty page; a
// heading stays with what follows it; a table row is never split, and a table
// that runs onto another page repeats its header there.
TypesetBook LayOutBook(const book::Document& document, QSizeF printable);

}  // namespace rokal
