#include "cli/FileSync.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rokal {

#ifdef _WIN32

int SyncFileToDisk(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path)) {
        return 0;  // Windows keeps no separate folder entries to flush
    }
    const int fd = _wopen(path.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        return errno;
    }
    const int error = _commit(fd) == 0 ? 0 : errno;
    _close(fd);
    return error;
}

#else

int SyncFileToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = ::fsync(fd) == 0 ? 0 : errno;
    if (error == EINVAL) {
        error = 0;  // a file system that keeps nothing to flush
    }
    ::close(fd);
    return error;
}

#endif

}  // namespace rokal
