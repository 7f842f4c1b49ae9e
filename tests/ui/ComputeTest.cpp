// "计算": results, the three input errors, the general error report, and the
// rounding box that recomputes.
#include "engine/NumberReading.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/widgets/LogoStrip.h"
#include "ui/widgets/RoundedButton.h"

namespace {

using ComputeTest = MainWindowTest;

TEST_F(ComputeTest, StartInputsGiveTheKeyResults) {
    Compute();
    EXPECT_EQ(Status(), "较软岩");
    EXPECT_EQ(StatusColour(), kBlack);
    EXPECT_TRUE(w().lb_shuoming->isVisible());
    EXPECT_FALSE(w().img_Logo->isVisible());
    EXPECT_EQ(w().edt_kesair->text(), "0.8567");
    EXPECT_EQ(w().edt_ra->text(), "8410");
    EXPECT_EQ(w().edt_rc->text(), "7862");
    EXPECT_TRUE(w().cbt_View->isVisible());
    EXPECT_FALSE(w().cbt_compute->isVisible());
    EXPECT_TRUE(w().MainFormLayer->isVisible());
    EXPECT_EQ(w().Log().PileCount(), 1);
    EXPECT_EQ(w().Log().UnsavedFlags(), 3);
    EXPECT_TRUE(w().cbt_sanchu->isEnabled());
    EXPECT_TRUE(w().cbt_Save->isEnabled());
    EXPECT_TRUE(messages.empty());
}

struct ErrorCase {
    QString d, hr, frk;
    QString message;
    bool ddRed, hrRed, frkRed;
};

class InputErrorTest : public MainWindowTest, public ::testing::WithParamInterface<ErrorCase> {};

// Each error marks its input red, turns the inputs checked before it black, and
// stops silently: no message box, nothing appended, "计算" still offered.
TEST_P(InputErrorTest, ShowsTheFirstErrorInRedAndStopsSilently) {
    const ErrorCase& c = GetParam();
    Type(w().cbe_hr, "bad");
    Compute();  // hr turns red, d black
    Type(w().cbe_dd, c.d);
    Type(w().cbe_hr, c.hr);
    Type(w().edt_frk, c.frk);
    Compute();
    EXPECT_EQ(Status(), c.message);
    EXPECT_EQ(StatusColour(), kRed);
    EXPECT_TRUE(w().lb_shuoming->isVisible());
    EXPECT_FALSE(w().img_Logo->isVisible());
    EXPECT_EQ(TextColour(w().cbe_dd), c.ddRed ? kRed : kBlack);
    EXPECT_EQ(TextColour(w().cbe_hr), c.hrRed ? kRed : kBlack);
    EXPECT_EQ(TextColour(w().edt_frk), c.frkRed ? kRed : kBlack);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w().Log().PileCount(), 0);
    EXPECT_TRUE(w().cbt_compute->isVisible());
    EXPECT_TRUE(w().edt_ra->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, InputErrorTest,
    ::testing::Values(
        ErrorCase{"0", "x", "0", "桩身直径数据有错", true, true, false},
        ErrorCase{"1000", "xd", "0", "嵌岩深度数据有错", false, true, false},
        ErrorCase{"1000", "d", "25", "嵌岩深度数据有错", false, true, false},
        ErrorCase{"1000", "1.5D", "25", "嵌岩深度数据有错", false, true, false},
        // Pasted control characters after the "d" would break the report lines.
        ErrorCase{"1000", "1.5d\r\n", "25", "嵌岩深度数据有错", false, true, false},
        ErrorCase{"1000", "1.5d\t", "25", "嵌岩深度数据有错", false, true, false},
        ErrorCase{"1000", QString("1.5d") + QChar(u'\0'), "25", "嵌岩深度数据有错", false, true,
                  false},
        ErrorCase{"1000", "1.5d\x1b[2J", "25", "嵌岩深度数据有错", false, true, false},
        ErrorCase{"1000", QString::fromUtf8("1.5d\u2028"), "25", "嵌岩深度数据有错", false, true,
                  false},
        ErrorCase{"1000", "1.0d", "0", "岩石单轴抗压强度值有错", false, false, true}));

TEST_F(ComputeTest, FrkZeroPassesTheCheckButNotTheComputeAndShowsTheLabel) {
    Type(w().edt_frk, "0");
    ASSERT_TRUE(w().img_Logo->isVisible());  // the check passed, nothing shown yet
    Compute();
    EXPECT_EQ(Status(), "岩石单轴抗压强度值有错");
    EXPECT_TRUE(w().lb_shuoming->isVisible());
    EXPECT_FALSE(w().img_Logo->isVisible());
    EXPECT_EQ(TextColour(w().edt_frk), kRed);
}

TEST_F(ComputeTest, OverflowGoesToTheGeneralErrorReportAndAppendsNothing) {
    Type(w().cbe_dd, "1e200");
    ASSERT_EQ(TextColour(w().cbe_dd), kBlack);  // a valid number as typed
    Compute();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, rokal::MessageKind::Error);
    EXPECT_EQ(messages[0].text, rokal::FloatingPointOverflow().what());
    EXPECT_EQ(w().Log().PileCount(), 0);
    EXPECT_EQ(w().meo_jisuanjieguo_Doc->LineCount(), 0);
    EXPECT_TRUE(w().cbt_compute->isVisible());
    EXPECT_FALSE(w().cbt_View->isVisible());

    // The program goes on: the next compute works.
    Type(w().cbe_dd, "1000");
    Compute();
    EXPECT_EQ(w().Log().PileCount(), 1);
}

// Whatever is typed, "计算" ends in a result, an input error or the general error
// report, and the window goes on working.
TEST_F(ComputeTest, AbsurdInputsNeverBreakTheWindow) {
    const QString longDigits(400, u'9');
    const QStringList texts = {
        "1e308", "1e-320", longDigits,          ".", "-",       "+",  "e5",     "1e",
        " ",     "1,5",    "１０００",          "😀", "1e-308d", "0d", "1e308d", "nan",
        "inf",   "0x10",   QString(2000, u'桩')};
    for (const QString& text : texts) {
        for (QLineEdit* input : {w().cbe_dd->lineEdit(), w().cbe_hr->lineEdit(), w().edt_frk}) {
            const int piles = w().Log().PileCount();
            messages.clear();
            Type(w().cbe_dd, "1000");
            Type(w().cbe_hr, "1.0d");
            Type(w().edt_frk, "25");
            Type(input, text);
            Compute();
            const bool computed = w().Log().PileCount() == piles + 1;
            const bool inputError = Status().endsWith("有错") && messages.empty();
            const bool reported = messages.size() == 1 && w().Log().PileCount() == piles;
            EXPECT_TRUE(computed || inputError || reported)
                << input->parentWidget()->objectName().toStdString() << " '"
                << text.left(20).toStdString() << "'";
        }
    }
    Type(w().cbe_dd, "1000");
    Type(w().cbe_hr, "1.0d");
    Type(w().edt_frk, "25");
    Compute();
    EXPECT_EQ(w().edt_ra->text(), "8410");
}

TEST_F(ComputeTest, RoundingChangesWhileShownAppendNewPiles) {
    Compute();
    Click(w().cbt_JingDu);
    ASSERT_TRUE(w().popbox_jingdu->isVisible());
    w().popbox_jingdu->setCurrentIndex(0);  // 两位小数
    EXPECT_FALSE(w().popbox_jingdu->isVisible());
    EXPECT_EQ(w().edt_ra->text(), "8410.31");
    Click(w().cbt_JingDu);
    w().popbox_jingdu->setCurrentIndex(4);  // 百位取整
    EXPECT_EQ(w().Log().PileCount(), 3);
    EXPECT_EQ(w().edt_ra->text(), "8400");
    EXPECT_EQ(w().edt_rc->text(), "7800");
    const QStringList table = ViewLines(w().meo_jisuanjieguo_Xls);
    for (const char* pile : {"ZH1 ", "ZH2 ", "ZH3 "}) {
        EXPECT_EQ(table.filter("   " + QString::fromLatin1(pile)).size(), 1) << pile;
    }
    EXPECT_TRUE(w().cbt_View->isVisible());
}

TEST_F(ComputeTest, HiddenRoundingBoxOnlyChangesTheMode) {
    w().popbox_jingdu->setCurrentIndex(0);
    EXPECT_EQ(w().Log().PileCount(), 0);
    Compute();
    EXPECT_EQ(w().edt_ra->text(), "8410.31");
}

TEST_F(ComputeTest, RoundingBeforeTheFirstComputeComputesIt) {
    Click(w().cbt_JingDu);
    w().popbox_jingdu->setCurrentIndex(1);
    EXPECT_EQ(w().Log().PileCount(), 1);
    EXPECT_EQ(w().edt_ra->text(), "8410.3");
    EXPECT_TRUE(w().cbt_View->isVisible());
}

TEST_F(ComputeTest, ChoosingTheSelectedRoundingDoesNothing) {
    Click(w().cbt_JingDu);
    w().popbox_jingdu->setCurrentIndex(2);
    EXPECT_EQ(w().Log().PileCount(), 0);
    EXPECT_TRUE(w().popbox_jingdu->isVisible());
    Click(w().cbt_JingDu);
    EXPECT_FALSE(w().popbox_jingdu->isVisible());
}

TEST_F(ComputeTest, RoundingWithABadInputAppendsNothingAndKeepsTheBox) {
    Type(w().edt_frk, "0");
    Click(w().cbt_JingDu);
    w().popbox_jingdu->setCurrentIndex(0);
    EXPECT_EQ(w().Log().PileCount(), 0);
    EXPECT_EQ(Status(), "岩石单轴抗压强度值有错");
    EXPECT_TRUE(w().popbox_jingdu->isVisible());
    EXPECT_TRUE(messages.empty());
}

}  // namespace
