// Blocks pasted from spreadsheets: with their header row, with numbers grouped by
// thousands, as an HTML table only, and with columns the table lacks; and the
// folder the file dialogs start in.
#include <QDir>
#include <QMimeData>
#include <QStatusBar>

#include "schedule/ScheduleCsv.h"
#include "schedule/ScheduleFile.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"

namespace {

using rokal::ScheduleColumn;

class SchedulePasteTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        Open(Fixture("schedule30.csv"));
        ASSERT_EQ(model().DecimalSeparator(), u'.');
    }

    void Paste(int row, int column, const QString& text) {
        QApplication::clipboard()->setText(text);
        Select(row, column);
        Trigger(s().act_paste);
    }
    QString Cell(int row, ScheduleColumn column) {
        return QString::fromStdU16String(model().Cell(row, column));
    }
    QString Kept(int row, int kept) {
        return QString::fromStdU16String(
            model().GetSchedule().rows.at(row).extra.at(static_cast<std::size_t>(kept)));
    }
    QString Status() { return s().statusBar()->currentMessage(); }
    std::string Saved() { return rokal::ScheduleToCsv(model().GetSchedule()); }
};

// The header's names choose the columns wherever the block is pasted; a name
// the table lacks becomes a column of its own, and grouped loads are numbers.
TEST_F(SchedulePasteTest, AHeaderRowMapsTheColumnsByName) {
    const std::string before = Saved();
    Paste(29, rokal::TableColumnOf(ScheduleColumn::Process),
          "嵌岩深度(mm)\t桩号\tNk\t备注\t图号\r\n"
          "2.5d\tZH31\t\"9,000\"\t新/A\tS-1\r\n"
          "1.5d\t\t8,500.5\t新/B\t\r\n");
    ASSERT_EQ(model().RowCount(), 31) << Status().toStdString();
    EXPECT_EQ(Cell(29, ScheduleColumn::Hr), "2.5d");
    EXPECT_EQ(Cell(29, ScheduleColumn::Mark), "ZH31");
    EXPECT_EQ(Cell(29, ScheduleColumn::Nk), "9000");
    EXPECT_EQ(Cell(29, ScheduleColumn::D), "1400");  // not in the block: kept
    EXPECT_EQ(Kept(29, 0), "新/A");
    EXPECT_EQ(Cell(30, ScheduleColumn::Nk), "8500.5");
    EXPECT_EQ(Cell(30, ScheduleColumn::Hr), "1.5d");
    EXPECT_EQ(Cell(30, ScheduleColumn::D), "");
    EXPECT_EQ(Kept(30, 0), "新/B");
    ASSERT_EQ(model().GetSchedule().extraColumns, (std::vector<std::u16string>{u"备注", u"图号"}));
    EXPECT_EQ(Kept(29, 1), "S-1");
    EXPECT_EQ(Kept(28, 1), "");
    EXPECT_EQ(table()->model()->headerData(rokal::TableColumnOfKept(1), Qt::Horizontal), "图号");
    EXPECT_EQ(Status(),
              "已粘贴 2 行，其中新增 1 行；按首行表头的列名粘贴；新增 1 列“图号”；"
              "2 个数字去掉了千位分隔符");

    // The saved file holds plain numbers and the new column, and reads back.
    const std::string saved = Saved();
    EXPECT_NE(saved.find("桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N,备注,图号\r\n"),
              std::string::npos);
    EXPECT_NE(saved.find("ZH31,1400,2.5d,20,C35,泥浆护壁,9000,4000,新/A,S-1\r\n"),
              std::string::npos);
    EXPECT_EQ(rokal::ScheduleToCsv(rokal::ParseSchedule(saved)), saved);

    // One step back, columns and rows together.
    Trigger(s().act_undo);
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(table()->model()->columnCount(), rokal::TableColumnOfKept(1));
    Trigger(s().act_redo);
    EXPECT_EQ(Kept(29, 1), "S-1");
}

// A pasted header's units convert their columns, as a file's do.
TEST_F(SchedulePasteTest, AHeaderRowsUnitsConvertItsColumns) {
    Paste(0, 0, "桩径(m)\tNk（MN）\r\n1.2\t9.5\r\n");
    EXPECT_EQ(Cell(0, ScheduleColumn::D), "1200");
    EXPECT_EQ(Cell(0, ScheduleColumn::Nk), "9500");
}

TEST_F(SchedulePasteTest, AHeaderRowThatCannotBeUsedPastesNothing) {
    const struct {
        const char* block;
        const char* word;
    } cases[] = {
        {"桩径\td(mm)\r\n1000\t1200\r\n", "粘贴的首行是表头，但桩表的列重复：桩径 (d)，未粘贴"},
        {"桩号\tNk\r\n", "粘贴的只有表头行，没有数据，未粘贴"},
        {"桩号\t嵌岩深度(km)\r\nA\t1\r\n",
         "粘贴的首行是表头，但第2列“嵌岩深度(km)”的单位“km”不可用：嵌岩深度 (hr) 的单位应为 "
         "mm、cm 或 m，未粘贴"},
    };
    for (const auto& c : cases) {
        Paste(0, 0, c.block);
        EXPECT_EQ(Status(), c.word);
    }
    EXPECT_EQ(s().UndoStack().count(), 0);
}

// A block without a header: grouped numbers are made plain where a number
// belongs, other texts stay as pasted.
TEST_F(SchedulePasteTest, GroupedNumbersArePastedAsNumbers) {
    Paste(0, 0, "1,000\t1,400\t2,000\t40\tC40\t泥浆护壁\t12,500.5\t8,00\t1,000\r\n");
    EXPECT_EQ(Cell(0, ScheduleColumn::Mark), "1,000");
    EXPECT_EQ(Cell(0, ScheduleColumn::D), "1400");
    EXPECT_EQ(Cell(0, ScheduleColumn::Hr), "2000");
    EXPECT_EQ(Cell(0, ScheduleColumn::Nk), "12500.5");
    EXPECT_EQ(Cell(0, ScheduleColumn::N), "8,00");  // no thousands: a bad cell
    EXPECT_EQ(Shown(0, rokal::ResultColumn::Ra), "");
    EXPECT_EQ(Status(),
              "已粘贴 1 行，其中新增 0 行；1 个单元格落在计算结果列，未粘贴；"
              "3 个数字去掉了千位分隔符");
}

// A table only as HTML, as some programs copy it: its header maps the columns,
// a merged cell fills its first place, a line break becomes a space.
TEST_F(SchedulePasteTest, AnHtmlTableIsPastedLikeText) {
    auto* mime = new QMimeData;
    mime->setHtml(
        "<html><body><!--StartFragment--><table border=1>"
        "<tr><th>桩号</th><th>桩径</th><th>Nk</th><th>备注</th></tr>"
        "<tr><td>A1</td><td>1,200</td><td>&nbsp;</td><td>第一<br>行</td></tr>"
        "<tr><td colspan=\"2\">A2</td><td> 7,000 </td><td>x &amp; y</td></tr>"
        "</table><!--EndFragment--></body></html>");
    QApplication::clipboard()->setMimeData(mime);
    Select(3, 0);
    Trigger(s().act_paste);
    EXPECT_EQ(Cell(3, ScheduleColumn::Mark), "A1");
    EXPECT_EQ(Cell(3, ScheduleColumn::D), "1200");
    EXPECT_EQ(Cell(3, ScheduleColumn::Nk), "");
    EXPECT_EQ(Kept(3, 0), "第一 行");
    EXPECT_EQ(Cell(4, ScheduleColumn::Mark), "A2");
    EXPECT_EQ(Cell(4, ScheduleColumn::D), "");
    EXPECT_EQ(Cell(4, ScheduleColumn::Nk), "7000");
    EXPECT_EQ(Kept(4, 0), "x & y");
    EXPECT_EQ(Cell(4, ScheduleColumn::Hr), "3d");

    // HTML without a table is nothing to paste.
    mime = new QMimeData;
    mime->setHtml("<p>8,000</p>");
    QApplication::clipboard()->setMimeData(mime);
    Trigger(s().act_paste);
    EXPECT_EQ(Status(), "剪贴板上没有可粘贴的文本或表格");
    EXPECT_EQ(s().UndoStack().count(), 1);
}

// Fields beyond the last column become columns of their own, named for the
// paste; a column that is empty throughout adds nothing.
TEST_F(SchedulePasteTest, FieldsBeyondTheTableBecomeColumnsOfTheirOwn) {
    const int remark = rokal::TableColumnOfKept(0);
    Paste(1, remark, "a\tb\t\tc\r\nd\r\n");
    EXPECT_EQ(Kept(1, 0), "a");
    EXPECT_EQ(Kept(2, 0), "d");
    ASSERT_EQ(model().GetSchedule().extraColumns,
              (std::vector<std::u16string>{u"备注", u"粘贴列1", u"粘贴列2"}));
    EXPECT_EQ(Kept(1, 1), "b");
    EXPECT_EQ(Kept(1, 2), "c");
    EXPECT_EQ(Kept(2, 2), "");
    EXPECT_EQ(Status(), "已粘贴 2 行，其中新增 0 行；新增 2 列“粘贴列1”、“粘贴列2”");

    // A later paste takes the next free name, and the rows added have every column.
    Paste(29, remark, "e\tf\tg\th\r\ni\tj\tk\tl\r\n");
    EXPECT_EQ(model().GetSchedule().extraColumns.back(), u"粘贴列3");
    EXPECT_EQ(Kept(30, 3), "l");

    // Too many new columns are refused before anything changes.
    const int steps = s().UndoStack().count();
    Paste(0, remark, QString("x\t").repeated(rokal::ScheduleWindow::kMaxKeptColumns) + "x");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.front().text.contains("未粘贴"));
    EXPECT_EQ(s().UndoStack().count(), steps);
}

// The open dialog starts where the last file was opened or saved, in this
// window or an earlier one, as long as that folder is there.
TEST_F(SchedulePasteTest, TheFileDialogsStartInTheLastFolderUsed) {
    QDir(folder.path()).mkdir("a");
    QDir(folder.path()).mkdir("b");
    const QString a = InFolder("a"), b = InFolder("b");
    ASSERT_TRUE(QFile::copy(Fixture("schedule30.csv"), a + "/桩表.csv"));
    Open(a + "/桩表.csv");
    ASSERT_TRUE(s().close());

    w().OpenScheduleWindow();
    Trigger(s().act_open);
    EXPECT_EQ(openFolder, a);
    Trigger(s().act_saveAs);
    EXPECT_EQ(suggestedSave, a + "/桩表.csv");

    savePath = b + "/new.csv";
    Trigger(s().act_saveAs);
    Trigger(s().act_open);
    EXPECT_EQ(openFolder, b);

    ASSERT_TRUE(s().close());
    ASSERT_TRUE(QDir(b).removeRecursively());
    w().OpenScheduleWindow();
    Trigger(s().act_open);
    EXPECT_EQ(openFolder, QDir::homePath() + "/Documents");
}

}  // namespace
