#include "schedule/ScheduleFile.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "report/CodePage.h"
#include "schedule/RowCompute.h"
#include "schedule/ScheduleCsv.h"
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

// The message of the ScheduleFileError that reading the bytes throws, or "" when
// they read.
std::string ErrorOf(std::string_view bytes, char16_t separator = u'.') {
    try {
        ParseSchedule(bytes, {separator});
    } catch (const ScheduleFileError& error) {
        return error.what();
    }
    return "";
}

const char kHeader[] = "桩号,桩径,嵌岩深度,岩石强度,混凝土,工艺,Nk,N\n";

// A record with more fields than the header is a row that cannot be computed,
// its fields all kept; blank fields beyond the header are nothing to keep.
TEST(ScheduleFile, KeepsFieldsBeyondTheHeaderAsTheRowsSurplus) {
    const Schedule schedule = ParseUtf8(std::string(kHeader) +
                                        "ZH1,1000,1.5d,25,C30,泥浆护壁,9,500,7,800\n"
                                        "ZH2,1000,1.5d,25,C30,泥浆护壁,9500,7800,, \n");
    ASSERT_EQ(schedule.rows.size(), 2u);
    const ScheduleRow& slipped = schedule.rows[0];
    EXPECT_EQ(slipped.Cell(ScheduleColumn::Nk), u"9");
    EXPECT_EQ(slipped.Cell(ScheduleColumn::N), u"500");
    EXPECT_EQ(slipped.surplus, (std::vector<std::u16string>{u"7", u"800"}));
    EXPECT_EQ(slipped.headerFields, 8);
    const RowResult result = ComputeRow(slipped, u'.');
    EXPECT_FALSE(result.Computed());
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(CellErrorText(result.errors[0]),
              u"第2行有10个字段，表头只有8个：多出的字段不知属于哪一列"
              u"（数中不用千位分隔符，含分隔符的文字要加引号）");
    EXPECT_TRUE(schedule.rows[1].surplus.empty());
    EXPECT_TRUE(ComputeRow(schedule.rows[1], u'.').Computed());

    // Saved and read again: the same cells and the same surplus, still not computed.
    const Schedule back = ParseSchedule(ScheduleToCsv(schedule));
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0].cells, slipped.cells);
    EXPECT_EQ(back.rows[0].surplus, slipped.surplus);
    EXPECT_FALSE(ComputeRow(back.rows[0], u'.').Computed());
}

// Units in headers convert the column's cells exactly, as decimal text.
TEST(ScheduleFile, ConvertsTheUnitsItKnowsExactly) {
    struct Case {
        const char* file;
        Cells row;
        char16_t separator;
    };
    const Case cases[] = {
        {"桩号,桩径(m),嵌岩深度（m）,岩石强度[kPa],混凝土,工艺,Nk(MN),N (mn)\n"
         "A,1.2,1.8,25000,C30,水下,9.5,0.0078\n",
         {u"A", u"1200", u"1800", u"25", u"C30", u"水下", u"9500", u"7.8"},
         u'.'},
        {"d[cm];hr(M);frk(N/mm²);grade;process;Nk(千牛)\n120,5;0,25;25,50;C30;水下;1,5e3\n",
         {u"", u"1205", u"250", u"25,50", u"C30", u"水下", u"1,5e3", u""},
         u','},
        // hr as a multiple of d has no unit; blank cells and cells that are not
        // numbers stay as written, to be refused as cells.
        {"d(mm),hr(m),frk(MPa),grade,process,Nk(MN)\n1000,1.5d,25,C30,水下,\n",
         {u"", u"1000", u"1.5d", u"25", u"C30", u"水下", u"", u""},
         u'.'},
        {"d(m),hr(m),frk(kPa),grade,process,Nk(MN)\n\"1,2\",2.5d+1,x,C30,水下,\"0,5\"\n",
         {u"", u"1,2", u"2.5d+1", u"x", u"C30", u"水下", u"0,5", u""},
         u'.'},
        {"d(m),hr(米),frk(kpa),grade,process,N(MN)\n-0.05, 003.000 ,25,C30,水下,2e-3\n",
         {u"", u"-50", u"3000", u"0.025", u"C30", u"水下", u"", u"2000e-3"},
         u'.'},
    };
    for (const Case& c : cases) {
        const Schedule schedule = ParseSchedule(c.file, {c.separator});
        ASSERT_EQ(schedule.rows.size(), 1u) << c.file;
        EXPECT_EQ(schedule.rows[0].cells, c.row) << c.file;
    }
    const Schedule converted = ParseSchedule(cases[0].file);
    ASSERT_EQ(converted.convertedColumns.size(), 5u);
    EXPECT_EQ(converted.convertedColumns[1].column, ScheduleColumn::Hr);
    EXPECT_EQ(converted.convertedColumns[1].fileUnit, u"m");
    EXPECT_EQ(converted.convertedColumns[1].programUnit, u"mm");
    EXPECT_TRUE(ParseUtf8(kFixture).convertedColumns.empty());
}

TEST(ScheduleFile, RefusesAUnitTheColumnDoesNotTake) {
    const std::pair<const char*, const char*> cases[] = {
        {"桩号,桩径(in),嵌岩深度,岩石强度,混凝土,工艺\n",
         "第1行第2列“桩径(in)”的单位“in”不可用：桩径 (d) 的单位应为 mm、cm 或 m"},
        {"\n d,hr,frk（t/m²）,grade,process\n",
         "第2行第3列“frk（t/m²）”的单位“t/m²”不可用：岩石强度 (frk) 的单位应为 MPa、N/mm² 或 kPa"},
        {"sep=;\nd;hr;frk;grade;process;Nk[t]\n",
         "第2行第6列“Nk[t]”的单位“t”不可用：Nk 的单位应为 kN 或 MN"},
        {"d,hr(d),frk,grade,process\n",
         "第1行第2列“hr(d)”的单位“d”不可用：嵌岩深度 (hr) 的单位应为 mm、cm 或 m"},
    };
    for (const auto& [file, message] : cases) {
        EXPECT_EQ(ErrorOf(file), message);
    }
    // A text column's bracket says nothing about its values.
    EXPECT_EQ(ErrorOf("桩号(编号),d,hr,frk,混凝土（强度等级）,process\n"), "");
}

// A first line "sep=X", as a spreadsheet writes it, names the delimiter and is no
// header; the lines keep their numbers.
TEST(ScheduleFile, TakesTheDelimiterAFirstSepLineNames) {
    const Cells expected = {u"A", u"1000", u"1,5d", u"25", u"C30", u"水下", u"", u""};
    for (const char* file : {"sep=;\r\nmark;d;hr;frk;grade;process\r\nA;1000;1,5d;25;C30;水下\r\n",
                             "\xEF\xBB\xBFSEP=\t\nmark\td\thr\tfrk\tgrade\tprocess\n"
                             "A\t1000\t1,5d\t25\tC30\t水下\n",
                             "sep=,\nmark,d,hr,frk,grade,process\nA,1000,\"1,5d\",25,C30,水下\n"}) {
        const Schedule schedule = ParseUtf8(file);
        ASSERT_EQ(schedule.rows.size(), 1u) << file;
        EXPECT_EQ(schedule.rows[0].cells, expected) << file;
        EXPECT_EQ(schedule.rows[0].line, 3) << file;
    }
    EXPECT_EQ(ErrorOf("sep=|\nd|hr|frk|grade|process\n"),
              "第1行“sep=|”指定的分隔符不可用：应为逗号、分号或制表符");
}

// A file that is not UTF-8 throughout is GBK throughout, or refused where it breaks.
TEST(ScheduleFile, RefusesMixedOrUnknownEncodingsNamingTheFirstBadCharacter) {
    const std::string utf8 = std::string(kHeader) + "ZH1,1000,1.5d,25,C30,泥浆护壁\n";
    const std::string gbk = EncodeToSystemCodePage(Utf8ToUtf16(utf8));
    const std::pair<std::string, std::string> cases[] = {
        {utf8 + "ZH2,1000,1.5d,25\xB0,C30,水下\n",
         "第3行第17个字符不是UTF-8编码，而文件其余部分是UTF-"
         "8：文件混用了两种编码，请改正后统一存为UTF-8"},
        // No line of UTF-8 that is not GBK, but GBK fails too.
        {"mark,d,hr,frk,grade,process\n桩,1000,1.5d,25,C30,水下\xFF\n",
         "第2行第22个字符不是UTF-8编码，而文件其余部分是UTF-"
         "8：文件混用了两种编码，请改正后统一存为UTF-8"},
        {gbk + "ZH2,1000,1.5d,25,C30,\xFF\n", "第3行第22个字符既不是UTF-8也不是GBK编码"},
        {"\xEF\xBB\xBF" + utf8 + "\xC0\x80\n",
         "第3行第1个字符不是UTF-8编码（文件开头标明是UTF-8）"},
        {std::string("\xFF\xFE"
                     "d\0,",
                     5),
         "UTF-16文件的字节数不成对：文件不完整"},
        {std::string("\xFF\xFE"
                     "d\0\n\0a\0\x00\xDC",
                     10),
         "第2行第2个字符不是有效的UTF-16编码"},
    };
    for (const auto& [bytes, message] : cases) {
        EXPECT_EQ(ErrorOf(bytes), message);
    }
    // GBK whose characters happen to be well-formed UTF-8 more often than not.
    const std::string underwater = EncodeToSystemCodePage(
        u"mark,d,hr,frk,grade,process\nZH1,1000,1.5d,25,C30,水下灌注桩\nZH2,1000,2d,25,C30,"
        u"水下灌注桩\n");
    TextEncoding found = TextEncoding::Utf8;
    EXPECT_EQ(DecodeScheduleText(underwater, &found).substr(0, 4), u"mark");
    EXPECT_EQ(found, TextEncoding::Gbk);
    EXPECT_EQ(ParseSchedule(underwater).rows[1].Cell(ScheduleColumn::Process), u"水下灌注桩");
}

// Memory follows the rows read: a file of line breaks holds no room for rows.
TEST(ScheduleFile, HoldsNoRoomForRowsItDidNotRead) {
    const std::string file = "d,hr,frk,grade,process\n" + std::string(1 << 20, '\n');
    EXPECT_EQ(ParseUtf8(file).rows.capacity(), 0u);
}

#ifndef _WIN32
// Anything but a regular file is refused before a byte is read: a pipe without a
// writer (which would block), a device without an end, a socket.
TEST(ScheduleFile, RefusesAnythingButARegularFile) {
    TempFolder folder;
    const std::filesystem::path fifo = folder / "管道.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path socketPath = folder / "s.csv";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.native().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    for (const std::filesystem::path& path :
         {fifo, std::filesystem::path("/dev/zero"), socketPath}) {
        try {
            ReadScheduleFile(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const ScheduleFileError& error) {
            EXPECT_EQ(error.what(), "无法读取桩表文件 " + path.u8string() +
                                        "：这不是普通文件（而是管道、设备或套接字）");
        }
    }
    ::close(listener);
}
#else
// A device such as NUL or CON is refused before a byte is read.
TEST(ScheduleFile, RefusesADevice) {
    try {
        ReadScheduleFile("NUL");
        ADD_FAILURE() << "no error";
    } catch (const ScheduleFileError& error) {
        EXPECT_EQ(error.what(),
                  std::string("无法读取桩表文件 NUL：这不是普通文件（而是管道、设备或套接字）"));
    }
}
#endif

// The size limit holds for the file as opened, before it is read.
TEST(ScheduleFile, RefusesAFileAboveTheSizeItIsGiven) {
    TempFolder folder;
    WriteBytes(folder / "a.csv", kFixture);
    ScheduleReading reading;
    reading.maxFileBytes = sizeof kFixture - 2;
    try {
        ReadScheduleFile(folder / "a.csv", reading);
        ADD_FAILURE() << "no error";
    } catch (const ScheduleFileError& error) {
        EXPECT_EQ(error.WhyRefused(), ScheduleFileError::Reason::TooLarge);
        EXPECT_EQ(error.what(), "无法读取桩表文件 " + (folder / "a.csv").u8string() + "：文件超过" +
                                    std::to_string(reading.maxFileBytes) + " 字节");
    }
    reading.maxFileBytes = sizeof kFixture - 1;
    EXPECT_EQ(ReadScheduleFile(folder / "a.csv", reading).rows.size(), 3u);
}

TEST(ScheduleFile, ReadsAFileWithAChineseName) {
    TempFolder folder;
    WriteBytes(folder / "桩表 一.csv", kFixture);
    EXPECT_EQ(ReadScheduleFile(folder / "桩表 一.csv").rows.size(), 3u);
}

}  // namespace
}  // namespace rokal
