// A workbook written with libxlsxwriter (which zips through minizip and zlib),
// opened again with minizip, and its sheet list read with pugixml: each library
// cross-built for Windows links and does its work.
#include <gtest/gtest.h>
#include <unzip.h>
#include <xlsxwriter.h>
#include <zlib.h>

#include <cstdio>
#include <pugixml.hpp>
#include <string>

namespace {

std::string ReadZipEntry(const std::string& zipPath, const char* entry) {
    unzFile zip = unzOpen64(zipPath.c_str());
    if (zip == nullptr) {
        return {};
    }
    std::string content;
    if (unzLocateFile(zip, entry, 0) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[4096];
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) {
            content.append(buffer, static_cast<std::size_t>(read));
        }
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return content;
}

TEST(WindowsLibrariesTest, WorkbookWrittenZippedAndReadBack) {
    const std::string path = testing::TempDir() + "windows_libraries.xlsx";
    lxw_workbook* workbook = workbook_new(path.c_str());
    ASSERT_NE(workbook, nullptr);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "桩表");
    worksheet_write_number(sheet, 0, 0, 1500, nullptr);
    ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);

    const std::string xml = ReadZipEntry(path, "xl/workbook.xml");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(xml.data(), xml.size())) << xml;
    EXPECT_STREQ(document.select_node("//sheet").node().attribute("name").value(), "桩表");
    EXPECT_STREQ(zlibVersion(), ZLIB_VERSION);
    std::remove(path.c_str());
}

}  // namespace
