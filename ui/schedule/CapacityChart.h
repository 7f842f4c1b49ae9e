#pragma once

#include <QChartView>
#include <QString>

#include "ui/schedule/CapacityCurve.h"
#include "ui/schedule/SeriesLegend.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace rokal {

// The capacity curve of the selected row: Ra against hr/d, Rc as a level line, Nk
// and N dashed, the row's own depth as a dark point and the proposed depth as a
// star. The legend draws each as the chart does and gives Rc, Nk and N their values.
class CapacityChart : public QChartView {
    Q_OBJECT
  public:
    // The values of the level lines as the table writes them; an empty one is
    // written in whole kN.
    struct LevelTexts {
        QString rc;
        QString nk;
        QString n;
    };

    explicit CapacityChart(QWidget* parent = nullptr);

    // Draws the curve of the row named mark.
    void ShowCurve(const CapacityCurve& curve, const QString& mark, const LevelTexts& texts = {});
    // An empty chart with a word on why there is no curve.
    void ShowNothing(const QString& why);

    QLineSeries* RaSeries() const { return ra_; }
    QLineSeries* RcSeries() const { return rc_; }
    QLineSeries* NkSeries() const { return nk_; }
    QLineSeries* NSeries() const { return n_; }
    QScatterSeries* OwnSeries() const { return own_; }
    QScatterSeries* ProposedSeries() const { return proposed_; }
    QValueAxis* DepthAxis() const { return xAxis_; }
    QValueAxis* LoadAxis() const { return yAxis_; }
    // Where the legend draws the sample of a series, in the view's coordinates; an
    // empty rectangle for a series without an entry.
    QRect LegendSampleRect(const QAbstractSeries* series) const;

  protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    void AddSeries(QAbstractSeries* series);
    void ShowSeries(QAbstractSeries* series, bool shown);
    void MakeRoomForLegend();
    QFont LegendFont() const;
    QPointF LegendTopLeft() const;
    void SetLoadRange(double top);

    QLineSeries* ra_ = nullptr;
    QLineSeries* rc_ = nullptr;
    QLineSeries* nk_ = nullptr;
    QLineSeries* n_ = nullptr;
    QScatterSeries* own_ = nullptr;
    QScatterSeries* proposed_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QValueAxis* yAxis_ = nullptr;
    SeriesLegend legend_;
};

}  // namespace rokal
