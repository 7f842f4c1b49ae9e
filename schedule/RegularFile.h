#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace rokal {

// Why a file's bytes could not be read.
enum class FileReadProblem { None, Missing, Folder, NotRegularFile, TooLarge, Unreadable };

struct FileBytes {
    FileReadProblem problem = FileReadProblem::None;
    std::string bytes;  // the whole file when problem is None
};

// The bytes of a regular file of at most maxBytes. Anything else (a folder, a pipe,
// a socket, a device such as /dev/zero or NUL) is refused before a byte is read:
// the file is opened without waiting for a writer and looked at through the open
// handle, so nothing can be swapped in between. A file that grows beyond maxBytes
// while it is read is refused too.
FileBytes ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace rokal
