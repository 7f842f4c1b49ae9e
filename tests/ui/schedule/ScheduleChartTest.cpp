// The capacity curve of the selected row: what it is drawn from, and the chart
// following the selection and the edits.
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

#include "schedule/Design.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"
#include "ui/schedule/CapacityChart.h"
#include "ui/schedule/CapacityCurve.h"

namespace {

using rokal::ScheduleColumn;

rokal::RowResult Row(const char16_t* d, const char16_t* hr, const char16_t* frk,
                     const char16_t* nk) {
    rokal::ScheduleRow row;
    row.Cell(ScheduleColumn::D) = d;
    row.Cell(ScheduleColumn::Hr) = hr;
    row.Cell(ScheduleColumn::Frk) = frk;
    row.Cell(ScheduleColumn::Grade) = u"C30";
    row.Cell(ScheduleColumn::Process) = u"泥浆护壁";
    row.Cell(ScheduleColumn::Nk) = nk;
    return rokal::ComputeRow(row, u'.');
}

struct CurveCase {
    const char16_t* hr;
    const char16_t* frk;
    const char16_t* nk;
    double tableEnd;
    double xMax;
    bool proposed;
};

class CapacityCurveTest : public ::testing::TestWithParam<CurveCase> {};

// The curve runs from 0 a quarter past the table's end, or past a deeper row or
// proposal (up to 2.5 times the end), and is flat beyond the end.
TEST_P(CapacityCurveTest, CoversTheTableAndItsFlatPart) {
    const CurveCase& c = GetParam();
    const rokal::RowResult row = Row(u"1000", c.hr, c.frk, c.nk);
    const rokal::RowDesign design = rokal::DesignRow(row, rokal::kDefaultDepthStep, u'.');
    const rokal::CapacityCurve curve = rokal::CapacityCurveOf(row, design);
    EXPECT_EQ(curve.tableEnd, c.tableEnd);
    EXPECT_DOUBLE_EQ(curve.xMax, c.xMax);
    ASSERT_GE(curve.ra.size(), 2u);
    EXPECT_EQ(curve.ra.front().x, 0.0);
    EXPECT_DOUBLE_EQ(curve.ra.back().x, c.xMax);
    for (std::size_t i = 1; i < curve.ra.size(); ++i) {
        EXPECT_GE(curve.ra[i].y, curve.ra[i - 1].y);
        if (curve.ra[i].x > c.tableEnd) {
            EXPECT_EQ(curve.ra[i].y, curve.ra[i - 1].y);
        }
    }
    EXPECT_EQ(curve.own.y, row.pile->ra);
    EXPECT_EQ(curve.rc, row.pile->rc);
    EXPECT_EQ(curve.proposed.has_value(), c.proposed);
    if (curve.proposed) {
        EXPECT_GE(curve.proposed->y, *row.nk);
    }
    EXPECT_EQ(curve.noDepthSuffices, c.nk[0] != 0 && !c.proposed);
}

INSTANTIATE_TEST_SUITE_P(Rows, CapacityCurveTest,
                         ::testing::Values(CurveCase{u"1.5d", u"10", u"", 8, 10, false},
                                           CurveCase{u"1.5d", u"25", u"", 4, 5, false},
                                           CurveCase{u"6d", u"40", u"", 4, 6.3, false},
                                           CurveCase{u"60d", u"40", u"", 4, 10, false},
                                           CurveCase{u"1d", u"25", u"9000", 4, 5, true},
                                           CurveCase{u"1d", u"25", u"90000", 4, 5, false}));

class ScheduleChartTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        Open(Fixture("schedule30.csv"));
    }
    rokal::CapacityChart& chart() { return *s().chart; }
};

TEST_F(ScheduleChartTest, ShowsTheCurveOfTheSelectedRow) {
    Select(1, 0);  // ZH2: d 1400, hr 1500, frk 12 (soft), Nk 8000, N 7000
    const rokal::RowResult& row = model().Result(1);
    EXPECT_EQ(chart().chart()->title(), "ZH2 单桩承载力与嵌岩深度");
    EXPECT_EQ(chart().DepthAxis()->titleText(), "嵌岩深径比 hr/d");
    EXPECT_EQ(chart().LoadAxis()->titleText(), "承载力 (kN)");
    EXPECT_DOUBLE_EQ(chart().DepthAxis()->max(), 10);
    const QList<QPointF> ra = chart().RaSeries()->points();
    ASSERT_EQ(ra.size(), 101);
    EXPECT_EQ(ra.back().y(), ra[80].y());
    EXPECT_EQ(chart().RcSeries()->points().front().y(), row.pile->rc);
    EXPECT_EQ(chart().NkSeries()->points().front().y(), 8000);
    EXPECT_EQ(chart().NSeries()->points().back().y(), 7000);
    EXPECT_TRUE(chart().NSeries()->isVisible());
    ASSERT_EQ(chart().OwnSeries()->count(), 1);
    EXPECT_DOUBLE_EQ(chart().OwnSeries()->at(0).x(), 1500.0 / 1400);
    EXPECT_EQ(chart().OwnSeries()->at(0).y(), row.pile->ra);
    EXPECT_EQ(chart().OwnSeries()->name(), "本桩 1.07d");
    ASSERT_TRUE(chart().ProposedSeries()->isVisible());
    EXPECT_EQ(chart().ProposedSeries()->at(0).y(), model().Design(1).depth->ra);

    Select(0, 0);  // ZH1: no N, hard rock
    EXPECT_FALSE(chart().NSeries()->isVisible());
    EXPECT_DOUBLE_EQ(chart().DepthAxis()->max(), 5);
}

TEST_F(ScheduleChartTest, FollowsEditsOfTheRowAndHasNoCurveForABadRow) {
    TypeInCell(1, rokal::TableColumnOf(ScheduleColumn::Hr), "2d");
    Select(1, 0);
    EXPECT_DOUBLE_EQ(chart().OwnSeries()->at(0).x(), 2.0);

    Select(3, 0);
    EXPECT_EQ(chart().chart()->title(), "ZH4 有错，无承载力曲线");
    EXPECT_FALSE(chart().RaSeries()->isVisible());
    EXPECT_FALSE(chart().OwnSeries()->isVisible());
}

}  // namespace

namespace {

// Absurd texts typed into every input column of the selected row end in results
// or in a bad cell with its message; the chart keeps finite axes throughout.
TEST_F(ScheduleChartTest, AbsurdCellsEndInResultsOrAMessage) {
    const QString absurd[] = {"",
                              "1e308",
                              "-0",
                              "1e-320",
                              "9" + QString(400, '9'),
                              QString(100000, 'x'),
                              "1.5d\r\n",
                              QString("1\t2"),
                              QString::fromUtf8("１２００"),
                              QString(QChar(0)) + "12",
                              "NaN",
                              "inf",
                              "0x10",
                              "C 3 0",
                              QString::fromUtf8("泥浆护壁\u2028")};
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && !text.startsWith("This plugin does not support")) {
                warnings << text;
            }
        });
    Select(1, 0);
    for (int column = 1; column < rokal::kScheduleColumnCount; ++column) {
        const QString before = model().index(1, column).data(Qt::EditRole).toString();
        for (const QString& text : absurd) {
            table()->model()->setData(table()->model()->index(1, column), text);
            const rokal::RowResult& row = model().Result(1);
            EXPECT_EQ(row.Computed(), row.errors.empty());
            for (const rokal::CellError& error : row.errors) {
                EXPECT_FALSE(error.message.empty());
            }
            EXPECT_TRUE(std::isfinite(chart().LoadAxis()->max())) << column;
            EXPECT_TRUE(std::isfinite(chart().DepthAxis()->max())) << column;
        }
        table()->model()->setData(table()->model()->index(1, column), before);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(Shown(1, rokal::ResultColumn::Ra), "8926");
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

}  // namespace

namespace {

// The runs of pixels close to a colour across the middle of a rectangle, a line
// drawn there between pixel rows included.
int RunsOf(const QImage& image, const QRect& rect, const QColor& colour) {
    const auto close = [&](int x) {
        for (int y = rect.center().y() - 2; y <= rect.center().y() + 2; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                90) {
                return true;
            }
        }
        return false;
    };
    int runs = 0;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        if (close(x) && (x == rect.left() || !close(x - 1))) {
            ++runs;
        }
    }
    return runs;
}

// The legend draws each line as the chart draws it, dashes and all, the row's own
// depth as a dark dot apart from Ra's blue and the proposal as an orange star; Rc,
// Nk and N carry their values as the table writes them.
TEST_F(ScheduleChartTest, TheLegendDrawsEachSeriesAsTheChartDoes) {
    Select(1, 0);  // ZH2: Rc 10991, Nk 8000, N 7000, a proposed depth
    EXPECT_EQ(chart().RcSeries()->name(), "Rc = 10991 kN");
    EXPECT_EQ(chart().NkSeries()->name(), "Nk = 8000 kN");
    EXPECT_EQ(chart().NSeries()->name(), "N = 7000 kN");

    const QImage shot = chart().grab().toImage();

    const struct {
        QLineSeries* series;
        bool dashed;
    } lines[] = {{chart().RaSeries(), false},
                 {chart().RcSeries(), false},
                 {chart().NkSeries(), true},
                 {chart().NSeries(), true}};
    for (const auto& line : lines) {
        const QRect sample = chart().LegendSampleRect(line.series);
        ASSERT_FALSE(sample.isEmpty()) << line.series->name().toStdString();
        const int runs = RunsOf(shot, sample, line.series->pen().color());
        if (line.dashed) {
            EXPECT_GE(runs, 2) << line.series->name().toStdString();
        } else {
            EXPECT_EQ(runs, 1) << line.series->name().toStdString();
        }
    }
    const QColor ra = chart().RaSeries()->pen().color();
    const QColor own = shot.pixelColor(chart().LegendSampleRect(chart().OwnSeries()).center());
    EXPECT_EQ(own, chart().OwnSeries()->color());
    EXPECT_GT(std::abs(own.red() - ra.red()) + std::abs(own.blue() - ra.blue()), 150);
    EXPECT_EQ(shot.pixelColor(chart().LegendSampleRect(chart().ProposedSeries()).center()),
              chart().ProposedSeries()->color());

    // Another rounding writes Rc as the table does; a row without N has no N entry.
    s().cbb_precision->setCurrentIndex(static_cast<int>(rokal::PrecisionMode::Hundreds));
    EXPECT_EQ(Shown(1, rokal::ResultColumn::Rc), "10900");
    EXPECT_EQ(chart().RcSeries()->name(), "Rc = 10900 kN");
    Select(0, 0);
    EXPECT_TRUE(chart().LegendSampleRect(chart().NSeries()).isEmpty());
}

}  // namespace
