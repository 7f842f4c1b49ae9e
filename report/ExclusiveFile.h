#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace rokal {

// A file this process has just created itself: the only kind of file a save
// writes into. The system calls behind it are POSIX or Windows ones
// (ExclusiveFilePosix.cpp, ExclusiveFileWin32.cpp). Closed when it goes.
class ExclusiveFile {
  public:
    ExclusiveFile() = default;
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;
    ~ExclusiveFile();

    // Creates a new, empty file at path, open for writing. Fails with
    // std::errc::file_exists when anything (a file, a folder, a link, even one
    // that leads nowhere) already has the name: nothing that exists is opened.
    std::error_code Create(const std::filesystem::path& path);
    std::error_code Write(std::string_view bytes);
    // Gives the file the read and write rights of another file, when there is one.
    void TakePermissionsOf(const std::filesystem::path& other);
    // Closes the file; a failure here means the content may not have arrived.
    std::error_code Close();

  private:
    int fd_ = -1;
};

// Gives the file at from the name to in one step, replacing a file of that name
// (the link itself, when to is a link).
std::error_code RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// True when path is a file its user may not change: one made read-only, or on
// POSIX one the user has no write right to.
bool IsReadOnlyFile(const std::filesystem::path& path);

}  // namespace rokal
