#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Platform.h"
#include "cli/Summary.h"
#include "cli/TextTable.h"
#include "report/CodePage.h"
#include "report/DiskSync.h"
#include "report/ReportFile.h"
#include "report/SameFile.h"
#include "schedule/CalcTime.h"
#include "schedule/ResultsCsv.h"
#include "schedule/ResultsJson.h"
#include "schedule/ResultsXlsx.h"
#include "schedule/ScheduleBooks.h"
#include "schedule/ScheduleFile.h"
#include "workbook/WorkbookError.h"

namespace rokal {
namespace {

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

// "第4行 ZH3：", or "Sheet1!C4 ZH3：" for a workbook's cell.
std::string RowName(const ScheduleRun& run, std::size_t i,
                    std::optional<ScheduleColumn> column = std::nullopt) {
    const ScheduleRow& row = run.schedule.rows[i];
    const std::u16string place =
        column ? CellPlace(run.schedule, row, *column) : RowPlace(run.schedule, row);
    return Utf16ToUtf8(TerminalSafe(place)) + " " + Utf16ToUtf8(TerminalSafe(RowMark(row, i))) +
           "：";
}

// Names every row that could not be computed or fails a check on the terminal.
// Gathered and written in blocks: standard error is unbuffered, and a schedule of
// 100,000 piles would otherwise cost a system call a fragment.
class FailureReport {
  public:
    explicit FailureReport(std::ostream& terminal) : terminal_(terminal) {}
    ~FailureReport() { Flush(); }
    FailureReport(const FailureReport&) = delete;
    FailureReport& operator=(const FailureReport&) = delete;

    void Add(const ScheduleRun& run, std::size_t i, const RowResult& result) {
        for (const CellError& error : result.errors) {
            text_ << RowName(run, i, error.column) << Utf16ToUtf8(CellErrorText(error)) << '\n';
        }
        if (result.raCheck && !result.raCheck->holds) {
            text_ << RowName(run, i) << "Ra≥Nk 不满足：Ra "
                  << CapacityText(result.raCheck->capacity, run) << " kN < Nk "
                  << LoadText(run, i, ScheduleColumn::Nk) << " kN\n";
        }
        if (result.rcCheck && !result.rcCheck->holds) {
            text_ << RowName(run, i) << "Rc≥N 不满足：Rc "
                  << CapacityText(result.rcCheck->capacity, run) << " kN < N "
                  << LoadText(run, i, ScheduleColumn::N) << " kN\n";
        }
        if (result.socketCheck && !result.socketCheck->holds) {
            text_ << RowName(run, i) << "警告："
                  << Utf16ToUtf8(SocketWarningText(*result.socketCheck, run.decimalSeparator))
                  << '\n';
        }
        if (text_.tellp() > kBlock) {
            Flush();
        }
    }
    void Flush() {
        terminal_ << text_.str() << std::flush;
        text_.str({});
    }

  private:
    static constexpr std::streamoff kBlock = 1 << 16;
    std::ostream& terminal_;
    std::ostringstream text_;
};

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

// The files and logs a run fills as it goes through the rows.
struct RowSinks {
    std::optional<ResultsCsvWriter> csv;
    std::optional<ResultsJsonWriter> json;
    std::unique_ptr<ResultsXlsxWriter> xlsx;
    bool books = false;
    // The summary and the optional outputs are given every row's results; the
    // plain outputs are not, so that a large schedule is never held twice.
    bool keepResults = false;
};

// The bytes of every named output, made before any file is touched. A book of a
// schedule without one computed pile is not made. Returns false when an output
// could not be made.
bool PrepareFiles(const CliRequest& request, ScheduleRun& run, RowSinks& sinks,
                  std::vector<PendingFile>& files, std::ostream& err) {
    bool made = true;
    if (sinks.csv) {
        files.push_back({request.resultsCsv, sinks.csv->Finish()});
    }
    if (sinks.json) {
        files.push_back({request.resultsJson, sinks.json->Finish()});
    }
    if (sinks.xlsx) {
        try {
            files.push_back({request.resultsXlsx, sinks.xlsx->Finish()});
        } catch (const WorkbookError& error) {
            err << "无法保存文件 " << request.resultsXlsx << ": " << error.what() << '\n';
            made = false;
        }
    }
    if (sinks.books) {
        run.log.AppendPiles(std::move(run.bookPiles), run.timeText);
        run.bookPiles.clear();
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
    return made;
}

// Writes each file whole or not at all; returns false when one could not be written.
bool WriteFiles(const std::vector<PendingFile>& files, const CliRequest& request,
                const ScheduleRun& run, std::ostream& out, std::ostream& err) {
    bool written = true;
    for (const PendingFile& file : files) {
        if (file.name == kStandardOutputName) {
            out << file.bytes;
            continue;
        }
        try {
            WriteFileReplacing(PathFromUtf8(file.name), file.bytes, &SyncToDisk);
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
            output->Write(run, out);
        } catch (const ReportSaveError& error) {
            err << error.what() << '\n';
            written = false;
        }
    }
    return written;
}

// Every output the command line names, the standard ones first.
std::vector<OutputFile> NamedOutputs(const CliRequest& request) {
    std::vector<OutputFile> outputs;
    const std::pair<const char*, const std::string*> standard[] = {
        {"--csv", &request.resultsCsv},
        {"--json", &request.resultsJson},
        {"--xlsx", &request.resultsXlsx},
        {"--text-book", &request.textBook},
        {"--table-book", &request.tableBook}};
    for (const auto& [option, name] : standard) {
        if (!name->empty()) {
            outputs.push_back({option, *name});
        }
    }
    for (const auto& output : request.optionalOutputs) {
        for (OutputFile& file : output->Files()) {
            outputs.push_back(std::move(file));
        }
    }
    return outputs;
}

bool IsStandardOutput(const OutputFile& output) {
    return output.name == kStandardOutputName;
}

std::string Named(const OutputFile& output) {
    return output.option + " " + output.name;
}

// Refused before anything is read or written: two outputs to standard output, an
// output onto the schedule itself, and two outputs onto one file, however their
// names are spelt (a link to the file or its folder, a hard link, "." and "..").
bool OutputsUsable(const CliRequest& request, const std::vector<OutputFile>& outputs,
                   std::ostream& err) {
    const OutputFile* standard = nullptr;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const OutputFile& output = outputs[i];
        if (IsStandardOutput(output)) {
            if (standard != nullptr) {
                err << standard->option << " 与 " << output.option
                    << " 都写到标准输出（-），只能有一个输出写到标准输出，未做任何写入\n";
                return false;
            }
            standard = &output;
            continue;
        }
        const std::filesystem::path path = PathFromUtf8(output.name);
        if (IsSameFile(path, PathFromUtf8(request.file))) {
            err << Named(output) << " 就是桩表文件 " << request.file << " 本身，未做任何写入\n";
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (!IsStandardOutput(outputs[j]) && IsSameFile(path, PathFromUtf8(outputs[j].name))) {
                err << Named(outputs[j]) << " 与 " << Named(output)
                    << " 是同一个文件，未做任何写入\n";
                return false;
            }
        }
    }
    return true;
}

void PrintLines(const Lines& lines, std::ostream& out) {
    for (const std::u16string& line : lines) {
        out << Utf16ToUtf8(line) << '\n';
    }
}

bool AnyOptionalOutput(const CliRequest& request) {
    return std::any_of(request.optionalOutputs.begin(), request.optionalOutputs.end(),
                       [](const auto& output) { return output->Requested(); });
}

// Throws WorkbookError when the results workbook cannot be started.
RowSinks SinksFor(const CliRequest& request, std::size_t rows) {
    RowSinks sinks;
    if (!request.resultsXlsx.empty()) {
        sinks.xlsx = std::make_unique<ResultsXlsxWriter>(
            request.mode, request.decimalSeparator, request.step,
            request.timeText.empty() ? CurrentCalcTimeText() : Utf8ToUtf16(request.timeText),
            request.minSocket);
    }
    if (!request.resultsCsv.empty()) {
        sinks.csv.emplace(request.mode, request.decimalSeparator);
        sinks.csv->Reserve(rows);
    }
    if (!request.resultsJson.empty()) {
        sinks.json.emplace(request.mode, request.decimalSeparator);
        sinks.json->Reserve(rows);
    }
    sinks.books = WantsBooks(request);
    sinks.keepResults = !request.WritesFiles() || AnyOptionalOutput(request);
    return sinks;
}

// Computes, checks and designs each row in turn and hands it to the sinks, the
// failure report and the tally.
void ComputeRows(const CliRequest& request, ScheduleRun& run, RowSinks& sinks,
                 FailureReport& failures, RowTally& tally) {
    if (sinks.books) {
        run.timeText =
            request.timeText.empty() ? CurrentCalcTimeText() : Utf8ToUtf16(request.timeText);
    }
    if (sinks.keepResults) {
        run.results.reserve(run.schedule.rows.size());
        run.designs.reserve(run.schedule.rows.size());
    }
    for (std::size_t i = 0; i < run.schedule.rows.size(); ++i) {
        const ScheduleRow& row = run.schedule.rows[i];
        RowResult result = ComputeRow(row, run.decimalSeparator, request.minSocket);
        RowDesign design = DesignRow(result, request.step, run.decimalSeparator, request.minSocket);
        failures.Add(run, i, result);
        tally.Add(result);
        if (sinks.csv) {
            sinks.csv->Add(row, i, result, design);
        }
        if (sinks.json) {
            sinks.json->Add(row, i, result, &design);
        }
        if (sinks.xlsx) {
            sinks.xlsx->Add(row, i, result, design);
        }
        if (sinks.books && result.Computed()) {
            run.bookPiles.push_back(SchedulePile(row, i, result, run.mode, run.decimalSeparator));
        }
        if (sinks.keepResults) {
            run.results.push_back(std::move(result));
            run.designs.push_back(std::move(design));
        }
    }
    failures.Flush();
}

}  // namespace

int RunSchedule(const CliRequest& request, std::ostream& out, std::ostream& err) {
    const std::vector<OutputFile> outputs = NamedOutputs(request);
    if (!OutputsUsable(request, outputs, err)) {
        return kExitUnusable;
    }
    Schedule schedule;
    try {
        ScheduleReading reading;
        reading.sheet = Utf8ToUtf16(request.sheet);
        reading.decimalSeparator = request.decimalSeparator;
        schedule = ReadScheduleFile(PathFromUtf8(request.file), reading);
    } catch (const ScheduleFileError& error) {
        err << error.what() << '\n';
        return kExitUnusable;
    }
    if (schedule.rows.empty()) {
        err << request.file << "：桩表中没有桩\n";
        return kExitUnusable;
    }
    ScheduleRun run;
    run.schedule = std::move(schedule);
    run.mode = request.mode;
    run.decimalSeparator = request.decimalSeparator;
    RowSinks sinks;
    RowTally tally;
    try {
        sinks = SinksFor(request, run.schedule.rows.size());
        FailureReport failures(err);
        ComputeRows(request, run, sinks, failures, tally);
    } catch (const WorkbookError& error) {
        err << "无法保存文件 " << request.resultsXlsx << ": " << error.what() << '\n';
        return kExitUnusable;
    }
    std::vector<PendingFile> files;
    if (!PrepareFiles(request, run, sinks, files, err)) {
        return kExitUnusable;
    }
    const bool usable = WriteFiles(files, request, run, out, err);
    if (!request.WritesFiles()) {
        PrintLines(
            request.command == CliRequest::Command::Design ? DesignSummary(run) : CheckSummary(run),
            out);
    } else if (std::none_of(outputs.begin(), outputs.end(), IsStandardOutput)) {
        out << Utf16ToUtf8(CountLine(tally)) << '\n';
    }
    if (!usable) {
        return kExitUnusable;
    }
    return tally.failing + tally.bad > 0 ? kExitRowFailed : kExitAllPass;
}

}  // namespace rokal
