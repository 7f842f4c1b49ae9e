#include "print/TypesetPdf.h"

#include <QBuffer>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "print/PrintBook.h"
#include "print/TypesetLayout.h"

namespace rokal {

namespace {

// Draws a page's glyphs as runs of one font each, in the order they were set, so
// that a reader of the PDF meets the text in reading order.
void PaintGlyphs(QPainter& painter, const TypesetBook& book, const TypesetPage& page) {
    QGlyphRun run;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    int font = -1;
    const auto flush = [&] {
        if (glyphs.isEmpty()) {
            return;
        }
        run.setRawFont(book.fonts.Font(font));
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
        glyphs.clear();
        positions.clear();
    };
    for (const GlyphItem& glyph : page.glyphs) {
        if (glyph.font != font) {
            flush();
            font = glyph.font;
        }
        glyphs.append(glyph.glyph);
        positions.append(QPointF(glyph.x, glyph.y));
    }
    flush();
}

void PaintRules(QPainter& painter, const TypesetPage& page) {
    for (const RuleItem& rule : page.rules) {
        painter.setPen(QPen(Qt::black, rule.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
    }
}

}  // namespace

int PaintTypesetBook(QPagedPaintDevice& device, const book::Document& document) {
    const QSizeF printable = device.pageLayout().paintRect(QPageLayout::Point).size();
    const TypesetBook book = LayOutBook(document, printable);
    QPainter painter;
    if (!painter.begin(&device)) {
        throw PrintError("无法在打印设备上绘制计算书");
    }
    // Points from the top-left corner of the printable area.
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    for (std::size_t i = 0; i < book.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            throw PrintError("无法在打印设备上开始新的一页");
        }
        PaintRules(painter, book.pages[i]);
        PaintGlyphs(painter, book, book.pages[i]);
    }
    painter.end();
    return static_cast<int>(book.pages.size());
}

QByteArray TypesetPdf(const book::Document& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        const std::u16string title = document.headerLeft.empty()
                                         ? document.headerRight
                                         : document.headerLeft + u" " + document.headerRight;
        writer.setTitle(QString::fromStdU16String(title));
        writer.setCreator(QStringLiteral("Rokal"));
        writer.setPageLayout(TypesetPageLayout());
        PaintTypesetBook(writer, document);
    }
    buffer.close();
    return bytes;
}

void WriteTypesetPdf(const book::Document& document, const std::filesystem::path& path,
                     const DiskSync& sync) {
    const QByteArray bytes = TypesetPdf(document);
    WriteFileReplacing(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       sync);
}

}  // namespace rokal
