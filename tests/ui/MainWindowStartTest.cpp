// The window as it opens: frame, start state of every control, and what the
// inputs accept.
#include <QGroupBox>
#include <QSet>
#include <QSlider>

#include "tests/ui/MainWindowFixture.h"
#include "ui/widgets/LogoStrip.h"
#include "ui/widgets/RoundedButton.h"

namespace {

using StartTest = MainWindowTest;

TEST_F(StartTest, WindowIsFixedWithTitleOnly) {
    EXPECT_EQ(w().windowTitle(), "Rokal (DBJ52/45-2018)");
    EXPECT_EQ(w().minimumSize(), QSize(331, 621));
    EXPECT_EQ(w().maximumSize(), QSize(331, 621));
    const Qt::WindowFlags flags = w().windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    for (Qt::WindowType absent : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint}) {
        EXPECT_FALSE(flags & absent) << absent;
    }
    for (QWidget* layer : {w().MainFormLayer, w().JieGuo_DocLayer}) {
        EXPECT_EQ(layer->geometry(), QRect(0, 0, 331, 621));
    }
}

TEST_F(StartTest, OnlyTheStatedControlsStartHiddenOrDisabled) {
    const QSet<QString> hidden = {"cbt_View", "lb_shuoming", "popbox_jingdu", "JieGuo_DocLayer",
                                  "meo_jisuanjieguo_Xls"};
    int named = 0;
    for (QWidget* child : w().findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) {
            continue;
        }
        ++named;
        EXPECT_EQ(child->isHidden(), hidden.contains(name)) << name.toStdString();
        EXPECT_EQ(child->isEnabled(), name != "cbt_sanchu") << name.toStdString();
    }
    EXPECT_EQ(named, 38);  // the 36 controls of the layout and the two layers
}

TEST_F(StartTest, InputsAndResultsStartAsLaidOut) {
    EXPECT_EQ(w().cbe_dd->currentText(), "1000");
    EXPECT_EQ(w().cbe_dd->count(), 11);
    EXPECT_EQ(w().cbe_dd->itemText(10), "2000");
    EXPECT_EQ(w().cbe_hr->currentText(), "1.0d");
    EXPECT_EQ(w().cbe_hr->count(), 12);
    EXPECT_EQ(w().edt_frk->text(), "25");
    EXPECT_EQ(w().cbe_hnt->currentText(), "C30");
    EXPECT_EQ(w().cbb_czgy->currentText(), "泥浆护壁成桩");
    EXPECT_EQ(w().popbox_jingdu->currentText(), "个位取整");
    EXPECT_EQ(w().cbt_PageBook->text(), "1");
    for (QLineEdit* result : {w().edt_kesair, w().edt_ra, w().edt_rc}) {
        EXPECT_TRUE(result->text().isEmpty());
        EXPECT_EQ(TextColour(result), QColor::fromRgba(0xFF008000));
        EXPECT_TRUE(result->font().bold());
    }
    for (QWidget* typed : std::initializer_list<QWidget*>{w().cbe_dd, w().cbe_hr, w().edt_frk}) {
        EXPECT_EQ(TextColour(typed), kBlack);
    }
    EXPECT_EQ(StatusColour(), kRed);
    EXPECT_EQ(w().Log().PileCount(), 0);
    EXPECT_EQ(w().Log().UnsavedFlags(), 0);
    EXPECT_EQ(w().meo_jisuanjieguo_Doc->LineCount(), 0);
    EXPECT_EQ(w().meo_jisuanjieguo_Xls->LineCount(), 0);
}

TEST_F(StartTest, ResultEditsTakeNoTyping) {
    for (QLineEdit* result : {w().edt_kesair, w().edt_ra, w().edt_rc}) {
        EXPECT_TRUE(result->isReadOnly());
        result->setFocus();
        QTest::keyClicks(result, "123");
        EXPECT_TRUE(result->text().isEmpty());
    }
}

TEST_F(StartTest, EditableListsTakeFreeTextAndNeverGrow) {
    struct Case {
        QComboBox* combo;
        QString typed;
    };
    for (const Case& c : {Case{w().cbe_dd, "1250"}, Case{w().cbe_hr, "2.2d"}}) {
        const int items = c.combo->count();
        Type(c.combo, c.typed);
        QTest::keyClick(c.combo->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(c.combo->currentText(), c.typed);
        EXPECT_EQ(c.combo->count(), items);
    }
    // A text that begins like an item is not completed to it.
    Type(w().cbe_dd, "1");
    EXPECT_EQ(w().cbe_dd->currentText(), "1");
    EXPECT_FALSE(w().cbe_hnt->isEditable());
    EXPECT_FALSE(w().cbb_czgy->isEditable());
    EXPECT_FALSE(w().popbox_jingdu->isEditable());
}

TEST_F(StartTest, TrackBarSpansFourToTwentyFour) {
    QSlider* bar = w().tcb_meoFontSize;
    EXPECT_EQ(bar->value(), 12 * TMPK_FRM_KELD1::kFontSizeSteps);
    bar->setValue(0);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Doc->TextSize(), 4.0);
    bar->setValue(100 * TMPK_FRM_KELD1::kFontSizeSteps);
    EXPECT_DOUBLE_EQ(w().meo_jisuanjieguo_Xls->TextSize(), 24.0);
}

TEST_F(StartTest, LooksThatTheLayoutStates) {
    EXPECT_EQ(w().cbt_CopyRight->toolTip(), "版权信息");
    EXPECT_EQ(w().cbt_JingDu->toolTip(), "调整精度");
    EXPECT_EQ(w().cbt_PageBook->toolTip(), "切换计算书");
    EXPECT_EQ(w().cbt_sanchu->toolTip(), "删除最末数据");
    EXPECT_EQ(w().tcb_meoFontSize->toolTip(), "调整字体大小");
    EXPECT_EQ(w().cbt_compute->radius(), 10);
    EXPECT_EQ(w().cbt_JingDu->radius(), 3);
    EXPECT_EQ(w().gpb_srcs->title(), "输入参数");
    EXPECT_EQ(w().gpb_scjg->title(), "输出结果");
    // The result button covers the compute button; the status label the logo strip.
    EXPECT_EQ(w().cbt_View->geometry(), w().cbt_compute->geometry());
    EXPECT_TRUE(w().img_Logo->geometry().contains(w().lb_shuoming->geometry()));
}

}  // namespace
