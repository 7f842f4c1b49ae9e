#include "schedule/ResultsCsv.h"

#include <array>

#include "engine/RockClass.h"
#include "report/CodePage.h"
#include "schedule/ScheduleCsv.h"

namespace rokal {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr int kMarginDigits = 15;
constexpr int kMarginDecimals = 1;

const std::array<const char16_t*, 11> kResultHeaders = {
    u"岩石类别", u"ζr",        u"Ra(kN)",       u"Rc(kN)",     u"Ra≥Nk", u"Ra富余(%)",
    u"Rc≥N",     u"Rc富余(%)", u"建议嵌岩深度", u"建议混凝土", u"错误"};

void CheckTexts(const std::optional<LoadCheck>& check, char16_t separator, std::u16string& verdict,
                std::u16string& margin) {
    if (!check) {
        return;
    }
    verdict = CheckVerdictText(check->holds);
    if (check->marginPercent) {
        margin = FormatFixed(*check->marginPercent, kMarginDigits, kMarginDecimals, separator);
    }
}

std::u16string ErrorsText(const std::vector<CellError>& errors) {
    std::u16string text;
    for (const CellError& error : errors) {
        text +=
            (text.empty() ? u"" : u"；") + ScheduleColumnName(error.column) + u"：" + error.message;
    }
    return text;
}

// One record, converted to UTF-8 as it is added, so that no second copy of the
// whole file is ever held as UTF-16.
void AppendLine(std::string& out, const std::vector<std::u16string>& fields, std::u16string& line) {
    line.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += u',';
        }
        line += CsvField(fields[i]);
    }
    line += u"\r\n";
    out += Utf16ToUtf8(line);
}

}  // namespace

RowResultTexts FormatRowResult(const RowResult& result, const RowDesign& design, PrecisionMode mode,
                               char16_t decimalSeparator) {
    RowResultTexts texts;
    if (!result.Computed()) {
        texts.errors = ErrorsText(result.errors);
        return texts;
    }
    texts.rockClass = RockClassName(result.pile->rockClass);
    WindowResultTexts values = FormatWindowResults(*result.pile, mode, decimalSeparator);
    texts.zetaR = std::move(values.zetaR);
    texts.ra = std::move(values.ra);
    texts.rc = std::move(values.rc);
    CheckTexts(result.raCheck, decimalSeparator, texts.raCheck, texts.raMargin);
    CheckTexts(result.rcCheck, decimalSeparator, texts.rcCheck, texts.rcMargin);
    if (design.depth) {
        texts.depthProposal = DepthProposalText(*design.depth);
    }
    if (design.grade) {
        texts.gradeProposal = GradeProposalText(*design.grade);
    }
    return texts;
}

std::string ResultsToCsv(const Schedule& schedule, const std::vector<RowResult>& results,
                         const std::vector<RowDesign>& designs, PrecisionMode mode,
                         char16_t decimalSeparator) {
    constexpr std::size_t kTypicalRowBytes = 120;
    std::string text(kUtf8Bom);
    text.reserve((schedule.rows.size() + 1) * kTypicalRowBytes);
    std::u16string line;
    std::vector<std::u16string> fields;
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        fields.push_back(ScheduleColumnName(static_cast<ScheduleColumn>(i)));
    }
    fields.insert(fields.end(), kResultHeaders.begin(), kResultHeaders.end());
    AppendLine(text, fields, line);
    for (std::size_t i = 0; i < schedule.rows.size() && i < results.size(); ++i) {
        const ScheduleRow& row = schedule.rows[i];
        static const RowDesign kNoDesign;
        const RowDesign& design = i < designs.size() ? designs[i] : kNoDesign;
        RowResultTexts t = FormatRowResult(results[i], design, mode, decimalSeparator);
        fields.assign(row.cells.begin(), row.cells.end());
        fields[static_cast<std::size_t>(ScheduleColumn::Mark)] = RowMark(row, i);
        for (std::u16string* value :
             {&t.rockClass, &t.zetaR, &t.ra, &t.rc, &t.raCheck, &t.raMargin, &t.rcCheck,
              &t.rcMargin, &t.depthProposal, &t.gradeProposal, &t.errors}) {
            fields.push_back(std::move(*value));
        }
        AppendLine(text, fields, line);
    }
    return text;
}

}  // namespace rokal
