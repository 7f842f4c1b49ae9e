// The table's keys as in a spreadsheet: editing, moving to the edge of the data,
// whole rows and columns, filling down and cutting; the tool bar's settings, the
// menus and sorting reached from the keyboard.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::ResultColumn;
using rokal::ScheduleColumn;

int Col(ScheduleColumn column) {
    return rokal::TableColumnOf(column);
}

class ScheduleKeysTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        Open(Fixture("schedule30.csv"));
    }

    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    }
    // Types each character where the focus is then: the first may open an editor.
    static void Keys(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
    }

    QString Current() {
        const QModelIndex index = table()->currentIndex();
        return QStringLiteral("%1,%2").arg(index.row()).arg(index.column());
    }
    bool Editing() { return QApplication::focusWidget() != table(); }
    QString Status() { return s().statusBar()->currentMessage(); }

    // Selects the block of table cells from one corner to the other.
    void SelectBlock(int top, int left, int bottom, int right) {
        table()->setFocus();
        table()->selectionModel()->setCurrentIndex(table()->model()->index(top, left),
                                                   QItemSelectionModel::NoUpdate);
        table()->selectionModel()->select(QItemSelection(table()->model()->index(top, left),
                                                         table()->model()->index(bottom, right)),
                                          QItemSelectionModel::ClearAndSelect);
    }
};

// From ZH1's d (1400): what the keys leave in the cell, where the current cell
// goes and whether an editor is still open.
TEST_F(ScheduleKeysTest, CellsAreEditedWithASpreadsheetsKeys) {
    const int d = Col(ScheduleColumn::D);
    const struct {
        const char* keys;
        std::function<void()> press;
        QString cell;
        QString current;
        bool editing;
    } cases[] = {
        {"Enter steps down, editing nothing", [] { Key(Qt::Key_Return); }, "1400", "1,1", false},
        {"F2 puts the cursor after the text",
         [] {
             Key(Qt::Key_F2);
             Keys("5");
             Key(Qt::Key_Return);
         },
         "14005", "1,1", false},
        {"typing replaces the text",
         [] {
             Keys("9");
             Key(Qt::Key_Enter, Qt::KeypadModifier);
         },
         "9", "1,1", false},
        {"Backspace empties the cell and edits it",
         [] {
             Key(Qt::Key_Backspace);
             Keys("12");
             Key(Qt::Key_Return);
         },
         "12", "1,1", false},
        {"Backspace and Enter empty the cell",
         [] {
             Key(Qt::Key_Backspace);
             Key(Qt::Key_Return);
         },
         "", "1,1", false},
        {"Backspace and Esc keep the cell",
         [] {
             Key(Qt::Key_Backspace);
             Key(Qt::Key_Escape);
         },
         "1400", "0,1", false},
        {"Backspace leaves an editor open", [] { Key(Qt::Key_Backspace); }, "1400", "0,1", true},
        {"Tab commits and steps right",
         [] {
             Keys("7");
             Key(Qt::Key_Tab);
         },
         "7", "0,2", false},
        {"Shift+Tab commits and steps left",
         [] {
             Keys("8");
             Key(Qt::Key_Backtab, Qt::ShiftModifier);
         },
         "8", "0,0", false},
        {"Tab steps right without an editor", [] { Key(Qt::Key_Tab); }, "1400", "0,2", false},
    };
    for (const auto& c : cases) {
        ClickCell(0, d);
        c.press();
        EXPECT_EQ(model().Cell(0, ScheduleColumn::D), c.cell.toStdU16String()) << c.keys;
        EXPECT_EQ(Current(), c.current) << c.keys;
        EXPECT_EQ(Editing(), c.editing) << c.keys;
        if (Editing()) {
            Key(Qt::Key_Escape);
        }
        while (s().UndoStack().canUndo()) {
            s().UndoStack().undo();
        }
    }
}

// A grade typed over its list takes the list's spelling; a result cell takes no
// edit.
TEST_F(ScheduleKeysTest, TypingReplacesAListedCellAndLeavesResultsAlone) {
    ClickCell(1, Col(ScheduleColumn::Grade));
    Keys("c35");
    Key(Qt::Key_Return);
    EXPECT_EQ(model().Cell(1, ScheduleColumn::Grade), u"C35");  // as the list writes it
    EXPECT_EQ(Current(), QStringLiteral("2,%1").arg(Col(ScheduleColumn::Grade)));

    ClickCell(1, rokal::TableColumnOf(ResultColumn::Ra));
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_Backspace, Qt::Key_5}) {
        Key(key);
        EXPECT_FALSE(Editing());
    }
    EXPECT_EQ(s().UndoStack().count(), 1);
}

// Ctrl+Arrow stops at the last filled cell of a run, or goes over empty cells
// to the next filled one, or to the table's edge; hidden columns are passed over.
TEST_F(ScheduleKeysTest, CtrlArrowGoesToTheEdgeOfTheData) {
    const int nk = Col(ScheduleColumn::Nk);
    const int n = Col(ScheduleColumn::N);
    const int raMargin = rokal::TableColumnOf(ResultColumn::RaMargin);
    const int remark = rokal::TableColumnOfKept(0);
    const struct {
        int row, column;
        Qt::Key key;
        int toRow, toColumn;
    } moves[] = {
        {0, nk, Qt::Key_Down, 1, nk},             // 5000, 8000, then an empty cell
        {1, nk, Qt::Key_Down, 3, nk},             // over the empty cell to 3000
        {2, nk, Qt::Key_Down, 3, nk},             // from the empty cell
        {3, nk, Qt::Key_Up, 1, nk},               // back over it
        {0, n, Qt::Key_Down, 1, n},               // from an empty cell to the next filled one
        {1, n, Qt::Key_Up, 0, n},                 // nothing filled above: the table's edge
        {0, 1, Qt::Key_Down, 29, 1},              // a column filled to its end
        {2, 1, Qt::Key_Right, 2, 5},              // ZH3's inputs end at its process
        {0, 8, Qt::Key_Right, 0, raMargin},       // ZH1 has no N, so no Rc check
        {0, raMargin, Qt::Key_Right, 0, remark},  // over the hidden proposals
        {0, remark, Qt::Key_Right, 0, remark},    // the last column
        {5, 0, Qt::Key_Left, 5, 0},
    };
    for (const auto& move : moves) {
        ClickCell(move.row, move.column);
        Key(move.key, Qt::ControlModifier);
        EXPECT_EQ(Current(), QStringLiteral("%1,%2").arg(move.toRow).arg(move.toColumn))
            << "from " << move.row << "," << move.column << " key " << move.key;
        EXPECT_EQ(table()->selectionModel()->selectedIndexes().size(), 1);
    }

    // With Shift the selection grows to the same edge.
    ClickCell(0, nk);
    Key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(table()->selectionModel()->selectedIndexes().size(), 4);
    EXPECT_EQ(Current(), QStringLiteral("3,%1").arg(nk));
}

TEST_F(ScheduleKeysTest, ShiftSpaceSelectsRowsAndCtrlSpaceColumns) {
    QItemSelectionModel& selection = *table()->selectionModel();
    SelectBlock(2, 1, 3, 2);
    Key(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_TRUE(selection.isRowSelected(2, {}));
    EXPECT_TRUE(selection.isRowSelected(3, {}));
    EXPECT_FALSE(selection.isRowSelected(4, {}));
    EXPECT_EQ(Current(), "2,1");
    // Whole rows go with Ctrl+Del, after the question.
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(deleteAsked, std::vector<int>{2});
    EXPECT_EQ(model().RowCount(), 28);

    SelectBlock(2, 1, 3, 2);
    Key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(selection.isColumnSelected(1, {}));
    EXPECT_TRUE(selection.isColumnSelected(2, {}));
    EXPECT_FALSE(selection.isColumnSelected(3, {}));
    EXPECT_EQ(Current(), "2,1");

    // In an editor a space stays a space.
    ClickCell(0, 0);
    Key(Qt::Key_F2);
    Key(Qt::Key_Space, Qt::ShiftModifier);
    Key(Qt::Key_Return);
    EXPECT_EQ(model().Cell(0, ScheduleColumn::Mark), u"ZH1 ");
}

// Each selected column takes its top cell's text; a single cell takes the one above.
TEST_F(ScheduleKeysTest, CtrlDFillsDownAsOneStep) {
    SelectBlock(0, Col(ScheduleColumn::Grade), 3, Col(ScheduleColumn::Nk));
    Key(Qt::Key_D, Qt::ControlModifier);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(Shown(row, ScheduleColumn::Grade), "C40");
        EXPECT_EQ(Shown(row, ScheduleColumn::Process), "泥浆护壁");
        EXPECT_EQ(Shown(row, ScheduleColumn::Nk), "5000");
    }
    EXPECT_EQ(Shown(4, ScheduleColumn::Nk), "12000");
    // ZH2 is ZH1's size now, and computed so.
    EXPECT_EQ(Shown(1, ResultColumn::Rc), Shown(0, ResultColumn::Rc));
    EXPECT_EQ(Status(), "已向下填充 8 个单元格");  // ZH3's grade was C40 already
    EXPECT_EQ(s().UndoStack().count(), 1);
    EXPECT_EQ(s().UndoStack().undoText(), "向下填充");

    ClickCell(3, Col(ScheduleColumn::N));
    Key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Shown(3, ScheduleColumn::N), "");  // ZH3's N is empty
    ClickCell(2, Col(ScheduleColumn::N));
    Key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Shown(2, ScheduleColumn::N), "7000");

    // Nothing above the first row, and results take nothing.
    for (const int column : {Col(ScheduleColumn::D), rokal::TableColumnOf(ResultColumn::Ra)}) {
        ClickCell(column == Col(ScheduleColumn::D) ? 0 : 5, column);
        Key(Qt::Key_D, Qt::ControlModifier);
        EXPECT_TRUE(Status().startsWith("没有可向下填充的单元格")) << column;
    }
    EXPECT_EQ(s().UndoStack().count(), 3);
}

TEST_F(ScheduleKeysTest, CtrlXCopiesAndEmptiesTheInputCells) {
    const int ra = rokal::TableColumnOf(ResultColumn::Ra);
    QString copied;
    for (int row : {0, 1}) {
        QStringList cells;
        for (int column = Col(ScheduleColumn::Nk); column <= ra; ++column) {
            cells << Shown(row, column);
        }
        copied += cells.join('\t') + "\r\n";
    }
    SelectBlock(0, Col(ScheduleColumn::Nk), 1, ra);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), copied);
    EXPECT_EQ(Shown(0, ScheduleColumn::Nk), "");
    EXPECT_EQ(Shown(1, ScheduleColumn::N), "");
    EXPECT_EQ(Shown(0, ResultColumn::Ra), "26125");
    EXPECT_EQ(s().UndoStack().undoText(), "剪切");
    EXPECT_EQ(Status(), "已剪切 2 行 5 列");

    ClickCell(5, Col(ScheduleColumn::Nk));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(6, ScheduleColumn::N), "7000");
    Trigger(s().act_undo);
    Trigger(s().act_undo);
    EXPECT_EQ(Shown(1, ScheduleColumn::N), "7000");
    EXPECT_FALSE(s().isWindowModified());
}

// Every control of the tool bars is named by a label whose letter, with Alt,
// puts the focus on it; Enter there gives the focus back to the table. Letters
// of the menu bar and the tool bars differ.
TEST_F(ScheduleKeysTest, EveryToolBarSettingIsReachedWithAlt) {
    QStringList letters;
    for (QAction* menu : s().menuBar()->actions()) {
        letters << QKeySequence::mnemonic(menu->text()).toString();
    }
    int controls = 0;
    for (QToolBar* bar : s().findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            QWidget* control = bar->widgetForAction(action);
            if (action->isSeparator() || qobject_cast<QToolButton*>(control) ||
                qobject_cast<QLabel*>(control)) {
                continue;
            }
            ++controls;
            QLabel* label = nullptr;
            for (QLabel* candidate : bar->findChildren<QLabel*>()) {
                label = candidate->buddy() == control ? candidate : label;
            }
            ASSERT_NE(label, nullptr) << control->objectName().toStdString();
            const QKeySequence letter = QKeySequence::mnemonic(label->text());
            ASSERT_FALSE(letter.isEmpty()) << label->text().toStdString();
            letters << letter.toString();

            table()->setFocus();
            QTest::keyClick(&s(), letter[0].key(), Qt::AltModifier);
            EXPECT_EQ(QApplication::focusWidget(), control) << label->text().toStdString();
            Key(Qt::Key_Return);
            EXPECT_EQ(QApplication::focusWidget(), table()) << label->text().toStdString();
        }
    }
    EXPECT_GE(controls, 2);
    const qsizetype count = letters.size();
    letters.removeDuplicates();
    EXPECT_EQ(letters.size(), count) << letters.join(' ').toStdString();
}

TEST_F(ScheduleKeysTest, TheToolBarSettingsChangeFromTheKeyboard) {
    table()->setFocus();
    QTest::keyClick(&s(), Qt::Key_P, Qt::AltModifier);
    Key(Qt::Key_Up);
    EXPECT_EQ(model().Precision(), rokal::PrecisionMode::OneDecimal);
    Key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), table());

    QTest::keyClick(&s(), Qt::Key_R, Qt::AltModifier);
    QTest::keyClick(s().cbe_step->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    Keys("100mm");
    Key(Qt::Key_Return);
    EXPECT_EQ(model().Step(), (rokal::DepthStep{rokal::DepthStep::Unit::Millimetres, 100000}));
    EXPECT_EQ(QApplication::focusWidget(), table());

    QTest::keyClick(&s(), Qt::Key_M, Qt::AltModifier);
    QTest::keyClick(s().cbe_minSocket->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    Keys("0.2d,200mm");
    Key(Qt::Key_Return);
    EXPECT_EQ(rokal::MinSocketText(model().MinimumSocket()), u"0.2d,200mm");
    EXPECT_EQ(QApplication::focusWidget(), table());
}

// Every action is in a menu, and every entry of a menu has a letter of its own.
TEST_F(ScheduleKeysTest, EveryActionIsInAMenuWithItsLetter) {
    QList<QAction*> inMenus;
    for (QAction* entry : s().menuBar()->actions()) {
        ASSERT_FALSE(QKeySequence::mnemonic(entry->text()).isEmpty())
            << entry->text().toStdString();
        QStringList letters;
        for (QAction* action : entry->menu()->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            inMenus << action;
            letters << QKeySequence::mnemonic(action->text()).toString();
            EXPECT_FALSE(letters.back().isEmpty()) << action->text().toStdString();
        }
        const qsizetype count = letters.size();
        letters.removeDuplicates();
        EXPECT_EQ(letters.size(), count) << entry->text().toStdString();
    }
    for (QAction* action : s().findChildren<QAction*>()) {
        if (action->objectName().startsWith("act_")) {
            EXPECT_TRUE(inMenus.contains(action)) << action->objectName().toStdString();
        }
    }
    // The tool bars show the names without the letters.
    EXPECT_EQ(s().act_open->text(), "打开(&O)…");
    EXPECT_EQ(s().act_open->iconText(), "打开…");
}

TEST_F(ScheduleKeysTest, SortingIsChosenFromTheMenu) {
    const int ra = rokal::TableColumnOf(ResultColumn::Ra);
    ClickCell(4, ra);
    Trigger(s().act_sortDescending);
    EXPECT_EQ(table()->model()->index(0, ra).data().toString(), "26323");
    EXPECT_EQ(table()->model()->index(0, 0).data().toString(), "ZH20");
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorSection(), ra);
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(Status(), "已按“Ra(kN)”降序排列");

    // From the keyboard: Alt and the menu's letter, then the entry's.
    ClickCell(0, 0);
    QTest::keyClick(&s(), Qt::Key_O, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_A);
    QCoreApplication::processEvents();
    EXPECT_EQ(table()->model()->index(9, 0).data().toString(), "ZH10");
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorSection(), 0);

    Trigger(s().act_scheduleOrder);
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorSection(), -1);
    EXPECT_EQ(s().SourceRow(9), 9);
}

}  // namespace
