// The result layer: switching layers, the text size, the page toggle, deleting the
// newest pile, the About window and leaving the program.
#include <QSlider>

#include "tests/ui/MainWindowFixture.h"
#include "ui/about/MPK_BRV_PAS_CopyRight.h"
#include "ui/widgets/RoundedButton.h"

namespace {

using rokal::ReportDocument;

using ResultLayerTest = MainWindowTest;

TEST_F(ResultLayerTest, ViewAndReturnSwitchLayersAndKeepPageAndSize) {
    Compute();
    Click(w().cbt_View);
    EXPECT_FALSE(w().MainFormLayer->isVisible());
    EXPECT_TRUE(w().JieGuo_DocLayer->isVisible());
    EXPECT_TRUE(w().meo_jisuanjieguo_Doc->isVisible());
    Click(w().cbt_PageBook);
    w().tcb_meoFontSize->setValue(1650);

    Click(w().cbt_Exit);
    EXPECT_TRUE(w().MainFormLayer->isVisible());
    EXPECT_FALSE(w().JieGuo_DocLayer->isVisible());
    EXPECT_TRUE(w().cbt_View->isVisible());  // the results can be reached again

    Click(w().cbt_View);
    EXPECT_TRUE(w().meo_jisuanjieguo_Xls->isVisible());
    EXPECT_FALSE(w().meo_jisuanjieguo_Doc->isVisible());
    EXPECT_EQ(w().cbt_PageBook->text(), "2");
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Xls->TextSize(), 16.5);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Doc->TextSize(), 16.5);
}

TEST_F(ResultLayerTest, TextSizeSetOnTheTrackBarSurvivesView) {
    Compute();
    w().tcb_meoFontSize->setValue(20 * TMPK_FRM_KELD1::kFontSizeSteps);
    Click(w().cbt_View);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Doc->TextSize(), 20.0);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Xls->TextSize(), 20.0);
}

TEST_F(ResultLayerTest, TrackBarSizeFollowsTheThumbWithoutRounding) {
    Compute();
    Click(w().cbt_View);
    QSlider* bar = w().tcb_meoFontSize;
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    const double expected = static_cast<double>(bar->value()) / TMPK_FRM_KELD1::kFontSizeSteps;
    EXPECT_GT(expected, 12.0);
    EXPECT_LT(expected, 13.0);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Doc->TextSize(), expected);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Xls->TextSize(), expected);
}

TEST_F(ResultLayerTest, PageToggleShowsTheOtherReportAndSetsSaveByItsFlag) {
    Compute();
    Click(w().cbt_View);
    Click(w().cbt_PageBook);
    EXPECT_EQ(w().cbt_PageBook->text(), "2");
    EXPECT_TRUE(w().meo_jisuanjieguo_Xls->isVisible());
    EXPECT_FALSE(w().meo_jisuanjieguo_Doc->isVisible());
    EXPECT_TRUE(w().cbt_Save->isEnabled());
    Click(w().cbt_PageBook);
    EXPECT_EQ(w().cbt_PageBook->text(), "1");
    EXPECT_TRUE(w().meo_jisuanjieguo_Doc->isVisible());
}

// Within a 1/64 pixel: a row of 65 Chinese characters drifts by less than a pixel.
constexpr double kCellTolerance = 1.0 / 64;

// The views follow the log line by line; after appends and deletions they must
// hold exactly the log's documents.
TEST_F(ResultLayerTest, ViewsMirrorTheLogThroughAppendsAndDeletions) {
    const auto expectMirrored = [this](const char* when) {
        EXPECT_EQ(ViewLines(w().meo_jisuanjieguo_Doc), LogLines(ReportDocument::Text)) << when;
        EXPECT_EQ(ViewLines(w().meo_jisuanjieguo_Xls), LogLines(ReportDocument::Table)) << when;
    };
    Compute();
    expectMirrored("one pile");
    EXPECT_EQ(w().meo_jisuanjieguo_Xls->LineCount(), 10);
    Type(w().cbe_hr, "10000");  // a capped pile has one line more in the text report
    Compute();
    Type(w().cbe_dd, "1500");
    Compute();
    expectMirrored("three piles");

    Click(w().cbt_View);
    Click(w().cbt_sanchu);
    expectMirrored("after deleting the third");
    EXPECT_EQ(w().Log().PileCount(), 2);
    Click(w().cbt_sanchu);
    expectMirrored("after deleting the second");
    EXPECT_EQ(w().meo_jisuanjieguo_Xls->LineCount(), 10);

    Click(w().cbt_sanchu);
    EXPECT_EQ(w().meo_jisuanjieguo_Doc->LineCount(), 0);
    EXPECT_EQ(w().meo_jisuanjieguo_Xls->LineCount(), 0);
    EXPECT_TRUE(w().meo_jisuanjieguo_Doc->Text().isEmpty());
    EXPECT_FALSE(w().cbt_sanchu->isEnabled());
    EXPECT_FALSE(w().cbt_Save->isEnabled());

    Click(w().cbt_Exit);
    Type(w().cbe_dd, "1000");
    Compute();
    expectMirrored("a new first pile");
    EXPECT_EQ(LogLines(ReportDocument::Table).filter("   ZH1 ").size(), 1);
}

TEST_F(ResultLayerTest, AppendingKeepsTheCaretAtTheStart) {
    const auto expectAtStart = [this](const char* when) {
        for (const rokal::ReportView* view : {w().meo_jisuanjieguo_Doc, w().meo_jisuanjieguo_Xls}) {
            EXPECT_EQ(view->CaretPosition().line, 0) << when;
            EXPECT_EQ(view->CaretPosition().column, 0) << when;
            EXPECT_EQ(view->FirstVisibleLine(), 0) << when;
        }
    };
    Compute();
    expectAtStart("one pile");
    Click(w().cbt_JingDu);  // a second pile through the rounding box
    w().popbox_jingdu->setCurrentIndex(0);
    expectAtStart("two piles");
}

TEST_F(ResultLayerTest, ReportViewsUseCellsOfOneAndTwo) {
    for (double size : {4.0, 12.0, 12.37, 20.0, 24.0}) {
        w().meo_jisuanjieguo_Doc->SetTextSize(size);
        const QFontMetricsF metrics(w().meo_jisuanjieguo_Doc->font());
        const double cell = metrics.horizontalAdvance(u'0');
        EXPECT_GT(cell, 0.0);
        for (QChar latin : {u'a', u'W', u' ', u'.', u'=', u'-'}) {
            EXPECT_NEAR(metrics.horizontalAdvance(latin), cell, kCellTolerance) << size;
        }
        for (QChar wide : {u'桩', u'嵌', u'≤', u'∑', u'《'}) {
            EXPECT_NEAR(metrics.horizontalAdvance(wide), 2 * cell, kCellTolerance) << size;
        }
    }
}

TEST_F(ResultLayerTest, CopyRightCreatesOneAboutWindowAndShowsIt) {
    EXPECT_EQ(w().CopyRightWindow(), nullptr);
    Click(w().cbt_CopyRight);
    TMPK_BRV_FRM_CopyRight* about = w().CopyRightWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), nullptr);
    about->hide();
    Click(w().cbt_CopyRight);
    EXPECT_EQ(w().CopyRightWindow(), about);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(ResultLayerTest, ExitClosesAtOnceAndClearsTheReference) {
    Compute();  // unsaved reports ask nothing
    TMPK_FRM_KELD1::SetMainWindow(&w());
    Click(w().cbt_tuichu);
    EXPECT_FALSE(w().isVisible());
    EXPECT_EQ(TMPK_FRM_KELD1::MainWindow(), nullptr);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
