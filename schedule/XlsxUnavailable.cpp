// Workbooks in a build without the workbook library: every reading and writing of
// an .xlsx file says that this build cannot do it.
#include "schedule/ResultsXlsx.h"
#include "schedule/ScheduleWorkbook.h"
#include "schedule/ScheduleXlsx.h"
#include "workbook/WorkbookError.h"

namespace rokal {

namespace {

const char kCannotRead[] = "此版本不能读取 .xlsx 工作簿，请在电子表格中另存为 CSV 文件";
const char kCannotWrite[] = "此版本不能写 .xlsx 工作簿";

}  // namespace

bool XlsxAvailable() {
    return false;
}

std::vector<std::u16string> ScheduleSheetNames(std::string) {
    throw ScheduleFileError(kCannotRead);
}

Schedule ParseScheduleWorkbook(std::string, const ScheduleReading&) {
    throw ScheduleFileError(kCannotRead);
}

std::string ScheduleToXlsx(const Schedule&, char16_t) {
    throw WorkbookError(kCannotWrite);
}

struct ResultsXlsxWriter::State {};

ResultsXlsxWriter::ResultsXlsxWriter(PrecisionMode, char16_t, DepthStep, std::u16string,
                                     MinSocket) {
    throw WorkbookError(kCannotWrite);
}

ResultsXlsxWriter::~ResultsXlsxWriter() = default;

void ResultsXlsxWriter::Add(const ScheduleRow&, std::size_t, const RowResult&, const RowDesign&) {}

std::string ResultsXlsxWriter::Finish() {
    throw WorkbookError(kCannotWrite);
}

std::string ResultsToXlsx(const Schedule&, const std::vector<RowResult>&,
                          const std::vector<RowDesign>&, PrecisionMode, char16_t, DepthStep,
                          const std::u16string&, MinSocket) {
    throw WorkbookError(kCannotWrite);
}

}  // namespace rokal
