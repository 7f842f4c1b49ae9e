#include "cli/CalcBookOutput.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "cli/Platform.h"
#include "cli/ScheduleRun.h"
#include "report/CodePage.h"
#include "report/DiskSync.h"
#include "report/ReportFile.h"

namespace rokal {

namespace {

const char kGroup[] = "计算书（排版的PDF与Word文档）";
const char kProjectGroup[] = "计算书的工程信息";
constexpr std::uintmax_t kMaxProjectFile = 1 << 20;

struct DetailName {
    const char* name;
    book::Detail detail;
};

const DetailName kDetailNames[] = {{"all", book::Detail::All},
                                   {"全部", book::Detail::All},
                                   {"typical", book::Detail::Typical},
                                   {"典型", book::Detail::Typical}};

CLI::Validator Refused(const char* why) {
    return CLI::Validator([why](std::string&) { return std::string(why); }, "");
}

book::ProjectInfo ReadProjectFile(const std::string& name) {
    const std::filesystem::path path = PathFromUtf8(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw CLI::ValidationError("--project-info：" + name + " 不是可读的文件");
    }
    if (std::filesystem::file_size(path, error) > kMaxProjectFile) {
        throw CLI::ValidationError("--project-info：" + name + " 超过 1 MB");
    }
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
        throw CLI::ValidationError("--project-info：无法读取 " + name);
    }
    if (!IsValidUtf8(bytes)) {
        throw CLI::ValidationError("--project-info：" + name + " 不是 UTF-8 文本");
    }
    book::ProjectInfo info;
    try {
        book::ReadProjectInfoJson(bytes, info);
    } catch (const book::ProjectInfoError& failure) {
        throw CLI::ValidationError("--project-info：" + name + "：" + failure.what());
    }
    return info;
}

}  // namespace

void CalcBookOutput::AddOptions(CLI::App& command) {
    CLI::Option* pdf =
        command
            .add_option("--book-pdf", pdf_, "排版的计算书写成PDF（A4，含工程信息、汇总与单桩计算）")
            ->type_name("FILE")
            ->group(kGroup);
    if (!TypesetPdfAvailable()) {
        pdf->check(Refused("此版本的 rokal-cli 不能写排版的PDF（构建时没有 Qt）"));
    }
    CLI::Option* docx = command.add_option("--docx", docx_, "计算书写成 Word 文档（.docx）")
                            ->type_name("FILE")
                            ->group(kGroup);
    if (!DocxAvailable()) {
        docx->check(Refused("此版本的 rokal-cli 不能写 Word 文档"));
    }
    command
        .add_option_function<std::string>(
            "--detail",
            [this](const std::string& text) {
                for (const DetailName& name : kDetailNames) {
                    if (text == name.name) {
                        detail_ = name.detail;
                        return;
                    }
                }
                throw CLI::ValidationError(
                    "--detail 应为 all（每根桩，默认）或 typical（每种输入一根）");
            },
            "单桩计算：all 每根桩（默认），typical 每种输入组合一根典型桩")
        ->type_name("all|typical")
        ->group(kGroup);
    command.add_flag("--pile-per-page", pilePerPage_, "每根桩的计算另起一页")->group(kGroup);
    command
        .add_option_function<std::string>(
            "--project-info",
            [this](const std::string& name) { fromFile_ = ReadProjectFile(name); },
            "工程信息的JSON文件，键为下列选项名（不带--）或中文名称，如 {\"project-name\": \"…\"}")
        ->type_name("FILE.json")
        ->group(kProjectGroup);
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        const auto index = static_cast<std::size_t>(entry.field);
        command
            .add_option_function<std::string>(
                std::string("--") + entry.key,
                [this, index, field = entry.field](const std::string& text) {
                    book::ProjectInfo check;
                    try {
                        check.Set(field, Utf8ToUtf16(text));
                    } catch (const book::ProjectInfoError& failure) {
                        throw CLI::ValidationError(failure.what());
                    }
                    fields_[index] = Utf8ToUtf16(text);
                },
                Utf16ToUtf8(entry.label))
            ->type_name("TEXT")
            ->group(kProjectGroup);
    }
}

std::vector<OutputFile> CalcBookOutput::Files() const {
    std::vector<OutputFile> files;
    if (!pdf_.empty()) {
        files.push_back({"--book-pdf", pdf_});
    }
    if (!docx_.empty()) {
        files.push_back({"--docx", docx_});
    }
    return files;
}

book::ProjectInfo CalcBookOutput::Project() const {
    book::ProjectInfo info = fromFile_;
    for (const book::ProjectFieldEntry& entry : book::ProjectFieldEntries()) {
        const auto& value = fields_[static_cast<std::size_t>(entry.field)];
        if (value) {
            info.Set(entry.field, *value);
        }
    }
    return info;
}

book::BookOptions CalcBookOutput::Options(const ScheduleRun& run) const {
    book::BookOptions options;
    options.mode = run.mode;
    options.decimalSeparator = run.decimalSeparator;
    options.detail = detail_;
    options.pilePerPage = pilePerPage_;
    options.today = book::TodayDateText();
    return options;
}

void CalcBookOutput::Write(const ScheduleRun& run, std::ostream& standardOutput) {
    const bool anyComputed = std::any_of(run.results.begin(), run.results.end(),
                                         [](const RowResult& result) { return result.Computed(); });
    if (!anyComputed) {
        throw ReportSaveError("没有算出的桩，计算书 " + Files().front().name + " 未写入");
    }
    const book::Document document = book::MakeCalculationBook(
        book::SchedulePiles(run.schedule, run.results, run.designs), Project(), Options(run));
    std::string failures;
    const auto attempt = [&](const std::string& name, auto bytesOf) {
        if (name.empty()) {
            return;
        }
        try {
            if (name == kStandardOutputName) {
                standardOutput << bytesOf(document);
            } else {
                WriteFileReplacing(PathFromUtf8(name), bytesOf(document), &SyncToDisk);
            }
        } catch (const ReportSaveError& error) {
            failures += (failures.empty() ? "" : "\n") + std::string(error.what());
        }
    };
    attempt(pdf_, &TypesetPdfBytes);
    attempt(docx_, &DocxBookBytes);
    if (!failures.empty()) {
        throw ReportSaveError(failures);
    }
}

}  // namespace rokal
