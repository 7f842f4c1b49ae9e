// The report view: following its lines, the caret, selecting and copying, and
// characters standing in their cells.
#include <gtest/gtest.h>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <vector>

#include "print/ReportColumns.h"
#include "report/DisplayWidth.h"
#include "report/TextReport.h"
#include "tests/report/ReportTestSupport.h"
#include "ui/widgets/ReportView.h"

namespace {

using rokal::TextPosition;

// A view of lines held by the test, as the report log holds them.
class ReportViewTest : public ::testing::Test {
  protected:
    ReportViewTest() {
        view.SetLines(&lines);
        view.resize(400, 300);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void Append(const QStringList& added) {
        for (const QString& line : added) {
            lines.push_back(line.toStdU16String());
        }
        view.LinesAppended(static_cast<int>(added.size()));
    }
    void Remove(int index) {
        lines.erase(lines.begin() + index);
        view.LineRemoved(index);
    }
    void Clear() {
        lines.clear();
        view.LinesCleared();
    }

    QStringList Shown() const {
        QStringList shown;
        for (int i = 0; i < view.LineCount(); ++i) {
            shown << view.Line(i);
        }
        return shown;
    }
    void Expect(const QStringList& expected) {
        EXPECT_EQ(Shown(), expected);
        EXPECT_EQ(view.Text(), expected.join(u'\n'));
    }

    void Press(TextPosition at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(view.viewport(), Qt::LeftButton, modifiers,
                          view.PointOf(at).toPoint() + QPoint(1, 0));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, modifiers,
                            view.PointOf(at).toPoint() + QPoint(1, 0));
    }
    void Drag(TextPosition from, TextPosition to) {
        const QPoint start = view.PointOf(from).toPoint() + QPoint(1, 0);
        const QPoint end = view.PointOf(to).toPoint() + QPoint(1, 0);
        QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, start);
        QMouseEvent move(QEvent::MouseMove, end, view.viewport()->mapToGlobal(end), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &move);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, end);
    }
    void Keys(QKeySequence::StandardKey key) {
        const QKeySequence sequence(key);
        QTest::keySequence(&view, sequence);
    }

    rokal::ReportView::LineList lines;
    rokal::ReportView view;
};

void ExpectCaret(const rokal::ReportView& view, TextPosition expected, const char* when) {
    EXPECT_EQ(view.CaretPosition().line, expected.line) << when;
    EXPECT_EQ(view.CaretPosition().column, expected.column) << when;
}

TEST_F(ReportViewTest, FollowsAppendsRemovalsAndClears) {
    Append({"0", "1", "2"});
    Append({"3", "4"});
    Append({});
    Expect({"0", "1", "2", "3", "4"});
    Remove(4);
    Expect({"0", "1", "2", "3"});
    Remove(1);
    Expect({"0", "2", "3"});
    Remove(0);
    Expect({"2", "3"});
    view.LineRemoved(7);  // out of range: nothing happens
    view.LineRemoved(-1);
    Expect({"2", "3"});
    Remove(1);
    Remove(0);
    Expect({});
    Append({"new", "lines"});
    Clear();
    Expect({});
    Append({"again"});
    Expect({"again"});
}

TEST_F(ReportViewTest, TakesLinesThatWereThereBefore) {
    lines = {u"桩", u"ζr"};
    view.SetLines(&lines);
    Expect({"桩", "ζr"});
    view.SetLines(nullptr);
    Expect({});
}

TEST_F(ReportViewTest, ClearEmptiesAndKeepsTheSize) {
    view.SetTextSize(17.25);
    Append({"x", "y"});
    Clear();
    Expect({});
    EXPECT_DOUBLE_EQ(view.TextSize(), 17.25);
    EXPECT_NEAR(QFontInfo(view.font()).pixelSize(), 17.25, 0.5);
    EXPECT_EQ(view.font().families().value(0), "SimHei");
}

// Where the caret at column 1 of a line goes when a line is removed.
TEST_F(ReportViewTest, CaretFollowsRemovedLines) {
    struct Case {
        int caretLine;
        int removed;
        TextPosition expected;
    };
    const std::vector<Case> cases = {
        {3, 1, {2, 1}},  // a line above: up by one
        {1, 3, {1, 1}},  // a line below: stays
        {2, 2, {2, 0}},  // its own line: the start of the line that moves up
        {4, 4, {3, 0}},  // its own line, the last: the start of the new last line
        {0, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        Clear();
        Append({"l0", "l1", "l2", "l3", "l4"});
        Press({c.caretLine, 1});
        ExpectCaret(view, {c.caretLine, 1}, "pressed");
        Remove(c.removed);
        ExpectCaret(view, c.expected, "removed");
    }
    Remove(3);
    Remove(2);
    Remove(1);
    Remove(0);
    ExpectCaret(view, {0, 0}, "all removed");
}

TEST_F(ReportViewTest, AppendingMovesNeitherCaretNorView) {
    for (int i = 0; i < 100; ++i) {
        Append({QString("line %1 ").arg(i).repeated(16)});
    }
    view.verticalScrollBar()->setValue(40);
    view.horizontalScrollBar()->setValue(30);
    Press({45, 3});
    Append({"more", QString("wider than any line before ").repeated(10)});
    ExpectCaret(view, {45, 3}, "after appending");
    EXPECT_EQ(view.verticalScrollBar()->value(), 40);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 30);

    view.CaretToStart();
    ExpectCaret(view, {0, 0}, "to start");
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);

    Press({45, 3});
    Clear();
    ExpectCaret(view, {0, 0}, "cleared");
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
}

TEST_F(ReportViewTest, CopiesTheSelectionAsPlainText) {
    Append({"abc", "桩ζ12", "", "xyz"});
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");

    Keys(QKeySequence::Copy);  // nothing selected: nothing copied
    EXPECT_EQ(clipboard->text(), "before");

    Drag({0, 1}, {1, 2});
    Keys(QKeySequence::Copy);
    EXPECT_EQ(clipboard->text(), "bc\n桩ζ");

    Press({3, 2}, Qt::ShiftModifier);
    view.Copy();
    EXPECT_EQ(clipboard->text(), "bc\n桩ζ12\n\nxy");

    Drag({1, 3}, {1, 1});  // backwards
    EXPECT_EQ(view.SelectedText(), "ζ1");

    Keys(QKeySequence::SelectAll);
    Keys(QKeySequence::Copy);
    EXPECT_EQ(clipboard->text(), "abc\n桩ζ12\n\nxyz");
}

TEST_F(ReportViewTest, KeysScrollTheView) {
    for (int i = 0; i < 200; ++i) {
        Append({QString::number(i)});
    }
    QScrollBar* bar = view.verticalScrollBar();
    const int page = bar->pageStep();
    ASSERT_GT(page, 1);
    struct Case {
        QKeyCombination key;
        int expected;
    };
    const std::vector<Case> cases = {
        {Qt::ControlModifier | Qt::Key_End, bar->maximum()},
        {Qt::ControlModifier | Qt::Key_Home, 0},
        {QKeyCombination(Qt::Key_Down), 1},
        {QKeyCombination(Qt::Key_PageDown), 1 + page},
        {QKeyCombination(Qt::Key_PageUp), 1},
        {QKeyCombination(Qt::Key_Up), 0},
    };
    for (const Case& c : cases) {
        QTest::keyClick(&view, c.key.key(), c.key.keyboardModifiers());
        EXPECT_EQ(view.FirstVisibleLine(), c.expected) << c.key.toCombined();
    }
}

TEST_F(ReportViewTest, TextSizeKeepsTheFirstLineAndRelaysTheWidth) {
    for (int i = 0; i < 200; ++i) {
        Append({QString("%1 桩身截面 ζr").arg(i).repeated(5)});
    }
    view.verticalScrollBar()->setValue(50);
    view.SetTextSize(20);
    EXPECT_EQ(view.FirstVisibleLine(), 50);
    const int wide = view.horizontalScrollBar()->maximum();
    view.SetTextSize(8.5);
    EXPECT_EQ(view.FirstVisibleLine(), 50);
    EXPECT_LT(view.horizontalScrollBar()->maximum(), wide);
    EXPECT_NEAR(view.CellWidth(), QFontMetricsF(rokal::ReportFont(8.5)).horizontalAdvance(u'0'),
                1e-9);
}

TEST(ReportColumnsTest, CellsOfUnits) {
    struct Case {
        char16_t unit;
        int cells;
    };
    const std::vector<Case> cases = {
        {u'a', 1},  {u' ', 1},  {u'~', 1},   {0x0FFF, 1}, {0x1000, 2}, {u'≤', 2},   {u'∑', 2},
        {u'《', 2}, {u'桩', 2}, {0x9FA5, 2}, {0x9FA6, 1}, {0x0390, 1}, {0x0391, 2}, {u'ζ', 2},
        {u'μ', 2},  {u'ψ', 2},  {0x03C9, 2}, {0x03CA, 1}, {u'：', 2},  {0xD83D, 1}, {0xDE00, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rokal::CellsOf(QChar(c.unit)), c.cells) << std::hex << int(c.unit);
    }
}

TEST(ReportColumnsTest, NearestBoundaryNeverSplitsAPair) {
    const QString line = QString::fromUtf16(u"a桩\U0001F600b");
    struct Case {
        double cells;
        qsizetype index;
    };
    // a: cell 0; 桩: cells 1-2; the pair: cells 3-4; b: cell 5.
    const std::vector<Case> cases = {{-3, 0},  {0.4, 0}, {0.6, 1}, {1.9, 1}, {2.1, 2},
                                     {3.9, 2}, {4.1, 4}, {5.6, 5}, {40, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(rokal::IndexNearCell(line, c.cells), c.index) << c.cells;
    }
}

// The worked example's report lines: both documents of its first pile.
rokal::Lines WorkedExampleLines() {
    using namespace rokal;
    const PileInput input = test::DefaultInput();
    const PileResult result = test::Compute(input);
    Lines all = TableHeaderLines();
    all.push_back(TableRowLine(1, input, result, PrecisionMode::Units, u'.'));
    for (const std::u16string& line : TableFooterLines(u"2024/3/5 14:07:09")) {
        all.push_back(line);
    }
    for (const std::u16string& line :
         TextBlockLines(1, input, result, PrecisionMode::Units, u"2024/3/5 14:07:09", u'.')) {
        all.push_back(line);
    }
    return all;
}

// Columns by the padding rule, with the letters that the report font draws two
// cells wide taking their second cell.
int ColumnOf(const std::u16string& line, std::size_t index) {
    const std::u16string before = line.substr(0, index);
    int drawnWide = 0;
    for (char16_t c : before) {
        drawnWide += (c >= 0x0391 && c <= 0x03C9) || c == u'：' ? 1 : 0;
    }
    return rokal::DisplayWidth(before) + drawnWide;
}

TEST_F(ReportViewTest, WorkedExampleColumnsStandAtTheirCells) {
    lines = WorkedExampleLines();
    view.SetLines(&lines);
    for (double size : {4.0, 12.0, 13.37, 24.0}) {
        view.SetTextSize(size);
        const double cell = view.CellWidth();
        for (int i = 0; i < view.LineCount(); ++i) {
            const std::u16string& line = lines[static_cast<std::size_t>(i)];
            for (std::size_t index = 0; index <= line.size(); ++index) {
                ASSERT_NEAR(view.XOfColumn(i, static_cast<int>(index)),
                            ColumnOf(line, index) * cell, 1e-9)
                    << size << " line " << i << " index " << index;
            }
        }
    }
}

// In the text report every value after a label ends at column 45, also after the
// labels with μ, ζr and ψc.
TEST_F(ReportViewTest, TextReportValuesEndAtColumn45) {
    lines = WorkedExampleLines();
    view.SetLines(&lines);
    int checked = 0;
    int greek = 0;
    for (int i = 0; i < view.LineCount(); ++i) {
        const QString line = view.Line(i);
        const qsizetype colon = line.indexOf(u':');
        const qsizetype value = colon < 0 ? -1 : line.indexOf(QRegularExpression("\\S"), colon + 1);
        if (!line.startsWith(u' ') || value < 0) {
            continue;
        }
        const qsizetype end =
            line.indexOf(u' ', value) < 0 ? line.size() : line.indexOf(u' ', value);
        EXPECT_DOUBLE_EQ(view.XOfColumn(i, static_cast<int>(end)), 45 * view.CellWidth())
            << line.toStdString();
        ++checked;
        greek += line.contains(QRegularExpression("[μζψ]")) ? 1 : 0;
    }
    EXPECT_GE(checked, 20);
    EXPECT_EQ(greek, 3);
}

// The rightmost ink of a view showing only the line.
int RightmostInk(rokal::ReportView& view, const QString& text) {
    rokal::ReportView::LineList one = {text.toStdU16String()};
    view.SetLines(&one);
    const QImage image = view.viewport()->grab().toImage();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() - 1; x > right; --x) {
            if (qGray(image.pixel(x, y)) < 224) {  // any ink, also a light edge
                right = x;
            }
        }
    }
    view.SetLines(nullptr);
    return right;
}

// A bar after six cells of Latin, Chinese and Greek letters is drawn in one place.
TEST_F(ReportViewTest, DrawnBarsLineUpAfterWideAndGreekLetters) {
    view.resize(600, 200);
    for (double size : {7.5, 12.0, 13.37, 20.0}) {
        view.SetTextSize(size);
        const int latin = RightmostInk(view, "000000|");
        ASSERT_GT(latin, 0);
        for (const char* line : {"桩桩桩|", "ζζζ|", "μ桩ψ|", "ab桩μ|", "0：ζ0|"}) {
            EXPECT_NEAR(RightmostInk(view, QString::fromUtf8(line)), latin, 1)
                << size << " " << line;
        }
    }
}

}  // namespace
