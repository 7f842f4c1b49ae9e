// The proposals: the depth step, showing them, and taking the proposed depths as
// one step that undo takes back.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <algorithm>

#include "schedule/Design.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::DepthProposal;
using rokal::ResultColumn;
using rokal::ScheduleColumn;

class ScheduleDesignTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        Open(Fixture("schedule30.csv"));
    }
    void TypeStep(const QString& text) { Type(s().cbe_step->lineEdit(), text); }
};

TEST_F(ScheduleDesignTest, ProposalColumnsShowOnRequest) {
    const int depth = rokal::TableColumnOf(ResultColumn::DepthProposal);
    const int grade = rokal::TableColumnOf(ResultColumn::GradeProposal);
    EXPECT_TRUE(table()->isColumnHidden(depth));
    EXPECT_TRUE(table()->isColumnHidden(grade));
    Trigger(s().act_showProposals);
    EXPECT_FALSE(table()->isColumnHidden(depth));
    EXPECT_FALSE(table()->isColumnHidden(grade));

    EXPECT_EQ(Shown(1, depth), "0.8d");          // ZH2: 0.1d steps
    EXPECT_EQ(Shown(9, grade), "无可满足等级");  // ZH10: N above Rc of C60
    TypeStep("0.5d");
    EXPECT_EQ(model().Step(), (rokal::DepthStep{rokal::DepthStep::Unit::TimesD, 500}));
    EXPECT_EQ(Shown(1, depth), "1d");
    TypeStep("100mm");
    EXPECT_EQ(Shown(1, depth), "1100 mm");       // written into hr as "1100"
    EXPECT_EQ(Shown(4, depth), "无可满足深度");  // ZH5: Nk above Ra at the table's end
    EXPECT_EQ(model().index(4, depth).data(Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0xD0, 0x00, 0x00));
    // Showing them changes nothing to undo or save.
    EXPECT_FALSE(s().isWindowModified());
}

TEST_F(ScheduleDesignTest, ABadStepTurnsRedAndKeepsTheLastGoodOne) {
    TypeStep("0.5d");
    TypeStep("0.5x");
    EXPECT_EQ(TextColour(s().cbe_step), kRed);
    EXPECT_EQ(model().Step(), (rokal::DepthStep{rokal::DepthStep::Unit::TimesD, 500}));
    EXPECT_TRUE(s().statusBar()->currentMessage().startsWith("深度取整步长有错"));
    TypeStep("0.2d");
    EXPECT_EQ(TextColour(s().cbe_step), kBlack);
}

// Whether the row fails a check or its socket is below the minimum.
bool NeedsDeeperSocket(const rokal::RowResult& result) {
    const bool shortSocket = result.socketCheck && !result.socketCheck->holds;
    return result.Computed() && (!result.Passes() || shortSocket);
}

// With nothing selected, the failing rows whose proposal is deeper take it, after a
// question that names how many; passing piles keep their depths. One undo gives
// every depth back.
TEST_F(ScheduleDesignTest, NothingSelectedDeepensTheFailingRowsAfterAsking) {
    TypeStep("0.5d");
    table()->clearSelection();
    QStringList before;
    std::vector<int> deeper;
    int shallower = 0;
    for (int row = 0; row < model().RowCount(); ++row) {
        before << Shown(row, ScheduleColumn::Hr);
        const auto& depth = model().Design(row).depth;
        const rokal::RowResult& result = model().Result(row);
        if (!NeedsDeeperSocket(result) || !depth || depth->kind != DepthProposal::Kind::Depth) {
            continue;
        }
        if (depth->hrOverD > result.pile->hrOverD) {
            deeper.push_back(row);
        } else if (depth->hrOverD < result.pile->hrOverD) {
            ++shallower;
        }
    }
    ASSERT_GE(deeper.size(), 2u);

    confirmations = {false};
    Trigger(s().act_takeProposals);
    ASSERT_EQ(questions.size(), 1);
    QString expected = QString("将把验算不满足或嵌岩不足的 %1 行的嵌岩深度改为建议深度（可撤销）。")
                           .arg(deeper.size());
    if (shallower > 0) {
        expected +=
            QString("另有 %1 行的建议深度比现有的浅，未改动（勾选“也缩短已满足的桩”可一并缩短）。")
                .arg(shallower);
    }
    EXPECT_EQ(questions.front(), expected);
    EXPECT_EQ(s().UndoStack().count(), 0);
    EXPECT_EQ(s().statusBar()->currentMessage(), "未改动嵌岩深度");

    confirmations = {true};
    Trigger(s().act_takeProposals);
    for (int row = 0; row < model().RowCount(); ++row) {
        const bool taken = std::find(deeper.begin(), deeper.end(), row) != deeper.end();
        if (taken) {
            EXPECT_EQ(Shown(row, ScheduleColumn::Hr),
                      QString::fromStdU16String(model().Design(row).depth->hrText));
            EXPECT_NE(Shown(row, ResultColumn::RaCheck), "不满足") << row;
        } else {
            EXPECT_EQ(Shown(row, ScheduleColumn::Hr), before[row]) << row;
        }
    }
    EXPECT_EQ(s().statusBar()->currentMessage(),
              QString("已把 %1 行的嵌岩深度改为建议深度").arg(deeper.size()));
    EXPECT_EQ(s().UndoStack().count(), 1);

    Trigger(s().act_undo);
    for (int row = 0; row < model().RowCount(); ++row) {
        EXPECT_EQ(Shown(row, ScheduleColumn::Hr), before[row]);
    }
    EXPECT_FALSE(s().isWindowModified());
}

// Selected rows take their proposals too, but a passing pile is shortened only
// when "也缩短已满足的桩" is checked.
TEST_F(ScheduleDesignTest, SelectedPassingPilesAreShortenedOnlyWhenAsked) {
    TypeStep("0.5d");
    int passing = -1;
    for (int row = 0; row < model().RowCount() && passing < 0; ++row) {
        const auto& depth = model().Design(row).depth;
        const rokal::RowResult& result = model().Result(row);
        if (result.Computed() && !NeedsDeeperSocket(result) && depth &&
            depth->kind == DepthProposal::Kind::Depth && depth->hrOverD < result.pile->hrOverD) {
            passing = row;
        }
    }
    ASSERT_GE(passing, 0);
    const QString own = Shown(passing, ScheduleColumn::Hr);
    const QString proposed = QString::fromStdU16String(model().Design(passing).depth->hrText);
    Select(passing, rokal::TableColumnOf(ScheduleColumn::Hr));

    Trigger(s().act_takeProposals);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Shown(passing, ScheduleColumn::Hr), own);
    EXPECT_EQ(s().statusBar()->currentMessage(),
              "没有需要改动的嵌岩深度；另有 1 行的建议深度比现有的浅，未改动"
              "（勾选“也缩短已满足的桩”可一并缩短）。");

    Trigger(s().act_shortenPassing);
    ASSERT_TRUE(s().act_shortenPassing->isChecked());
    confirmations = {true};
    Trigger(s().act_takeProposals);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions.front(), "将把选中的 1 行的嵌岩深度改为建议深度（可撤销）。");
    EXPECT_EQ(Shown(passing, ScheduleColumn::Hr), proposed);
    EXPECT_EQ(Shown(passing, ResultColumn::RaCheck), "满足");
    EXPECT_EQ(s().UndoStack().count(), 1);
}

// The minimum socket from the tool bar: a row below it is warned of in its check
// and its hr, the proposals keep to it, and a bad text keeps the last good one.
TEST_F(ScheduleDesignTest, MinimumSocketWarnsAndBoundsTheProposals) {
    WriteAll(InFolder("short.csv"),
             "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk\n"
             "S1,1000,300,25,C30,泥浆护壁,100\n"
             "S2,1000,300,25,C30,泥浆护壁,\n"
             "S3,1000,1d,25,C30,泥浆护壁,100\n");
    Open(InFolder("short.csv"));
    Trigger(s().act_showProposals);
    const int check = rokal::TableColumnOf(ResultColumn::RaCheck);
    const int hr = rokal::TableColumnOf(ScheduleColumn::Hr);
    const int depth = rokal::TableColumnOf(ResultColumn::DepthProposal);
    const QString warning = "嵌岩深度 300 mm 小于最小嵌岩深度 500 mm";
    EXPECT_EQ(Shown(0, check), "满足 ⚠");
    EXPECT_EQ(Shown(1, check), "⚠");
    EXPECT_EQ(Shown(2, check), "满足");
    EXPECT_EQ(model().index(0, check).data(Qt::ToolTipRole).toString(), warning);
    EXPECT_EQ(model().index(1, hr).data(Qt::ToolTipRole).toString(), warning);
    EXPECT_NE(model().index(0, hr).data(Qt::BackgroundRole), QVariant());
    EXPECT_EQ(model().index(2, hr).data(Qt::BackgroundRole), QVariant());
    EXPECT_EQ(Shown(0, depth), "0.5d");  // not the 0.1d that Nk alone asks for
    EXPECT_EQ(Shown(1, depth), "0.5d");
    EXPECT_EQ(s().lb_summary->text(), "共 3 行 · 有错 0 行 · 不满足 0 行 · 嵌岩不足 2 行");
    Select(0, hr);
    EXPECT_EQ(s().statusBar()->currentMessage(), "S1 警告：" + warning);

    // Half typed, nothing changes; Enter applies it.
    Type(s().cbe_minSocket->lineEdit(), "0.2d,200mm");
    EXPECT_EQ(model().MinimumSocket(), rokal::kDefaultMinSocket);
    QTest::keyClick(s().cbe_minSocket->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(model().MinimumSocket(), *rokal::ReadMinSocket(u"0.2d,200mm"));
    EXPECT_EQ(Shown(0, check), "满足");
    EXPECT_EQ(Shown(1, check), "");
    EXPECT_EQ(Shown(0, depth), "0.2d");
    EXPECT_EQ(Shown(1, depth), "");
    EXPECT_EQ(s().lb_summary->text(), "共 3 行 · 有错 0 行 · 不满足 0 行");

    Type(s().cbe_minSocket->lineEdit(), "0,4d");
    EXPECT_EQ(TextColour(s().cbe_minSocket), kRed);
    QTest::keyClick(s().cbe_minSocket->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(s().statusBar()->currentMessage().startsWith("最小嵌岩深度有错"));
    EXPECT_EQ(model().MinimumSocket(), *rokal::ReadMinSocket(u"0.2d,200mm"));
    EXPECT_FALSE(s().isWindowModified()) << "the minimum is a setting, not an edit";
}

}  // namespace

namespace {

// As in the calculator, a wheel passing over a tool bar list changes nothing and
// takes no focus; it acts on the list that has the focus.
class ScheduleWheelTest : public ScheduleWindowTest,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(ScheduleWheelTest, ChangesAListOnlyWhenItHasTheFocus) {
    auto* list = s().findChild<QComboBox*>(GetParam());
    ASSERT_NE(list, nullptr);
    table()->setFocus();
    const QString before = list->currentText();
    Wheel(list, -1);
    EXPECT_EQ(list->currentText(), before);
    EXPECT_EQ(QApplication::focusWidget(), table()) << "the wheel takes no focus";

    list->setFocus();
    Wheel(list, -1);
    EXPECT_NE(list->currentText(), before);
}

INSTANTIATE_TEST_SUITE_P(ToolBarLists, ScheduleWheelTest,
                         ::testing::Values("cbb_precision", "cbe_step"));

}  // namespace
