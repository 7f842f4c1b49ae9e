#include "report/ReportFile.h"

#include <gtest/gtest.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <csignal>
#include <fstream>
#include <future>
#include <iterator>
#include <regex>
#include <thread>
#include <utility>
#include <vector>

#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

namespace fs = std::filesystem;

// On Windows, mingw-w64's C++ library makes no symbolic links (and a user needs a
// privilege for them) and dates no folders, a file's rights are a read-only flag,
// and names that differ only in case name one file.
#ifdef _WIN32
constexpr bool kPosixFiles = false;
#else
constexpr bool kPosixFiles = true;
#endif

TEST(ReportFileNameTest, NamesBothDocuments) {
    EXPECT_EQ(ReportFileName(ReportDocument::Text), u"嵌岩桩计算书(依据DBJ52T045-2018)_文本.txt");
    EXPECT_EQ(ReportFileName(ReportDocument::Table), u"嵌岩桩计算书(依据DBJ52T045-2018)_表格.txt");
}

struct JoinCase {
    Lines lines;
    std::u16string joined;
};

class JoinReportLinesCases : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinReportLinesCases, UseCrLfBetweenLinesOnly) {
    EXPECT_EQ(JoinReportLines(GetParam().lines), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(Shapes, JoinReportLinesCases,
                         ::testing::Values(JoinCase{{}, u""},
                                           JoinCase{{u"计算时间："}, u"计算时间："},
                                           JoinCase{{u"a", u"", u"c"}, u"a\r\n\r\nc"},
                                           JoinCase{{u"ζr", u"Q≤1"}, u"ζr\r\nQ≤1"}));

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Stands in for the code page: ASCII as it is, anything else as "#".
std::string AsciiEncoder(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '#');
    }
    return out;
}

class ReportFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("rokal-report-file-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void WriteEarlier(const fs::path& path) { std::ofstream(path, std::ios::binary) << "earlier"; }
    bool OnlyEntryIs(const fs::path& path) {
        return std::distance(fs::directory_iterator(dir), fs::directory_iterator()) == 1 &&
               fs::exists(path);
    }

    fs::path dir;
};

TEST_F(ReportFileTest, WritesTheBytesExactly) {
    const fs::path path = dir / "out.txt";
    const std::string bytes("a\r\nb\0c\xA6\xC6", 8);
    WriteFileReplacing(path, bytes);
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_TRUE(OnlyEntryIs(path));
}

TEST_F(ReportFileTest, ReplacesAnEarlierFileWhole) {
    const fs::path path = dir / "out.txt";
    WriteFileReplacing(path, std::string(5000, 'x'));
    WriteFileReplacing(path, "short");
    EXPECT_EQ(ReadBytes(path), "short");
    EXPECT_TRUE(OnlyEntryIs(path));
}

TEST_F(ReportFileTest, MissingFolderFailsNamingPathAndReason) {
    const fs::path path = dir / "no-such-folder" / "out.txt";
    try {
        WriteFileReplacing(path, "bytes");
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(path.u8string()), std::string::npos) << message;
        EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    }
}

TEST_F(ReportFileTest, FolderThatIsAFileFails) {
    WriteEarlier(dir / "plain");
    const fs::path path = dir / "plain" / "out.txt";
    try {
        WriteFileReplacing(path, "bytes");
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        // Windows does not find a path through a file.
        const char* reason = kPosixFiles ? "Not a directory" : "No such file or directory";
        EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(dir / "plain"), "earlier");
}

TEST_F(ReportFileTest, DirectoryInThePlaceOfTheFileIsLeftAlone) {
    const fs::path path = dir / "out.txt";
    fs::create_directories(path / "inside");
    EXPECT_THROW(WriteFileReplacing(path, "bytes"), ReportSaveError);
    EXPECT_TRUE(fs::is_directory(path / "inside"));
    EXPECT_TRUE(OnlyEntryIs(path));
}

#ifndef _WIN32
// Makes every write beyond a file size limit fail (even for root), for one scope.
class FileSizeLimit {
  public:
    static constexpr bool kAvailable = true;
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};
#else
// Windows has no limit of a process's file size that makes a write fail midway.
class FileSizeLimit {
  public:
    static constexpr bool kAvailable = false;
    explicit FileSizeLimit(unsigned long long /*bytes*/) {}
};
#endif

TEST_F(ReportFileTest, FailedWriteKeepsTheEarlierFile) {
    if (!FileSizeLimit::kAvailable) {
        GTEST_SKIP() << "no file size limit on Windows";
    }
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    {
        FileSizeLimit limit(1000);
        try {
            WriteFileReplacing(path, std::string(100000, 'x'));
            FAIL() << "no error";
        } catch (const ReportSaveError& e) {
            EXPECT_NE(std::string(e.what()).find("File too large"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_TRUE(OnlyEntryIs(path));
}

// The new content reaches the disk before it takes the file's name, and a file
// that cannot be forced to disk does not replace the earlier one.
TEST_F(ReportFileTest, ForcesTheNewContentToDiskBeforeTheRename) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    std::vector<std::string> synced;
    WriteFileReplacing(path, "new", [&](const fs::path& p) {
        synced.push_back(p.filename().string() + "=" +
                         (fs::is_directory(p) ? "folder" : ReadBytes(p)));
        EXPECT_EQ(ReadBytes(path), synced.size() == 1 ? "earlier" : "new");
        return 0;
    });
    ASSERT_EQ(synced.size(), 2u);
    EXPECT_TRUE(
        std::regex_match(synced[0], std::regex(R"(out\.txt\.rokal-[0-9a-f]{16}\.part=new)")))
        << synced[0];
    EXPECT_EQ(synced[1], dir.filename().string() + "=folder");
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(ReportFileTest, FailedSyncKeepsTheEarlierFile) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    try {
        WriteFileReplacing(path, "new", [](const fs::path&) { return EIO; });
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        EXPECT_NE(std::string(e.what()).find(path.u8string()), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_TRUE(OnlyEntryIs(path));
}

// Two copies of the program save the same file at once. Writer A has written its
// temporary file and waits in its disk sync while writer B writes its own; A then
// finishes before B renames. Each writer that reports success must have had its
// book in the file at that moment, so the file ends with the book of the writer
// that succeeded last.
TEST_F(ReportFileTest, TwoWritersAtOnceEachUseTheirOwnTemporaryFile) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    std::promise<void> aWritten, bWritten, aDone;
    std::vector<fs::path> temporaries(2);
    auto writer = [&](const std::string& book, fs::path& temporary, std::promise<void>& written,
                      std::shared_future<void> waitFor) {
        bool first = true;
        std::string error;
        try {
            WriteFileReplacing(path, book, [&](const fs::path& p) {
                if (std::exchange(first, false)) {
                    temporary = p;
                    written.set_value();
                    waitFor.wait();
                }
                return 0;
            });
        } catch (const ReportSaveError& e) {
            error = e.what();
        }
        if (first) {
            written.set_value();  // failed before its sync: the other writer need not wait
        }
        return error;
    };
    const std::shared_future<void> aDoneFuture = aDone.get_future().share();
    const std::shared_future<void> bWrittenFuture = bWritten.get_future().share();
    std::future<std::string> a = std::async(std::launch::async, [&] {
        std::string error = writer("book A", temporaries[0], aWritten, bWrittenFuture);
        aDone.set_value();
        return error;
    });
    aWritten.get_future().wait();
    std::future<std::string> b = std::async(std::launch::async, [&] {
        return writer("book B", temporaries[1], bWritten, aDoneFuture);
    });
    const std::string aError = a.get();
    const std::string bError = b.get();

    EXPECT_NE(temporaries[0], temporaries[1]);
    EXPECT_EQ(aError, "");
    EXPECT_EQ(bError, "");
    EXPECT_EQ(ReadBytes(path), bError.empty() ? "book B" : "book A");
    EXPECT_TRUE(OnlyEntryIs(path));
}

// Files planted beside the target under the names of an older temporary file are
// neither followed nor deleted.
TEST_F(ReportFileTest, PlantedPartLinkAndFolderAreLeftAlone) {
    if (!kPosixFiles) {
        GTEST_SKIP() << "no symbolic links on Windows";
    }
    const fs::path path = dir / "out.txt";
    const fs::path outside = dir.string() + "-outside";
    std::ofstream(outside, std::ios::binary) << "outside";
    fs::create_symlink(outside, dir / "out.txt.part");
    fs::create_directory(dir / "out.txt.tmp");
    WriteFileReplacing(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReadBytes(outside), "outside");
    EXPECT_TRUE(fs::is_symlink(dir / "out.txt.part"));
    EXPECT_TRUE(fs::is_directory(dir / "out.txt.tmp"));
    fs::remove(outside);
}

TEST_F(ReportFileTest, FolderPlantedAsTheOldPartNameIsNotDeleted) {
    const fs::path path = dir / "out.txt";
    fs::create_directory(dir / "out.txt.part");
    WriteFileReplacing(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_TRUE(fs::is_directory(dir / "out.txt.part"));
}

// A killed save leaves its temporary file behind; the next save of the same file
// removes such leftovers once they are old, and nothing else.
TEST_F(ReportFileTest, OldLeftoversOfKilledSavesAreRemoved) {
    const fs::path path = dir / "out.txt";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const auto recent = fs::file_time_type::clock::now() - std::chrono::seconds(30);
    const struct {
        const char* name;
        bool old;
        bool removed;
    } entries[] = {
        {"out.txt.rokal-0123456789abcdef.part", true, true},
        {"out.txt.rokal-fedcba9876543210.part", false, false},        // perhaps a save in progress
        {"out.txt.rokal-0123456789ABCDEF.part", true, !kPosixFiles},  // Windows: the first one
        {"out.txt.rokal-0123456789abcde.part", true, false},
        {"out.txt.rokal-0123456789abcdef.part.txt", true, false},
        {"other.txt.rokal-0123456789abcdef.part", true, false},
        {"xout.txt.rokal-0123456789abcdef.part", true, false},
        {"out.txt.part", true, false},
    };
    for (const auto& entry : entries) {
        const fs::path file = dir / entry.name;
        std::ofstream(file, std::ios::binary) << "leftover";
        fs::last_write_time(file, entry.old ? old : recent);
    }
    // An old folder and an old link under a leftover's name are not the program's.
    const fs::path folder = dir / "out.txt.rokal-1111111111111111.part";
    fs::create_directory(folder);
    const fs::path link = dir / "out.txt.rokal-2222222222222222.part";
    if (kPosixFiles) {
        fs::last_write_time(folder, old);
        fs::create_symlink(dir / entries[0].name, link);
    }

    WriteFileReplacing(path, "new");
    for (const auto& entry : entries) {
        EXPECT_EQ(fs::exists(dir / entry.name), !entry.removed) << entry.name;
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(fs::is_symlink(link), kPosixFiles);
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(ReportFileTest, ReadOnlyEarlierFileIsNotReplaced) {
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        WriteFileReplacing(path, "new");
        FAIL() << "no error";
    } catch (const ReportSaveError& e) {
        EXPECT_EQ(std::string(e.what()), "无法保存文件 " + path.u8string() + ": 文件只读");
    }
    EXPECT_EQ(ReadBytes(path), "earlier");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(OnlyEntryIs(path));
    // Windows removes no read-only file.
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ReportFileTest, ReplacedFileKeepsItsPermissions) {
    if (!kPosixFiles) {
        GTEST_SKIP() << "a Windows file's rights come from its folder";
    }
    const fs::path path = dir / "out.txt";
    WriteEarlier(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    WriteFileReplacing(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// A report name that is a link is written through to the file it names only when
// that file lies inside the folder the report is saved in.
TEST_F(ReportFileTest, LinkedReportIsWrittenThroughOnlyInsideTheFolder) {
    if (!kPosixFiles) {
        GTEST_SKIP() << "no symbolic links on Windows";
    }
    const fs::path outside = dir.string() + "-outside";
    fs::create_directories(outside);
    fs::create_directories(dir / "sub");
    std::ofstream(outside / "real.txt", std::ios::binary) << "earlier";
    std::ofstream(dir / "sub" / "real.txt", std::ios::binary) << "earlier";
    const struct {
        const char* name;
        fs::path linkTo;
        const char* reason;  // empty: written through
        fs::path real;
    } cases[] = {
        {"inside.txt", dir / "sub" / "real.txt", "", dir / "sub" / "real.txt"},
        {"relative.txt", fs::path("sub") / "real.txt", "", dir / "sub" / "real.txt"},
        {"outside.txt", outside / "real.txt", "这是指向保存文件夹以外的链接", outside / "real.txt"},
        {"escaping.txt",
         fs::path("sub") / ".." / ".." / (dir.filename().string() + "-outside") / "real.txt",
         "这是指向保存文件夹以外的链接", outside / "real.txt"},
        {"dangling.txt", dir / "missing.txt", "链接指向的文件不存在", dir / "missing.txt"},
    };
    for (const auto& c : cases) {
        const fs::path path = dir / c.name;
        fs::create_symlink(c.linkTo, path);
        const std::string before = ReadBytes(c.real);
        try {
            WriteFileReplacing(path, c.name);
            EXPECT_STREQ(c.reason, "") << c.name;
            EXPECT_EQ(ReadBytes(c.real), c.name);
        } catch (const ReportSaveError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "无法保存文件 " + path.u8string() + ": " + std::string(c.reason));
            EXPECT_EQ(ReadBytes(c.real), before);
        }
        EXPECT_TRUE(fs::is_symlink(path)) << c.name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 1);
    fs::remove_all(outside);
}

TEST_F(ReportFileTest, SavingTheShownDocumentClearsOnlyItsFlag) {
    ReportLog log;
    const PileInput input = test::DefaultInput();
    log.AppendPile(input, test::Compute(input), PrecisionMode::Units, u"2024/3/5 14:07:09", u'.');
    log.ShowOtherReport();
    WriteShownReport(log, dir, AsciiEncoder);
    const fs::path path = dir / fs::path(ReportFileName(ReportDocument::Table));
    EXPECT_EQ(ReadBytes(path), AsciiEncoder(JoinReportLines(log.Document(ReportDocument::Table))));
    EXPECT_EQ(log.UnsavedFlags(), TextUnsaved);
    EXPECT_FALSE(log.SaveEnabled());
}

TEST_F(ReportFileTest, FailedSaveLeavesTheFlagsAsTheyWere) {
    ReportLog log;
    const PileInput input = test::DefaultInput();
    log.AppendPile(input, test::Compute(input), PrecisionMode::Units, u"2024/3/5 14:07:09", u'.');
    const fs::path earlier = dir / fs::path(ReportFileName(ReportDocument::Text));
    WriteEarlier(earlier);
    if (FileSizeLimit::kAvailable) {
        FileSizeLimit limit(1000);
        EXPECT_THROW(WriteShownReport(log, dir, AsciiEncoder), ReportSaveError);
    }
    EXPECT_THROW(WriteShownReport(log, dir / "missing", AsciiEncoder), ReportSaveError);
    EXPECT_EQ(log.UnsavedFlags(), TextUnsaved | TableUnsaved);
    EXPECT_TRUE(log.SaveEnabled());
    EXPECT_EQ(ReadBytes(earlier), "earlier");
    EXPECT_TRUE(OnlyEntryIs(earlier));
}

}  // namespace
}  // namespace rokal
