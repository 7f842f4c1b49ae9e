#include "ui/widgets/ReportLinePainter.h"

#include <QPainter>
#include <cmath>

#include "print/ReportColumns.h"

namespace rokal {

namespace {

bool IsPrintableAscii(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

bool AsciiInCells(const QFontMetricsF& metrics, double cell) {
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        if (std::abs(metrics.horizontalAdvance(QChar(c)) - cell) > cell / 1000) {
            return false;
        }
    }
    return true;
}

bool IsPairAt(const QString& line, qsizetype at, qsizetype to) {
    return line.at(at).isHighSurrogate() && at + 1 < to && line.at(at + 1).isLowSurrogate();
}

}  // namespace

ReportLinePainter::ReportLinePainter(const QFont& font)
    : font_(font),
      metrics_(font),
      cell_(metrics_.horizontalAdvance(u'0')),
      latinInCells_(AsciiInCells(metrics_, cell_)) {}

void ReportLinePainter::Draw(QPainter& painter, const QString& line, qsizetype from, qsizetype to,
                             double left, double baseline) const {
    painter.setFont(font_);
    double x = left + CellsBefore(line, from) * cell_;
    const double right = painter.viewport().width() + 2 * cell_;
    qsizetype at = from;
    while (at < to && x < right) {
        const qsizetype next = latinInCells_ && IsPrintableAscii(line.at(at))
                                   ? DrawLatinRun(painter, line, at, to, x, baseline)
                                   : DrawOne(painter, line, at, to, x, baseline);
        for (qsizetype i = at; i < next; ++i) {
            x += CellsOf(line.at(i)) * cell_;
        }
        at = next;
    }
}

qsizetype ReportLinePainter::DrawLatinRun(QPainter& painter, const QString& line, qsizetype from,
                                          qsizetype to, double x, double baseline) const {
    qsizetype end = from;
    while (end < to && IsPrintableAscii(line.at(end))) {
        ++end;
    }
    if (x + (end - from) * cell_ > 0) {
        painter.drawText(QPointF(x, baseline), line.mid(from, end - from));
    }
    return end;
}

qsizetype ReportLinePainter::DrawOne(QPainter& painter, const QString& line, qsizetype at,
                                     qsizetype to, double x, double baseline) const {
    const bool pair = IsPairAt(line, at, to);
    const QString glyph = line.mid(at, pair ? 2 : 1);
    const int cells = pair ? 2 : CellsOf(line.at(at));
    if (x + cells * cell_ > 0 && !line.at(at).isSpace()) {
        // A glyph narrower or wider than its cells stands in their middle.
        const double offset = (cells * cell_ - metrics_.horizontalAdvance(glyph)) / 2;
        painter.drawText(QPointF(x + offset, baseline), glyph);
    }
    return at + (pair ? 2 : 1);
}

}  // namespace rokal
