#pragma once

#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal {

// The texts of one row's results as the tables show them, empty where there is
// nothing to show. Values in the chosen rounding as the main window writes them;
// margins with one decimal.
struct RowResultTexts {
    std::u16string rockClass;  // "较软岩"
    std::u16string zetaR;
    std::u16string ra;
    std::u16string rc;
    std::u16string raCheck;   // "满足" / "不满足"
    std::u16string raMargin;  // "12.5" (percent)
    std::u16string rcCheck;
    std::u16string rcMargin;
    std::u16string socketWarning;  // "嵌岩深度 400 mm 小于最小嵌岩深度 500 mm"
    std::u16string depthProposal;  // "2.3d", "无可满足深度"
    std::u16string gradeProposal;  // "C35", "无可满足等级"
    std::u16string errors;  // "桩径：桩身直径数据有错；..." for a row with bad cells
};

// The headers of the result columns, in the order of RowResultTexts: 岩石类别, ζr,
// Ra(kN), Rc(kN), Ra≥Nk, Ra富余(%), Rc≥N, Rc富余(%), 建议嵌岩深度, 建议混凝土, 错误.
const std::vector<std::u16string>& ResultHeaders();

RowResultTexts FormatRowResult(const RowResult& result, const RowDesign& design, PrecisionMode mode,
                               char16_t decimalSeparator);

// The results CSV built one pile at a time, so that a large schedule need not keep
// every pile's results to write it. Add the rows in schedule order.
class ResultsCsvWriter {
  public:
    ResultsCsvWriter(PrecisionMode mode, char16_t decimalSeparator);
    // Room for this many piles, so that the text is never regrown.
    void Reserve(std::size_t piles);
    // The pile of row index (which gives an empty mark its "ZH" number).
    void Add(const ScheduleRow& row, std::size_t index, const RowResult& result,
             const RowDesign& design);
    // The whole file; the writer is empty afterwards.
    std::string Finish();

  private:
    void AppendLine();

    PrecisionMode mode_;
    char16_t separator_;
    std::string text_;
    std::vector<std::u16string> fields_;
    std::u16string line_;
};

// The results as a CSV file in UTF-8 with a byte-order mark: the schedule's input
// columns (marks filled in), then 岩石类别, ζr, Ra(kN), Rc(kN), Ra≥Nk, Ra富余(%),
// Rc≥N, Rc富余(%), 嵌岩深度警告, 建议嵌岩深度, 建议混凝土, 错误. results and designs hold
// one entry per row. A text that a spreadsheet would run as a formula is written
// with a leading apostrophe (schedule/SpreadsheetText.h).
std::string ResultsToCsv(const Schedule& schedule, const std::vector<RowResult>& results,
                         const std::vector<RowDesign>& designs, PrecisionMode mode,
                         char16_t decimalSeparator);

}  // namespace rokal
