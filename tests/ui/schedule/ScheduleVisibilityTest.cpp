// What the table shows: the file's other columns (备注) after the results, edited
// as text, and a bad cell that stays red when it is selected.
#include <QHeaderView>
#include <QStatusBar>

#include "schedule/ScheduleCsv.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::ResultColumn;
using rokal::ScheduleColumn;

class ScheduleVisibilityTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        Open(Fixture("schedule30.csv"));
    }
    static int Remark() { return rokal::TableColumnOfKept(0); }
    QString Header(int column) {
        return table()->model()->headerData(column, Qt::Horizontal).toString();
    }
};

TEST_F(ScheduleVisibilityTest, KeptColumnsFollowTheResultsAndAreEditedAsText) {
    ASSERT_EQ(table()->model()->columnCount(), rokal::kTableColumnCount + 1);
    EXPECT_EQ(Header(Remark()), "备注");
    EXPECT_FALSE(table()->isColumnHidden(Remark()));
    EXPECT_EQ(Shown(0, Remark()), "1轴/A");

    TypeInCell(0, Remark(), "A1, see S-2");
    EXPECT_EQ(model().GetSchedule().rows[0].extra[0], u"A1, see S-2");
    EXPECT_EQ(Shown(0, ResultColumn::Ra), "26125");  // a remark is no input
    EXPECT_EQ(s().UndoStack().undoText(), "编辑备注");
    Trigger(s().act_undo);
    EXPECT_EQ(Shown(0, Remark()), "1轴/A");

    // A row copied whole and pasted into a new row keeps its remark; its results
    // fall on result columns and are left out.
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(1, 0), table()->model()->index(1, Remark())),
        QItemSelectionModel::ClearAndSelect);
    Trigger(s().act_copy);
    Select(30 - 1, 0);
    Trigger(s().act_addRow);
    Select(30, 0);
    Trigger(s().act_paste);
    EXPECT_EQ(model().GetSchedule().rows[30].cells, model().GetSchedule().rows[1].cells);
    EXPECT_EQ(Shown(30, Remark()), "1轴/B");
    EXPECT_EQ(s().statusBar()->currentMessage(),
              "已粘贴 1 行，其中新增 0 行；8 个单元格落在计算结果列，未粘贴");

    // Delete empties a remark too, and the saved file carries the edits.
    Select(2, Remark());
    QTest::keyClick(table(), Qt::Key_Delete);
    const std::string saved = rokal::ScheduleToCsv(model().GetSchedule());
    EXPECT_NE(saved.find("ZH3,800,3d,6,C40,水下,,,\r\n"), std::string::npos);
    EXPECT_NE(saved.find("ZH2,1400,1500,12,C25,水下,8000,7000,1轴/B\r\n"), std::string::npos);
}

TEST_F(ScheduleVisibilityTest, AScheduleWithoutOtherColumnsShowsNone) {
    WriteAll(InFolder("plain.csv"), "桩径,嵌岩深度,岩石强度,混凝土,工艺\n1000,1d,25,C30,水下\n");
    Open(InFolder("plain.csv"));
    EXPECT_EQ(table()->model()->columnCount(), rokal::kTableColumnCount);
}

// A selected bad cell is deep red, a selected good one the selection's colour.
TEST_F(ScheduleVisibilityTest, ASelectedBadCellStaysRed) {
    const auto colourAt = [this](int row, int column) {
        const QRect cell = table()->visualRect(table()->model()->index(row, column));
        const QImage shot = table()->viewport()->grab().toImage();
        return shot.pixelColor(cell.left() + 4, cell.center().y());
    };
    const int d = rokal::TableColumnOf(ScheduleColumn::D);
    const QColor unselected = colourAt(3, d);
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(3, d), table()->model()->index(4, d)),
        QItemSelectionModel::ClearAndSelect);
    const QColor bad = colourAt(3, d);   // ZH4 "abc"
    const QColor good = colourAt(4, d);  // ZH5 1000
    EXPECT_GT(unselected.red(), 200);
    EXPECT_GT(bad.red(), 150);
    EXPECT_LT(bad.green(), 60);
    EXPECT_LT(bad.blue(), 60);
    EXPECT_NE(bad, good);
    EXPECT_NE(bad, unselected);
}

}  // namespace
