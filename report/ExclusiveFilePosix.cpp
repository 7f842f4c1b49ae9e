#include "report/ExclusiveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace rokal {

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

constexpr mode_t kReadWriteBits = S_IRWXU | S_IRWXG | S_IRWXO;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

}  // namespace

ExclusiveFile::~ExclusiveFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::error_code ExclusiveFile::Create(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    return fd_ < 0 ? LastError() : std::error_code();
}

std::error_code ExclusiveFile::Write(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        done += static_cast<std::size_t>(written);
    }
    return {};
}

void ExclusiveFile::TakePermissionsOf(const std::filesystem::path& other) {
    struct stat status {};
    if (::stat(other.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        ::fchmod(fd_, status.st_mode & kReadWriteBits);
    }
}

std::error_code ExclusiveFile::Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? std::error_code() : LastError();
}

std::error_code RenameReplacing(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : LastError();
}

bool IsReadOnlyFile(const std::filesystem::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    // The write bits tell for any user, also one whom access() lets write anything.
    if ((status.st_mode & kWriteBits) == 0) {
        return true;
    }
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

}  // namespace rokal
