#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/OptionalOutputs.h"
#include "report/ReportLog.h"

namespace rokal {

// "--pdf FILE": the calculation book of a schedule as a PDF file, in the form
// that "--pdf-form" names (the text form unless it says table).
class PdfBookOutput : public OptionalOutput {
  public:
    void AddOptions(CLI::App& command) override;
    bool Requested() const override { return !file_.empty(); }
    std::vector<OutputFile> Files() const override;
    void Write(const ScheduleRun& run, std::ostream& standardOutput) override;

  private:
    std::string file_;
    ReportDocument form_ = ReportDocument::Text;
};

// Whether this build can write PDF files (it needs Qt).
bool PdfBooksAvailable();

// Writes one form of the run's book to path as a PDF; a build without Qt throws
// ReportSaveError. Throws ReportSaveError when the file cannot be written.
void WritePdfBook(const ScheduleRun& run, ReportDocument form, const std::filesystem::path& path);

// The bytes of one form of the run's book as a PDF; a build without Qt throws
// ReportSaveError.
std::string PdfBookBytes(const ScheduleRun& run, ReportDocument form);

}  // namespace rokal
