#include "schedule/ScheduleBooks.h"

#include "report/CodePage.h"

namespace rokal {

bool AppendRowToLog(ReportLog& log, const RowResult& result, PrecisionMode mode,
                    const std::u16string& timeText, char16_t decimalSeparator) {
    if (!result.Computed()) {
        return false;
    }
    log.AppendPile(result.input, *result.pile, mode, timeText, decimalSeparator);
    return true;
}

int AppendScheduleToLog(ReportLog& log, const std::vector<RowResult>& results, PrecisionMode mode,
                        const std::u16string& timeText, char16_t decimalSeparator) {
    int appended = 0;
    for (const RowResult& result : results) {
        appended += AppendRowToLog(log, result, mode, timeText, decimalSeparator) ? 1 : 0;
    }
    return appended;
}

std::string EncodeBook(const Lines& lines, BookEncoding encoding) {
    const std::u16string text = JoinReportLines(lines);
    return encoding == BookEncoding::Gbk ? EncodeToSystemCodePage(text) : Utf16ToUtf8(text);
}

void WriteBook(const std::filesystem::path& path, const ReportLog& log, ReportDocument doc,
               BookEncoding encoding, const DiskSync& sync) {
    WriteFileReplacing(path, EncodeBook(log.Document(doc), encoding), sync);
}

}  // namespace rokal
