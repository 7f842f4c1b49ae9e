// The report view's line operations against a plain list of lines.
#include <gtest/gtest.h>
#include <QStringList>
#include <QTextBlock>
#include <QTextLayout>
#include <vector>

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

// Report columns line up: a Latin character takes one cell, a Chinese character
// two, and so do the Greek letters, as the report lines are laid out.
TEST_F(ReportViewTest, LinesAreDrawnInCellsOfOneAndTwo) {
    struct Line {
        QString text;
        int cells;
    };
    const std::vector<Line> lines = {{"abcdefgh", 8},      {"桩身截面", 8},     {"ζr=1.2ψc", 10},
                                     {"μ 桩 ζ12", 10},     {"ab≤∑12", 8},       {"  ψc  ", 7},
                                     {"Qrk(kN)   Ra", 12}, {"嵌岩桩计算书", 12}};
    QStringList texts;
    for (const Line& line : lines) {
        texts << line.text;
    }
    view.AppendLines(texts);
    view.AppendLines({"abcdefgh"});  // after a line that ends in a Greek letter
    view.resize(900, 500);
    view.show();
    for (double size : {7.5, 12.0, 13.37, 20.0}) {
        view.SetTextSize(size);
        (void)view.grab();  // lays out the visible lines
        const auto width = [this](int i) {
            return view.document()->findBlockByNumber(i).layout()->lineAt(0).naturalTextWidth();
        };
        const double cell = width(0) / 8;
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            EXPECT_NEAR(width(i), lines[i].cells * cell, 0.25)
                << size << " '" << view.Line(i).toStdString() << "'";
        }
        EXPECT_NEAR(width(static_cast<int>(lines.size())), width(0), 0.25) << size;
    }
}

TEST_F(ReportViewTest, TakesNoTypingAndDoesNotWrap) {
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_EQ(view.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(view.font().families().value(0), "SimHei");
    EXPECT_DOUBLE_EQ(view.TextSize(), 12.0);
}

}  // namespace
