#pragma once

#include <filesystem>

namespace rokal {

// Whether two paths lead to one file, whether or not it exists yet: the same name
// in the same folder once links in the existing part of each path are resolved
// (a link to the file counts as the file), or, for files that exist, one file
// under two names (a hard link). Names differ in case only on Windows, where the
// file system takes them as one.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace rokal
