#include "ui/schedule/SeriesLegend.h"

#include <QFontMetricsF>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>

namespace rokal {
namespace {

constexpr double kSampleWidth = 34;  // room for three dashes of a 2-pixel pen
constexpr double kGap = 8;           // between a sample and its name
constexpr double kSpacing = 6;       // between entries

double RowHeight(const QFont& font) {
    return std::max(QFontMetricsF(font).height(), 18.0);
}

// A five-pointed star with its points on a circle of the given radius.
QPolygonF Star(QPointF centre, double radius) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.4;
        const double angle = M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * std::cos(angle), -r * std::sin(angle));
    }
    return star;
}

void PaintMarker(QPainter& painter, const QScatterSeries& series, QPointF centre) {
    painter.setPen(QPen(series.borderColor(), 1));
    painter.setBrush(series.color());
    const double radius = series.markerSize() / 2;
    if (series.markerShape() == QScatterSeries::MarkerShapeStar) {
        painter.drawPolygon(Star(centre, radius));
    } else {
        painter.drawEllipse(centre, radius, radius);
    }
}

void PaintSample(QPainter& painter, const QAbstractSeries* series, const QRectF& sample) {
    const QPointF centre = sample.center();
    if (const auto* line = qobject_cast<const QLineSeries*>(series);
        line != nullptr && qobject_cast<const QScatterSeries*>(series) == nullptr) {
        painter.setPen(line->pen());
        painter.drawLine(QPointF(sample.left(), centre.y()), QPointF(sample.right(), centre.y()));
    } else if (const auto* scatter = qobject_cast<const QScatterSeries*>(series)) {
        PaintMarker(painter, *scatter, centre);
    }
}

}  // namespace

std::vector<const QAbstractSeries*> SeriesLegend::Entries() const {
    std::vector<const QAbstractSeries*> entries;
    for (const QAbstractSeries* series : series_) {
        if (series->isVisible() && !series->name().isEmpty()) {
            entries.push_back(series);
        }
    }
    return entries;
}

QSizeF SeriesLegend::Size(const QFont& font) const {
    const std::vector<const QAbstractSeries*> entries = Entries();
    if (entries.empty()) {
        return {};
    }
    const QFontMetricsF metrics(font);
    double names = 0;
    for (const QAbstractSeries* series : entries) {
        names = std::max(names, metrics.horizontalAdvance(series->name()));
    }
    const auto count = static_cast<double>(entries.size());
    return {kSampleWidth + kGap + names, count * RowHeight(font) + (count - 1) * kSpacing};
}

QRectF SeriesLegend::SampleRect(const QAbstractSeries* series, const QFont& font) const {
    const std::vector<const QAbstractSeries*> entries = Entries();
    const auto at = std::find(entries.begin(), entries.end(), series);
    if (at == entries.end()) {
        return {};
    }
    const double height = RowHeight(font);
    const double top = static_cast<double>(at - entries.begin()) * (height + kSpacing);
    return {0, top, kSampleWidth, height};
}

void SeriesLegend::Paint(QPainter& painter, QPointF topLeft, const QFont& font,
                         QColor textColour) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    for (const QAbstractSeries* series : Entries()) {
        const QRectF sample = SampleRect(series, font).translated(topLeft);
        PaintSample(painter, series, sample);
        painter.setPen(textColour);
        const QRectF name(sample.right() + kGap, sample.top(), 1e4, sample.height());
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, series->name());
    }
    painter.restore();
}

}  // namespace rokal
