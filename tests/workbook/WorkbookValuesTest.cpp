// The small conversions of the workbook reader: numbers to texts, date serials,
// date formats, cell references and escaped texts.
#include <gtest/gtest.h>

#include <charconv>
#include <limits>

#include "workbook/CellReference.h"
#include "workbook/DateFormats.h"
#include "workbook/NumberText.h"
#include "workbook/XlsxText.h"

namespace rokal {
namespace {

TEST(WorkbookValues, NumbersGiveTheShortestPlainTextThatReadsBack) {
    const std::pair<double, const char*> cases[] = {
        {1000, "1000"},
        {1.5, "1.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1000.0000000001, "1000.0000000001"},
        {-0.0, "0"},
        {-12.25, "-12.25"},
        {1e21, "1000000000000000000000"},
        {1e-7, "0.0000001"},
        {123456789012345678.0, "123456789012345680"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(ShortestDecimalText(value), text) << value;
    }
    const std::string tiny = ShortestDecimalText(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(tiny.substr(0, 6), "0.0000");
    double back = 0;
    std::from_chars(tiny.data(), tiny.data() + tiny.size(), back);
    EXPECT_EQ(back, std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ShortestDecimalText(std::numeric_limits<double>::max()).size(), 309u);
}

TEST(WorkbookValues, DateSerialsAsTheSpreadsheetShowsThem) {
    const std::tuple<double, bool, const char*> cases[] = {
        {45047, false, "2023-05-01"},
        {45047.5, false, "2023-05-01 12:00:00"},
        {1, false, "1900-01-01"},
        {59, false, "1900-02-28"},
        {60, false, "1900-02-29"},
        {61, false, "1900-03-01"},
        {0.75, false, "18:00:00"},
        {0, true, "1904-01-01"},
        {43585, true, "2023-05-01"},
        {2958465, false, "9999-12-31"},
        {2958466, false, ""},
        {-1, false, ""},
        {45047.9999999, false, "2023-05-02"},
    };
    for (const auto& [serial, date1904, text] : cases) {
        EXPECT_EQ(DateText(serial, date1904), text) << serial << " " << date1904;
    }
}

TEST(WorkbookValues, DateFormatsAreToldFromNumberFormats) {
    const std::tuple<int, const char*, bool> cases[] = {
        {14, "", true},
        {22, "", true},
        {31, "", true},
        {57, "", true},
        {0, "", false},
        {2, "", false},
        {49, "", false},
        {164, "yyyy\"年\"m\"月\"d\"日\"", true},
        {164, "[$-804]yyyy/m/d;@", true},
        {164, "[h]:mm", true},
        {164, "0.0\"d\"", false},
        {164, "0.00\\d", false},
        {164, "#,##0_);[Red](#,##0)", false},
        {164, "General", false},
        {164, "0.0E+00", false},
        {164, "\"kN\"0", false},
        {164, "[>=100]0;0.0", false},
        {164, "m/d", true},
    };
    for (const auto& [id, code, date] : cases) {
        EXPECT_EQ(IsDateFormat(id, code), date) << id << " " << code;
    }
}

TEST(WorkbookValues, CellReferencesReadAndWrite) {
    const std::pair<const char*, std::optional<std::pair<int, int>>> cases[] = {
        {"A1", std::pair{1, 0}},
        {"c7", std::pair{7, 2}},
        {"$AA$10", std::pair{10, 26}},
        {"XFD1048576", std::pair{1048576, 16383}},
        {"XFE1", std::nullopt},
        {"A1048577", std::nullopt},
        {"A0", std::nullopt},
        {"1A", std::nullopt},
        {"A", std::nullopt},
        {"A1B", std::nullopt},
        {"AAAAAAAAAAAAAAAAAAAAAAAA1", std::nullopt},
        {"A99999999999999999999", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        const auto position = ReadCellReference(text);
        ASSERT_EQ(position.has_value(), expected.has_value()) << text;
        if (position) {
            EXPECT_EQ(position->row, expected->first) << text;
            EXPECT_EQ(position->column, expected->second) << text;
        }
    }
    for (int column : {0, 25, 26, 51, 52, 701, 702, 16383}) {
        const std::string letters = ColumnLetters(column);
        EXPECT_EQ(ReadCellReference(letters + "1")->column, column) << letters;
    }
    EXPECT_EQ(ColumnLetters(16383), "XFD");
    const auto range = ReadCellRange("C9:A7");
    ASSERT_TRUE(range);
    EXPECT_EQ(CellReferenceText(range->first), "A7");
    EXPECT_EQ(CellReferenceText(range->last), "C9");
    EXPECT_FALSE(ReadCellRange("A1:"));
}

TEST(WorkbookValues, EscapedCharactersAreUndone) {
    const std::pair<const char*, const char*> cases[] = {
        {"a_x000D_b", "a\rb"},          {"_x005F_x000D_", "_x000D_"}, {"_x4E2D_", "中"},
        {"_xD800_", "\xEF\xBF\xBD"},    {"_x00_", "_x00_"},           {"_xZZZZ_", "_xZZZZ_"},
        {"trailing _x", "trailing _x"}, {"plain", "plain"},
    };
    for (const auto& [stored, text] : cases) {
        EXPECT_EQ(UnescapeCellText(stored), text) << stored;
    }
}

}  // namespace
}  // namespace rokal
