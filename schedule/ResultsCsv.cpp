#include "schedule/ResultsCsv.h"

#include <algorithm>
#include <array>

#include "engine/RockClass.h"
#include "report/CodePage.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/SpreadsheetText.h"

namespace rokal {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr int kMarginDigits = 15;
constexpr int kMarginDecimals = 1;

const std::array<const char16_t*, 12> kResultHeaders = {
    u"岩石类别", u"ζr",        u"Ra(kN)",       u"Rc(kN)",       u"Ra≥Nk",      u"Ra富余(%)",
    u"Rc≥N",     u"Rc富余(%)", u"嵌岩深度警告", u"建议嵌岩深度", u"建议混凝土", u"错误"};

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
        text += (text.empty() ? u"" : u"；") + CellErrorText(error);
    }
    return text;
}

}  // namespace

const std::vector<std::u16string>& ResultHeaders() {
    static const std::vector<std::u16string> headers(kResultHeaders.begin(), kResultHeaders.end());
    return headers;
}

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
    if (result.socketCheck) {
        texts.socketWarning = SocketWarningText(*result.socketCheck, decimalSeparator);
    }
    if (design.depth) {
        texts.depthProposal = DepthProposalText(*design.depth);
    }
    if (design.grade) {
        texts.gradeProposal = GradeProposalText(*design.grade);
    }
    return texts;
}

ResultsCsvWriter::ResultsCsvWriter(PrecisionMode mode, char16_t decimalSeparator)
    : mode_(mode), separator_(decimalSeparator), text_(kUtf8Bom) {
    for (int i = 0; i < kScheduleColumnCount; ++i) {
        fields_.push_back(ScheduleColumnName(static_cast<ScheduleColumn>(i)));
    }
    fields_.insert(fields_.end(), kResultHeaders.begin(), kResultHeaders.end());
    AppendLine();
}

void ResultsCsvWriter::Reserve(std::size_t piles) {
    constexpr std::size_t kTypicalPileBytes = 120;
    text_.reserve(text_.size() + piles * kTypicalPileBytes);
}

void ResultsCsvWriter::Add(const ScheduleRow& row, std::size_t index, const RowResult& result,
                           const RowDesign& design) {
    RowResultTexts t = FormatRowResult(result, design, mode_, separator_);
    fields_.assign(row.cells.begin(), row.cells.end());
    fields_[static_cast<std::size_t>(ScheduleColumn::Mark)] = RowMark(row, index);
    for (std::u16string* value :
         {&t.rockClass, &t.zetaR, &t.ra, &t.rc, &t.raCheck, &t.raMargin, &t.rcCheck, &t.rcMargin,
          &t.socketWarning, &t.depthProposal, &t.gradeProposal, &t.errors}) {
        fields_.push_back(std::move(*value));
    }
    AppendLine();
}

// One record, converted to UTF-8 as it is added, so that no second copy of the
// whole file is ever held as UTF-16. A spreadsheet opening the file shows every
// text as text, never running one as a formula.
void ResultsCsvWriter::AppendLine() {
    line_.clear();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0) {
            line_ += u',';
        }
        line_ += CsvField(SpreadsheetText(fields_[i]));
    }
    line_ += u"\r\n";
    text_ += Utf16ToUtf8(line_);
}

std::string ResultsCsvWriter::Finish() {
    std::string text;
    text.swap(text_);
    return text;
}

std::string ResultsToCsv(const Schedule& schedule, const std::vector<RowResult>& results,
                         const std::vector<RowDesign>& designs, PrecisionMode mode,
                         char16_t decimalSeparator) {
    ResultsCsvWriter writer(mode, decimalSeparator);
    const std::size_t count = std::min(schedule.rows.size(), results.size());
    writer.Reserve(count);
    static const RowDesign kNoDesign;
    for (std::size_t i = 0; i < count; ++i) {
        writer.Add(schedule.rows[i], i, results[i], i < designs.size() ? designs[i] : kNoDesign);
    }
    return writer.Finish();
}

}  // namespace rokal
