#pragma once

#include <filesystem>

namespace rokal {

// Forces the content of a file, or the entries of a folder, onto the disk.
// Returns 0, or the system's error number. POSIX and Windows have their own
// (DiskSyncPosix.cpp, DiskSyncWin32.cpp).
int SyncToDisk(const std::filesystem::path& path);

}  // namespace rokal
