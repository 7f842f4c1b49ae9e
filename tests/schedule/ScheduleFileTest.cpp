#include "schedule/ScheduleFile.h"

#include <gtest/gtest.h>

#include "report/CodePage.h"
#include "tests/schedule/ScheduleTestSupport.h"

namespace rokal {
namespace {

using test::ParseUtf8;
using test::TempFolder;
using test::WriteBytes;

using Cells = std::array<std::u16string, kScheduleColumnCount>;

// Quoted fields, an unknown column, a blank line, a short record.
const char kFixture[] =
    "桩号,桩径(mm),嵌岩深度,frk,混凝土,工艺,Nk,N,备注\r\n"
    "ZH1,800,1.5d,12,C30,干作业,2500,3500,\"1轴,A\"\r\n"
    "\r\n"
    ",1000,\"2000\",25,c 35,泥浆护壁成桩,,,\"说\"\"明\"\r\n"
    "ZH3,1200,2d,35,C40\r\n";

TEST(ScheduleFile, ReadsRowsByColumnNameAndKeepsUnknownColumns) {
    const Schedule schedule = ParseUtf8(kFixture);
    EXPECT_EQ(schedule.extraColumns, std::vector<std::u16string>{u"备注"});
    ASSERT_EQ(schedule.rows.size(), 3u);
    EXPECT_EQ(schedule.rows[0].cells,
              (Cells{u"ZH1", u"800", u"1.5d", u"12", u"C30", u"干作业", u"2500", u"3500"}));
    EXPECT_EQ(schedule.rows[0].extra, std::vector<std::u16string>{u"1轴,A"});
    EXPECT_EQ(schedule.rows[1].cells,
              (Cells{u"", u"1000", u"2000", u"25", u"c 35", u"泥浆护壁成桩", u"", u""}));
    EXPECT_EQ(schedule.rows[1].extra, std::vector<std::u16string>{u"说\"明"});
    EXPECT_EQ(schedule.rows[2].cells,
              (Cells{u"ZH3", u"1200", u"2d", u"35", u"C40", u"", u"", u""}));
    EXPECT_EQ(schedule.rows[2].extra, std::vector<std::u16string>{u""});
    EXPECT_EQ(schedule.rows[0].line, 2);
    EXPECT_EQ(schedule.rows[1].line, 4);
    EXPECT_EQ(schedule.rows[2].line, 5);
    EXPECT_EQ(RowMark(schedule.rows[1], 1), u"ZH2");
}

TEST(ScheduleFile, FindsColumnsInAnyOrderUnderEitherName) {
    const char* const files[] = {
        "mark,d,hr,frk,grade,process,Nk,N\nA,1000,1.5d,25,C30,水下,100,200\n",
        "N;Nk;Process;Grade;FRK;HR;D;Mark\n200;100;水下;C30;25;1.5d;1000;A\n",
        "桩号\t桩径\t嵌岩深度\t岩石强度\t混凝土\t工艺\tNk (kN)\tN（kN）\n"
        "A\t1000\t1.5d\t25\tC30\t水下\t100\t200\n",
        "\n 工艺 ,混凝土,岩石强度[MPa],嵌岩深度,桩径 (mm),N,Nk,桩号\n"
        "水下,C30,25,1.5d,1000,200,100,A\n",
    };
    const Cells expected = {u"A", u"1000", u"1.5d", u"25", u"C30", u"水下", u"100", u"200"};
    for (const char* file : files) {
        const Schedule schedule = ParseUtf8(file);
        ASSERT_EQ(schedule.rows.size(), 1u) << file;
        EXPECT_EQ(schedule.rows[0].cells, expected) << file;
        EXPECT_TRUE(schedule.extraColumns.empty()) << file;
    }
}

TEST(ScheduleFile, ReadsTheSameScheduleFromEveryEncoding) {
    const Schedule expected = ParseUtf8(kFixture);
    const std::u16string text = Utf8ToUtf16(kFixture);
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : text) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    const std::pair<std::string, TextEncoding> files[] = {
        {kFixture, TextEncoding::Utf8},
        {"\xEF\xBB\xBF" + std::string(kFixture), TextEncoding::Utf8WithBom},
        {EncodeToSystemCodePage(text), TextEncoding::Gbk},
        {utf16, TextEncoding::Utf16WithBom},
    };
    for (const auto& [bytes, encoding] : files) {
        TextEncoding found = TextEncoding::Utf8;
        DecodeScheduleText(bytes, &found);
        EXPECT_EQ(found, encoding);
        const Schedule schedule = ParseSchedule(bytes);
        ASSERT_EQ(schedule.rows.size(), expected.rows.size());
        for (std::size_t i = 0; i < schedule.rows.size(); ++i) {
            EXPECT_EQ(schedule.rows[i].cells, expected.rows[i].cells);
            EXPECT_EQ(schedule.rows[i].extra, expected.rows[i].extra);
        }
    }
}

TEST(ScheduleFile, RefusesATextItCannotUseWithOneClearMessage) {
    const std::pair<std::string, std::string> cases[] = {
        {"桩号,桩径,嵌岩深度\n1,2,3\n",
         "桩表缺少列：岩石强度 (frk)、混凝土 (grade)、工艺 (process)"},
        {"d,hr,frk,grade,process,桩径\n", "桩表的列重复：桩径 (d)"},
        {"", "桩表是空的：没有表头行"},
        {"\r\n \r\n", "桩表是空的：没有表头行"},
        {"d,hr,frk,grade,process\n1,\"2,3\n", "第2行的引号没有闭合"},
        {std::string("d,hr\0frk", 8), "这不是文本文件"},
    };
    for (const auto& [bytes, message] : cases) {
        try {
            ParseSchedule(bytes);
            ADD_FAILURE() << "no error for: " << bytes;
        } catch (const ScheduleFileError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST(ScheduleFile, NamesTheFileThatCannotBeRead) {
    TempFolder folder;
    const auto expectError = [](const std::filesystem::path& path, const std::string& message) {
        try {
            ReadScheduleFile(path);
            ADD_FAILURE() << "no error for " << path.u8string();
        } catch (const ScheduleFileError& error) {
            EXPECT_EQ(error.what(), message);
        }
    };
    const std::string missing = (folder / "缺少.csv").u8string();
    expectError(folder / "缺少.csv", "无法读取桩表文件 " + missing + "：文件不存在");
    expectError(folder.Path(), "无法读取桩表文件 " + folder.Path().u8string() + "：这是一个文件夹");
    WriteBytes(folder / "坏.csv", "桩号\n");
    expectError(folder / "坏.csv", (folder / "坏.csv").u8string() +
                                       "：桩表缺少列：桩径 (d)、嵌岩深度 (hr)、岩石强度 (frk)、"
                                       "混凝土 (grade)、工艺 (process)");
}

TEST(ScheduleFile, ReadsAFileWithAChineseName) {
    TempFolder folder;
    WriteBytes(folder / "桩表 一.csv", kFixture);
    EXPECT_EQ(ReadScheduleFile(folder / "桩表 一.csv").rows.size(), 3u);
}

}  // namespace
}  // namespace rokal
