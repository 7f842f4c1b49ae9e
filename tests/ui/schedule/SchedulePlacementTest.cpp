// Where the schedule window opens: sized to the screen, whole on it, beside the
// calculator where the screen has room for both. The window test also runs on
// 1366 x 768 and 1024 x 768 screens (see CMakeLists.txt).
#include <QChart>
#include <QScreen>
#include <QStatusBar>

#include "tests/ui/schedule/ScheduleWindowFixture.h"
#include "ui/schedule/CapacityChart.h"
#include "ui/schedule/SchedulePlacement.h"

namespace {

struct PlaceCase {
    const char* name;
    QRect calculator;
    QRect available;
    QRect schedule;
    QPoint shift;
};

void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << c.name;
}

class PlaceBesideCalculatorTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceBesideCalculatorTest, KeepsBothWholeWhereTheScreenHasRoom) {
    const PlaceCase& c = GetParam();
    const rokal::SchedulePlacement place =
        rokal::PlaceBesideCalculator({1260, 830}, 640, c.calculator, c.available);
    EXPECT_EQ(place.schedule, c.schedule);
    EXPECT_EQ(place.calculatorShift, c.shift);
}

// The calculator's frame is 331 x 681, centred where it starts.
INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceBesideCalculatorTest,
    ::testing::Values(
        PlaceCase{"wide: beside, as large as preferred",
                  {800, 100, 331, 681},
                  {0, 0, 2560, 1400},
                  {1131, 100, 1260, 830},
                  {}},
        PlaceCase{"the left has more room",
                  {1800, 100, 331, 681},
                  {0, 0, 2560, 1400},
                  {540, 100, 1260, 830},
                  {}},
        PlaceCase{"1920 x 1080: the room beside",
                  {794, 199, 331, 681},
                  {0, 0, 1920, 1080},
                  {1125, 199, 795, 830},
                  {}},
        PlaceCase{"below a panel, kept inside",
                  {794, 399, 331, 681},
                  {0, 30, 1920, 1050},
                  {1125, 250, 795, 830},
                  {}},
        PlaceCase{"1366 x 768: the calculator slides to the edge",
                  {517, 43, 331, 681},
                  {0, 0, 1366, 768},
                  {331, 0, 1035, 768},
                  {-517, 0}},
        PlaceCase{
            "1024 x 768", {346, 43, 331, 681}, {0, 0, 1024, 768}, {331, 0, 693, 768}, {-346, 0}},
        PlaceCase{"800 x 600: too narrow for both",
                  {234, 0, 331, 600},
                  {0, 0, 800, 600},
                  {160, 0, 640, 600},
                  {}},
        PlaceCase{"the calculator on another screen",
                  {2000, 100, 331, 681},
                  {0, 0, 1366, 768},
                  {53, 0, 1260, 768},
                  {}}),
    [](const auto& info) { return std::to_string(info.index); });

using SchedulePlacementTest = ScheduleWindowTest;

// On the screen the test runs with, the window's frame, its status bar and its
// chart are whole on the screen, and so is the calculator, which the window does
// not cover where the screen is wide enough for both.
TEST_F(SchedulePlacementTest, OpensWholeOnTheScreenBesideTheCalculator) {
    const QRect available = s().screen()->availableGeometry();
    const auto onScreen = [](const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint()), widget->size());
    };
    const auto text = [](const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4")
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height())
            .toStdString();
    };
    EXPECT_TRUE(available.contains(s().frameGeometry()))
        << text(s().frameGeometry()) << " not in " << text(available);
    EXPECT_TRUE(available.contains(w().frameGeometry())) << text(w().frameGeometry());
    EXPECT_TRUE(available.contains(onScreen(s().statusBar()))) << text(onScreen(s().statusBar()));
    EXPECT_TRUE(available.contains(onScreen(s().chart))) << text(onScreen(s().chart));
    // The depth axis and its title lie below the plot, inside the chart.
    const QRectF plot = s().chart->chart()->plotArea();
    EXPECT_LT(plot.bottom() + 2 * s().fontMetrics().height(), s().chart->height());
    if (available.width() - w().frameGeometry().width() >=
        rokal::ScheduleWindow::kMinOpeningWidth) {
        EXPECT_FALSE(s().frameGeometry().intersects(w().frameGeometry()))
            << text(s().frameGeometry()) << " over " << text(w().frameGeometry());
    }
}

}  // namespace
