#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>
#include <string_view>

class QPainter;

namespace rokal {

// Draws report lines in the report face at one size, every character at its
// cells by the report's column rule (print/ReportColumns.h), so that the
// columns of the printed lines stand exactly as in the views. Each line is one
// run of glyphs; a character the face lacks is drawn in a fallback font, centred
// in its cells.
class CellLinePainter {
  public:
    // size: the text size in the painter's units; a cell is half of it.
    explicit CellLinePainter(double size);

    double Cell() const { return cell_; }

    void Draw(QPainter& painter, std::u16string_view line, double left, double baseline);

  private:
    void DrawMissing(QPainter& painter, char32_t code, int cells, double left,
                     double baseline) const;

    QRawFont face_;
    QFont fallback_;
    double size_;
    double cell_;
    QGlyphRun run_;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
};

}  // namespace rokal
