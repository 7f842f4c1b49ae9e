#include "report/ReportFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace rokal {

namespace fs = std::filesystem;

namespace {

std::string SystemReason(int error) {
    return error != 0 ? std::generic_category().message(error) : "input/output error";
}

[[noreturn]] void Fail(const fs::path& path, const std::string& reason) {
    throw ReportSaveError("无法保存文件 " + path.u8string() + ": " + reason);
}

fs::path TemporaryPathBeside(const fs::path& path) {
    fs::path temp = path;
    temp += ".part";
    return temp;
}

// Writes and closes the file, checking every step; returns the errno of the first
// failure, 0 on success.
int WriteWhole(const fs::path& path, const std::string& bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return errno != 0 ? errno : EIO;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        return errno != 0 ? errno : EIO;
    }
    out.close();
    if (out.fail()) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

// A replaced file keeps its permissions.
void CopyPermissions(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    const fs::file_status status = fs::status(from, ec);
    if (!ec && fs::is_regular_file(status)) {
        fs::permissions(to, status.permissions(), ec);
    }
}

}  // namespace

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
    const fs::path temp = TemporaryPathBeside(path);
    std::error_code ignored;
    int error = WriteWhole(temp, bytes);
    if (error == 0 && sync) {
        error = sync(temp);
    }
    if (error != 0) {
        fs::remove(temp, ignored);
        Fail(path, SystemReason(error));
    }
    CopyPermissions(path, temp);
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ignored);
        Fail(path, ec.message());
    }
    if (sync) {
        // The new name on disk too. The file is already saved whatever this gives:
        // a failure here is not reported as a failed save.
        sync(path.has_parent_path() ? path.parent_path() : fs::path("."));
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
