// Where the main window starts: centred, and inside the available screen area so
// that its title bar and, where the screen is tall enough, its buttons stay in reach.
#include <QScreen>

#include "tests/ui/MainWindowFixture.h"
#include "ui/main/WindowPlacement.h"

namespace {

struct PlacementCase {
    const char* name;
    QSize frame;
    QRect available;
    QPoint expected;
};

void PrintTo(const PlacementCase& c, std::ostream* out) {
    *out << c.name;
}

class PlaceInsideTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceInsideTest, CentresThenKeepsTheTopLeftInside) {
    EXPECT_EQ(rokal::PlaceInside(GetParam().frame, GetParam().available), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceInsideTest,
    ::testing::Values(
        PlacementCase{"fits", {331, 651}, {0, 0, 1280, 1024}, {474, 186}},
        PlacementCase{"fits below a top panel", {331, 651}, {0, 40, 1280, 984}, {474, 206}},
        PlacementCase{"fits on a second screen", {331, 651}, {1280, 0, 1024, 768}, {1626, 58}},
        PlacementCase{"exactly fits", {331, 651}, {10, 20, 331, 651}, {10, 20}},
        PlacementCase{"320 x 240", {331, 651}, {0, 0, 320, 240}, {0, 0}},
        PlacementCase{"1024 x 768 at scale 2", {331, 651}, {0, 0, 512, 384}, {90, 0}},
        PlacementCase{"too short below a panel", {331, 651}, {0, 24, 512, 360}, {90, 24}},
        PlacementCase{"too narrow only", {331, 651}, {100, 0, 300, 1000}, {100, 174}}),
    [](const auto& info) { return std::to_string(info.index); });

struct FitCase {
    const char* name;
    QSize frame;
    QSize available;
    double factor;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class FitFactorTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitFactorTest, ShrinksUniformlyOnlyWhenTheFrameDoesNotFit) {
    EXPECT_DOUBLE_EQ(rokal::FitFactor(GetParam().frame, QRect(QPoint(5, 5), GetParam().available)),
                     GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FitFactorTest,
    ::testing::Values(FitCase{"fits", {331, 621}, {1280, 1024}, 1.0},
                      FitCase{"exactly fits", {331, 621}, {331, 621}, 1.0},
                      FitCase{"1024 x 768 at scale 2", {331, 651}, {512, 384}, 384.0 / 651},
                      FitCase{"half as tall", {300, 600}, {1000, 300}, 0.5},
                      FitCase{"too narrow", {300, 600}, {150, 1000}, 0.5},
                      FitCase{"no screen", {300, 600}, {0, 0}, 1.0}),
    [](const auto& info) { return std::to_string(info.index); });

// The real window on the screen the tests run with: its whole frame lies inside the
// available area, also on a screen smaller than the window (the small-screen run of
// this test, see CMakeLists.txt), and so do 计算 and 退出.
TEST_F(MainWindowTest, StartsWithItsTitleBarOnTheScreen) {
    const QRect available = w().screen()->availableGeometry();
    const QRect frame = w().frameGeometry();
    EXPECT_TRUE(available.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
        << " not in " << available.width() << "x" << available.height();
    for (const QWidget* button :
         {static_cast<QWidget*>(w().cbt_compute), static_cast<QWidget*>(w().cbt_tuichu)}) {
        const QRect onScreen(button->mapToGlobal(QPoint()), button->size());
        EXPECT_TRUE(available.contains(onScreen)) << button->objectName().toStdString();
    }
}

}  // namespace
