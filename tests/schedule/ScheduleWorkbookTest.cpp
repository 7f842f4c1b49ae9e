// Schedules read from .xlsx workbooks and written to them.
#include "schedule/ScheduleWorkbook.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "report/CodePage.h"
#include "schedule/RowCompute.h"
#include "schedule/ScheduleXlsx.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/workbook/WorkbookFixture.h"
#include "workbook/WorkbookError.h"

namespace rokal {
namespace {

using test::MakeWorkbook;
using test::WorkbookFixture;
using Cells = std::array<std::u16string, kScheduleColumnCount>;

// Cells of a sheet as XML.
std::string Text(const std::string& ref, const std::string& text) {
    return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}
std::string Number(const std::string& ref, const std::string& value, int style = 0) {
    return "<c r=\"" + ref + "\" s=\"" + std::to_string(style) + "\"><v>" + value + "</v></c>";
}
std::string Row(int number, const std::string& cells) {
    return "<row r=\"" + std::to_string(number) + "\">" + cells + "</row>";
}
std::string Header(int number) {
    const std::string n = std::to_string(number);
    return Row(number, Text("A" + n, "桩号") + Text("B" + n, "桩径(mm)") +
                           Text("C" + n, "嵌岩深度") + Text("D" + n, "岩石强度") +
                           Text("E" + n, "混凝土") + Text("F" + n, "工艺") + Text("G" + n, "Nk") +
                           Text("H" + n, "N") + Text("I" + n, "备注"));
}
// A pile row of texts and numbers, from column A.
std::string Pile(int number, const std::string& mark, const std::string& rest) {
    return Row(number, Text("A" + std::to_string(number), mark) + rest);
}

const char kDateStyles[] =
    "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs>";

// A title merged across the table, a blank row, the header, then piles with a
// formula, a date, an error value, a formula without a result, a value merged
// down two rows, a boolean, and empty rows with formats only at the end.
WorkbookFixture EngineersWorkbook() {
    WorkbookFixture fixture;
    fixture.styles = kDateStyles;
    fixture.sheets = {
        {"桩表",
         Row(1, Text("A1", "XX工程桩表")) + Header(3) +
             Pile(4, "ZH1",
                  Number("B4", "800") + Text("C4", "1.5d") + Number("D4", "12") +
                      Text("E4", "C30") + Text("F4", "泥浆护壁") + Number("G4", "2500") +
                      "<c r=\"H4\"><f>G4*1.4</f><v>3500.0000000000005</v></c>" +
                      Text("I4", "1轴/A")) +
             Pile(5, "ZH2",
                  Number("B5", "1000") + Number("C5", "2000") + Number("D5", "25") +
                      Text("E5", "C30") + Text("F5", "泥浆护壁") + Number("G5", "45047", 1) +
                      Number("H5", "7000") + Number("I5", "45047", 1)) +
             Pile(6, "ZH3",
                  Number("B6", "1000") + Text("C6", "1.5d") + Number("D6", "25") +
                      Text("E6", "C30") + Text("F6", "泥浆护壁") +
                      "<c r=\"G6\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>" + Number("H6", "7500")) +
             Pile(7, "ZH4",
                  Number("B7", "1200") + Text("C7", "2d") + Number("D7", "35") + Text("E7", "C35") +
                      Text("F7", "干作业") + Number("G7", "14000") +
                      "<c r=\"H7\"><f>G7*0.9</f></c>") +
             Pile(8, "ZH5",
                  Number("B8", "1200") + Text("C8", "1.2d") + Number("D8", "8") +
                      Text("E8", "C30") + Text("F8", "后注浆") + Number("G8", "9800")) +
             Pile(9, "ZH6",
                  Number("B9", "1400") + Text("C9", "3d") + Text("E9", "C30") + Text("F9", "水下") +
                      Number("G9", "15000") + Number("H9", "16000")) +
             Row(10, Text("A10", "  ")) +
             Pile(11, "ZH7",
                  Number("B11", "800") + Text("C11", "5d") + Number("D11", "40") +
                      "<c r=\"E11\" t=\"b\"><v>1</v></c>" + Text("F11", "干作业")) +
             "<row r=\"12\" s=\"1\" customFormat=\"1\"><c r=\"A12\" s=\"1\"/></row><row "
             "r=\"40\"/>"}};
    fixture.afterSheetData =
        "<mergeCells count=\"2\"><mergeCell ref=\"A1:I1\"/><mergeCell ref=\"D8:D9\"/></mergeCells>";
    return fixture;
}

Schedule Read(const std::string& bytes, const std::u16string& sheet = u"",
              char16_t separator = u'.') {
    ScheduleReading options;
    options.sheet = sheet;
    options.decimalSeparator = separator;
    return ParseScheduleWorkbook(bytes, options);
}

std::u16string ErrorsOf(const RowResult& result) {
    std::u16string text;
    for (const CellError& error : result.errors) {
        text += (text.empty() ? u"" : u"；") + CellErrorText(error);
    }
    return text;
}

TEST(ScheduleWorkbook, ReadsAnEngineersSheetWithItsCellErrors) {
    const Schedule schedule = Read(MakeWorkbook(EngineersWorkbook()));
    EXPECT_EQ(schedule.sheet, u"桩表");
    EXPECT_EQ(schedule.extraColumns, std::vector<std::u16string>{u"备注"});
    struct Expected {
        int line;
        Cells cells;
        std::u16string extra;
        std::u16string errors;
    };
    const Expected expected[] = {
        {4,
         {u"ZH1", u"800", u"1.5d", u"12", u"C30", u"泥浆护壁", u"2500", u"3500.0000000000005"},
         u"1轴/A",
         u""},
        {5,
         {u"ZH2", u"1000", u"2000", u"25", u"C30", u"泥浆护壁", u"2023-05-01", u"7000"},
         u"2023-05-01",
         u"Nk：单元格是日期 2023-05-01"},
        {6,
         {u"ZH3", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"#DIV/0!", u"7500"},
         u"",
         u"Nk：单元格是错误值 #DIV/0!"},
        {7,
         {u"ZH4", u"1200", u"2d", u"35", u"C35", u"干作业", u"14000", u"=G7*0.9"},
         u"",
         u"N：公式没有保存的计算结果，请在电子表格中重新计算后保存"},
        {8, {u"ZH5", u"1200", u"1.2d", u"8", u"C30", u"后注浆", u"9800", u""}, u"", u""},
        {9,
         {u"ZH6", u"1400", u"3d", u"", u"C30", u"水下", u"15000", u"16000"},
         u"",
         u"岩石强度：单元格在合并区域 D8:D9 中，只有 D8 有值"},
        {11,
         {u"ZH7", u"800", u"5d", u"40", u"TRUE", u"干作业", u"", u""},
         u"",
         u"混凝土：单元格是逻辑值 TRUE"},
    };
    ASSERT_EQ(schedule.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
        const ScheduleRow& row = schedule.rows[i];
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.line, expected[i].line);
        EXPECT_EQ(row.cells, expected[i].cells);
        EXPECT_EQ(row.extra, std::vector<std::u16string>{expected[i].extra});
        EXPECT_EQ(ErrorsOf(ComputeRow(row, u'.')), expected[i].errors);
    }
    EXPECT_EQ(CellPlace(schedule, schedule.rows[1], ScheduleColumn::Nk), u"桩表!G5");
    EXPECT_EQ(RowPlace(schedule, schedule.rows[1]), u"桩表 第5行");
}

TEST(ScheduleWorkbook, AnUnreadableCellStaysAnErrorOnlyWhileItKeepsItsText) {
    Schedule schedule = Read(MakeWorkbook(EngineersWorkbook()));
    ScheduleRow& zh2 = schedule.rows[1];
    zh2.Cell(ScheduleColumn::Nk) = u"6500";
    EXPECT_TRUE(ComputeRow(zh2, u'.').Passes());
    zh2.Cell(ScheduleColumn::Nk) = u"2023-05-01";
    EXPECT_EQ(ErrorsOf(ComputeRow(zh2, u'.')), u"Nk：单元格是日期 2023-05-01");
    // The empty cell of a merged range does not pass as a pile without a load.
    ScheduleRow& zh6 = schedule.rows[5];
    zh6.Cell(ScheduleColumn::Frk) = u"18";
    EXPECT_TRUE(ComputeRow(zh6, u'.').Computed());
}

// Ranges across columns and rows, overlapping the way a careless sheet has them;
// many of them cost no more than sorting them.
TEST(ScheduleWorkbook, MarksEveryCellInsideAMergedRangeButItsFirst) {
    WorkbookFixture fixture;
    std::string rows = Header(1);
    for (int r = 2; r <= 6; ++r) {
        rows += Pile(r, "Z" + std::to_string(r), Number("B" + std::to_string(r), "800"));
    }
    fixture.sheets = {{"S", rows}};
    std::string merges = "<mergeCells><mergeCell ref=\"B2:C3\"/><mergeCell ref=\"H5:H6\"/>";
    for (int i = 0; i < 20000; ++i) {
        merges += "<mergeCell ref=\"D3:D5\"/>";
    }
    fixture.afterSheetData = merges + "</mergeCells>";
    const Schedule schedule = Read(MakeWorkbook(fixture));
    std::vector<std::u16string> marked;
    for (const ScheduleRow& row : schedule.rows) {
        for (const UnreadableCell& cell : row.unreadable) {
            marked.push_back(CellPlace(schedule, row, cell.column) + u" " + cell.message);
        }
    }
    EXPECT_EQ(marked, (std::vector<std::u16string>{
                          u"S!C2 单元格在合并区域 B2:C3 中，只有 B2 有值",
                          u"S!B3 单元格在合并区域 B2:C3 中，只有 B2 有值",
                          u"S!C3 单元格在合并区域 B2:C3 中，只有 B2 有值",
                          u"S!D4 单元格在合并区域 D3:D5 中，只有 D3 有值",
                          u"S!D5 单元格在合并区域 D3:D5 中，只有 D3 有值",
                          u"S!H6 单元格在合并区域 H5:H6 中，只有 H5 有值",
                      }));
}

// Every number of a workbook is written with the one decimal separator in force,
// as a CSV file's cells must be.
TEST(ScheduleWorkbook, NumbersTakeTheDecimalSeparatorInForce) {
    WorkbookFixture fixture;
    fixture.sheets = {{"S", Header(1) + Pile(2, "A",
                                             Number("B2", "1000.5") + Number("C2", "1500.25") +
                                                 Number("D2", "2.5") + Number("G2", "0.1") +
                                                 Number("H2", "1E+21") + Number("I2", "1E-7"))}};
    const Schedule schedule = Read(MakeWorkbook(fixture), u"", u',');
    ASSERT_EQ(schedule.rows.size(), 1u);
    EXPECT_EQ(schedule.rows[0].cells, (Cells{u"A", u"1000,5", u"1500,25", u"2,5", u"", u"", u"0,1",
                                             u"1000000000000000000000"}));
    EXPECT_EQ(schedule.rows[0].extra, std::vector<std::u16string>{u"0,0000001"});
}

TEST(ScheduleWorkbook, KeepsValuesBeyondTheHeaderAndDropsEmptyUnnamedColumns) {
    WorkbookFixture fixture;
    // The table starts in column B; column K holds a note below the header.
    fixture.sheets = {
        {"S", Row(1, Text("B1", "桩径") + Text("C1", "嵌岩深度") + Text("D1", "岩石强度") +
                         Text("E1", "混凝土") + Text("F1", "工艺") + Text("H1", "说明")) +
                  Row(2, Number("B2", "800") + Text("C2", "1.5d") + Number("D2", "12") +
                             Text("E2", "C30") + Text("F2", "水下") + Text("K2", "注")) +
                  Row(3, Number("B3", "900") + Text("C3", "1.5d") + Number("D3", "12") +
                             Text("E3", "C30") + Text("F3", "水下") + Text("H3", "说"))}};
    const Schedule schedule = Read(MakeWorkbook(fixture));
    EXPECT_EQ(schedule.extraColumns, (std::vector<std::u16string>{u"说明", u""}));
    ASSERT_EQ(schedule.rows.size(), 2u);
    EXPECT_EQ(schedule.rows[0].extra, (std::vector<std::u16string>{u"", u"注"}));
    EXPECT_EQ(schedule.rows[1].extra, (std::vector<std::u16string>{u"说", u""}));
    EXPECT_EQ(CellPlace(schedule, schedule.rows[1], ScheduleColumn::D), u"S!B3");
    EXPECT_EQ(CellPlace(schedule, schedule.rows[1], ScheduleColumn::Nk), u"S 第3行");
}

TEST(ScheduleWorkbook, PicksTheSheetThatHoldsTheSchedule) {
    WorkbookFixture fixture;
    fixture.sheets = {{"封面", Row(1, Text("A1", "桩基设计"))},
                      {"隐藏", Header(1) + Pile(2, "H", "")},
                      {"桩表", Header(2) + Pile(3, "A", "")},
                      {"桩表 (2)", Header(1) + Pile(2, "B", "")}};
    fixture.hidden = {1};
    const std::string bytes = MakeWorkbook(fixture);
    EXPECT_EQ(ScheduleSheetNames(bytes), (std::vector<std::u16string>{u"桩表", u"桩表 (2)"}));
    EXPECT_EQ(Read(bytes).rows.at(0).Cell(ScheduleColumn::Mark), u"A");
    const Schedule second = Read(bytes, u"桩表 (2)");
    EXPECT_EQ(second.rows.at(0).Cell(ScheduleColumn::Mark), u"B");
    EXPECT_EQ(CellPlace(second, second.rows[0], ScheduleColumn::Mark), u"'桩表 (2)'!A2");
    EXPECT_EQ(Read(bytes, u"隐藏").rows.at(0).Cell(ScheduleColumn::Mark), u"H");
}

TEST(ScheduleWorkbook, SaysWhyNoScheduleCanBeRead) {
    std::string farHeader;
    for (int i = 1; i <= kHeaderSearchRows; ++i) {
        farHeader += Row(i, Text("A" + std::to_string(i), "说明"));
    }
    farHeader += Header(kHeaderSearchRows + 1);
    using Sheets = std::vector<std::pair<std::string, std::string>>;
    const std::pair<Sheets, std::u16string> cases[] = {
        {{{"封面", Row(1, Text("A1", "桩号") + Text("B1", "桩径"))}}, u""},
        {{{"长", farHeader}}, u""},
        {{{"封面", ""}, {"桩表", Header(1)}}, u"桩表2"},
        {{{"封面", ""}, {"桩表", Header(1)}}, u"封面"},
        {{{"桩表", Row(1, Text("A1", "桩号") + Text("B1", "桩径") + Text("C1", "嵌岩深度") +
                              Text("D1", "岩石强度") + Text("E1", "混凝土") + Text("F1", "桩径"))}},
         u""},
        {{{"桩表", Row(1, Text("A1", "桩号") + Text("B1", "桩径") + Text("C1", "嵌岩深度"))}}, u""},
    };
    const char* const messages[] = {
        "工作簿中没有含表头行的工作表：表头行应在前 100 个有内容的行中，至少含三个列名",
        "工作簿中没有含表头行的工作表",
        "工作簿中没有名为“桩表2”的工作表（有：封面、桩表）",
        "工作表 封面 中没有表头行",
        "工作表 桩表：桩表的列重复：桩径 (d)",
        "工作表 桩表：桩表缺少列：岩石强度 (frk)、混凝土 (grade)、工艺 (process)",
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        WorkbookFixture fixture;
        fixture.sheets = cases[i].first;
        try {
            Read(MakeWorkbook(fixture), cases[i].second);
            ADD_FAILURE() << messages[i];
        } catch (const ScheduleFileError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(messages[i], 0), 0u) << error.what();
        }
    }
}

// A header's unit converts its column's numbers exactly, as in a CSV file; a unit
// the column does not take is refused, naming the header's cell.
TEST(ScheduleWorkbook, HeaderUnitsConvertOrAreRefusedNamingTheCell) {
    const auto header = [](const std::string& hr) {
        return Row(1, Text("A1", "桩号") + Text("B1", "桩径(m)") + Text("C1", hr) +
                          Text("D1", "岩石强度(kPa)") + Text("E1", "混凝土") + Text("F1", "工艺") +
                          Text("G1", "Nk（MN）"));
    };
    const std::string pile =
        Pile(2, "A",
             Number("B2", "1.2") + Number("C2", "1.5") + Number("D2", "25000") + Text("E2", "C30") +
                 Text("F2", "泥浆护壁") + Number("G2", "9.5"));
    WorkbookFixture fixture;
    fixture.sheets = {{"S", header("嵌岩深度(m)") + pile}};
    const Schedule schedule = Read(MakeWorkbook(fixture));
    ASSERT_EQ(schedule.rows.size(), 1u);
    EXPECT_EQ(schedule.rows[0].cells,
              (Cells{u"A", u"1200", u"1500", u"25", u"C30", u"泥浆护壁", u"9500", u""}));
    EXPECT_EQ(schedule.convertedColumns.size(), 4u);

    fixture.sheets = {{"S", header("嵌岩深度(km)") + pile}};
    try {
        Read(MakeWorkbook(fixture));
        ADD_FAILURE();
    } catch (const ScheduleFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "工作表 S：C1 “嵌岩深度(km)”的单位“km”不可用：嵌岩深度 (hr) 的单位应为 "
                  "mm、cm 或 m");
    }
}

TEST(ScheduleWorkbook, ReadScheduleFileTellsWorkbooksFromTextByTheirBytes) {
    test::TempFolder folder;
    const auto path = folder / "桩表.csv";  // a workbook under a CSV file's name
    test::WriteBytes(path, MakeWorkbook(EngineersWorkbook()));
    EXPECT_EQ(ReadScheduleFile(path).rows.size(), 7u);
    test::WriteBytes(path, "PK\x03\x04 damaged");
    try {
        ReadScheduleFile(path);
        ADD_FAILURE();
    } catch (const ScheduleFileError& error) {
        EXPECT_EQ(std::string(error.what()), path.u8string() + "：文件已损坏，或不是 .xlsx 工作簿");
    }
}

// A workbook LibreOffice made from the example schedule (the test
// schedule_libreoffice_workbook converts it and names it here) reads to exactly
// the rows of the CSV file.
TEST(LibreOfficeWorkbook, ReadsTheExampleScheduleAsItsCsvFile) {
    const char* made = std::getenv("ROKAL_LIBREOFFICE_XLSX");
    if (made == nullptr) {
        GTEST_SKIP() << "run by the test schedule_libreoffice_workbook";
    }
    const Schedule csv = ReadScheduleFile(ROKAL_SOURCE_DIR "/examples/piles.csv");
    const Schedule book = ReadScheduleFile(made);
    EXPECT_EQ(book.extraColumns, csv.extraColumns);
    ASSERT_EQ(book.rows.size(), csv.rows.size());
    for (std::size_t i = 0; i < csv.rows.size(); ++i) {
        EXPECT_EQ(book.rows[i].cells, csv.rows[i].cells) << i;
        EXPECT_EQ(book.rows[i].extra, csv.rows[i].extra) << i;
        EXPECT_EQ(book.rows[i].line, csv.rows[i].line) << i;
        EXPECT_TRUE(book.rows[i].unreadable.empty()) << i;
    }
}

TEST(ScheduleXlsx, SavedScheduleReadsBackWithTheSameCells) {
    Schedule schedule;
    schedule.extraColumns = {u"备注", u"", u"=说明"};
    schedule.rows = {
        test::Row(u"=1+1", u"0800", u"1,50", u"12", u"C30", u"干作业", u"2500", u"3500,5"),
        test::Row(u"0012", u"800", u"1,5", u" 25 ", u"c 35", u"泥浆护壁成桩", u"1e3", u"-0"),
        test::Row(u"", u"1000.5", u"2000", u"8.25", u"C30", u"水下", u"", u"7000"),
        test::Row(u"𠀀桩", u"abc", u"1.5d", u"", u"", u"", u"9.500", u""),
    };
    schedule.rows[0].extra = {u"1轴,A\n2轴", u"", u"@SUM(A1)"};
    schedule.rows[1].extra = {u"12", u"x", u""};
    schedule.rows[2].extra = {u"", u"", u""};
    schedule.rows[3].extra = {u"", u"", u"+1"};
    const Schedule back = Read(ScheduleToXlsx(schedule, u','), u"", u',');
    EXPECT_EQ(back.sheet, kScheduleSheetName);
    EXPECT_EQ(back.extraColumns, schedule.extraColumns);
    ASSERT_EQ(back.rows.size(), schedule.rows.size());
    for (std::size_t i = 0; i < back.rows.size(); ++i) {
        EXPECT_EQ(back.rows[i].cells, schedule.rows[i].cells) << i;
        EXPECT_EQ(back.rows[i].extra, schedule.rows[i].extra) << i;
        EXPECT_TRUE(back.rows[i].unreadable.empty()) << i;
        EXPECT_EQ(back.rows[i].line, static_cast<int>(i) + 2);
    }
}

TEST(ScheduleXlsx, ATextNoCellCanHoldIsRefusedNamingItsCell) {
    Schedule schedule;
    schedule.extraColumns = {u"备注"};
    schedule.rows = {test::Row(u"A", u"800", u"1.5d", u"12", u"C30", u"水下")};
    schedule.rows[0].extra = {std::u16string(40000, u'x')};
    try {
        ScheduleToXlsx(schedule, u'.');
        ADD_FAILURE();
    } catch (const WorkbookError& error) {
        EXPECT_STREQ(error.what(), "无法写入工作簿：桩表!I2 的文字超过一个单元格的 32767 个字符");
    }
}

}  // namespace
}  // namespace rokal
