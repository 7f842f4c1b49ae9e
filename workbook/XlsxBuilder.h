#pragma once

#include <xlsxwriter.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace rokal {

// A workbook made with libxlsxwriter. libxlsxwriter writes to a file name, so
// the workbook is made in a folder of its own under the system's temporary
// folder, created afresh (nothing else can have put a file in its way) and
// removed with everything in it when the builder goes; Finish() gives the bytes,
// which a save then writes beside its target (report/ReportFile.h). Rows are
// written in order, each sheet's kept on disk rather than in memory.
class XlsxBuilder {
  public:
    // Throws WorkbookError when the folder or the workbook cannot be made.
    XlsxBuilder();
    ~XlsxBuilder();
    XlsxBuilder(const XlsxBuilder&) = delete;
    XlsxBuilder& operator=(const XlsxBuilder&) = delete;

    lxw_workbook* Workbook() { return workbook_; }

    // A new sheet of this name (UTF-8). Throws WorkbookError.
    lxw_worksheet* AddSheet(const std::string& name);

    // Closes the workbook and returns the file's bytes. Throws WorkbookError.
    std::string Finish();

  private:
    std::filesystem::path folder_;
    lxw_workbook* workbook_ = nullptr;
};

// Throws WorkbookError with libxlsxwriter's reason when error is not LXW_NO_ERROR;
// what says what was being written, such as "Sheet1!C7".
void CheckWrite(lxw_error error, std::string_view what);

}  // namespace rokal
