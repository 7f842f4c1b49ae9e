#include "report/ExclusiveFile.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstddef>

namespace rokal {

namespace {

std::error_code LastCrtError() {
    return {errno, std::generic_category()};
}

// The errors a save meets, as the portable conditions their messages name; any
// other keeps its Windows number.
std::error_code LastWindowsError() {
    const DWORD error = ::GetLastError();
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        case ERROR_NOT_SAME_DEVICE:
            return std::make_error_code(std::errc::cross_device_link);
        default:
            return {static_cast<int>(error), std::system_category()};
    }
}

}  // namespace

ExclusiveFile::~ExclusiveFile() {
    if (fd_ >= 0) {
        ::_close(fd_);
    }
}

std::error_code ExclusiveFile::Create(const std::filesystem::path& path) {
    fd_ = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
    return fd_ < 0 ? LastCrtError() : std::error_code();
}

std::error_code ExclusiveFile::Write(std::string_view bytes) {
    constexpr std::size_t kChunk = INT_MAX / 2;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t size = bytes.size() - done < kChunk ? bytes.size() - done : kChunk;
        const int written = ::_write(fd_, bytes.data() + done, static_cast<unsigned>(size));
        if (written < 0) {
            return LastCrtError();
        }
        done += static_cast<std::size_t>(written);
    }
    return {};
}

void ExclusiveFile::TakePermissionsOf(const std::filesystem::path& /*other*/) {
    // A Windows file's rights come from its folder; a read-only earlier file is
    // refused before a save begins, so there is nothing to carry over.
}

std::error_code ExclusiveFile::Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::_close(fd) == 0 ? std::error_code() : LastCrtError();
}

std::error_code RenameReplacing(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
    const BOOL moved =
        ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? std::error_code() : LastWindowsError();
}

bool IsReadOnlyFile(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace rokal
