#include <windows.h>

#include "schedule/RegularFile.h"

namespace rokal {
namespace {

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

// Why a path could not be opened, from what is there.
FileReadProblem ProblemOfPath(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileReadProblem::Missing
                   : FileReadProblem::Unreadable;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileReadProblem::Folder
                                                        : FileReadProblem::Unreadable;
}

}  // namespace

FileBytes ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    FileBytes file;
    const Handle handle(::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle.Get() == INVALID_HANDLE_VALUE) {
        file.problem = ProblemOfPath(path);
        return file;
    }
    // Pipes, consoles and devices such as NUL are not disk files.
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle.Get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(handle.Get(), &info)) {
        file.problem = FileReadProblem::NotRegularFile;
        return file;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        file.problem = FileReadProblem::Folder;
        return file;
    }
    const std::uintmax_t size =
        (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxBytes) {
        file.problem = FileReadProblem::TooLarge;
        return file;
    }
    file.bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(handle.Get(), buffer, sizeof buffer, &got, nullptr)) {
            file.problem = FileReadProblem::Unreadable;
            break;
        }
        if (got == 0) {
            break;
        }
        file.bytes.append(buffer, got);
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
