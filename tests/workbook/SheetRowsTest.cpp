// Sheets read cell by cell from small workbooks written by hand.
#include <gtest/gtest.h>

#include "tests/workbook/WorkbookFixture.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsxWorkbook.h"

namespace rokal {
namespace {

using test::MakeWorkbook;
using test::WorkbookFixture;

struct SheetRead {
    std::vector<SheetRow> rows;
    std::vector<CellRange> merges;
};

SheetRead ReadSheet(const std::string& bytes, std::size_t sheet = 0) {
    XlsxWorkbook workbook = XlsxWorkbook::FromBytes(bytes);
    SheetRead read;
    read.merges = workbook.ReadRows(sheet, [&](SheetRow& row) {
        read.rows.push_back(row);
        return true;
    });
    return read;
}

// Shared texts with a rich text and a phonetic guide, a date format among the
// cell formats (and one among the style formats, which cells do not use).
WorkbookFixture CellKinds() {
    WorkbookFixture fixture;
    fixture.sharedStrings =
        "<si><t>桩号</t></si>"
        "<si><r><t>嵌岩</t></r><r><rPr><b/></rPr><t>深度</t></r><rPh sb=\"0\" "
        "eb=\"1\"><t>ガ</t></rPh></si>"
        "<si><t xml:space=\"preserve\"> a_x000D_b </t></si>";
    fixture.styles =
        "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"yyyy/m/d\"/></numFmts>"
        "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
        "<cellXfs count=\"3\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf "
        "numFmtId=\"2\"/></cellXfs>";
    fixture.sheets = {
        {"Sheet1",
         "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
         "<c r=\"B1\" t=\"inlineStr\"><is><t>内联</t></is></c>"
         "<c r=\"C1\" t=\"s\"><v>1</v></c><c r=\"D1\" t=\"s\"><v>2</v></c></row>"
         "<row r=\"2\"><c r=\"A2\" s=\"1\"/><c r=\"B2\" t=\"inlineStr\"><is/></c></row>"
         "<row r=\"3\"><c r=\"A3\" s=\"2\"><v>1000</v></c><c r=\"B3\"><v>1.5</v></c>"
         "<c r=\"C3\"><v>1E-7</v></c><c r=\"D3\" s=\"1\"><v>45047</v></c>"
         "<c r=\"E3\" t=\"b\"><v>1</v></c><c r=\"F3\" t=\"e\"><v>#DIV/0!</v></c>"
         "<c r=\"G3\"><f>B3*2</f><v>3</v></c><c r=\"H3\"><f>A3+B3</f></c>"
         "<c r=\"I3\" t=\"str\"><f>A1&amp;\"x\"</f><v>ax</v></c>"
         "<c r=\"J3\" s=\"1\"><v>-3</v></c><c r=\"K3\"><f>A3*2</f><v></v></c>"
         "<c r=\"L3\" t=\"str\"><f>\"\"</f><v></v></c></row>"
         "<row><c><v>7</v></c><c r=\"C4\"><v>8</v></c><c><v>9</v></c></row>"}};
    fixture.afterSheetData =
        "<mergeCells count=\"2\"><mergeCell ref=\"A1:C1\"/><mergeCell ref=\"E7:E5\"/></mergeCells>";
    return fixture;
}

struct ExpectedCell {
    int row;
    int column;
    CellKind kind;
    const char* text;
    double number;
};

TEST(SheetRows, ReadsEveryKindOfCell) {
    const SheetRead read = ReadSheet(MakeWorkbook(CellKinds()));
    const ExpectedCell expected[] = {
        {1, 0, CellKind::Text, "桩号", 0},
        {1, 1, CellKind::Text, "内联", 0},
        {1, 2, CellKind::Text, "嵌岩深度", 0},
        {1, 3, CellKind::Text, " a\rb ", 0},
        {3, 0, CellKind::Number, "", 1000},
        {3, 1, CellKind::Number, "", 1.5},
        {3, 2, CellKind::Number, "", 1e-7},
        {3, 3, CellKind::Date, "2023-05-01", 45047},
        {3, 4, CellKind::Boolean, "TRUE", 0},
        {3, 5, CellKind::Error, "#DIV/0!", 0},
        {3, 6, CellKind::Number, "", 3},
        {3, 7, CellKind::NoCachedValue, "=A3+B3", 0},
        {3, 8, CellKind::Text, "ax", 0},
        {3, 9, CellKind::Date, "########", -3},
        {3, 10, CellKind::NoCachedValue, "=A3*2", 0},
        {4, 0, CellKind::Number, "", 7},
        {4, 2, CellKind::Number, "", 8},
        {4, 3, CellKind::Number, "", 9},
    };
    std::vector<ExpectedCell> cells;
    for (const SheetRow& row : read.rows) {
        for (const SheetCell& cell : row.cells) {
            cells.push_back({row.number, cell.column, cell.kind, cell.text.c_str(), cell.number});
        }
    }
    ASSERT_EQ(cells.size(), std::size(expected));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cells[i].row, expected[i].row);
        EXPECT_EQ(cells[i].column, expected[i].column);
        EXPECT_EQ(cells[i].kind, expected[i].kind);
        EXPECT_STREQ(cells[i].text, expected[i].text);
        EXPECT_EQ(cells[i].number, expected[i].number);
    }
    ASSERT_EQ(read.merges.size(), 2u);
    EXPECT_EQ(read.merges[1].first.row, 5);
    EXPECT_EQ(read.merges[1].last.row, 7);
    EXPECT_TRUE(read.merges[0].Contains(1, 2));
    EXPECT_FALSE(read.merges[0].Contains(2, 0));
}

TEST(SheetRows, StopsWhereTheReaderHasWhatItNeeds) {
    XlsxWorkbook workbook = XlsxWorkbook::FromBytes(MakeWorkbook(CellKinds()));
    int rows = 0;
    const auto merges = workbook.ReadRows(0, [&](SheetRow&) { return ++rows < 2; });
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(merges.empty());
}

TEST(SheetRows, FindsSheetsThroughTheRelationshipsAndReadsPrefixedNames) {
    WorkbookFixture fixture;
    fixture.sheets = {
        {"封面", ""},
        {"桩表 (2)",
         "<?xml version=\"1.0\"?><x:worksheet "
         "xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>"
         "<x:row r=\"2\"><x:c r=\"B2\" t=\"inlineStr\"><x:is><x:t>前缀</x:t></x:is></x:c>"
         "</x:row></x:sheetData></x:worksheet>"}};
    const std::string bytes = MakeWorkbook(fixture);
    XlsxWorkbook workbook = XlsxWorkbook::FromBytes(bytes);
    ASSERT_EQ(workbook.Sheets().size(), 2u);
    EXPECT_EQ(workbook.Sheets()[1].name, "桩表 (2)");
    EXPECT_EQ(workbook.Sheets()[1].part, "xl/worksheets/sheet2.xml");
    EXPECT_EQ(workbook.FindSheet("桩表 (2)"), 1u);
    EXPECT_FALSE(workbook.FindSheet("桩表"));
    const SheetRead read = ReadSheet(bytes, 1);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0].number, 2);
    EXPECT_EQ(read.rows[0].cells[0].column, 1);
    EXPECT_EQ(read.rows[0].cells[0].text, "前缀");
}

TEST(SheetRows, RelationshipTargetsResolveInsideThePackage) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"xl/workbook.xml", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "/xl/worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "./a/../b.xml", "xl/b.xml"},
        {"xl/workbook.xml", "../../x.xml", ""},
        {"", "xl/workbook.xml", "xl/workbook.xml"},
    };
    for (const auto& [source, target, part] : cases) {
        EXPECT_EQ(ResolvePartName(source, target), part) << target;
    }
}

TEST(SheetRows, DamagedSheetsAreRefusedNamingTheCell) {
    const std::pair<const char*, const char*> cases[] = {
        {"<row r=\"3\"/><row r=\"2\"/>", "Sheet1!第2行"},
        {"<row r=\"1\"><c r=\"B1\"><v>1</v></c><c r=\"A1\"><v>1</v></c></row>", "Sheet1!A1"},
        {"<row r=\"1\"><c r=\"A2\"><v>1</v></c></row>", "Sheet1!A2"},
        {"<row r=\"1\"><c r=\"A1\" t=\"s\"><v>5</v></c></row>", "Sheet1!A1 指向不存在的共享文字"},
        {"<row r=\"1\"><c r=\"A1\"><v>abc</v></c></row>", "Sheet1!A1 的数值无法读取"},
        {"<row r=\"1\"><c r=\"A1\"><v>inf</v></c></row>", "Sheet1!A1 的数值无法读取"},
        {"<row r=\"1\"><c r=\"A1\" t=\"b\"><v>2</v></c></row>", "Sheet1!A1 不是逻辑值"},
        {"<row r=\"1048577\"/>", "超出工作表"},
        {"<row r=\"1\"><c r=\"A1\"><v>1</v></row>", "xl/worksheets/sheet1.xml 第1行不是正确的 XML"},
    };
    for (const auto& [sheetData, message] : cases) {
        WorkbookFixture fixture;
        fixture.sheets = {{"Sheet1", sheetData}};
        try {
            ReadSheet(MakeWorkbook(fixture));
            ADD_FAILURE() << sheetData;
        } catch (const WorkbookError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos)
                << sheetData << "\n"
                << error.what();
        }
    }
}

}  // namespace
}  // namespace rokal
