#include "ui/platform/DiskSync.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <QFile>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rokal {

#ifdef _WIN32

int SyncToDisk(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path)) {
        return 0;  // Windows keeps no separate folder entries to flush
    }
    QFile file(QString::fromStdWString(path.wstring()));
    if (!file.open(QIODevice::ReadWrite)) {
        return EIO;
    }
    return _commit(file.handle()) == 0 ? 0 : errno;
}

#else

int SyncToDisk(const std::filesystem::path& path) {
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
