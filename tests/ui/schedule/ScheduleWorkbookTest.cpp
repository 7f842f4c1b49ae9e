// Workbooks in the schedule window: opened like CSV files, a sheet chosen when
// several hold a schedule, saved and exported as .xlsx.
#include <QDir>

#include "schedule/ScheduleCsv.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleWorkbook.h"
#include "schedule/ScheduleXlsx.h"
#include "tests/ui/schedule/ScheduleWindowFixture.h"
#include "tests/workbook/WorkbookFixture.h"

namespace {

using rokal::ScheduleColumn;

class ScheduleWorkbookTest : public ScheduleWindowTest {
  protected:
    void SetUp() override {
        ScheduleWindowTest::SetUp();
        csv = ReadAll(Fixture("schedule30.csv")).toStdString();
        expected = rokal::ParseSchedule(csv);
        path = InFolder("桩表.xlsx");
        WriteAll(path, QByteArray::fromStdString(rokal::ScheduleToXlsx(expected, u'.')));
    }

    static rokal::Schedule ReadBack(const QString& file) {
        return rokal::ParseScheduleWorkbook(ReadAll(file).toStdString(), {});
    }

    void ExpectShowsExpected() {
        const rokal::Schedule& shown = model().GetSchedule();
        ASSERT_EQ(shown.rows.size(), expected.rows.size());
        for (std::size_t i = 0; i < shown.rows.size(); ++i) {
            EXPECT_EQ(shown.rows[i].cells, expected.rows[i].cells) << i;
            EXPECT_EQ(shown.rows[i].extra, expected.rows[i].extra) << i;
        }
    }

    std::string csv;
    rokal::Schedule expected;
    QString path;
};

TEST_F(ScheduleWorkbookTest, OpensAWorkbookAsItOpensACsvFile) {
    Open(path);
    ExpectShowsExpected();
    EXPECT_EQ(s().windowTitle(), "桩表.xlsx[*] - 桩表计算");
    EXPECT_TRUE(sheetsOffered.empty());
    EXPECT_TRUE(messages.empty());
}

// The workbook may hold other sheets, formats and formulas: 保存 asks where to
// save instead of replacing it, and a cancelled question leaves it as it was.
TEST_F(ScheduleWorkbookTest, SaveAsksBeforeReplacingTheWorkbookItOpened) {
    Open(path);
    const QByteArray before = ReadAll(path);
    TypeInCell(0, rokal::TableColumnOf(ScheduleColumn::Nk), "6000");
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(suggestedSave, QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_TRUE(s().isWindowModified());

    savePath = path;
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(s().isWindowModified());
    EXPECT_EQ(ReadBack(path).rows.at(0).Cell(ScheduleColumn::Nk), u"6000");

    // Now the window's own file: saved in place.
    suggestedSave.clear();
    TypeInCell(0, rokal::TableColumnOf(ScheduleColumn::Nk), "6100");
    QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(suggestedSave.isEmpty());
    EXPECT_EQ(ReadBack(path).rows.at(0).Cell(ScheduleColumn::Nk), u"6100");
}

TEST_F(ScheduleWorkbookTest, AsksWhichSheetWhenSeveralHoldASchedule) {
    rokal::test::WorkbookFixture fixture;
    const std::string header =
        "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>桩径</t></is></c>"
        "<c r=\"B1\" t=\"inlineStr\"><is><t>嵌岩深度</t></is></c>"
        "<c r=\"C1\" t=\"inlineStr\"><is><t>岩石强度</t></is></c>"
        "<c r=\"D1\" t=\"inlineStr\"><is><t>混凝土</t></is></c>"
        "<c r=\"E1\" t=\"inlineStr\"><is><t>工艺</t></is></c></row>";
    const auto pile = [](const char* d) {
        return std::string("<row r=\"2\"><c r=\"A2\"><v>") + d + "</v></c></row>";
    };
    fixture.sheets = {{"一区", header + pile("800")}, {"二区", header + pile("900")}};
    const QString two = InFolder("两区.xlsx");
    WriteAll(two, QByteArray::fromStdString(rokal::test::MakeWorkbook(fixture)));

    sheetAnswer.clear();  // cancelled: nothing opens, and nothing is said
    EXPECT_FALSE(s().OpenFile(two));
    EXPECT_EQ(sheetsOffered, (QStringList{"一区", "二区"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(s().FilePath().isEmpty());

    sheetAnswer = "二区";
    Open(two);
    ASSERT_EQ(model().RowCount(), 1);
    EXPECT_EQ(Shown(0, ScheduleColumn::D), "900");
}

TEST_F(ScheduleWorkbookTest, SavesAndExportsWorkbooksByTheirExtension) {
    Open(Fixture("schedule30.csv"));
    savePath = InFolder("另存.XLSX");
    Trigger(s().act_saveAs);
    const rokal::Schedule saved = ReadBack(savePath);
    EXPECT_EQ(saved.sheet, rokal::kScheduleSheetName);
    ASSERT_EQ(saved.rows.size(), expected.rows.size());
    EXPECT_EQ(saved.rows.back().cells, expected.rows.back().cells);

    // The export of a workbook's schedule is suggested as a workbook too.
    exportPath = InFolder("结果.xlsx");
    Trigger(s().act_export);
    EXPECT_EQ(suggestedExport, folder.filePath("另存_结果.xlsx"));
    const QByteArray results = ReadAll(exportPath);
    EXPECT_TRUE(results.startsWith("PK\x03\x04"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ScheduleWorkbookTest, ADamagedWorkbookSaysWhyNamingTheFile) {
    const QString damaged = InFolder("坏.xlsx");
    WriteAll(damaged, ReadAll(path).left(300));
    EXPECT_FALSE(s().OpenFile(damaged));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().text,
              QDir::toNativeSeparators(damaged) + "：文件已损坏，或不是 .xlsx 工作簿");
}

}  // namespace
