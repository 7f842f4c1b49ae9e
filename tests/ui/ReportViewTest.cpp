// The report view's line operations against a plain list of lines.
#include <gtest/gtest.h>
#include <QStringList>

#include "ui/widgets/ReportView.h"

namespace {

QStringList Lines(const rokal::ReportView& view) {
    QStringList lines;
    for (int i = 0; i < view.LineCount(); ++i) {
        lines << view.Line(i);
    }
    return lines;
}

class ReportViewTest : public ::testing::Test {
  protected:
    void Expect(const QStringList& expected) {
        EXPECT_EQ(Lines(view), expected);
        EXPECT_EQ(view.toPlainText(), expected.join(u'\n'));
    }
    rokal::ReportView view;
};

TEST_F(ReportViewTest, AppendsBlocksOfLinesAtTheEnd) {
    view.AppendLines({"a", "b"});
    view.AppendLines({"c"});
    view.AppendLines({});
    Expect({"a", "b", "c"});
}

TEST_F(ReportViewTest, RemovesFirstMiddleAndLastLines) {
    view.AppendLines({"0", "1", "2", "3", "4"});
    view.RemoveLine(4);
    Expect({"0", "1", "2", "3"});
    view.RemoveLine(1);
    Expect({"0", "2", "3"});
    view.RemoveLine(0);
    Expect({"2", "3"});
    view.RemoveLine(7);  // out of range: nothing happens
    view.RemoveLine(-1);
    Expect({"2", "3"});
    view.RemoveLine(1);
    view.RemoveLine(0);
    Expect({});
    view.AppendLines({"new"});
    Expect({"new"});
}

TEST_F(ReportViewTest, ClearEmptiesAndKeepsTheSize) {
    view.SetTextSize(17.25);
    view.AppendLines({"x", "y"});
    view.ClearLines();
    Expect({});
    EXPECT_DOUBLE_EQ(view.TextSize(), 17.25);
    EXPECT_DOUBLE_EQ(view.document()->defaultFont().pointSizeF(), 17.25);
}

TEST_F(ReportViewTest, TakesNoTypingAndDoesNotWrap) {
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_EQ(view.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(view.font().families().value(0), "SimHei");
    EXPECT_DOUBLE_EQ(view.TextSize(), 12.0);
}

}  // namespace
