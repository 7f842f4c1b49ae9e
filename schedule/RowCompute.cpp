#include "schedule/RowCompute.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "engine/NumberReading.h"
#include "schedule/RowReading.h"

namespace rokal {
namespace {

const std::u16string kGradeMessage = u"混凝土强度等级有错，应为C25～C60";
const std::u16string kProcessMessage = u"成桩工艺有错，应为干作业、泥浆护壁、后注浆或水下";
const std::u16string kNkMessage = u"竖向力Nk数据有错";
const std::u16string kNMessage = u"轴向压力N数据有错";
const std::u16string kOverflowMessage = u"数值超出范围";

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

void AddEngineErrors(const PileInput& input, char16_t separator, std::vector<CellError>& errors) {
    for (const EngineProbe& probe : kProbes) {
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

void ReadChoice(const ScheduleRow& row, RowResult& result) {
    if (const auto grade = ReadConcreteGrade(row.Cell(ScheduleColumn::Grade))) {
        result.input.grade = *grade;
    } else {
        result.errors.push_back({ScheduleColumn::Grade, kGradeMessage});
    }
    if (const auto process = ReadConstructionProcess(row.Cell(ScheduleColumn::Process))) {
        result.input.process = *process;
    } else {
        result.errors.push_back({ScheduleColumn::Process, kProcessMessage});
    }
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
        errors.push_back({column, message});
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
}

bool RowResult::Passes() const {
    return Computed() && (!raCheck || raCheck->holds) && (!rcCheck || rcCheck->holds);
}

RowResult ComputeRow(const ScheduleRow& row, char16_t decimalSeparator) {
    RowResult result;
    result.input.dText = row.Cell(ScheduleColumn::D);
    result.input.hrText = row.Cell(ScheduleColumn::Hr);
    result.input.frkText = row.Cell(ScheduleColumn::Frk);
    ReadChoice(row, result);
    result.nk =
        ReadOptionalLoad(row, ScheduleColumn::Nk, kNkMessage, decimalSeparator, result.errors);
    result.n = ReadOptionalLoad(row, ScheduleColumn::N, kNMessage, decimalSeparator, result.errors);
    std::vector<CellError> cellErrors = std::move(result.errors);
    result.errors.clear();
    ComputePileOf(result, decimalSeparator);
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
    }
    return result;
}

std::vector<RowResult> ComputeSchedule(const Schedule& schedule, char16_t decimalSeparator) {
    std::vector<RowResult> results;
    results.reserve(schedule.rows.size());
    for (const ScheduleRow& row : schedule.rows) {
        results.push_back(ComputeRow(row, decimalSeparator));
    }
    return results;
}

}  // namespace rokal
