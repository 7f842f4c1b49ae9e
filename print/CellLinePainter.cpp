#include "print/CellLinePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "print/ReportColumns.h"
#include "print/ReportFace.h"

namespace rokal {

namespace {

bool IsPairAt(std::u16string_view line, std::size_t at) {
    return QChar::isHighSurrogate(line[at]) && at + 1 < line.size() &&
           QChar::isLowSurrogate(line[at + 1]);
}

}  // namespace

CellLinePainter::CellLinePainter(double size)
    : face_(ReportFace(size)), fallback_(FallbackFace()), size_(size), cell_(size / 2) {
    run_.setRawFont(face_);
}

void CellLinePainter::Draw(QPainter& painter, std::u16string_view line, double left,
                           double baseline) {
    glyphs_.clear();
    positions_.clear();
    double x = left;
    std::size_t at = 0;
    while (at < line.size()) {
        const bool pair = IsPairAt(line, at);
        const std::size_t units = pair ? 2 : 1;
        const int cells = pair ? 2 : CellsOf(QChar(line[at]));
        const char32_t code =
            pair ? QChar::surrogateToUcs4(line[at], line[at + 1]) : char32_t(line[at]);
        if (line[at] == u' ') {
            // A space leaves its cell empty: readers of the PDF take the gap for it.
            x += cell_;
            ++at;
            continue;
        }
        quint32 glyph = 0;
        int found = 1;
        const QChar units16[2] = {QChar(line[at]), pair ? QChar(line[at + 1]) : QChar()};
        if (!face_.glyphIndexesForChars(units16, static_cast<int>(units), &glyph, &found) ||
            glyph == 0) {
            DrawMissing(painter, code, cells, x, baseline);
        } else {
            glyphs_.append(glyph);
            positions_.append(QPointF(x, baseline));
        }
        x += cells * cell_;
        at += units;
    }
    if (glyphs_.isEmpty()) {
        return;
    }
    run_.setGlyphIndexes(glyphs_);
    run_.setPositions(positions_);
    painter.drawGlyphRun(QPointF(0, 0), run_);
}

// In the device's own units: the painter's scale would otherwise apply twice to a
// font whose size is given in points.
void CellLinePainter::DrawMissing(QPainter& painter, char32_t code, int cells, double left,
                                  double baseline) const {
    if (!QChar::isPrint(code)) {
        return;
    }
    const QString character = QString::fromUcs4(&code, 1);
    const QTransform toDevice = painter.worldTransform();
    QFont font = fallback_;
    font.setPointSizeF(size_ * toDevice.m22() * 72.0 / painter.device()->logicalDpiY());
    const double advance = QFontMetricsF(font, painter.device()).horizontalAdvance(character);
    const double width = cells * cell_ * toDevice.m11();
    const QPointF at = toDevice.map(QPointF(left, baseline));
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.drawText(QPointF(at.x() + (width - advance) / 2, at.y()), character);
    painter.restore();
}

}  // namespace rokal
