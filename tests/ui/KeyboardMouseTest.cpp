// The main window under the keyboard and the mouse: the tab order, Enter, the
// focus after a rounding change, the wheel over the lists, a double click on
// "计算", and the report views' text size in the layout's unit.
#include <QApplication>
#include <QFontInfo>
#include <QSlider>
#include <QWindow>
#include <vector>

#include "tests/ui/MainWindowFixture.h"
#include "ui/about/MPK_BRV_PAS_CopyRight.h"

namespace {

// The window has the keyboard, as it has when the user works in it.
class KeyboardMouseTest : public MainWindowTest {
  public:
    void SetUp() override {
        MainWindowTest::SetUp();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }

    static QWidget* Focus() { return QApplication::focusWidget(); }

    // A key pressed and released where the keyboard is.
    static void Key(Qt::Key key) {
        ASSERT_NE(Focus(), nullptr);
        QTest::keyClick(Focus(), key);
    }

    // A click through the window system, which also tells double clicks apart.
    static void PlatformClick(QWidget* control) {
        QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                          control->mapTo(control->window(), control->rect().center()));
    }
    static void PlatformDoubleClick(QWidget* control) {
        QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {},
                           control->mapTo(control->window(), control->rect().center()));
    }

    // Where Tab takes the focus, starting from the focus as it is.
    std::vector<QWidget*> TabStops(std::size_t count) {
        std::vector<QWidget*> stops;
        for (std::size_t i = 0; i < count; ++i) {
            stops.push_back(Focus());
            Key(Qt::Key_Tab);
        }
        return stops;
    }

    int Piles() const { return window->Log().PileCount(); }
};

TEST_F(KeyboardMouseTest, TheFocusStartsInDReadyToBeTypedOver) {
    EXPECT_EQ(Focus(), w().cbe_dd);
    QTest::keyClicks(Focus(), "1250");
    EXPECT_EQ(w().cbe_dd->currentText(), "1250");
}

TEST_F(KeyboardMouseTest, TabFollowsTheScreenAndPassesTheResultsOver) {
    const std::vector<QWidget*> inputLayer = {
        w().cbe_dd,      w().cbe_hr,     w().edt_frk,    w().cbe_hnt,       w().cbb_czgy,
        w().cbt_compute, w().cbt_tuichu, w().cbt_JingDu, w().cbt_CopyRight, w().cbe_dd};
    EXPECT_EQ(TabStops(inputLayer.size()), inputLayer);

    Compute();
    w().cbe_dd->setFocus();
    std::vector<QWidget*> offeringResults = inputLayer;
    offeringResults[5] = w().cbt_View;
    EXPECT_EQ(TabStops(offeringResults.size()), offeringResults);

    // The results are still selected and copied with the mouse.
    QTest::mouseClick(w().edt_ra, Qt::LeftButton);
    EXPECT_EQ(Focus(), w().edt_ra);
    w().edt_ra->selectAll();
    EXPECT_EQ(w().edt_ra->selectedText(), w().edt_ra->text());
}

TEST_F(KeyboardMouseTest, TabInTheResultLayerStaysOnIt) {
    Compute();
    Click(w().cbt_View);
    w().meo_jisuanjieguo_Doc->setFocus();
    const std::vector<QWidget*> resultLayer = {
        w().meo_jisuanjieguo_Doc, w().cbt_Exit,   w().cbt_Save,
        w().tcb_meoFontSize,      w().cbt_sanchu, w().cbt_PageBook,
        w().meo_jisuanjieguo_Doc};
    EXPECT_EQ(TabStops(resultLayer.size()), resultLayer);
}

// The controls by their names.
class EnterInInputTest : public KeyboardMouseTest,
                         public ::testing::WithParamInterface<const char*> {};

// Enter computes, and a second Enter opens the results, as the two clicks would.
TEST_P(EnterInInputTest, ClicksTheVisibleActionButton) {
    auto* input = w().findChild<QWidget*>(GetParam());
    ASSERT_NE(input, nullptr);
    input->setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Piles(), 1);
    EXPECT_TRUE(w().cbt_View->isVisible());
    EXPECT_TRUE(w().MainFormLayer->isVisible());

    input->setFocus();
    Key(Qt::Key_Enter);
    EXPECT_EQ(Piles(), 1);
    EXPECT_TRUE(w().JieGuo_DocLayer->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryInput, EnterInInputTest,
                         ::testing::Values("cbe_dd", "cbe_hr", "edt_frk", "cbe_hnt", "cbb_czgy"));

TEST_F(KeyboardMouseTest, EnterAfterABadInputComputesNothing) {
    Type(w().edt_frk, "0");
    Key(Qt::Key_Return);
    EXPECT_EQ(Piles(), 0);
    EXPECT_EQ(Status(), "岩石单轴抗压强度值有错");
    EXPECT_EQ(w().edt_frk->text(), "0");
}

TEST_F(KeyboardMouseTest, AHeldEnterActsOnce) {
    Key(Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(Focus(), &repeat);
    EXPECT_EQ(Piles(), 1);
    EXPECT_TRUE(w().MainFormLayer->isVisible());
}

class ButtonKeyTest : public KeyboardMouseTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(ButtonKeyTest, AFocusedButtonAnswersIt) {
    w().cbt_JingDu->setFocus();
    Key(GetParam());
    EXPECT_TRUE(w().popbox_jingdu->isVisible());

    // "计算" hands the focus to "结果" in its place, which opens the results.
    w().cbt_compute->setFocus();
    Key(GetParam());
    EXPECT_EQ(Piles(), 1);
    EXPECT_EQ(Focus(), w().cbt_View);
    Key(GetParam());
    EXPECT_TRUE(w().JieGuo_DocLayer->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EnterAndSpace, ButtonKeyTest,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

TEST_F(KeyboardMouseTest, ARoundingChangeLeavesTheFocusOnTheOfferedResults) {
    Compute();
    Click(w().cbt_JingDu);
    w().popbox_jingdu->setFocus();
    Key(Qt::Key_Down);  // "十位取整"
    ASSERT_EQ(Piles(), 2);
    EXPECT_FALSE(w().popbox_jingdu->isVisible());
    EXPECT_EQ(Focus(), w().cbt_View);

    // The next key typed changes no input and clears no result.
    QTest::keyClicks(Focus(), "7");
    EXPECT_EQ(w().edt_frk->text(), "25");
    EXPECT_FALSE(w().edt_ra->text().isEmpty());
    EXPECT_EQ(Piles(), 2);
}

TEST_F(KeyboardMouseTest, ARoundingChangeThatFailsKeepsTheFocusInTheBox) {
    Type(w().edt_frk, "0");
    Click(w().cbt_JingDu);
    w().popbox_jingdu->setFocus();
    Key(Qt::Key_Down);
    EXPECT_EQ(Piles(), 0);
    EXPECT_TRUE(w().popbox_jingdu->isVisible());
    EXPECT_EQ(Focus(), w().popbox_jingdu);
}

class WheelTest : public KeyboardMouseTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WheelTest, ChangesAListOnlyWhenItHasTheFocus) {
    auto* list = w().findChild<QComboBox*>(GetParam());
    ASSERT_NE(list, nullptr);
    w().cbt_tuichu->setFocus();
    const QString before = list->currentText();
    Wheel(list, -1);
    EXPECT_EQ(list->currentText(), before);
    EXPECT_EQ(Focus(), w().cbt_tuichu) << "the wheel takes no focus";

    list->setFocus();
    Wheel(list, -1);
    EXPECT_NE(list->currentText(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryList, WheelTest,
                         ::testing::Values("cbe_dd", "cbe_hr", "cbe_hnt", "cbb_czgy"));

TEST_F(KeyboardMouseTest, WheelOverATypedDiameterLeavesIt) {
    Type(w().cbe_dd, "1250");
    w().edt_frk->setFocus();
    Wheel(w().cbe_dd, -1);
    EXPECT_EQ(w().cbe_dd->currentText(), "1250");
}

// A step of the wheel or an arrow key in a list holding a typed value starts from
// that value's item, never from the item picked before the typing.
struct TypedStepCase {
    const char* typed;
    bool wheel;
    const char* expected;
};

void PrintTo(const TypedStepCase& c, std::ostream* out) {
    *out << c.typed << (c.wheel ? " wheel" : " key");
}

class TypedStepTest : public KeyboardMouseTest,
                      public ::testing::WithParamInterface<TypedStepCase> {};

TEST_P(TypedStepTest, StartsFromTheTypedValue) {
    Type(w().cbe_dd, GetParam().typed);
    w().cbe_dd->setFocus();
    if (GetParam().wheel) {
        Wheel(w().cbe_dd, -1);
    } else {
        QTest::keyClick(w().cbe_dd, Qt::Key_Down);
    }
    EXPECT_EQ(w().cbe_dd->currentText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, TypedStepTest,
                         ::testing::Values(TypedStepCase{"1250", true, "1250"},
                                           TypedStepCase{"1250", false, "1250"},
                                           TypedStepCase{"1500", true, "1600"},
                                           TypedStepCase{"1500", false, "1600"}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(KeyboardMouseTest, WheelOverTheShownRoundingBoxComputesOnlyWithTheFocus) {
    Click(w().cbt_JingDu);
    w().cbe_dd->setFocus();
    Wheel(w().popbox_jingdu, -1);
    EXPECT_EQ(Piles(), 0);
    EXPECT_EQ(w().popbox_jingdu->currentIndex(), 2);

    w().popbox_jingdu->setFocus();
    Wheel(w().popbox_jingdu, -1);
    EXPECT_EQ(Piles(), 1);
}

TEST_F(KeyboardMouseTest, ADoubleClickOnComputeDoesNotOpenTheResults) {
    PlatformDoubleClick(w().cbt_compute);
    EXPECT_EQ(Piles(), 1);
    EXPECT_TRUE(w().cbt_View->isVisible());
    EXPECT_TRUE(w().MainFormLayer->isVisible());

    // A click of its own opens them.
    PlatformClick(w().cbt_View);
    EXPECT_TRUE(w().JieGuo_DocLayer->isVisible());
}

TEST_F(KeyboardMouseTest, ReportTextSizeIsInTheLayoutsPixels) {
    const int labelPixels = QFontInfo(w().lb_guifan->font()).pixelSize();
    ASSERT_EQ(labelPixels, 12);
    for (const rokal::ReportView* view : {w().meo_jisuanjieguo_Doc, w().meo_jisuanjieguo_Xls}) {
        EXPECT_EQ(QFontInfo(view->font()).pixelSize(), labelPixels);
    }
    for (int size : {4, 20, 24}) {
        w().tcb_meoFontSize->setValue(size * TMPK_FRM_KELD1::kFontSizeSteps);
        EXPECT_EQ(QFontInfo(w().meo_jisuanjieguo_Doc->font()).pixelSize(), size);
        EXPECT_EQ(QFontInfo(w().meo_jisuanjieguo_Xls->font()).pixelSize(), size);
    }
    // Between whole pixels the size still follows the thumb.
    w().tcb_meoFontSize->setValue(1250);
    const double between = QFontInfo(w().meo_jisuanjieguo_Doc->font()).pointSizeF();
    w().tcb_meoFontSize->setValue(1200);
    EXPECT_GT(between, QFontInfo(w().meo_jisuanjieguo_Doc->font()).pointSizeF());
}

TEST_F(KeyboardMouseTest, AboutWindowAsksForNoMinimiseOrMaximiseButton) {
    Click(w().cbt_CopyRight);
    ASSERT_NE(w().CopyRightWindow(), nullptr);
    const Qt::WindowFlags flags = w().CopyRightWindow()->windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

}  // namespace
