#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPainter;

namespace rokal {

// Draws report lines in one font, every character at its cells by the column
// rule, whatever advance the font gives it.
class ReportLinePainter {
  public:
    explicit ReportLinePainter(const QFont& font);

    // The cell: the advance of the font's "0".
    double Cell() const { return cell_; }
    double LineHeight() const { return metrics_.lineSpacing(); }
    double Ascent() const { return metrics_.ascent(); }

    // Draws the units [from, to) of a line whose left edge is at left.
    void Draw(QPainter& painter, const QString& line, qsizetype from, qsizetype to, double left,
              double baseline) const;

  private:
    qsizetype DrawLatinRun(QPainter& painter, const QString& line, qsizetype from, qsizetype to,
                           double x, double baseline) const;
    qsizetype DrawOne(QPainter& painter, const QString& line, qsizetype at, qsizetype to, double x,
                      double baseline) const;

    QFont font_;
    QFontMetricsF metrics_;
    double cell_;
    // Whether the font draws every printable ASCII character one cell wide, so
    // that a run of them can be drawn at once.
    bool latinInCells_;
};

}  // namespace rokal
