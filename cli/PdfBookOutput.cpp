#include "cli/PdfBookOutput.h"

#include "cli/CalcBookOutput.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/Platform.h"
#include "cli/ScheduleRun.h"
#include "report/ReportFile.h"

namespace rokal {

namespace {

const char kGroup[] = "输出（不给时在终端打印汇总表）";
const char kUnavailable[] = "此版本的 rokal-cli 不能写 PDF（构建时没有 Qt）";

struct FormName {
    const char* name;
    ReportDocument form;
};

const FormName kFormNames[] = {{"text", ReportDocument::Text},
                               {"文本", ReportDocument::Text},
                               {"table", ReportDocument::Table},
                               {"表格", ReportDocument::Table}};

}  // namespace

void PdfBookOutput::AddOptions(CLI::App& command) {
    CLI::Option* pdf =
        command
            .add_option("--pdf", file_, "计算书写成PDF（A4，形式由 --pdf-form 定）；- 为标准输出")
            ->type_name("FILE")
            ->group(kGroup);
    if (!PdfBooksAvailable()) {
        pdf->check(CLI::Validator([](std::string&) { return std::string(kUnavailable); }, ""));
    }
    command
        .add_option_function<std::string>(
            "--pdf-form",
            [this](const std::string& text) {
                for (const FormName& name : kFormNames) {
                    if (text == name.name) {
                        form_ = name.form;
                        return;
                    }
                }
                throw CLI::ValidationError("--pdf-form 应为 text（文本，默认）或 table（表格）");
            },
            "PDF计算书的形式：text 文本（默认）或 table 表格")
        ->type_name("FORM")
        ->group(kGroup);
}

std::vector<OutputFile> PdfBookOutput::Files() const {
    return Requested() ? std::vector<OutputFile>{{"--pdf", file_}} : std::vector<OutputFile>{};
}

void PdfBookOutput::Write(const ScheduleRun& run, std::ostream& standardOutput) {
    if (run.log.PileCount() == 0) {
        throw ReportSaveError("没有算出的桩，PDF计算书 " + file_ + " 未写入");
    }
    if (file_ == kStandardOutputName) {
        standardOutput << PdfBookBytes(run, form_);
        return;
    }
    WritePdfBook(run, form_, PathFromUtf8(file_));
}

OptionalOutputs MakeOptionalOutputs() {
    return {std::make_shared<PdfBookOutput>(), std::make_shared<CalcBookOutput>()};
}

}  // namespace rokal
