#include "ui/schedule/CapacityChart.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace rokal {
namespace {

const QColor kRaColour(0x1F, 0x5F, 0xBF);
const QColor kRcColour(0x2E, 0x8B, 0x57);
const QColor kNkColour(0xD0, 0x30, 0x30);
const QColor kNColour(0x9A, 0x40, 0xC0);
const QColor kProposedColour(0xF0, 0x90, 0x00);
const QColor kOwnColour(0x20, 0x20, 0x20);  // apart from Ra's line, which it lies on
constexpr double kHeadroom = 1.12;          // room above the highest line
constexpr double kEmptyLoadRange = 10000;   // kN shown when there is no curve
constexpr double kFineTicksUpTo = 6;        // hr/d ranges up to this get a tick every 0.5
// Loads beyond any pile's; the axis's round numbers would leave a double's range.
constexpr double kRoundNumbersUpTo = 1e15;
constexpr int kMargin = 4;
constexpr int kLegendGap = 14;     // between the plot and the legend
constexpr int kLegendMargin = 12;  // between the legend and the chart's edge

QPen LinePen(QColor colour, Qt::PenStyle style) {
    QPen pen(colour, 2);
    pen.setStyle(style);
    return pen;
}

QLineSeries* Line(const QString& name, QColor colour, Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(LinePen(colour, style));
    return series;
}

QScatterSeries* Marker(QScatterSeries::MarkerShape shape, QColor colour, double size) {
    auto* series = new QScatterSeries;
    series->setMarkerShape(shape);
    series->setMarkerSize(size);
    series->setColor(colour);
    series->setBorderColor(Qt::black);
    return series;
}

void Level(QLineSeries* series, double y, double xMax) {
    series->replace(QList<QPointF>{{0, y}, {xMax, y}});
}

// "Rc = 8796 kN": the value as the table writes it, or in whole kN.
QString LevelName(const QString& name, const QString& text, double value) {
    const QString shown = text.isEmpty() ? QString::number(value, 'f', 0) : text;
    return QStringLiteral("%1 = %2 kN").arg(name, shown);
}

QString DepthText(double hrOverD) {
    return QString::number(hrOverD, 'f', 2);
}

// Handed to the view at its construction: a chart set later would leave the view's
// first one undeleted.
QChart* NewChart() {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    // Qt's legend draws a dashed line too short to show a dash; the view draws its own.
    chart->legend()->hide();
    chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
    return chart;
}

}  // namespace

CapacityChart::CapacityChart(QWidget* parent) : QChartView(NewChart(), parent), legend_({}) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(360, 240);

    xAxis_ = new QValueAxis;
    xAxis_->setTitleText(QStringLiteral("嵌岩深径比 hr/d"));
    xAxis_->setLabelFormat(QStringLiteral("%.1f"));
    xAxis_->setTickType(QValueAxis::TicksDynamic);
    xAxis_->setTickAnchor(0);
    xAxis_->setTickInterval(1);
    yAxis_ = new QValueAxis;
    yAxis_->setTitleText(QStringLiteral("承载力 (kN)"));
    yAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);

    ra_ = Line(QStringLiteral("Ra"), kRaColour, Qt::SolidLine);
    rc_ = Line(QStringLiteral("Rc"), kRcColour, Qt::SolidLine);
    nk_ = Line(QStringLiteral("Nk"), kNkColour, Qt::DashLine);
    n_ = Line(QStringLiteral("N"), kNColour, Qt::DashLine);
    own_ = Marker(QScatterSeries::MarkerShapeCircle, kOwnColour, 11);
    proposed_ = Marker(QScatterSeries::MarkerShapeStar, kProposedColour, 16);
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{ra_, rc_, nk_, n_, own_, proposed_}) {
        AddSeries(series);
    }
    legend_ = SeriesLegend({ra_, rc_, nk_, n_, own_, proposed_});
    ShowNothing(QStringLiteral("选择一行以显示其承载力曲线"));
}

void CapacityChart::AddSeries(QAbstractSeries* series) {
    chart()->addSeries(series);
    series->attachAxis(xAxis_);
    series->attachAxis(yAxis_);
}

void CapacityChart::ShowSeries(QAbstractSeries* series, bool shown) {
    series->setVisible(shown);
}

// Room for the legend at the right of the plot, where Qt's own would be.
void CapacityChart::MakeRoomForLegend() {
    const QSizeF legend = legend_.Size(LegendFont());
    const int right =
        legend.isEmpty() ? kMargin : kLegendGap + qCeil(legend.width()) + kLegendMargin;
    chart()->setMargins(QMargins(kMargin, kMargin, right, kMargin));
    // The plot takes its new place now, not when the event loop next runs, so that
    // the legend is drawn beside it at once.
    if (QGraphicsLayout* layout = chart()->layout()) {
        layout->activate();
    }
    viewport()->update();
}

QFont CapacityChart::LegendFont() const {
    return chart()->legend()->font();
}

QPointF CapacityChart::LegendTopLeft() const {
    const QSizeF legend = legend_.Size(LegendFont());
    const QRectF plot = chart()->plotArea();
    const double left = chart()->geometry().right() - kLegendMargin - legend.width();
    return chart()->mapToScene(QPointF(left, plot.center().y() - legend.height() / 2));
}

QRect CapacityChart::LegendSampleRect(const QAbstractSeries* series) const {
    const QRectF sample = legend_.SampleRect(series, LegendFont());
    if (sample.isEmpty()) {
        return {};
    }
    return mapFromScene(sample.translated(LegendTopLeft())).boundingRect();
}

void CapacityChart::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    legend_.Paint(*painter, LegendTopLeft(), LegendFont(), chart()->legend()->labelColor());
}

void CapacityChart::ShowCurve(const CapacityCurve& curve, const QString& mark,
                              const LevelTexts& texts) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(curve.ra.size()));
    double top = curve.rc;
    for (const CurvePoint& p : curve.ra) {
        points.append({p.x, p.y});
        top = std::max(top, p.y);
    }
    ra_->replace(points);
    Level(rc_, curve.rc, curve.xMax);
    rc_->setName(LevelName(QStringLiteral("Rc"), texts.rc, curve.rc));
    if (curve.nk) {
        Level(nk_, *curve.nk, curve.xMax);
        nk_->setName(LevelName(QStringLiteral("Nk"), texts.nk, *curve.nk));
        top = std::max(top, *curve.nk);
    }
    if (curve.n) {
        Level(n_, *curve.n, curve.xMax);
        n_->setName(LevelName(QStringLiteral("N"), texts.n, *curve.n));
        top = std::max(top, *curve.n);
    }
    own_->replace(QList<QPointF>{{curve.own.x, curve.own.y}});
    own_->setName(QStringLiteral("本桩 %1d").arg(DepthText(curve.own.x)));
    if (curve.proposed) {
        proposed_->replace(QList<QPointF>{{curve.proposed->x, curve.proposed->y}});
        proposed_->setName(QStringLiteral("建议 %1d").arg(DepthText(curve.proposed->x)));
    }

    ShowSeries(ra_, true);
    ShowSeries(rc_, true);
    ShowSeries(nk_, curve.nk.has_value());
    ShowSeries(n_, curve.n.has_value());
    ShowSeries(own_, true);
    ShowSeries(proposed_, curve.proposed.has_value());

    MakeRoomForLegend();
    xAxis_->setRange(0, curve.xMax);
    xAxis_->setTickInterval(curve.xMax <= kFineTicksUpTo ? 0.5 : 1.0);
    SetLoadRange(top);
    QString title = QStringLiteral("%1 单桩承载力与嵌岩深度").arg(mark);
    if (curve.noDepthSuffices) {
        title += QStringLiteral("（无可满足 Nk 的嵌岩深度）");
    }
    chart()->setTitle(title);
}

// From 0 to a little above the highest line, in round numbers where they exist.
void CapacityChart::SetLoadRange(double top) {
    const double end = top * kHeadroom;
    if (!(top > 0)) {
        yAxis_->setRange(0, kEmptyLoadRange);
    } else if (!std::isfinite(end) || end > kRoundNumbersUpTo) {
        yAxis_->setRange(0, top);
    } else {
        yAxis_->setRange(0, end);
        yAxis_->applyNiceNumbers();
    }
}

void CapacityChart::ShowNothing(const QString& why) {
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{ra_, rc_, nk_, n_, own_, proposed_}) {
        ShowSeries(series, false);
    }
    MakeRoomForLegend();
    // Whole numbers of kN on an empty chart, rather than ticks of 0 and 1 that the
    // axis's whole-number labels would each write several times.
    xAxis_->setRange(0, 1);
    yAxis_->setRange(0, kEmptyLoadRange);
    chart()->setTitle(why);
}

}  // namespace rokal
