// Archives and workbooks a hostile or careless user may hand over: each gives one
// clear error, never a crash, a hang or unbounded memory.
#include <gtest/gtest.h>

#include <functional>

#include "tests/workbook/WorkbookFixture.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsxWorkbook.h"

namespace rokal {
namespace {

using test::WorkbookFixture;
using test::ZipBuilder;

const char kSheet[] = "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>";

std::string WithFirstSheet(const std::function<void(ZipBuilder::Entry&)>& alter) {
    WorkbookFixture fixture;
    fixture.sheets = {{"Sheet1", kSheet}};
    fixture.alterFirstSheet = alter;
    return test::MakeWorkbook(fixture);
}

std::string ManyEntries() {
    ZipBuilder zip;
    for (int i = 0; i <= 10000; ++i) {
        zip.Add("f" + std::to_string(i), "", false);
    }
    return zip.Bytes();
}

// Reads every row of the first sheet.
void ReadAll(const std::string& bytes) {
    XlsxWorkbook workbook = XlsxWorkbook::FromBytes(bytes);
    workbook.ReadRows(0, [](SheetRow&) { return true; });
}

TEST(HostileWorkbook, EachGivesOneClearError) {
    const std::string good = WithFirstSheet({});
    ASSERT_NO_THROW(ReadAll(good));
    const std::pair<std::string, const char*> cases[] = {
        {"", "不是 .xlsx 工作簿"},
        {"PK\x03\x04 not really", "文件已损坏"},
        {good.substr(0, good.size() / 2), "文件已损坏"},
        {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0'),
         "加密的工作簿或旧的 .xls"},
        {WithFirstSheet([](ZipBuilder::Entry& e) { e.flags = 1; }), "工作簿已加密"},
        {WithFirstSheet([](ZipBuilder::Entry& e) { e.crcChange = 1; }), "文件已损坏"},
        // The headers claim less than the entry holds: reading stops at the claim
        // and the check of the content fails.
        {WithFirstSheet([](ZipBuilder::Entry& e) { e.claimedSize = 10; }), "文件已损坏"},
        // A zip bomb's claim is refused before anything is unpacked.
        {WithFirstSheet([](ZipBuilder::Entry& e) { e.claimedSize = 300 << 20; }),
         "xl/worksheets/sheet1.xml 解压后超过 256 MB"},
        {WithFirstSheet([](ZipBuilder::Entry& e) {
             e.content = "<!DOCTYPE x [<!ENTITY a \"aaaa\">]>" + e.content;
         }),
         "含有 DTD"},
        {WithFirstSheet([](ZipBuilder::Entry& e) { e.content.resize(e.content.size() - 3); }),
         "xl/worksheets/sheet1.xml"},
        {ZipBuilder().Add("mimetype", "application/vnd.oasis.opendocument.spreadsheet").Bytes(),
         "不是 .xlsx 工作簿"},
        {ManyEntries(), "超过 10000 个"},
    };
    for (const auto& [bytes, message] : cases) {
        try {
            ReadAll(bytes);
            ADD_FAILURE() << message;
        } catch (const WorkbookError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << message << "\n"
                                                                                  << error.what();
        }
    }
}

TEST(HostileWorkbook, AWorkbookWithoutWorksheetsSaysSo) {
    WorkbookFixture fixture;
    EXPECT_THROW(
        {
            try {
                XlsxWorkbook::FromBytes(test::MakeWorkbook(fixture));
            } catch (const WorkbookError& error) {
                EXPECT_STREQ(error.what(), "工作簿中没有工作表");
                throw;
            }
        },
        WorkbookError);
}

}  // namespace
}  // namespace rokal
