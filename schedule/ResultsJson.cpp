#include "schedule/ResultsJson.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "engine/RockClass.h"
#include "report/CodePage.h"

namespace rokal {
namespace {

using nlohmann::ordered_json;

std::string U8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

ordered_json CheckJson(const LoadCheck& check) {
    ordered_json json;
    json["load"] = check.load;
    json["capacity"] = check.capacity;
    json["holds"] = check.holds;
    json["verdict"] = U8(CheckVerdictText(check.holds));
    json["marginPercent"] = check.marginPercent ? ordered_json(*check.marginPercent) : nullptr;
    return json;
}

ordered_json SocketJson(const SocketCheck& check, char16_t separator) {
    ordered_json json;
    json["hr"] = check.hr;
    json["minimum"] = check.minimum;
    json["holds"] = check.holds;
    json["warning"] = check.holds ? nullptr : ordered_json(U8(SocketWarningText(check, separator)));
    return json;
}

ordered_json DepthJson(const DepthProposal& depth) {
    ordered_json json;
    const bool found = depth.kind == DepthProposal::Kind::Depth;
    json["found"] = found;
    json["text"] = U8(DepthProposalText(depth));
    json["hrText"] = found ? ordered_json(U8(depth.hrText)) : nullptr;
    json["hrOverD"] = depth.hrOverD;
    json["ra"] = depth.ra;
    return json;
}

ordered_json GradeJson(const GradeProposal& grade) {
    ordered_json json;
    json["found"] = grade.kind == GradeProposal::Kind::Grade;
    json["text"] = U8(GradeProposalText(grade));
    json["rc"] = grade.rc;
    return json;
}

ordered_json InputJson(const ScheduleRow& row) {
    ordered_json json;
    for (int i = 1; i < kScheduleColumnCount; ++i) {
        const auto column = static_cast<ScheduleColumn>(i);
        json[U8(ScheduleColumnKey(column))] = U8(row.Cell(column));
    }
    return json;
}

// The results of a row, or its errors, added to json.
void AddResults(ordered_json& json, const RowResult& result, const RowDesign* design,
                PrecisionMode mode, char16_t separator) {
    json["computed"] = result.Computed();
    json["passes"] = result.Passes();
    if (!result.Computed()) {
        ordered_json errors = ordered_json::array();
        for (const CellError& error : result.errors) {
            // An error of the whole row has no column.
            const auto column = [&error](const std::u16string& (*name)(ScheduleColumn)) {
                return error.column ? ordered_json(U8(name(*error.column))) : ordered_json();
            };
            errors.push_back({{"column", column(&ScheduleColumnKey)},
                              {"name", column(&ScheduleColumnName)},
                              {"message", U8(error.message)}});
        }
        json["errors"] = std::move(errors);
        return;
    }
    const PileResult& pile = *result.pile;
    const WindowResultTexts texts = FormatWindowResults(pile, mode, separator);
    json["rockClass"] = U8(RockClassName(pile.rockClass));
    json["capped"] = pile.capped;
    json["zetaR"] = pile.zetaR;
    json["ra"] = pile.ra;
    json["rc"] = pile.rc;
    json["text"] = {{"zetaR", U8(texts.zetaR)}, {"ra", U8(texts.ra)}, {"rc", U8(texts.rc)}};
    json["raCheck"] = result.raCheck ? CheckJson(*result.raCheck) : nullptr;
    json["rcCheck"] = result.rcCheck ? CheckJson(*result.rcCheck) : nullptr;
    json["socketCheck"] = result.socketCheck ? SocketJson(*result.socketCheck, separator) : nullptr;
    if (design != nullptr) {
        json["depthProposal"] = design->depth ? DepthJson(*design->depth) : nullptr;
        json["gradeProposal"] = design->grade ? GradeJson(*design->grade) : nullptr;
    }
}

}  // namespace

ResultsJsonWriter::ResultsJsonWriter(PrecisionMode mode, char16_t decimalSeparator)
    : mode_(mode),
      separator_(decimalSeparator),
      text_("{\"rounding\":" + ordered_json(U8(PrecisionModeText(mode))).dump() + ",\"piles\":[") {}

void ResultsJsonWriter::Reserve(std::size_t piles) {
    constexpr std::size_t kTypicalPileBytes = 700;
    text_.reserve(text_.size() + piles * kTypicalPileBytes);
}

// Each pile is made and written on its own line, so that a pile is one line to grep.
void ResultsJsonWriter::Add(const ScheduleRow& row, std::size_t index, const RowResult& result,
                            const RowDesign* design) {
    ordered_json pile;
    pile["mark"] = U8(RowMark(row, index));
    pile["line"] = row.line;
    pile["input"] = InputJson(row);
    AddResults(pile, result, design, mode_, separator_);
    text_ += piles_++ == 0 ? "\n" : ",\n";
    text_ += pile.dump();
}

std::string ResultsJsonWriter::Finish() {
    std::string text;
    text.swap(text_);
    text += "\n]}\n";
    return text;
}

std::string ResultsToJson(const Schedule& schedule, const std::vector<RowResult>& results,
                          const std::vector<RowDesign>& designs, PrecisionMode mode,
                          char16_t decimalSeparator) {
    ResultsJsonWriter writer(mode, decimalSeparator);
    const std::size_t count = std::min(schedule.rows.size(), results.size());
    writer.Reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        writer.Add(schedule.rows[i], i, results[i], i < designs.size() ? &designs[i] : nullptr);
    }
    return writer.Finish();
}

std::string PileToJson(const RowResult& result, PrecisionMode mode, char16_t decimalSeparator) {
    ordered_json json;
    json["rounding"] = U8(PrecisionModeText(mode));
    AddResults(json, result, nullptr, mode, decimalSeparator);
    return json.dump(2) + "\n";
}

}  // namespace rokal
