// "加入计算书": the schedule's computed rows enter the main window's book, each
// under its own mark and with its checks, and never twice without a question.
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "schedule/ScheduleBooks.h"
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

// The marks of the table form's rows, in order.
QStringList TableMarks(const rokal::ReportLog& log) {
    QStringList marks;
    const rokal::Lines& table = log.Document(ReportDocument::Table);
    for (std::size_t i = 5; i + 4 < table.size(); ++i) {
        marks << QString::fromStdU16String(table[i]).section(QLatin1Char(' '), 0, 0,
                                                             QString::SectionSkipEmpty);
    }
    return marks;
}

// Each computed row goes into the book under its own mark, with its loads and
// checks, in the window's rounding, after the main window's own piles; the message
// says how many of them fail a check.
TEST_F(ScheduleBookTest, AppendsEachComputedRowUnderItsOwnMark) {
    Compute();  // a pile of the main window's own first
    Open(Fixture("schedule30.csv"));
    s().cbb_precision->setCurrentIndex(static_cast<int>(rokal::PrecisionMode::OneDecimal));
    messages.clear();
    QTest::keyClick(table(), Qt::Key_B, Qt::ControlModifier);

    QStringList marks = {"ZH1"};
    int failing = 0;
    for (int row = 0; row < model().RowCount(); ++row) {
        const rokal::RowResult& result = model().Result(row);
        if (result.Computed()) {
            marks << QString::fromStdU16String(rokal::RowMark(model().Row(row), row));
            failing += result.Passes() ? 0 : 1;
        }
    }
    ASSERT_GT(failing, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().kind, rokal::MessageKind::Information);
    EXPECT_EQ(
        messages.front().text,
        QString("已加入计算书 25 根桩，其中 %1 根验算不满足；5 行有错，未加入。").arg(failing));
    EXPECT_EQ(w().Log().PileCount(), 26);
    EXPECT_EQ(w().Log().UnsavedFlags(), 3);
    EXPECT_TRUE(w().cbt_View->isVisible());
    EXPECT_FALSE(w().cbt_compute->isVisible());
    // A bad row shifts no later pile's mark: ZH4 is missing, ZH5 stays ZH5.
    EXPECT_EQ(TableMarks(w().Log()), marks);
    EXPECT_TRUE(marks.contains("ZH5"));
    EXPECT_FALSE(marks.contains("ZH4"));

    rokal::ReportLog expected;
    expected.AppendPile(w().Log().Piles().front().input, w().Log().Piles().front().result,
                        rokal::PrecisionMode::Units, u"T", u'.');
    rokal::AppendScheduleToLog(expected, model().GetSchedule(), model().Results(),
                               rokal::PrecisionMode::OneDecimal, u"T", model().DecimalSeparator());
    for (ReportDocument doc : {ReportDocument::Table, ReportDocument::Text}) {
        EXPECT_EQ(AllButTime(w().Log(), doc), AllButTime(expected, doc));
    }

    // Saving and deleting behave as after "计算".
    Click(w().cbt_View);
    Click(w().cbt_sanchu);
    EXPECT_EQ(w().Log().PileCount(), 25);
}

// The same piles again would stand twice in the book: the window asks first, and
// counts only the piles that are the same (mark, inputs and loads).
TEST_F(ScheduleBookTest, AppendingTheSameScheduleAgainAsksFirst) {
    Open(Fixture("schedule30.csv"));
    Trigger(s().act_appendToBook);
    EXPECT_TRUE(questions.isEmpty());
    ASSERT_EQ(w().Log().PileCount(), 25);

    confirmations = {false};
    Trigger(s().act_appendToBook);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions.back(),
              "计算书中已有这份桩表的 25 根桩（桩号、输入和荷载都相同）。"
              "再加入一次，这些桩会在计算书中重复出现。仍要加入吗？");
    EXPECT_EQ(w().Log().PileCount(), 25);
    EXPECT_EQ(s().statusBar()->currentMessage(), "未加入计算书");

    TypeInCell(0, rokal::TableColumnOf(ScheduleColumn::Nk), "5100");
    confirmations = {true};
    Trigger(s().act_appendToBook);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions.back().startsWith("计算书中已有这份桩表的 24 根桩"))
        << questions.back().toStdString();
    EXPECT_EQ(w().Log().PileCount(), 50);

    // Once the book no longer holds them, nothing is asked.
    while (w().Log().PileCount() > 0) {
        w().cbt_sanchuClick();
    }
    Trigger(s().act_appendToBook);
    EXPECT_EQ(questions.size(), 2);
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
