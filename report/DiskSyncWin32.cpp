#include "report/DiskSync.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <system_error>

namespace rokal {

int SyncToDisk(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return 0;  // Windows keeps no separate folder entries to flush
    }
    // Opened for writing only because _commit asks for it; nothing is written.
    const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        return errno;
    }
    const int error = ::_commit(fd) == 0 ? 0 : errno;
    ::_close(fd);
    return error;
}

}  // namespace rokal
