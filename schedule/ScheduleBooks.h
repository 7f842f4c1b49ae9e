#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "report/ReportFile.h"
#include "report/ReportLog.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal {

// The book's pile of computed row index: under its own mark (an empty one is "ZH"
// and the row's number, as the results name it), with its loads, checks and
// socket check.
BookPile SchedulePile(const ScheduleRow& row, std::size_t index, const RowResult& result,
                      PrecisionMode mode, char16_t decimalSeparator);

// The book's piles of every computed row, in schedule order; rows with errors are
// left out, and the marks of the others stay their own.
std::vector<BookPile> ScheduleBookPiles(const Schedule& schedule,
                                        const std::vector<RowResult>& results, PrecisionMode mode,
                                        char16_t decimalSeparator);

// Appends ScheduleBookPiles to the log in one step; returns how many were appended.
int AppendScheduleToLog(ReportLog& log, const Schedule& schedule,
                        const std::vector<RowResult>& results, PrecisionMode mode,
                        const std::u16string& timeText, char16_t decimalSeparator);

// How many of the piles the log already holds from a schedule: the same mark,
// inputs and loads. Appending them again would list them twice.
std::size_t PilesAlreadyInBook(const ReportLog& log, const std::vector<BookPile>& piles);

// How many of the piles fail a load check, and how many have a socket below the minimum.
struct BookPileTally {
    std::size_t failing = 0;
    std::size_t shortSockets = 0;
};
BookPileTally TallyBookPiles(const std::vector<BookPile>& piles);

enum class BookEncoding { Gbk, Utf8 };

// A document's lines joined as the window saves them (CR LF between lines), in GBK
// (the window's encoding) or in UTF-8 without a byte-order mark.
std::string EncodeBook(const Lines& lines, BookEncoding encoding);

// Writes one document of the log to path with WriteFileReplacing: an earlier file
// is replaced only once the new one is complete. Throws ReportSaveError.
void WriteBook(const std::filesystem::path& path, const ReportLog& log, ReportDocument doc,
               BookEncoding encoding, const DiskSync& sync = {});

}  // namespace rokal
