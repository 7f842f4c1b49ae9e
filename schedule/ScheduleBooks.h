#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "report/ReportFile.h"
#include "report/ReportLog.h"
#include "schedule/RowCompute.h"

namespace rokal {

// Appends the row to the log with ReportLog::AppendPile when it was computed, as
// the main window's "计算" does; returns whether it was.
bool AppendRowToLog(ReportLog& log, const RowResult& result, PrecisionMode mode,
                    const std::u16string& timeText, char16_t decimalSeparator);

// Appends every computed row, in order, to the log with ReportLog::AppendPile, as
// if each pile had been computed in the main window one after another. Rows with
// errors are left out. Returns how many were appended.
int AppendScheduleToLog(ReportLog& log, const std::vector<RowResult>& results, PrecisionMode mode,
                        const std::u16string& timeText, char16_t decimalSeparator);

enum class BookEncoding { Gbk, Utf8 };

// A document's lines joined as the window saves them (CR LF between lines), in GBK
// (the window's encoding) or in UTF-8 without a byte-order mark.
std::string EncodeBook(const Lines& lines, BookEncoding encoding);

// Writes one document of the log to path with WriteFileReplacing: an earlier file
// is replaced only once the new one is complete. Throws ReportSaveError.
void WriteBook(const std::filesystem::path& path, const ReportLog& log, ReportDocument doc,
               BookEncoding encoding, const DiskSync& sync = {});

}  // namespace rokal
