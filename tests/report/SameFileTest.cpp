#include "report/SameFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace rokal {
namespace {

namespace fs = std::filesystem;

// mingw-w64's C++ library makes no links on Windows.
#ifdef _WIN32
constexpr bool kLinks = false;
#else
constexpr bool kLinks = true;
#endif

// A folder holding a.csv, b.csv and the folder x; with links, also l.csv (a link
// to a.csv), h.csv (a hard link to a.csv) and here (a link to the folder itself).
class SameFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("rokal-same-file-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder / "x");
        std::ofstream(folder / "a.csv") << "a";
        std::ofstream(folder / "b.csv") << "b";
        if (kLinks) {
            fs::create_symlink("a.csv", folder / "l.csv");
            fs::create_hard_link(folder / "a.csv", folder / "h.csv");
            fs::create_directory_symlink(".", folder / "here");
        }
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

struct SameFileCase {
    const char* a;
    const char* b;
    bool same;
    bool needsLinks;
};

TEST_F(SameFileTest, ComparesWhereEachPathLeads) {
    const SameFileCase cases[] = {
        {"a.csv", "a.csv", true, false},
        {"a.csv", "./a.csv", true, false},
        {"a.csv", "x/../a.csv", true, false},
        {"a.csv", "b.csv", false, false},
        {"new.csv", "x/../new.csv", true, false},
        {"new.csv", "x/new.csv", false, false},
        {"a.csv", "l.csv", true, true},
        {"a.csv", "h.csv", true, true},
        {"a.csv", "here/a.csv", true, true},
        {"new.csv", "here/new.csv", true, true},
        {"new.csv", "here/x/../new.csv", true, true},
        {"b.csv", "l.csv", false, true},
    };
    for (const SameFileCase& c : cases) {
        if (c.needsLinks && !kLinks) {
            continue;
        }
        EXPECT_EQ(IsSameFile(folder / c.a, folder / c.b), c.same) << c.a << " and " << c.b;
        EXPECT_EQ(IsSameFile(folder / c.b, folder / c.a), c.same) << c.b << " and " << c.a;
    }
}

TEST_F(SameFileTest, TakesRelativePathsFromTheWorkingFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder / "x");
    EXPECT_TRUE(IsSameFile("../a.csv", folder / "a.csv"));
    EXPECT_TRUE(IsSameFile("new.csv", folder / "x" / "new.csv"));
    EXPECT_FALSE(IsSameFile("a.csv", folder / "a.csv"));
    fs::current_path(previous);
}

}  // namespace
}  // namespace rokal
