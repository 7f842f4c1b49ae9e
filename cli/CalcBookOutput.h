#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "book/CalculationBook.h"
#include "book/ProjectInfo.h"
#include "cli/OptionalOutputs.h"

namespace rokal {

// "--book-pdf FILE" and "--docx FILE": the typeset calculation book of a schedule,
// with "--detail all|typical", "--pile-per-page", the project's fields from
// "--project-info FILE.json" and one option per field ("--project-name" …), a
// field's option taking precedence over the file.
class CalcBookOutput : public OptionalOutput {
  public:
    void AddOptions(CLI::App& command) override;
    bool Requested() const override { return !pdf_.empty() || !docx_.empty(); }
    std::vector<OutputFile> Files() const override;
    void Write(const ScheduleRun& run, std::ostream& standardOutput) override;

    // The project as the options give it.
    book::ProjectInfo Project() const;
    book::BookOptions Options(const ScheduleRun& run) const;

  private:
    std::string pdf_;
    std::string docx_;
    book::Detail detail_ = book::Detail::All;
    bool pilePerPage_ = false;
    book::ProjectInfo fromFile_;
    std::array<std::optional<std::u16string>, book::kProjectFieldCount> fields_;
};

// Whether this build makes the typeset PDF (it needs Qt) and the Word document
// (it needs minizip and pugixml), and their bytes; throw ReportSaveError when not.
bool TypesetPdfAvailable();
std::string TypesetPdfBytes(const book::Document& document);
bool DocxAvailable();
std::string DocxBookBytes(const book::Document& document);

}  // namespace rokal
