#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/ScheduleRun.h"

namespace CLI {
class App;
}

namespace rokal {

// The file name that stands for standard output.
inline const std::string kStandardOutputName = "-";

// An output file as the command line names it.
struct OutputFile {
    std::string option;  // such as "--csv"
    std::string name;    // UTF-8, or "-" for standard output
};

// An output that needs more than the standard library, such as a PDF book drawn
// with Qt (PdfBookOutput.h; a build without Qt refuses its option).
class OptionalOutput {
  public:
    virtual ~OptionalOutput() = default;
    // Adds the output's options (such as --pdf FILE) to the check and design commands.
    virtual void AddOptions(CLI::App& command) = 0;
    // True when the command line named this output.
    virtual bool Requested() const = 0;
    // The files it will write, which may be neither the schedule nor another
    // output's file.
    virtual std::vector<OutputFile> Files() const = 0;
    // Writes the output after the standard ones, replacing an earlier file only once
    // the new one is complete, or to standardOutput for "-". Throws ReportSaveError.
    virtual void Write(const ScheduleRun& run, std::ostream& standardOutput) = 0;
};

using OptionalOutputs = std::vector<std::shared_ptr<OptionalOutput>>;

OptionalOutputs MakeOptionalOutputs();

}  // namespace rokal
