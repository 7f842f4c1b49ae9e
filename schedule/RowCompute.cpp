#include "schedule/RowCompute.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "engine/NumberReading.h"
#include "schedule/DecimalText.h"
#include "schedule/RowReading.h"

namespace rokal {
namespace {

const std::u16string kGradeMessage = u"混凝土强度等级有错，应为C25～C60";
const std::u16string kProcessMessage = u"成桩工艺有错，应为干作业、泥浆护壁、后注浆或水下";
const std::u16string kNkMessage = u"竖向力Nk数据有错";
const std::u16string kNMessage = u"轴向压力N数据有错";
const std::u16string kOverflowMessage = u"数值超出范围";
const std::u16string kAfterDMessage = u"（“d”后面不能有其他内容）";

// A number cell: the engine's error kind for it and where its text goes. The
// engine reads d and frk with "." whatever the separator, hr with the separator.
struct NumberCell {
    ScheduleColumn column;
    InputErrorKind kind;
    std::u16string PileInput::*text;
    bool engineReadsPoint;
};

const NumberCell kNumberCells[] = {
    {ScheduleColumn::D, InputErrorKind::DiameterInvalid, &PileInput::dText, true},
    {ScheduleColumn::Hr, InputErrorKind::SocketDepthInvalid, &PileInput::hrText, false},
    {ScheduleColumn::Frk, InputErrorKind::StrengthInvalid, &PileInput::frkText, true},
};

// A number and what follows it: hr may end in "d", a multiple of d.
struct NumberAndSuffix {
    std::u16string_view number;
    std::u16string_view suffix;
};

NumberAndSuffix SplitNumber(ScheduleColumn column, std::u16string_view text) {
    text = TrimSpaces(text);
    const std::size_t marker =
        column == ScheduleColumn::Hr ? text.find(u'd') : std::u16string_view::npos;
    if (marker == std::u16string_view::npos) {
        return {text, {}};
    }
    return {TrimSpaces(text.substr(0, marker)), text.substr(marker)};
}

// The text the engine reads as the schedule's rule reads the cell, or nullopt when
// the rule does not read it.
std::optional<std::u16string> EngineText(const NumberCell& cell, std::u16string_view text,
                                         char16_t separator) {
    const NumberAndSuffix parts = SplitNumber(cell.column, text);
    if (parts.suffix.size() > 1 || !IsDecimalNumber(parts.number, separator)) {
        return std::nullopt;
    }
    std::u16string engine(parts.number);
    if (cell.engineReadsPoint) {
        std::replace(engine.begin(), engine.end(), separator, u'.');
    }
    return engine + std::u16string(parts.suffix);
}

// The engine's message for the cell, with a word on what the schedule's rule
// refuses: text after the "d", or a decimal point other than the separator.
std::u16string NumberMessage(ScheduleColumn column, std::u16string_view text, char16_t separator,
                             const std::u16string& base) {
    if (SplitNumber(column, text).suffix.size() > 1) {
        return base + kAfterDMessage;
    }
    for (char16_t point : {u'.', u','}) {
        if (point != separator && text.find(point) != std::u16string_view::npos) {
            return base + u"（小数点应为“" + separator + u"”，数中不用千位分隔符）";
        }
    }
    return base;
}

// The engine's verdict on one of d, hr and frk alone: the others are set to values
// that always pass.
struct EngineProbe {
    ScheduleColumn column;
    InputErrorKind kind;
    PileInput (*input)(const PileInput& row);
};

const EngineProbe kProbes[] = {
    {ScheduleColumn::D, InputErrorKind::DiameterInvalid,
     [](const PileInput& row) {
         return PileInput{row.dText, u"0", u"1"};
     }},
    {ScheduleColumn::Hr, InputErrorKind::SocketDepthInvalid,
     [](const PileInput& row) {
         return PileInput{u"1", row.hrText, u"1"};
     }},
    {ScheduleColumn::Frk, InputErrorKind::StrengthInvalid,
     [](const PileInput& row) {
         return PileInput{u"1", u"0", row.frkText};
     }},
};

bool HasErrorIn(const std::vector<CellError>& errors, ScheduleColumn column) {
    return std::any_of(errors.begin(), errors.end(),
                       [column](const CellError& error) { return error.column == column; });
}

// The engine's errors of the cells not already in `known`.
void AddEngineErrors(const PileInput& input, char16_t separator, std::vector<CellError>& errors,
                     const std::vector<CellError>& known = {}) {
    for (const EngineProbe& probe : kProbes) {
        if (HasErrorIn(known, probe.column)) {
            continue;
        }
        try {
            const auto parsed = ParsePileInput(probe.input(input), separator);
            const InputError* error = std::get_if<InputError>(&parsed);
            if (error != nullptr && error->kind == probe.kind) {
                errors.push_back({probe.column, error->message});
            }
        } catch (const FloatingPointOverflow&) {
            errors.push_back({probe.column, kOverflowMessage});
        }
    }
}

// Each of d, hr and frk reads well alone, yet together they leave a double's range:
// hr as a multiple of a huge d, a cross-section area from a huge d alone, or a
// capacity from a large d and a large frk.
void AddOverflowErrors(const PileInput& input, char16_t separator, std::vector<CellError>& errors) {
    std::optional<ParsedInput> parsed;
    try {
        auto read = ParsePileInput(input, separator);
        if (const ParsedInput* values = std::get_if<ParsedInput>(&read)) {
            parsed = *values;
        }
    } catch (const FloatingPointOverflow&) {
    }
    errors.push_back({ScheduleColumn::D, kOverflowMessage});
    if (!parsed) {
        errors.push_back({ScheduleColumn::Hr, kOverflowMessage});
    } else if (std::isfinite(parsed->d * parsed->d)) {
        errors.push_back({ScheduleColumn::Frk, kOverflowMessage});
    }
}

// d, hr and frk by the schedule's rule into the engine's input; false when one
// of them is not read.
bool ReadNumbers(const ScheduleRow& row, char16_t separator, PileInput& input,
                 std::vector<CellError>& errors) {
    bool read = true;
    for (const NumberCell& cell : kNumberCells) {
        const std::u16string& text = row.Cell(cell.column);
        if (std::optional<std::u16string> engine = EngineText(cell, text, separator)) {
            input.*cell.text = std::move(*engine);
            continue;
        }
        input.*cell.text = text;
        errors.push_back({cell.column, NumberMessage(cell.column, text, separator,
                                                     MakeInputError(cell.kind).message)});
        read = false;
    }
    return read;
}

void ReadChoice(const ScheduleRow& row, PileInput& input, std::vector<CellError>& errors) {
    if (const auto grade = ReadConcreteGrade(row.Cell(ScheduleColumn::Grade))) {
        input.grade = *grade;
    } else {
        errors.push_back({ScheduleColumn::Grade, kGradeMessage});
    }
    if (const auto process = ReadConstructionProcess(row.Cell(ScheduleColumn::Process))) {
        input.process = *process;
    } else {
        errors.push_back({ScheduleColumn::Process, kProcessMessage});
    }
}

// The error of a row whose record had more fields than the header.
std::u16string SurplusMessage(const ScheduleRow& row) {
    const auto number = [](std::size_t n) {
        const std::string digits = std::to_string(n);
        return std::u16string(digits.begin(), digits.end());
    };
    const std::size_t header = static_cast<std::size_t>(std::max(row.headerFields, 0));
    const std::u16string where =
        row.line > 0 ? u"第" + number(static_cast<std::size_t>(row.line)) + u"行" : u"这一行";
    return where + u"有" + number(header + row.surplus.size()) + u"个字段，表头只有" +
           number(header) +
           u"个：多出的字段不知属于哪一列（数中不用千位分隔符，"
           u"含分隔符的文字要加引号）";
}

std::optional<double> ReadOptionalLoad(const ScheduleRow& row, ScheduleColumn column,
                                       const std::u16string& message, char16_t separator,
                                       std::vector<CellError>& errors) {
    const std::u16string& text = row.Cell(column);
    if (IsBlankCell(text)) {
        return std::nullopt;
    }
    const std::optional<double> load = ReadLoad(text, separator);
    if (!load) {
        errors.push_back({column, NumberMessage(column, text, separator, message)});
    }
    return load;
}

LoadCheck Check(double load, double capacity) {
    LoadCheck check;
    check.load = load;
    check.capacity = capacity;
    check.holds = capacity >= load;
    if (load > 0) {
        const double margin = (capacity / load - 1) * 100;
        if (std::isfinite(margin)) {
            check.marginPercent = margin;
        }
    }
    return check;
}

void ComputePileOf(RowResult& result, char16_t separator) {
    try {
        auto computed = ComputePile(result.input, separator);
        if (PileResult* pile = std::get_if<PileResult>(&computed)) {
            result.pile = *pile;
        } else {
            AddEngineErrors(result.input, separator, result.errors);
        }
    } catch (const FloatingPointOverflow&) {
        AddEngineErrors(result.input, separator, result.errors);
        if (result.errors.empty()) {
            AddOverflowErrors(result.input, separator, result.errors);
        }
    }
}

// A workbook cell without a readable value is the error of its column, whatever
// its text would read as, and the row has no results.
void AddUnreadableCells(const ScheduleRow& row, RowResult& result) {
    for (const UnreadableCell& cell : row.unreadable) {
        if (row.Cell(cell.column) != cell.text) {
            continue;
        }
        result.errors.erase(
            std::remove_if(result.errors.begin(), result.errors.end(),
                           [&](const CellError& error) { return error.column == cell.column; }),
            result.errors.end());
        result.errors.push_back({cell.column, cell.message});
        result.pile.reset();
    }
}

}  // namespace

const std::u16string& CheckVerdictText(bool holds) {
    static const std::u16string kHolds = u"满足";
    static const std::u16string kFails = u"不满足";
    return holds ? kHolds : kFails;
}

void RowTally::Add(const RowResult& result) {
    if (!result.Computed()) {
        ++bad;
    } else if (result.Passes()) {
        ++passing;
    } else {
        ++failing;
    }
    if (result.socketCheck && !result.socketCheck->holds) {
        ++shortSockets;
    }
}

bool RowResult::Passes() const {
    return Computed() && (!raCheck || raCheck->holds) && (!rcCheck || rcCheck->holds);
}

std::u16string CellErrorText(const CellError& error) {
    return error.column ? ScheduleColumnName(*error.column) + u"：" + error.message : error.message;
}

RowResult ComputeRow(const ScheduleRow& row, char16_t decimalSeparator, MinSocket minimum) {
    RowResult result;
    std::vector<CellError> cellErrors;
    if (!row.surplus.empty()) {
        cellErrors.push_back({std::nullopt, SurplusMessage(row)});
    }
    const bool numbersRead = ReadNumbers(row, decimalSeparator, result.input, cellErrors);
    ReadChoice(row, result.input, cellErrors);
    result.nk = ReadOptionalLoad(row, ScheduleColumn::Nk, kNkMessage, decimalSeparator, cellErrors);
    result.n = ReadOptionalLoad(row, ScheduleColumn::N, kNMessage, decimalSeparator, cellErrors);
    if (numbersRead) {
        ComputePileOf(result, decimalSeparator);
    } else {
        AddEngineErrors(result.input, decimalSeparator, result.errors, cellErrors);
    }
    if (!cellErrors.empty() && result.pile) {
        result.pile.reset();
    }
    result.errors.insert(result.errors.end(), cellErrors.begin(), cellErrors.end());
    AddUnreadableCells(row, result);
    std::stable_sort(result.errors.begin(), result.errors.end(),
                     [](const CellError& a, const CellError& b) { return a.column < b.column; });
    if (result.pile) {
        if (result.nk) {
            result.raCheck = Check(*result.nk, result.pile->ra);
        }
        if (result.n) {
            result.rcCheck = Check(*result.n, result.pile->rc);
        }
        result.socketCheck = CheckSocket(*result.pile, minimum);
    }
    return result;
}

std::vector<RowResult> ComputeSchedule(const Schedule& schedule, char16_t decimalSeparator,
                                       MinSocket minimum) {
    std::vector<RowResult> results;
    results.reserve(schedule.rows.size());
    for (const ScheduleRow& row : schedule.rows) {
        results.push_back(ComputeRow(row, decimalSeparator, minimum));
    }
    return results;
}

}  // namespace rokal
