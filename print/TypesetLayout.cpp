#include "print/TypesetLayout.h"

#include <QMarginsF>
#include <QPageSize>
#include <algorithm>
#include <numeric>

#include "print/PrintBook.h"

namespace rokal {

namespace {

using book::Align;
using book::Block;
using book::Inline;

// Margins in millimetres: left, top, right, bottom.
const QMarginsF kMarginsMm(25, 12, 20, 12);

constexpr double kAscent = 0.88;  // of the text size, for the faces used
constexpr double kRunningSize = 9;
constexpr double kHeaderRule = 14;  // below the printable area's top
constexpr double kBodyTop = 28;     // below the printable area's top
constexpr double kBodyBottom = 24;  // above the printable area's bottom
constexpr double kHeavyRule = 1.0;
constexpr double kLightRule = 0.5;
constexpr double kCellPad = 3;   // left and right of a cell's text
constexpr double kCellPadV = 2;  // above and below

struct BlockStyle {
    TextStyle text;
    double lineFactor;
    double indent;
    double spaceBefore;
    double spaceAfter;
    bool keepWithNext;
};

BlockStyle StyleOf(Block::Kind kind) {
    switch (kind) {
        case Block::Kind::Heading1:
            return {{BookFace::Sans, 14}, 1.4, 0, 6, 6, true};
        case Block::Kind::Heading2:
            return {{BookFace::Sans, 12}, 1.4, 0, 8, 3, true};
        case Block::Kind::Heading3:
            return {{BookFace::Sans, 11}, 1.4, 0, 10, 2, true};
        case Block::Kind::Formula:
            return {{BookFace::Serif, 10.5}, 1.55, 21, 0, 0, false};
        case Block::Kind::Note:
            return {{BookFace::Serif, 9}, 1.45, 0, 3, 3, false};
        case Block::Kind::Body:
        case Block::Kind::Table:
            break;
    }
    return {{BookFace::Serif, 10.5}, 1.55, 0, 0, 2, false};
}

double Baseline(double top, double height, double size) {
    return top + (height - size) / 2 + kAscent * size;
}

// Text split at its line breaks ("d\n(mm)").
std::vector<Inline> SplitLines(const Inline& text) {
    std::vector<Inline> lines(1);
    for (const book::Run& run : text) {
        std::size_t at = 0;
        while (true) {
            const std::size_t next = run.text.find(u'\n', at);
            book::Append(lines.back(), {{run.text.substr(at, next - at), run.subscript}});
            if (next == std::u16string::npos) {
                break;
            }
            lines.emplace_back();
            at = next + 1;
        }
    }
    return lines;
}

// An unbreakable strip of a page.
struct Slice {
    double height = 0;
    double spaceBefore = 0;
    bool keepWithNext = false;
    std::vector<GlyphItem> glyphs;  // y from the slice's top
    std::vector<RuleItem> rules;
    int table = -1;  // the table whose row this is
    bool lastRow = false;
};

struct TableFrame {
    Slice header;  // with the rule above it and the rule below it
    double x1 = 0;
    double x2 = 0;
};

void AddLine(Slice& slice, const TextLine& line, double x, double baseline) {
    for (const PlacedGlyph& glyph : line.glyphs) {
        slice.glyphs.push_back({glyph.font, glyph.glyph, x + glyph.x, baseline + glyph.dy});
    }
}

class Composer {
  public:
    Composer(TypesetBook& book, QSizeF printable)
        : book_(book),
          setter_(book.fonts),
          width_(printable.width()),
          height_(printable.height()) {}

    void TitlePage(const book::TitlePage& title);
    void AddUnit(const book::Unit& unit);
    void Finish(const book::Document& document);

  private:
    std::vector<Slice> TextSlices(const Block& block);
    std::vector<Slice> TableSlices(const book::Table& table);
    std::vector<double> ColumnWidths(const book::Table& table, TextStyle style);
    Slice RowSlice(const std::vector<Inline>& cells, const std::vector<double>& widths,
                   const std::vector<Align>& aligns, double x0, TextStyle style, double factor);

    double Room() const { return height_ - kBodyBottom - y_; }
    double PageRoom() const { return height_ - kBodyBottom - kBodyTop; }
    bool PageEmpty() const { return y_ == kBodyTop; }
    void NewPage();
    void Place(const Slice& slice, bool atPageTop);
    void PlaceSlices(const std::vector<Slice>& slices);
    void CloseTable();

    TypesetBook& book_;
    LineSetter setter_;
    double width_;
    double height_;
    double y_ = kBodyTop;
    std::vector<TableFrame> tables_;
    int openTable_ = -1;  // the table whose rows stand on this page
    double lastRowBottom_ = 0;
};

void Composer::NewPage() {
    CloseTable();
    book_.pages.emplace_back();
    y_ = kBodyTop;
}

void Composer::CloseTable() {
    if (openTable_ >= 0 && !book_.pages.empty()) {
        const TableFrame& frame = tables_[static_cast<std::size_t>(openTable_)];
        book_.pages.back().rules.push_back(
            {frame.x1, lastRowBottom_, frame.x2, lastRowBottom_, kHeavyRule});
    }
    openTable_ = -1;
}

void Composer::Place(const Slice& slice, bool atPageTop) {
    const double top = y_ + (atPageTop ? 0 : slice.spaceBefore);
    TypesetPage& page = book_.pages.back();
    for (const GlyphItem& glyph : slice.glyphs) {
        page.glyphs.push_back({glyph.font, glyph.glyph, glyph.x, top + glyph.y});
    }
    for (const RuleItem& rule : slice.rules) {
        page.rules.push_back({rule.x1, top + rule.y1, rule.x2, top + rule.y2, rule.width});
    }
    y_ = top + slice.height;
}

void Composer::PlaceSlices(const std::vector<Slice>& slices) {
    for (std::size_t i = 0; i < slices.size(); ++i) {
        const Slice& slice = slices[i];
        double needed = slice.spaceBefore + slice.height;
        if (slice.keepWithNext && i + 1 < slices.size()) {
            needed += slices[i + 1].spaceBefore + slices[i + 1].height;
        }
        if (slice.table >= 0 && openTable_ != slice.table) {
            needed += tables_[static_cast<std::size_t>(slice.table)].header.height;
        }
        if (needed > Room() && !PageEmpty()) {
            NewPage();
        }
        if (slice.table >= 0 && openTable_ != slice.table) {
            CloseTable();
            Place(tables_[static_cast<std::size_t>(slice.table)].header, PageEmpty());
            openTable_ = slice.table;
        } else if (slice.table < 0) {
            CloseTable();
        }
        Place(slice, PageEmpty());
        if (slice.table >= 0) {
            lastRowBottom_ = y_;
            if (slice.lastRow) {
                CloseTable();
            }
        }
    }
}

void Composer::AddUnit(const book::Unit& unit) {
    std::vector<Slice> slices;
    for (const Block& block : unit.blocks) {
        std::vector<Slice> more =
            block.kind == Block::Kind::Table ? TableSlices(block.table) : TextSlices(block);
        slices.insert(slices.end(), std::make_move_iterator(more.begin()),
                      std::make_move_iterator(more.end()));
    }
    if (unit.newPage && !PageEmpty()) {
        NewPage();
    }
    if (unit.keepTogether) {
        double total = 0;
        for (const Slice& slice : slices) {
            total += slice.spaceBefore + slice.height;
        }
        if (total > Room() && total - slices.front().spaceBefore <= PageRoom() && !PageEmpty()) {
            NewPage();
        }
    }
    PlaceSlices(slices);
}

std::vector<Slice> Composer::TextSlices(const Block& block) {
    const BlockStyle style = StyleOf(block.kind);
    const double lineHeight = style.text.size * style.lineFactor;
    std::vector<Slice> slices;
    for (const TextLine& line : setter_.Set(block.text, style.text, width_ - style.indent)) {
        Slice slice;
        slice.height = lineHeight;
        slice.keepWithNext = style.keepWithNext;
        AddLine(slice, line, style.indent, Baseline(0, lineHeight, style.text.size));
        slices.push_back(std::move(slice));
    }
    slices.front().spaceBefore = style.spaceBefore;
    slices.back().height += style.spaceAfter;
    return slices;
}

std::vector<double> Composer::ColumnWidths(const book::Table& table, TextStyle style) {
    std::vector<double> natural(table.columns.size(), 0);
    const auto widen = [&](std::size_t c, const Inline& text) {
        for (const Inline& line : SplitLines(text)) {
            natural[c] = std::max(natural[c], setter_.Width(line, style) + 2 * kCellPad);
        }
    };
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        widen(c, table.columns[c].header);
    }
    for (const book::TableRow& row : table.rows) {
        for (std::size_t c = 0; c < row.cells.size() && !(row.spanRest && c > 0); ++c) {
            widen(c, row.cells[c]);
        }
    }
    // A table that fits keeps its natural widths, with air between the columns.
    const double air = 10;
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0) +
                         air * static_cast<double>(natural.size());
    if (total <= width_) {
        for (double& width : natural) {
            width += air;
        }
        return natural;
    }
    double weights = 0;
    for (const book::TableColumn& column : table.columns) {
        weights += column.weight;
    }
    std::vector<double> widths;
    for (const book::TableColumn& column : table.columns) {
        widths.push_back(width_ * column.weight / weights);
    }
    return widths;
}

Slice Composer::RowSlice(const std::vector<Inline>& cells, const std::vector<double>& widths,
                         const std::vector<Align>& aligns, double x0, TextStyle style,
                         double factor) {
    const double lineHeight = style.size * factor;
    Slice slice;
    double x = x0;
    std::size_t lines = 1;
    for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
        double width = widths[c];
        if (c + 1 == cells.size()) {
            for (std::size_t more = c + 1; more < widths.size(); ++more) {
                width += widths[more];  // a last cell spans the columns after it
            }
        }
        double top = kCellPadV;
        for (const Inline& part : SplitLines(cells[c])) {
            for (const TextLine& line : setter_.Set(part, style, width - 2 * kCellPad)) {
                double left = x + kCellPad;
                if (aligns[c] == Align::Right) {
                    left = x + width - kCellPad - line.width;
                } else if (aligns[c] == Align::Centre) {
                    left = x + (width - line.width) / 2;
                }
                AddLine(slice, line, left, Baseline(top, lineHeight, style.size));
                top += lineHeight;
            }
        }
        lines = std::max(lines, static_cast<std::size_t>((top - kCellPadV) / lineHeight + 0.5));
        x += width;
    }
    slice.height = static_cast<double>(lines) * lineHeight + 2 * kCellPadV;
    return slice;
}

std::vector<Slice> Composer::TableSlices(const book::Table& table) {
    const bool small = table.size == book::Table::Size::Small;
    const TextStyle style{BookFace::Serif, small ? 7.5 : 9};
    const double factor = small ? 1.3 : 1.35;
    const std::vector<double> widths = ColumnWidths(table, style);
    const double tableWidth = std::accumulate(widths.begin(), widths.end(), 0.0);
    const double x0 = std::max(0.0, (width_ - tableWidth) / 2);

    std::vector<Align> aligns;
    std::vector<Inline> headers;
    for (const book::TableColumn& column : table.columns) {
        aligns.push_back(column.align == Align::Left ? Align::Left : Align::Centre);
        headers.push_back(column.header);
    }
    TableFrame frame;
    frame.x1 = x0;
    frame.x2 = x0 + tableWidth;
    frame.header = RowSlice(headers, widths, aligns, x0, style, factor);
    frame.header.spaceBefore = 4;
    frame.header.rules.push_back({frame.x1, 0, frame.x2, 0, kHeavyRule});
    frame.header.rules.push_back(
        {frame.x1, frame.header.height, frame.x2, frame.header.height, kLightRule});
    const int index = static_cast<int>(tables_.size());
    tables_.push_back(std::move(frame));

    aligns.clear();
    for (const book::TableColumn& column : table.columns) {
        aligns.push_back(column.align);
    }
    std::vector<Slice> slices;
    for (const book::TableRow& row : table.rows) {
        std::vector<Align> rowAligns = aligns;
        if (row.spanRest && rowAligns.size() > 1) {
            rowAligns[1] = Align::Left;
        }
        Slice slice = RowSlice(row.cells, widths, rowAligns, x0, style, factor);
        slice.table = index;
        slices.push_back(std::move(slice));
    }
    if (slices.empty()) {
        Slice empty;
        empty.table = index;
        slices.push_back(empty);
    }
    slices.back().lastRow = true;
    slices.back().height += 4;  // room under the table's closing rule
    return slices;
}

void Composer::TitlePage(const book::TitlePage& title) {
    book_.pages.emplace_back();
    TypesetPage& page = book_.pages.back();
    const auto centred = [&](const Inline& text, TextStyle style, double baseline) {
        for (const TextLine& line : setter_.Set(text, style, width_)) {
            for (const PlacedGlyph& glyph : line.glyphs) {
                page.glyphs.push_back({glyph.font, glyph.glyph, (width_ - line.width) / 2 + glyph.x,
                                       baseline + glyph.dy});
            }
            baseline += style.size * 1.5;
        }
        return baseline;
    };
    double y = centred(book::Plain(title.title), {BookFace::Sans, 26}, 150);
    centred(book::Plain(title.subtitle), {BookFace::Serif, 12}, y + 8);

    // The project's fields: label, then the value on an underline.
    const TextStyle fieldStyle{BookFace::Serif, 12};
    const double labelWidth = 84;
    const double valueWidth = 260;
    const double left = (width_ - labelWidth - valueWidth) / 2;
    y = 280;
    for (const auto& entry : book::ProjectFieldEntries()) {
        if (entry.field > book::ProjectField::Organisation) {
            break;
        }
        const TextLine label =
            setter_.Set(book::Plain(entry.label), fieldStyle, labelWidth).front();
        for (const PlacedGlyph& glyph : label.glyphs) {
            page.glyphs.push_back({glyph.font, glyph.glyph, left + glyph.x, y + glyph.dy});
        }
        double baseline = y;
        for (const TextLine& line :
             setter_.Set(book::Plain(title.info.Get(entry.field)), fieldStyle, valueWidth - 8)) {
            for (const PlacedGlyph& glyph : line.glyphs) {
                page.glyphs.push_back({glyph.font, glyph.glyph, left + labelWidth + 4 + glyph.x,
                                       baseline + glyph.dy});
            }
            page.rules.push_back({left + labelWidth, baseline + 4, left + labelWidth + valueWidth,
                                  baseline + 4, kLightRule});
            baseline += 22;
        }
        y = baseline + 8;
    }

    // The signature table: role, name, date, ruled all round.
    const double columns[] = {70, 140, 120};
    const double tableWidth = columns[0] + columns[1] + columns[2];
    const double x0 = (width_ - tableWidth) / 2;
    const double rowHeight = 26;
    const double top = y + 24;
    const TextStyle cellStyle{BookFace::Serif, 11};
    const auto cellText = [&](const std::u16string& text, double x, double w, double rowTop) {
        const TextLine line = setter_.Set(book::Plain(text), cellStyle, w - 2 * kCellPad).front();
        for (const PlacedGlyph& glyph : line.glyphs) {
            page.glyphs.push_back({glyph.font, glyph.glyph, x + (w - line.width) / 2 + glyph.x,
                                   Baseline(rowTop, rowHeight, cellStyle.size) + glyph.dy});
        }
    };
    const auto roles = book::SignatureRoles();
    for (std::size_t r = 0; r <= roles.size(); ++r) {
        const double rowTop = top + static_cast<double>(r) * rowHeight;
        page.rules.push_back({x0, rowTop, x0 + tableWidth, rowTop, kLightRule});
        double x = x0;
        const std::u16string texts[3] = {r == 0 ? u"" : roles[r - 1].role,
                                         r == 0 ? u"签名" : title.info.Get(roles[r - 1].name),
                                         r == 0 ? u"日期" : title.info.Get(roles[r - 1].date)};
        for (int c = 0; c < 3; ++c) {
            cellText(texts[c], x, columns[c], rowTop);
            x += columns[c];
        }
    }
    const double bottom = top + static_cast<double>(roles.size() + 1) * rowHeight;
    page.rules.push_back({x0, bottom, x0 + tableWidth, bottom, kLightRule});
    double x = x0;
    page.rules.push_back({x, top, x, bottom, kLightRule});
    for (double w : columns) {
        x += w;
        page.rules.push_back({x, top, x, bottom, kLightRule});
    }
    centred(book::Plain(title.date), {BookFace::Serif, 12}, height_ - 90);
    NewPage();
}

void Composer::Finish(const book::Document& document) {
    CloseTable();
    const int count = static_cast<int>(book_.pages.size());
    const TextStyle running{BookFace::Serif, kRunningSize};
    for (int n = 0; n < count; ++n) {
        TypesetPage& page = book_.pages[static_cast<std::size_t>(n)];
        const auto put = [&](const std::u16string& text, double x, double baseline, Align align) {
            const TextLine line = setter_.Set(book::Plain(text), running, width_).front();
            const double left = align == Align::Right    ? x - line.width
                                : align == Align::Centre ? x - line.width / 2
                                                         : x;
            for (const PlacedGlyph& glyph : line.glyphs) {
                page.glyphs.push_back({glyph.font, glyph.glyph, left + glyph.x, baseline});
            }
        };
        put(document.headerLeft, 0, kHeaderRule - 4, Align::Left);
        put(document.headerRight, width_, kHeaderRule - 4, Align::Right);
        page.rules.push_back({0, kHeaderRule, width_, kHeaderRule, kLightRule});
        put(PageNumberText(n + 1, count), width_ / 2, height_ - 6, Align::Centre);
    }
}

}  // namespace

QPageLayout TypesetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                       QPageLayout::Millimeter);
}

TypesetBook LayOutBook(const book::Document& document, QSizeF printable) {
    TypesetBook book;
    Composer composer(book, printable);
    composer.TitlePage(document.titlePage);
    for (const book::Unit& unit : document.units) {
        composer.AddUnit(unit);
    }
    composer.Finish(document);
    return book;
}

}  // namespace rokal
