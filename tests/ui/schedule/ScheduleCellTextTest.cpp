// Cells never hold control characters: typing and pasting lose them with a word in
// the status bar, a file holding them does not open, and whatever the window holds
// saves to a file that reads back the same.
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <random>

#include "schedule/CellBlock.h"
#include "schedule/CellText.h"
#include "schedule/RowReading.h"
#include "schedule/ScheduleFile.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"
#include "schedule/CellBlock.h"

namespace {

using rokal::ScheduleColumn;

const QString kWord = "单元格不能含控制字符";

class ScheduleCellTextTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        path = InFolder("桩表.csv");
        ASSERT_TRUE(QFile::copy(Fixture("schedule30.csv"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        Open(path);
    }

    static int Col(ScheduleColumn column) { return rokal::TableColumnOf(column); }
    static int Remark() { return rokal::TableColumnOfKept(0); }
    QString Status() { return s().statusBar()->currentMessage(); }

    // Saves and reads the saved file back as the program reads schedules.
    rokal::Schedule SaveAndRead() {
        s().Save();
        return rokal::ParseSchedule(ReadAll(path).toStdString());
    }

    QString path;
};

// However a control character comes into an editor, the cell does not take it.
TEST_F(ScheduleCellTextTest, AnEditorsTextLosesItsControlCharacters) {
    const struct {
        const char* name;
        void (*put)(QLineEdit* editor, const QString& text);
    } ways[] = {
        {"input method",
         [](QLineEdit* editor, const QString& text) {
             QInputMethodEvent commit;
             commit.setCommitString(text);
             QApplication::sendEvent(editor, &commit);
         }},
        {"paste into the editor",
         [](QLineEdit* editor, const QString& text) {
             QApplication::clipboard()->setText(text);
             QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
         }},
    };
    for (const auto& way : ways) {
        Select(1, Col(ScheduleColumn::D));
        QTest::keyClick(table(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << way.name;
        editor->selectAll();
        way.put(editor, QString("12") + QChar(0) + "00\r");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(model().Cell(1, ScheduleColumn::D), u"1200") << way.name;
        EXPECT_EQ(Status(),
                  "单元格不能含控制字符，已去掉 2 个（空字符 U+0000 等），"
                  "单元格内的换行和制表符改为空格")
            << way.name;
        Trigger(s().act_undo);
    }
}

// A block from a spreadsheet: a tab parts cells as ever, a quoted cell's line break
// becomes a space, a NUL goes; the saved schedule opens again.
TEST_F(ScheduleCellTextTest, APastedBlockLosesItsControlCharactersAndStillSaves) {
    QApplication::clipboard()->setText(QString("Z") + QChar(0) + "H1\t1300\r\n" +
                                       "ZH2\t\"1\u2028300\"\r\n");
    Select(0, Col(ScheduleColumn::Mark));
    Trigger(s().act_paste);
    EXPECT_EQ(model().Cell(0, ScheduleColumn::Mark), u"ZH1");
    EXPECT_EQ(model().Cell(0, ScheduleColumn::D), u"1300");
    EXPECT_EQ(model().Cell(1, ScheduleColumn::D), u"1 300");
    EXPECT_EQ(Status(),
              "已粘贴 2 行，其中新增 0 行；单元格不能含控制字符，已去掉 2 个（空字符 "
              "U+0000 等），单元格内的换行和制表符改为空格");

    QApplication::clipboard()->setText("\"1轴/A\n2轴/B\"\r\n");
    Select(2, Remark());
    Trigger(s().act_paste);
    EXPECT_EQ(model().index(2, Remark()).data().toString(), "1轴/A 2轴/B");

    const rokal::Schedule saved = SaveAndRead();
    ASSERT_EQ(saved.rows.size(), 30u);
    EXPECT_EQ(saved.rows[0].Cell(ScheduleColumn::Mark), u"ZH1");
    EXPECT_EQ(saved.rows[2].extra, std::vector<std::u16string>{u"1轴/A 2轴/B"});
    EXPECT_TRUE(s().OpenFile(path));
}

// A file whose cells hold control characters inside quotes does not open: the
// message names the line, the column and the character.
TEST_F(ScheduleCellTextTest, AFileWithAControlCharacterInACellDoesNotOpen) {
    const struct {
        const char* bytes;
        const char* message;
    } files[] = {
        {"桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,备注\n"
         "ZH1,1000,1d,25,C30,水下,a\n"
         "ZH2,1000,1d,25,C30,水下,\"b\x07\"\n",
         "第3行“备注”列含有控制字符 U+0007。"},
        {"桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk\n"
         "ZH1,1000,1d,25,C30,水下,\"9\n500\"\n",
         "第2行“Nk”列含有控制字符 换行 U+000A。"},
        {"桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,\"备\t注\"\n"
         "ZH1,1000,1d,25,C30,水下,a\n",
         "表头“备\t注”列含有控制字符 制表符 U+0009。"},
    };
    for (const auto& file : files) {
        WriteAll(InFolder("bad.csv"), file.bytes);
        messages.clear();
        EXPECT_FALSE(s().OpenFile(InFolder("bad.csv")));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages.front().text.contains(QString::fromUtf8(file.message)))
            << messages.front().text.toStdString();
        EXPECT_EQ(model().RowCount(), 30);
    }
}

// Texts made of the pieces that are hard to save: quotes, delimiters, line breaks,
// controls, characters beyond the BMP, spaces, and what looks like a formula.
class CellTexts {
  public:
    explicit CellTexts(unsigned seed) : random_(seed) {}

    QString Next() {
        static const QString kPieces[] = {"",       " ",          "  ",         ",",
                                          ";",      "\t",         "\"",         "\"\"",
                                          "\r\n",   "\n",         "\r",         "d",
                                          "1.5d",   "1200",       "9,500",      "桩",
                                          "備註",   "\U0002A6A5", "\U0001F600", QString(QChar(0)),
                                          "\u0007", "\u2028",     "\u0085",     "=SUM(A1)",
                                          "sep=;",  "'",          "（）"};
        QString text;
        const int count = Pick(5);
        for (int i = 0; i < count; ++i) {
            text += kPieces[Pick(std::size(kPieces))];
        }
        return text;
    }
    int Pick(std::size_t below) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(below) - 1)(random_);
    }

  private:
    std::mt19937 random_;
};

bool IsBlankRow(const rokal::ScheduleRow& row) {
    const auto blank = [](const std::u16string& cell) { return rokal::IsBlankCell(cell); };
    return std::all_of(row.cells.begin(), row.cells.end(), blank) &&
           std::all_of(row.extra.begin(), row.extra.end(), blank);
}

TEST_F(ScheduleCellTextTest, WhateverTheWindowHoldsSavesAndReadsBackTheSame) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        CellTexts texts(seed);
        for (int step = 0; step < 40; ++step) {
            const int row = texts.Pick(model().RowCount());
            const int column = texts.Pick(model().columnCount());
            if (!rokal::IsEditableColumn(column)) {
                continue;
            }
            if (step % 4 == 3) {  // a block of up to 3 rows and 4 fields, some rows new
                rokal::CellBlock block(static_cast<std::size_t>(texts.Pick(3) + 1));
                for (auto& fields : block) {
                    for (int f = texts.Pick(4); f >= 0; --f) {
                        fields.push_back(texts.Next().toStdU16String());
                    }
                }
                QApplication::clipboard()->setText(
                    QString::fromStdU16String(rokal::WriteCellBlock(block)));
                Select(std::max(0, model().RowCount() - texts.Pick(4)) % model().RowCount(),
                       column);
                Trigger(s().act_paste);
            } else {
                table()->model()->setData(table()->model()->index(row, column), texts.Next());
            }
        }
        const rokal::Schedule& held = model().GetSchedule();
        const auto place = rokal::FindControlCharacter(held);
        EXPECT_FALSE(place) << "line " << place->line;

        const rokal::Schedule read = SaveAndRead();
        EXPECT_EQ(read.extraColumns, held.extraColumns);
        // A wholly blank row is no pile and is not read back.
        std::vector<const rokal::ScheduleRow*> piles;
        for (const rokal::ScheduleRow& row : held.rows) {
            if (!IsBlankRow(row)) {
                piles.push_back(&row);
            }
        }
        ASSERT_EQ(read.rows.size(), piles.size());
        for (std::size_t i = 0; i < piles.size(); ++i) {
            EXPECT_EQ(read.rows[i].cells, piles[i]->cells) << "row " << i;
            EXPECT_EQ(read.rows[i].extra, piles[i]->extra) << "row " << i;
        }
        Open(path);
    }
}

}  // namespace
