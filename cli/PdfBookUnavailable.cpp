// PDF books in a build without Qt: the option is refused when the command line is read.
#include "cli/PdfBookOutput.h"
#include "report/ReportFile.h"

namespace rokal {

bool PdfBooksAvailable() {
    return false;
}

void WritePdfBook(const ScheduleRun&, ReportDocument, const std::filesystem::path& path) {
    throw ReportSaveError("此版本的 rokal-cli 不能写 PDF，" + path.u8string() + " 未写入");
}

std::string PdfBookBytes(const ScheduleRun&, ReportDocument) {
    throw ReportSaveError("此版本的 rokal-cli 不能写 PDF，标准输出未写入");
}

}  // namespace rokal
