// Editing as in a spreadsheet: typing into cells, drop-down lists, paste and copy
// of tab-separated blocks, rows added and deleted, clearing, sorting, and undo and
// redo of every step.
#include <QComboBox>
#include <QHeaderView>
#include <QStatusBar>

#include "schedule/ScheduleCsv.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::ResultColumn;
using rokal::ScheduleColumn;

class ScheduleEditTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        Open(Fixture("schedule30.csv"));
    }

    static int Col(ScheduleColumn column) { return rokal::TableColumnOf(column); }

    // The cells of a schedule row from d to process, joined by "|".
    QString Inputs(int row) {
        QStringList cells;
        for (int c = Col(ScheduleColumn::D); c <= Col(ScheduleColumn::Process); ++c) {
            cells << Shown(row, c);
        }
        return cells.join('|');
    }
};

TEST_F(ScheduleEditTest, ACellEditedToAnErrorAndBackRecomputesItsRow) {
    TypeInCell(0, Col(ScheduleColumn::D), "14OO");
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "14OO");
    EXPECT_EQ(model().index(0, Col(ScheduleColumn::D)).data(Qt::ToolTipRole).toString(),
              "桩身直径数据有错");
    EXPECT_TRUE(Shown(0, ResultColumn::Ra).isEmpty());
    EXPECT_TRUE(s().isWindowModified());
    EXPECT_EQ(s().lb_summary->text(), "共 30 行 · 有错 6 行 · 不满足 10 行");
    // Enter stepped down; going back up shows the message.
    EXPECT_EQ(table()->currentIndex().row(), 1);
    Select(0, Col(ScheduleColumn::D));
    EXPECT_EQ(s().statusBar()->currentMessage(), "ZH1 桩径：桩身直径数据有错");

    TypeInCell(0, Col(ScheduleColumn::D), "1200");
    EXPECT_EQ(Shown(0, ResultColumn::Ra), "19679");
    EXPECT_TRUE(
        model().index(0, Col(ScheduleColumn::D)).data(Qt::ToolTipRole).toString().isEmpty());

    // Each edit is one step back.
    Trigger(s().act_undo);
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "14OO");
    Trigger(s().act_undo);
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "1400");
    EXPECT_EQ(Shown(0, ResultColumn::Ra), "26125");
    EXPECT_FALSE(s().isWindowModified());
    EXPECT_FALSE(s().act_undo->isEnabled());
    QTest::keyClick(table(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "14OO");
    QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "1400");
}

TEST_F(ScheduleEditTest, GradeAndProcessAreChosenFromDropDownLists) {
    const struct {
        ScheduleColumn column;
        QStringList items;
        QString chosen;
    } lists[] = {
        {ScheduleColumn::Grade, {"C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60"}, "C50"},
        {ScheduleColumn::Process, {"干作业", "泥浆护壁", "后注浆", "水下"}, "后注浆"},
    };
    for (const auto& list : lists) {
        Select(1, Col(list.column));
        QTest::keyClick(table(), Qt::Key_F2);
        QWidget* focus = QApplication::focusWidget();
        auto* combo = qobject_cast<QComboBox*>(focus);
        combo = combo ? combo : qobject_cast<QComboBox*>(focus->parentWidget());
        ASSERT_NE(combo, nullptr);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        EXPECT_EQ(items, list.items);
        combo->setCurrentText(list.chosen);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(Shown(1, list.column), list.chosen);
    }
    EXPECT_EQ(Shown(1, ResultColumn::Rc), "24892");
    EXPECT_EQ(s().UndoStack().count(), 2);
}

TEST_F(ScheduleEditTest, APastedBlockFillsCellsAndAddsRowsAsOneStep) {
    const QString before28 = Inputs(28);
    QApplication::clipboard()->setText(
        "1000\t2d\t25\tC30\t后注浆\r\n"
        "1200\t\"1.5d\"\t30\tC35\t水下\r\n"
        "900\t3000\t8\tC25\t干作业\r\n");
    Select(28, Col(ScheduleColumn::D));
    QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);

    ASSERT_EQ(model().RowCount(), 31);
    EXPECT_EQ(Inputs(28), "1000|2d|25|C30|后注浆");
    EXPECT_EQ(Inputs(29), "1200|1.5d|30|C35|水下");
    EXPECT_EQ(Inputs(30), "900|3000|8|C25|干作业");
    EXPECT_EQ(Shown(30, ScheduleColumn::Mark), "ZH31");
    EXPECT_EQ(Shown(30, ResultColumn::RockClass), "软岩");
    // Columns outside the block keep their cells.
    EXPECT_EQ(Shown(28, ScheduleColumn::Mark), "ZH29");
    EXPECT_EQ(Shown(28, ScheduleColumn::Nk), "16000");
    EXPECT_EQ(s().statusBar()->currentMessage(), "已粘贴 3 行，其中新增 1 行");

    Trigger(s().act_undo);
    EXPECT_EQ(model().RowCount(), 30);
    EXPECT_EQ(Inputs(28), before28);
    Trigger(s().act_redo);
    EXPECT_EQ(model().RowCount(), 31);
    EXPECT_EQ(Inputs(30), "900|3000|8|C25|干作业");
}

TEST_F(ScheduleEditTest, APasteIntoTheResultsOrFromAnEmptyClipboardChangesNothing) {
    for (const QString& clip : {QString("1\t2"), QString()}) {
        QApplication::clipboard()->setText(clip);
        Select(0, rokal::TableColumnOf(ResultColumn::Ra));
        Trigger(s().act_paste);
    }
    EXPECT_EQ(s().UndoStack().count(), 0) << s().UndoStack().text(0).toStdString();
    EXPECT_FALSE(s().isWindowModified());
}

TEST_F(ScheduleEditTest, CopiedCellsAreTabSeparatedTextWithTheirResults) {
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(0, 0),
                       table()->model()->index(1, Col(ScheduleColumn::Frk))),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "ZH1\t1400\t2000\t40\r\nZH2\t1400\t1500\t12\r\n");

    const int ra = rokal::TableColumnOf(ResultColumn::Ra);
    table()->selectionModel()->select(table()->model()->index(0, ra),
                                      QItemSelectionModel::ClearAndSelect);
    Trigger(s().act_copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "26125\r\n");
}

TEST_F(ScheduleEditTest, RowsAreAddedAndDeletedAndComeBackInTheirPlaces) {
    Select(2, 0);
    Trigger(s().act_addRow);
    ASSERT_EQ(model().RowCount(), 31);
    EXPECT_EQ(Inputs(3), Inputs(2));  // d to process copied from the row above
    EXPECT_EQ(Shown(3, ScheduleColumn::Mark), "ZH4");
    EXPECT_EQ(Shown(3, ScheduleColumn::Nk), "");
    EXPECT_EQ(table()->currentIndex().row(), 3);

    const QByteArray before =
        QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule()));
    QItemSelection rows;
    for (int row : {0, 5, 6, 30}) {
        rows.select(table()->model()->index(row, 0), table()->model()->index(row, 3));
    }
    table()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    Trigger(s().act_deleteRows);
    ASSERT_EQ(model().RowCount(), 27);
    EXPECT_EQ(Shown(0, ScheduleColumn::Mark), "ZH2");
    EXPECT_EQ(deleteAsked, std::vector<int>{4});

    Trigger(s().act_undo);
    EXPECT_EQ(QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule())), before);
}

TEST_F(ScheduleEditTest, DeleteEmptiesTheSelectedInputCellsOnly) {
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(0, Col(ScheduleColumn::Nk)),
                       table()->model()->index(1, rokal::TableColumnOf(ResultColumn::Ra))),
        QItemSelectionModel::ClearAndSelect);
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Delete);
    EXPECT_EQ(Shown(0, ScheduleColumn::Nk), "");
    EXPECT_EQ(Shown(1, ScheduleColumn::N), "");
    EXPECT_EQ(Shown(0, ResultColumn::RaCheck), "");
    EXPECT_EQ(Shown(0, ResultColumn::Ra), "26125");
    Trigger(s().act_undo);
    EXPECT_EQ(Shown(1, ScheduleColumn::N), "7000");
}

TEST_F(ScheduleEditTest, SortingShowsAnotherOrderButKeepsTheSchedules) {
    const QByteArray order = QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule()));
    const int ra = rokal::TableColumnOf(ResultColumn::Ra);
    table()->sortByColumn(ra, Qt::DescendingOrder);
    EXPECT_EQ(table()->model()->index(0, ra).data().toString(), "26323");
    EXPECT_EQ(table()->model()->index(0, 0).data().toString(), "ZH20");
    EXPECT_EQ(table()->model()->index(1, ra).data().toString(), "26218");
    // Rows without results come last.
    EXPECT_EQ(table()->model()->index(29, ra).data().toString(), "");
    EXPECT_EQ(QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule())), order);

    // Marks sort by their numbers, "ZH2" before "ZH10".
    table()->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(table()->model()->index(1, 0).data().toString(), "ZH2");
    EXPECT_EQ(table()->model()->index(9, 0).data().toString(), "ZH10");

    // An edit in the sorted view lands in the row shown there.
    table()->sortByColumn(ra, Qt::AscendingOrder);
    const int shownRow = 3;
    const int scheduleRow = s().SourceRow(shownRow);
    TypeInCell(shownRow, Col(ScheduleColumn::Nk), "1");
    EXPECT_EQ(Shown(scheduleRow, ScheduleColumn::Nk), "1");

    Trigger(s().act_scheduleOrder);
    for (int row = 0; row < 30; ++row) {
        EXPECT_EQ(s().SourceRow(row), row);
    }
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorSection(), -1);
}

}  // namespace

namespace {

// The cells the table shows selected, as "row,column" texts.
QStringList SelectedCells(QTableView* table) {
    QStringList cells;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes()) {
        cells << QStringLiteral("%1,%2").arg(index.row()).arg(index.column());
    }
    cells.sort();
    return cells;
}

// Every move of the current cell by the keyboard takes the selection along, with
// Ctrl or without; Shift extends it from where it started.
TEST_F(ScheduleEditTest, KeyboardMovesCarryTheSelection) {
    const int last = table()->model()->columnCount() - 1;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString selected;  // empty: the current cell alone
    } moves[] = {
        {Qt::Key_End, Qt::ControlModifier, QStringLiteral("29,%1").arg(last)},
        {Qt::Key_Home, Qt::ControlModifier, "0,0"},
        {Qt::Key_Down, Qt::ControlModifier, "29,1"},
        {Qt::Key_Right, Qt::ControlModifier, "2,5"},
        {Qt::Key_PageDown, Qt::ControlModifier, ""},
        {Qt::Key_Tab, Qt::ControlModifier, ""},
        {Qt::Key_Down, Qt::NoModifier, "3,1"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "2,0"},
        {Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier, ""},
        {Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier, ""},
    };
    for (const auto& move : moves) {
        const QString keys = QKeySequence(move.key | move.modifiers).toString();
        // A click on 2,1 first, where a Shift+move starts from.
        table()->scrollToTop();
        table()->scrollTo(table()->model()->index(2, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table()->visualRect(table()->model()->index(2, 1)).center());
        QTest::keyClick(table(), move.key, move.modifiers);
        const QString selected = SelectedCells(table()).join(' ');
        const QModelIndex current = table()->currentIndex();
        if (!move.selected.isEmpty()) {
            EXPECT_EQ(selected, move.selected) << keys.toStdString();
        } else if (move.modifiers & Qt::ShiftModifier) {  // from 2,1 to the current cell
            EXPECT_EQ(table()->selectionModel()->selectedIndexes().size(),
                      (current.row() - 1) * current.column())
                << keys.toStdString();
        } else {
            EXPECT_EQ(selected, QStringLiteral("%1,%2").arg(current.row()).arg(current.column()))
                << keys.toStdString();
        }
    }
}

// Ctrl+End, Ctrl+N, Ctrl+Del: the row added at the end, and only it, goes.
TEST_F(ScheduleEditTest, DeleteRowsTakesOnlyTheRowsTheUserSeesSelected) {
    const QByteArray before =
        QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule()));
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(table(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(model().RowCount(), 31);
    EXPECT_EQ(SelectedCells(table()), QStringList{"30,1"});
    QTest::keyClick(table(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(QByteArray::fromStdString(rokal::ScheduleToCsv(model().GetSchedule())), before);
    EXPECT_TRUE(deleteAsked.empty());
    // The cell that is current afterwards is selected, and so is the next to go.
    EXPECT_EQ(SelectedCells(table()).size(), 1);

    // A current cell left unselected is not deleted.
    table()->selectionModel()->clearSelection();
    Trigger(s().act_deleteRows);
    EXPECT_EQ(model().RowCount(), 30);
    EXPECT_EQ(s().statusBar()->currentMessage(), "请先选中要删除的行");
}

// More than one row goes only after a question that names how many.
TEST_F(ScheduleEditTest, DeletingSeveralRowsAsksFirst) {
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(4, 2), table()->model()->index(6, 3)),
        QItemSelectionModel::ClearAndSelect);
    deleteAnswer = false;
    Trigger(s().act_deleteRows);
    EXPECT_EQ(deleteAsked, std::vector<int>{3});
    EXPECT_EQ(model().RowCount(), 30);
    EXPECT_EQ(s().UndoStack().count(), 0);

    deleteAnswer = true;
    Trigger(s().act_deleteRows);
    EXPECT_EQ(model().RowCount(), 27);
    EXPECT_EQ(s().statusBar()->currentMessage(), "已删除 3 行");
}

}  // namespace
