#include "report/ReportFile.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "report/ExclusiveFile.h"
#include "report/TemporaryFiles.h"

namespace rokal {

namespace fs = std::filesystem;

namespace {

// Tries this many fresh names before a clash of temporary names counts as a failure.
constexpr int kTemporaryNameTries = 16;

const char* const kReadOnly = "文件只读";
const char* const kLinkLeavesFolder = "这是指向保存文件夹以外的链接";
const char* const kLinkLeadsNowhere = "链接指向的文件不存在";
const char* const kNotAFile = "不是普通文件";

// The system's reason, in words that are the same on every platform where it can.
std::string Reason(const std::error_code& error) {
    if (!error) {
        return "input/output error";
    }
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category()) {
        return condition.message();
    }
    return "system error " + std::to_string(error.value());
}

std::error_code FromErrno(int error) {
    return {error != 0 ? error : EIO, std::generic_category()};
}

[[noreturn]] void Fail(const fs::path& path, const std::string& reason) {
    throw ReportSaveError("无法保存文件 " + ShownPath(path) + ": " + reason);
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// True when path lies in folder or in a folder below it; both are canonical.
bool IsInside(const fs::path& path, const fs::path& folder) {
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first ==
           folder.end();
}

// The file a save writes: path itself, or for a link the file it leads to, but
// only when that lies inside the folder the link is in.
fs::path FileToWrite(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) {
        return path;
    }
    const fs::path folder = fs::canonical(FolderOf(path), ec);
    if (ec) {
        Fail(path, Reason(ec));
    }
    const fs::path resolved = fs::canonical(path, ec);
    if (ec == std::errc::no_such_file_or_directory) {
        Fail(path, kLinkLeadsNowhere);
    }
    if (ec) {
        Fail(path, Reason(ec));
    }
    if (!IsInside(resolved.parent_path(), folder)) {
        Fail(path, kLinkLeavesFolder);
    }
    return resolved;
}

// Refuses a target that a save must not replace: a folder, anything but a plain
// file, or a file its user made read-only.
void CheckReplaceable(const fs::path& path, const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (ec || !fs::exists(status)) {
        return;  // nothing there yet, or a folder that fails when the file is made
    }
    if (fs::is_directory(status)) {
        Fail(path, Reason(std::make_error_code(std::errc::is_a_directory)));
    }
    if (!fs::is_regular_file(status)) {
        Fail(path, kNotAFile);
    }
    if (IsReadOnlyFile(target)) {
        Fail(path, kReadOnly);
    }
}

// Removes the temporary file it names unless the save handed it on.
class TemporaryFileGuard {
  public:
    TemporaryFileGuard() = default;
    TemporaryFileGuard(const TemporaryFileGuard&) = delete;
    TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;
    ~TemporaryFileGuard() {
        if (!path_.empty()) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }
    void Own(const fs::path& path) { path_ = path; }
    void Release() { path_.clear(); }

  private:
    fs::path path_;
};

// Creates a temporary file of this save's own beside target and returns its path.
fs::path CreateTemporary(const fs::path& path, const fs::path& target, ExclusiveFile& file) {
    std::error_code error;
    for (int i = 0; i < kTemporaryNameTries; ++i) {
        const fs::path temp = TemporaryPathFor(target, RandomToken());
        error = file.Create(temp);
        if (error != std::errc::file_exists) {
            if (error) {
                break;
            }
            return temp;
        }
    }
    Fail(path, Reason(error));
}

}  // namespace

std::string ShownPath(fs::path path) {
    return path.make_preferred().u8string();
}

const std::u16string& ReportFileName(ReportDocument doc) {
    static const std::u16string text = u"嵌岩桩计算书(依据DBJ52T045-2018)_文本.txt";
    static const std::u16string table = u"嵌岩桩计算书(依据DBJ52T045-2018)_表格.txt";
    return doc == ReportDocument::Text ? text : table;
}

std::u16string JoinReportLines(const Lines& lines) {
    static const std::u16string kBreak = u"\r\n";
    std::size_t size = 0;
    for (const std::u16string& line : lines) {
        size += line.size() + kBreak.size();
    }
    std::u16string joined;
    joined.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += kBreak;
        }
        joined += lines[i];
    }
    return joined;
}

void WriteFileReplacing(const fs::path& path, const std::string& bytes, const DiskSync& sync) {
    const fs::path target = FileToWrite(path);
    CheckReplaceable(path, target);
    RemoveStaleTemporaries(target);

    ExclusiveFile file;
    TemporaryFileGuard guard;
    const fs::path temp = CreateTemporary(path, target, file);
    guard.Own(temp);
    std::error_code error = file.Write(bytes);
    if (!error) {
        file.TakePermissionsOf(target);
        error = file.Close();
    }
    if (!error && sync) {
        if (const int syncError = sync(temp); syncError != 0) {
            error = FromErrno(syncError);
        }
    }
    if (error) {
        Fail(path, Reason(error));
    }
    error = RenameReplacing(temp, target);
    if (error) {
        Fail(path, Reason(error));
    }
    guard.Release();
    if (sync) {
        // The new name on disk too. The file is already saved whatever this gives:
        // a failure here is not reported as a failed save.
        sync(FolderOf(target));
    }
}

void WriteShownReport(ReportLog& log, const fs::path& folder, const ReportEncoder& encode,
                      const DiskSync& sync) {
    const ReportDocument shown = log.Shown();
    const fs::path path = folder / fs::path(ReportFileName(shown));
    WriteFileReplacing(path, encode(JoinReportLines(log.Document(shown))), sync);
    log.MarkShownSaved();
}

}  // namespace rokal
