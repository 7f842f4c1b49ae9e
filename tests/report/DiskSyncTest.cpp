#include "report/DiskSync.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

namespace rokal {
namespace {

namespace fs = std::filesystem;

TEST(DiskSyncTest, SyncsFilesAndFoldersAndNamesWhatFails) {
    const fs::path dir =
        fs::temp_directory_path() / ("rokal-disk-sync-test-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "file.txt") << "content";
    EXPECT_EQ(SyncToDisk(dir / "file.txt"), 0);
    EXPECT_EQ(SyncToDisk(dir), 0);
    EXPECT_EQ(SyncToDisk(dir / "missing.txt"), ENOENT);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rokal
