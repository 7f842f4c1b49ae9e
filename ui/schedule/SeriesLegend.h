#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <vector>

class QAbstractSeries;
class QPainter;

namespace rokal {

// A chart legend that draws each series as the chart does: a line as a piece of
// itself, long enough to show its dashes, and a scatter series as its own marker,
// a dot or a star. Hidden series and series without a name have no entry.
class SeriesLegend {
  public:
    explicit SeriesLegend(std::vector<QAbstractSeries*> series) : series_(std::move(series)) {}

    // The room the entries take, empty when there are none.
    QSizeF Size(const QFont& font) const;
    // Paints the entries with the legend's top left corner at topLeft.
    void Paint(QPainter& painter, QPointF topLeft, const QFont& font, QColor textColour) const;
    // Where the sample of a series lies, from the legend's top left corner; an empty
    // rectangle for a series without an entry.
    QRectF SampleRect(const QAbstractSeries* series, const QFont& font) const;

  private:
    std::vector<const QAbstractSeries*> Entries() const;

    std::vector<QAbstractSeries*> series_;
};

}  // namespace rokal
