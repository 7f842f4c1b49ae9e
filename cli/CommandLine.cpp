#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <optional>

#include "cli/ExitStatus.h"
#include "report/CodePage.h"
#include "schedule/ScheduleXlsx.h"
#include "ui/about/VersionRecord.h"

namespace rokal {
namespace {

const char* const kDescription =
    "嵌岩桩计算（依据DBJ 52/T045-2018）：单桩的岩石类别、ζr、Ra 和 Rc，\n"
    "或整份桩表的计算、Ra≥Nk 与 Rc≥N 验算、嵌岩深度与混凝土等级建议。";

const char* const kFooter =
    "\n示例：\n"
    "  rokal-cli --d 1000 --hr 1.5d --frk 25 --grade C30 --process 泥浆护壁\n"
    "  rokal-cli check piles.csv\n"
    "  rokal-cli design piles.csv --step 0.5d --csv results.csv --table-book 表格.txt\n"
    "  rokal-cli design 桩表.xlsx --sheet 桩表 --xlsx 结果.xlsx\n"
    "\n"
    "桩表为带表头的CSV文件（逗号、分号或制表符分隔；UTF-8或GBK）或 .xlsx 工作簿，\n"
    "列名可用中文或英文：\n"
    "  桩号/mark  桩径/d  嵌岩深度/hr  岩石强度/frk  混凝土/grade  工艺/process  Nk  N\n"
    "工艺可写全称或 干作业、泥浆护壁、后注浆、水下；Nk 与 N 单位 kN，可留空。\n"
    "\n"
    "最小嵌岩深度（--min-socket）：写成 d 的倍数、毫米数，或二者用逗号分开，取大者；\n"
    "默认 0.4d,500mm，即 0.4d 与 500 mm 取大；嵌入平整、完整的坚硬岩和较硬岩可用 0.2d,200mm。\n"
    "嵌岩深度小于它的桩只给出警告，不影响退出状态。\n"
    "\n"
    "退出状态：0 全部计算且验算满足；1 有桩无法计算或验算不满足（原因写到标准错误）；\n"
    "2 命令行、桩表文件或输出文件无法使用。\n";

struct ModeName {
    const char* shortName;
    PrecisionMode mode;
};

const std::array<ModeName, kPrecisionModeCount> kModeNames = {{
    {"2", PrecisionMode::TwoDecimals},
    {"1", PrecisionMode::OneDecimal},
    {"0", PrecisionMode::Units},
    {"10", PrecisionMode::Tens},
    {"100", PrecisionMode::Hundreds},
}};

std::optional<PrecisionMode> ReadMode(const std::string& text) {
    for (const ModeName& name : kModeNames) {
        if (text == name.shortName || Utf8ToUtf16(text) == PrecisionModeText(name.mode)) {
            return name.mode;
        }
    }
    return std::nullopt;
}

std::optional<BookEncoding> ReadBookEncoding(std::string text) {
    for (char& c : text) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (text == "gbk" || text == "cp936") {
        return BookEncoding::Gbk;
    }
    if (text == "utf8" || text == "utf-8") {
        return BookEncoding::Utf8;
    }
    return std::nullopt;
}

// The raw texts of the options that need reading after the parse.
struct RawOptions {
    std::string mode = "0";
    std::string separator;
    bool separatorGiven = false;
    std::string step = "0.1d";
    std::string minSocket = "0.4d,500mm";
    std::string bookEncoding = "gbk";
};

void AddPileOptions(CLI::App& app, CliRequest& request) {
    const char* const group = "单桩";
    app.add_option("--d,--diameter", request.d, "桩径 d (mm)")->group(group);
    app.add_option("--hr,--depth", request.hr, "嵌岩深度 hr：mm，或桩径的倍数如 1.5d")
        ->group(group);
    app.add_option("--frk,--strength", request.frk, "岩石饱和单轴抗压强度 frk (MPa)")->group(group);
    app.add_option("--grade", request.grade, "混凝土强度等级 C25…C60（默认 C30）")->group(group);
    app.add_option("--process", request.process,
                   "成桩工艺：干作业、泥浆护壁、后注浆、水下或全称（默认 泥浆护壁）")
        ->group(group);
    app.add_option("--nk,--Nk", request.nk, "要验算的竖向力 Nk (kN)，验算 Ra≥Nk")->group(group);
    app.add_option("--n,--N", request.n, "要验算的轴向压力 N (kN)，验算 Rc≥N")->group(group);
    app.add_flag("--json", request.json, "以 JSON 输出单桩结果")->group(group);
}

void AddScheduleOptions(CLI::App& command, CliRequest& request, RawOptions& raw) {
    command.add_option("file", request.file, "桩表文件：CSV 或 .xlsx 工作簿")
        ->required()
        ->type_name("FILE");
    command.add_option("--sheet", request.sheet, "要读取的工作表（默认为第一个含表头行的工作表）")
        ->type_name("NAME");
    const char* const group = "输出（不给时在终端打印汇总表）";
    command.add_option("--csv", request.resultsCsv, "结果写成CSV（UTF-8带BOM）；- 为标准输出")
        ->type_name("FILE")
        ->group(group);
    command.add_option("--json", request.resultsJson, "结果写成JSON；- 为标准输出")
        ->type_name("FILE")
        ->group(group);
    CLI::Option* xlsx =
        command.add_option("--xlsx", request.resultsXlsx, "结果写成 .xlsx 工作簿（含汇总表）")
            ->type_name("FILE")
            ->group(group);
    xlsx->check(CLI::Validator(
        [](std::string& name) {
            if (!XlsxAvailable()) {
                return std::string("此版本的 rokal-cli 不能写 .xlsx 工作簿");
            }
            return name == "-" ? std::string("--xlsx 不能写到标准输出，请给出文件名")
                               : std::string();
        },
        ""));
    command.add_option("--text-book", request.textBook, "文本形式的计算书")
        ->type_name("FILE")
        ->group(group);
    command.add_option("--table-book", request.tableBook, "表格形式的计算书")
        ->type_name("FILE")
        ->group(group);
    command.add_option("--book-encoding", raw.bookEncoding, "计算书编码：gbk（默认）或 utf8")
        ->type_name("ENC")
        ->group(group);
    command.add_option("--time", request.timeText, "计算书中的计算时间（默认为当前时间）")
        ->type_name("TEXT")
        ->group(group);
    command
        .add_option("--step", raw.step, "建议嵌岩深度的步长：0.1d（默认）、0.5d 或 mm 数如 100mm")
        ->type_name("STEP");
    for (const auto& output : request.optionalOutputs) {
        output->AddOptions(command);
    }
}

// The calculation time stands on one line of each book.
bool IsUsableTimeText(const std::u16string& text) {
    constexpr std::size_t kMaxTimeText = 64;
    if (text.size() > kMaxTimeText) {
        return false;
    }
    return std::none_of(text.begin(), text.end(), [](char16_t c) {
        return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
    });
}

[[noreturn]] void Unusable(const std::string& message) {
    throw CLI::ValidationError(message);
}

void ReadRawOptions(const RawOptions& raw, char16_t localeSeparator, CliRequest& request) {
    const std::optional<PrecisionMode> mode = ReadMode(raw.mode);
    if (!mode) {
        Unusable(
            "--round 应为 2、1、0、10、100 或 两位小数、一位小数、个位取整、十位取整、百位取整");
    }
    request.mode = *mode;
    request.decimalSeparator = localeSeparator;
    if (raw.separatorGiven) {
        if (raw.separator != "." && raw.separator != ",") {
            Unusable("--decimal-separator 应为 . 或 ,");
        }
        request.decimalSeparator = static_cast<char16_t>(raw.separator[0]);
    }
    const std::optional<DepthStep> step = ReadDepthStep(Utf8ToUtf16(raw.step));
    if (!step) {
        Unusable("--step 应为 d 的倍数如 0.1d、0.5d，或 mm 数如 100mm");
    }
    request.step = *step;
    const std::optional<MinSocket> minSocket = ReadMinSocket(Utf8ToUtf16(raw.minSocket));
    if (!minSocket) {
        Unusable(
            "--min-socket 应为 d 的倍数与毫米数，用逗号分开，如 0.4d,500mm、0.2d,200mm、"
            "0.5d、300mm 或 0");
    }
    request.minSocket = *minSocket;
    const std::optional<BookEncoding> encoding = ReadBookEncoding(raw.bookEncoding);
    if (!encoding) {
        Unusable("--book-encoding 应为 gbk 或 utf8");
    }
    request.bookEncoding = *encoding;
    if (!IsUsableTimeText(Utf8ToUtf16(request.timeText))) {
        Unusable("--time 应为一行不超过64个字符的文字");
    }
}

// A file option given an empty name would otherwise count as not given at all.
void RefuseEmptyFileNames(const CLI::App& command) {
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_type_name() != "FILE") {
            continue;
        }
        for (const std::string& name : option->results()) {
            if (name.empty()) {
                Unusable(option->get_positional() ? std::string("桩表文件名不能为空")
                                                  : option->get_name() + " 的文件名不能为空");
            }
        }
    }
}

bool AnyPileOption(const CLI::App& app) {
    for (const char* name :
         {"--d", "--hr", "--frk", "--grade", "--process", "--nk", "--n", "--json"}) {
        if (app.count(name) > 0) {
            return true;
        }
    }
    return false;
}

void CheckPileRequest(const CLI::App& app) {
    if (!AnyPileOption(app)) {
        Unusable("请给出单桩的 --d、--hr、--frk，或命令 check / design 与桩表文件");
    }
    for (const char* name : {"--d", "--hr", "--frk"}) {
        if (app.count(name) == 0) {
            Unusable(std::string("单桩计算缺少 ") + name);
        }
    }
}

}  // namespace

std::variant<CliRequest, int> ParseCommandLine(const std::vector<std::string>& args,
                                               char16_t localeSeparator, std::ostream& out,
                                               std::ostream& err) {
    CliRequest request;
    request.optionalOutputs = MakeOptionalOutputs();
    RawOptions raw;
    CLI::App app(kDescription, "rokal-cli");
    app.footer(kFooter);
    app.fallthrough();
    // A path starting with "/" is a file name on Windows too, never an option.
    app.allow_windows_style_options(false);
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string("rokal-cli ") + kFileVersion, "显示版本并退出");
    app.set_help_flag("-h,--help", "显示本帮助并退出");
    app.add_option(
           "--round", raw.mode,
           "取值精度：2 两位小数、1 一位小数、0 个位取整（默认）、10 十位取整、100 百位取整")
        ->type_name("MODE");
    app.add_option("--min-socket", raw.minSocket,
                   "最小嵌岩深度：d 的倍数与毫米数，取大者，如 0.4d,500mm（默认）、"
                   "0.2d,200mm、0.5d 或 300mm；0 为不限。建议深度不小于它，"
                   "嵌岩深度小于它的桩给出警告")
        ->type_name("MIN");
    app.add_option("--decimal-separator", raw.separator,
                   "小数点符号：. 或 ,（默认取自系统区域设置），桩表的所有数值都按它读")
        ->type_name("CHAR");
    AddPileOptions(app, request);
    CLI::App* check = app.add_subcommand("check", "计算并验算整份桩表");
    CLI::App* design = app.add_subcommand("design", "计算桩表并给出嵌岩深度与混凝土等级建议");
    AddScheduleOptions(*check, request, raw);
    AddScheduleOptions(*design, request, raw);

    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
        raw.separatorGiven = app.count("--decimal-separator") > 0;
        ReadRawOptions(raw, localeSeparator, request);
        if (check->parsed() || design->parsed()) {
            if (AnyPileOption(app)) {
                Unusable("单桩选项不能与 check / design 同用");
            }
            request.command =
                check->parsed() ? CliRequest::Command::Check : CliRequest::Command::Design;
            RefuseEmptyFileNames(check->parsed() ? *check : *design);
        } else {
            CheckPileRequest(app);
        }
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, out, err);
        return status == 0 ? kExitAllPass : kExitUnusable;
    }
    return request;
}

}  // namespace rokal
