#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "report/ReportLog.h"
#include "report/TableReport.h"

namespace rokal {

// "嵌岩桩计算书(依据DBJ52T045-2018)_文本.txt" or "..._表格.txt".
const std::u16string& ReportFileName(ReportDocument doc);

// The lines joined by CR LF, with no line break after the last.
std::u16string JoinReportLines(const Lines& lines);

// The path as a message names it: with the system's own separators, "\\" on
// Windows, whichever a caller joined it with.
std::string ShownPath(std::filesystem::path path);

// A save that did not reach the disk; what() names the full path and the system's reason.
class ReportSaveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Forces a written file's content onto the disk and returns 0, or the system's
// error number: SyncToDisk (report/DiskSync.h), or a stand-in in a test.
using DiskSync = std::function<int(const std::filesystem::path&)>;

// Writes bytes to path, replacing an existing file only once the new content is
// completely on disk: a temporary file of this save's own, created beside the
// target, forced to disk by sync when one is given, then renamed over it. Old
// leftovers of killed saves of the same file are removed first.
// Refused, with nothing changed: a folder or other non-file in the place of the
// file, a file its user made read-only ("文件只读"), and a link whose file lies
// outside the link's folder; a link to a file inside it is written through.
// Throws ReportSaveError naming path and the reason; a failed save leaves an
// earlier file as it was.
void WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes,
                        const DiskSync& sync = {});

// Turns the joined text of a document into the bytes of its file.
using ReportEncoder = std::function<std::string(const std::u16string&)>;

// Writes the shown document, encoded, to its file in folder and then clears its
// unsaved flag. Throws ReportSaveError and leaves the flags as they were when the
// file could not be written.
void WriteShownReport(ReportLog& log, const std::filesystem::path& folder,
                      const ReportEncoder& encode, const DiskSync& sync = {});

}  // namespace rokal
