#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "schedule/RegularFile.h"

namespace rokal {
namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

FileReadProblem ProblemOfStatus(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return FileReadProblem::Folder;
    }
    return S_ISREG(info.st_mode) ? FileReadProblem::None : FileReadProblem::NotRegularFile;
}

// Why a path could not be opened, from what is there.
FileReadProblem ProblemOfPath(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? FileReadProblem::Missing
                                                   : FileReadProblem::Unreadable;
    }
    const FileReadProblem problem = ProblemOfStatus(info);
    return problem == FileReadProblem::None ? FileReadProblem::Unreadable : problem;
}

}  // namespace

FileBytes ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    FileBytes file;
    // O_NONBLOCK: opening a pipe does not wait for a writer.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        file.problem = ProblemOfPath(path);
        return file;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        file.problem = FileReadProblem::Unreadable;
        return file;
    }
    file.problem = ProblemOfStatus(info);
    if (file.problem != FileReadProblem::None) {
        return file;
    }
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        file.problem = FileReadProblem::TooLarge;
        return file;
    }
    file.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            file.problem = FileReadProblem::Unreadable;
            break;
        }
        if (got == 0) {
            break;
        }
        file.bytes.append(buffer, static_cast<std::size_t>(got));
        if (file.bytes.size() > maxBytes) {
            file.problem = FileReadProblem::TooLarge;
            break;
        }
    }
    if (file.problem != FileReadProblem::None) {
        file.bytes.clear();
    }
    return file;
}

}  // namespace rokal
