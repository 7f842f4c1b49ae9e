// "加入计算书": the schedule's computed rows enter the main window's book exactly
// as if each had been computed there, one after another.
#include <QComboBox>
#include <QLineEdit>

#include "schedule/RowReading.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::ReportDocument;
using rokal::ScheduleColumn;
using ScheduleBookTest = ScheduleWindowTest;

// The lines of a document but its last, which holds the time of the newest append.
QStringList AllButTime(const rokal::ReportLog& log, ReportDocument doc) {
    QStringList lines;
    for (const std::u16string& line : log.Document(doc)) {
        lines << QString::fromStdU16String(line);
    }
    if (!lines.isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// Enters a schedule row into a main window's inputs and presses "计算".
void ComputeInMainWindow(TMPK_FRM_KELD1& window, const rokal::ScheduleRow& row) {
    MainWindowTest::Type(window.cbe_dd, QString::fromStdU16String(row.Cell(ScheduleColumn::D)));
    MainWindowTest::Type(window.cbe_hr, QString::fromStdU16String(row.Cell(ScheduleColumn::Hr)));
    MainWindowTest::Type(window.edt_frk, QString::fromStdU16String(row.Cell(ScheduleColumn::Frk)));
    window.cbe_hnt->setCurrentIndex(
        static_cast<int>(*rokal::ReadConcreteGrade(row.Cell(ScheduleColumn::Grade))));
    window.cbb_czgy->setCurrentIndex(
        static_cast<int>(*rokal::ReadConstructionProcess(row.Cell(ScheduleColumn::Process))));
    window.cbt_computeClick();
}

TEST_F(ScheduleBookTest, AppendsTheComputedRowsAsComputingThemOneByOneWould) {
    Compute();  // a pile of the main window's own first: numbering goes on from it
    Open(Fixture("schedule30.csv"));
    s().cbb_precision->setCurrentIndex(static_cast<int>(rokal::PrecisionMode::OneDecimal));
    messages.clear();
    QTest::keyClick(table(), Qt::Key_B, Qt::ControlModifier);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().kind, rokal::MessageKind::Information);
    EXPECT_EQ(messages.front().text, "已加入计算书 25 根桩；5 行有错，未加入。");
    EXPECT_EQ(w().Log().PileCount(), 26);
    EXPECT_EQ(w().Log().UnsavedFlags(), 3);
    EXPECT_TRUE(w().cbt_View->isVisible());
    EXPECT_FALSE(w().cbt_compute->isVisible());

    TMPK_FRM_KELD1 byHand;
    byHand.cbt_computeClick();
    byHand.popbox_jingdu->setCurrentIndex(static_cast<int>(rokal::PrecisionMode::OneDecimal));
    for (int row = 0; row < model().RowCount(); ++row) {
        if (model().Result(row).Computed()) {
            ComputeInMainWindow(byHand, model().Row(row));
        }
    }
    ASSERT_EQ(byHand.Log().PileCount(), 26);
    for (ReportDocument doc : {ReportDocument::Table, ReportDocument::Text}) {
        EXPECT_EQ(AllButTime(w().Log(), doc), AllButTime(byHand.Log(), doc));
    }

    // Saving and deleting behave as after "计算".
    Click(w().cbt_View);
    Click(w().cbt_sanchu);
    EXPECT_EQ(w().Log().PileCount(), 25);
}

TEST_F(ScheduleBookTest, NothingComputedAppendsNothing) {
    WriteAll(InFolder("bad.csv"), "桩径,嵌岩深度,岩石强度,混凝土,工艺\nx,1d,25,C30,水下\n");
    Open(InFolder("bad.csv"));
    Trigger(s().act_appendToBook);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().text, "已加入计算书 0 根桩；1 行有错，未加入。");
    EXPECT_EQ(w().Log().PileCount(), 0);
    EXPECT_TRUE(w().cbt_compute->isVisible());

    messages.clear();
    table()->selectRow(0);
    Trigger(s().act_deleteRows);
    Trigger(s().act_appendToBook);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().text, "桩表是空的，没有可加入计算书的桩");
}

}  // namespace
