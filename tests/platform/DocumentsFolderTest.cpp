// The Documents folder that saving uses, under environments that name it badly.
#include "ui/platform/DocumentsFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace rokal {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable (or unsets it, for nullopt) for one scope.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            previous_ = old;
        }
        Set(value);
    }
    ~ScopedVariable() { Set(previous_); }

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> previous_;
};

// Every entry below root, as paths relative to it.
std::set<std::string> Tree(const fs::path& root) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        entries.insert(fs::relative(entry.path(), root).string());
    }
    return entries;
}

struct FolderCase {
    const char* name;
    std::string homeName;                 // folder made under the sandbox; "" leaves HOME unset
    std::optional<std::string> userDirs;  // the XDG_DOCUMENTS_DIR line's value, as bytes
    std::string expected;                 // relative to the sandbox; "" for no folder
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << c.name;
}

class DocumentsFolderTest : public ::testing::TestWithParam<FolderCase> {
  protected:
    void SetUp() override {
        sandbox = fs::temp_directory_path() /
                  ("rokal-documents-" + std::to_string(::getpid()) + "-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(sandbox);
        fs::create_directories(sandbox / "cwd");
        fs::create_directories(sandbox / "shared");
        previousCwd = fs::current_path();
        fs::current_path(sandbox / "cwd");
    }
    void TearDown() override {
        fs::current_path(previousCwd);
        fs::remove_all(sandbox);
    }

    fs::path sandbox;
    fs::path previousCwd;
};

TEST_P(DocumentsFolderTest, OnlyAFolderThatExistsOrCanBeMadeInsideTheHome) {
    const FolderCase& c = GetParam();
    const fs::path home = sandbox / c.homeName;
    const fs::path config = sandbox / "config";
    fs::create_directories(config);
    if (!c.homeName.empty()) {
        fs::create_directories(home);
    }
    if (c.userDirs) {
        std::string value = *c.userDirs;
        if (value.rfind("SANDBOX", 0) == 0) {
            value.replace(0, 7, sandbox.string());
        }
        std::ofstream(config / "user-dirs.dirs", std::ios::binary)
            << "XDG_DOCUMENTS_DIR=\"" << value << "\"\n";
    }
    const bool rootDocumentsBefore = fs::exists("/Documents");
    const std::set<std::string> before = Tree(sandbox);
    QString folder;
    {
        ScopedVariable homeVariable(
            "HOME", c.homeName.empty() ? std::nullopt : std::optional<std::string>(home.string()));
        ScopedVariable configVariable("XDG_CONFIG_HOME", config.string());
        folder = DocumentsFolder();
    }
    const std::string expected = c.expected.empty() ? "" : (sandbox / c.expected).string();
    EXPECT_EQ(folder.toStdString(), expected);

    std::set<std::string> after = Tree(sandbox);
    if (!c.expected.empty()) {
        EXPECT_TRUE(fs::is_directory(expected));
        if (before.count(c.expected) == 0) {
            after.erase(c.expected);
        }
    }
    EXPECT_EQ(after, before) << "a folder was made where none should be";
    EXPECT_EQ(fs::exists("/Documents"), rootDocumentsBefore);
    if (!rootDocumentsBefore && fs::exists("/Documents")) {
        fs::remove("/Documents");
    }
}

const std::string kGbkWendang = "\xCE\xC4\xB5\xB5";  // "文档" in GBK

INSTANTIATE_TEST_SUITE_P(
    Environments, DocumentsFolderTest,
    ::testing::Values(
        FolderCase{"default", "home", std::nullopt, "home/Documents"},
        FolderCase{"named in UTF-8", "home", "$HOME/文档", "home/文档"},
        FolderCase{"named in GBK", "home", "$HOME/" + kGbkWendang, ""},
        FolderCase{"relative", "home", "文档", ""},
        FolderCase{"home with a byte that is no UTF-8", "home\xFF", std::nullopt, ""},
        FolderCase{"no home", "", std::nullopt, ""},
        FolderCase{"existing folder outside the home", "home", "SANDBOX/shared", "shared"},
        FolderCase{"missing folder outside the home", "home", "SANDBOX/elsewhere", ""}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace rokal
