// The proposals: the depth step, showing them, and taking the proposed depths as
// one step that undo takes back.
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

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
    EXPECT_EQ(Shown(1, depth), "1100");
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

// Every row with a proposed depth takes it and then carries its Nk; rows for
// which no depth suffices keep theirs. One undo gives every depth back.
TEST_F(ScheduleDesignTest, TakingTheProposedDepthsMeetsNkAndIsOneStep) {
    TypeStep("0.5d");
    QStringList before;
    std::vector<std::optional<DepthProposal>> proposals;
    for (int row = 0; row < model().RowCount(); ++row) {
        before << Shown(row, ScheduleColumn::Hr);
        proposals.push_back(model().Design(row).depth);
    }
    Trigger(s().act_takeProposals);
    int changed = 0;
    for (int row = 0; row < model().RowCount(); ++row) {
        const auto& proposal = proposals[static_cast<std::size_t>(row)];
        if (proposal && proposal->kind == DepthProposal::Kind::Depth) {
            EXPECT_EQ(Shown(row, ScheduleColumn::Hr), QString::fromStdU16String(proposal->hrText));
            EXPECT_EQ(Shown(row, ResultColumn::RaCheck), "满足") << row;
            changed += before[row] != Shown(row, ScheduleColumn::Hr);
        } else {
            EXPECT_EQ(Shown(row, ScheduleColumn::Hr), before[row]) << row;
        }
    }
    EXPECT_GT(changed, 10);
    EXPECT_EQ(s().statusBar()->currentMessage(),
              QString("已把 %1 行的嵌岩深度改为建议深度").arg(changed));
    EXPECT_EQ(s().UndoStack().count(), 1);

    Trigger(s().act_takeProposals);  // nothing left to change
    EXPECT_EQ(s().UndoStack().count(), 1);

    Trigger(s().act_undo);
    for (int row = 0; row < model().RowCount(); ++row) {
        EXPECT_EQ(Shown(row, ScheduleColumn::Hr), before[row]);
    }
    EXPECT_FALSE(s().isWindowModified());
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
