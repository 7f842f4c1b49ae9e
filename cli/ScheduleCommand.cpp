#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/FileSync.h"
#include "cli/Platform.h"
#include "cli/Summary.h"
#include "cli/TextTable.h"
#include "report/CodePage.h"
#include "report/ReportFile.h"
#include "schedule/CalcTime.h"
#include "schedule/ResultsCsv.h"
#include "schedule/ResultsJson.h"
#include "schedule/ScheduleBooks.h"
#include "schedule/ScheduleFile.h"

namespace rokal {
namespace {

const std::string kStandardOutput = "-";

// A capacity as the main window writes Ra and Rc.
std::string CapacityText(double value, const ScheduleRun& run) {
    PileResult pile;
    pile.ra = value;
    return Utf16ToUtf8(FormatWindowResults(pile, run.mode, run.decimalSeparator).ra);
}

// A load as the schedule gives it.
std::string LoadText(const ScheduleRun& run, std::size_t i, ScheduleColumn column) {
    std::u16string text = run.schedule.rows[i].Cell(column);
    text.erase(0, text.find_first_not_of(u' '));
    text.erase(text.find_last_not_of(u' ') + 1);
    return Utf16ToUtf8(TerminalSafe(text));
}

std::string RowName(const ScheduleRun& run, std::size_t i) {
    const ScheduleRow& row = run.schedule.rows[i];
    return "第" + std::to_string(row.line) + "行 " + Utf16ToUtf8(TerminalSafe(RowMark(row, i))) +
           "：";
}

// Names every row that could not be computed or fails a check; returns how many.
int ReportFailingRows(const ScheduleRun& run, std::ostream& terminal) {
    // Gathered and written in blocks: standard error is unbuffered, and a schedule
    // of 100,000 piles would otherwise cost a system call a fragment.
    constexpr std::streamoff kBlock = 1 << 16;
    std::ostringstream err;
    int failing = 0;
    for (std::size_t i = 0; i < run.results.size(); ++i) {
        const RowResult& result = run.results[i];
        for (const CellError& error : result.errors) {
            err << RowName(run, i)
                << Utf16ToUtf8(ScheduleColumnName(error.column) + u"：" + error.message) << '\n';
        }
        if (result.raCheck && !result.raCheck->holds) {
            err << RowName(run, i) << "Ra≥Nk 不满足：Ra "
                << CapacityText(result.raCheck->capacity, run) << " kN < Nk "
                << LoadText(run, i, ScheduleColumn::Nk) << " kN\n";
        }
        if (result.rcCheck && !result.rcCheck->holds) {
            err << RowName(run, i) << "Rc≥N 不满足：Rc "
                << CapacityText(result.rcCheck->capacity, run) << " kN < N "
                << LoadText(run, i, ScheduleColumn::N) << " kN\n";
        }
        failing += result.Passes() ? 0 : 1;
        if (err.tellp() > kBlock) {
            terminal << err.str();
            err.str({});
        }
    }
    terminal << err.str() << std::flush;
    return failing;
}

struct PendingFile {
    std::string name;  // UTF-8, or "-" for standard output
    std::string bytes;
};

bool WantsBooks(const CliRequest& request) {
    bool optional = false;
    for (const auto& output : request.optionalOutputs) {
        optional = optional || output->Requested();
    }
    return optional || !request.textBook.empty() || !request.tableBook.empty();
}

// The bytes of every named output, made before any file is touched. A book of a
// schedule without one computed pile is not made.
void PrepareFiles(const CliRequest& request, const ScheduleRun& run,
                  std::vector<PendingFile>& files, std::ostream& err) {
    if (!request.resultsCsv.empty()) {
        files.push_back({request.resultsCsv, ResultsToCsv(run.schedule, run.results, run.designs,
                                                          run.mode, run.decimalSeparator)});
    }
    if (!request.resultsJson.empty()) {
        files.push_back({request.resultsJson, ResultsToJson(run.schedule, run.results, run.designs,
                                                            run.mode, run.decimalSeparator)});
    }
    const std::pair<const std::string*, ReportDocument> books[] = {
        {&request.textBook, ReportDocument::Text}, {&request.tableBook, ReportDocument::Table}};
    for (const auto& [name, doc] : books) {
        if (name->empty()) {
            continue;
        }
        if (run.log.PileCount() == 0) {
            err << "没有算出的桩，计算书 " << *name << " 未写入\n";
            continue;
        }
        files.push_back({*name, EncodeBook(run.log.Document(doc), request.bookEncoding)});
    }
}

// Writes each file whole or not at all; returns false when one could not be written.
bool WriteFiles(const std::vector<PendingFile>& files, const CliRequest& request,
                const ScheduleRun& run, std::ostream& out, std::ostream& err) {
    bool written = true;
    for (const PendingFile& file : files) {
        if (file.name == kStandardOutput) {
            out << file.bytes;
            continue;
        }
        try {
            WriteFileReplacing(PathFromUtf8(file.name), file.bytes, &SyncFileToDisk);
        } catch (const ReportSaveError& error) {
            err << error.what() << '\n';
            written = false;
        }
    }
    for (const auto& output : request.optionalOutputs) {
        if (!output->Requested()) {
            continue;
        }
        try {
            output->Write(run);
        } catch (const ReportSaveError& error) {
            err << error.what() << '\n';
            written = false;
        }
    }
    return written;
}

std::vector<std::string> OutputNames(const CliRequest& request) {
    std::vector<std::string> names;
    for (const std::string* name :
         {&request.resultsCsv, &request.resultsJson, &request.textBook, &request.tableBook}) {
        if (!name->empty() && *name != kStandardOutput) {
            names.push_back(*name);
        }
    }
    for (const auto& output : request.optionalOutputs) {
        for (const std::string& name : output->FileNames()) {
            names.push_back(name);
        }
    }
    return names;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) {
        return true;
    }
    return std::filesystem::absolute(a, ec).lexically_normal() ==
           std::filesystem::absolute(b, ec).lexically_normal();
}

// An output may not overwrite the schedule itself or another output of the run.
bool OutputNamesUsable(const CliRequest& request, std::ostream& err) {
    const std::vector<std::string> names = OutputNames(request);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameFile(PathFromUtf8(names[i]), PathFromUtf8(request.file))) {
            err << "输出文件 " << names[i] << " 就是桩表文件本身，未做任何写入\n";
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (SameFile(PathFromUtf8(names[i]), PathFromUtf8(names[j]))) {
                err << "两个输出都写到 " << names[i] << "，未做任何写入\n";
                return false;
            }
        }
    }
    return true;
}

bool WritesToStandardOutput(const CliRequest& request) {
    return request.resultsCsv == kStandardOutput || request.resultsJson == kStandardOutput;
}

void PrintLines(const Lines& lines, std::ostream& out) {
    for (const std::u16string& line : lines) {
        out << Utf16ToUtf8(line) << '\n';
    }
}

ScheduleRun ComputeRun(Schedule schedule, const CliRequest& request) {
    ScheduleRun run;
    run.schedule = std::move(schedule);
    run.mode = request.mode;
    run.decimalSeparator = request.decimalSeparator;
    run.results = ComputeSchedule(run.schedule, run.decimalSeparator);
    run.designs.reserve(run.results.size());
    for (const RowResult& result : run.results) {
        run.designs.push_back(DesignRow(result, request.step, run.decimalSeparator));
    }
    if (WantsBooks(request)) {
        run.timeText =
            request.timeText.empty() ? CurrentCalcTimeText() : Utf8ToUtf16(request.timeText);
        AppendScheduleToLog(run.log, run.results, run.mode, run.timeText, run.decimalSeparator);
    }
    return run;
}

}  // namespace

int RunSchedule(const CliRequest& request, std::ostream& out, std::ostream& err) {
    if (!OutputNamesUsable(request, err)) {
        return kExitUnusable;
    }
    Schedule schedule;
    try {
        schedule = ReadScheduleFile(PathFromUtf8(request.file));
    } catch (const ScheduleFileError& error) {
        err << error.what() << '\n';
        return kExitUnusable;
    }
    if (schedule.rows.empty()) {
        err << request.file << "：桩表中没有桩\n";
        return kExitUnusable;
    }
    const ScheduleRun run = ComputeRun(std::move(schedule), request);
    const int failing = ReportFailingRows(run, err);
    std::vector<PendingFile> files;
    PrepareFiles(request, run, files, err);
    const bool usable = WriteFiles(files, request, run, out, err);
    if (!request.WritesFiles()) {
        PrintLines(
            request.command == CliRequest::Command::Design ? DesignSummary(run) : CheckSummary(run),
            out);
    } else if (!WritesToStandardOutput(request)) {
        out << Utf16ToUtf8(CountLine(run)) << '\n';
    }
    if (!usable) {
        return kExitUnusable;
    }
    return failing > 0 ? kExitRowFailed : kExitAllPass;
}

}  // namespace rokal
