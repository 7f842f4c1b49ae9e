#pragma once

#include <filesystem>

namespace rokal {

// Forces a file's content, or a folder's entries, onto the disk without Qt.
// Returns 0, or the system's error number.
int SyncFileToDisk(const std::filesystem::path& path);

}  // namespace rokal
