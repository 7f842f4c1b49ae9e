#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal {

// The results as an .xlsx workbook, built one pile at a time like the results
// CSV and with the same columns and values (ResultsCsv.h). Sheet "计算结果": the
// header bold, frozen and filtered; d, hr, frk and the loads numbers wherever
// they read as numbers; ζr, Ra, Rc and the margins numbers in the rounding's
// format (the values the CSV writes); "满足" green, "不满足" red, negative margins
// red, bad cells marked as the window marks them; columns as wide as their
// contents. Sheet "汇总": the counts, the rounding, the depth step, the minimum
// socket and the calculation time. Texts are written as strings, which spreadsheets never
// evaluate, so a mark such as "=1+1" needs no escaping here.
class ResultsXlsxWriter {
  public:
    // Throws WorkbookError when no workbook can be made.
    ResultsXlsxWriter(PrecisionMode mode, char16_t decimalSeparator, DepthStep step,
                      std::u16string timeText, MinSocket minimum = kDefaultMinSocket);
    ~ResultsXlsxWriter();
    ResultsXlsxWriter(const ResultsXlsxWriter&) = delete;
    ResultsXlsxWriter& operator=(const ResultsXlsxWriter&) = delete;

    // The pile of row index (which gives an empty mark its "ZH" number). Throws
    // WorkbookError naming a cell the workbook cannot hold.
    void Add(const ScheduleRow& row, std::size_t index, const RowResult& result,
             const RowDesign& design);
    // The workbook's bytes. Throws WorkbookError.
    std::string Finish();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// The whole results workbook at once; results and designs hold one entry a row.
std::string ResultsToXlsx(const Schedule& schedule, const std::vector<RowResult>& results,
                          const std::vector<RowDesign>& designs, PrecisionMode mode,
                          char16_t decimalSeparator, DepthStep step, const std::u16string& timeText,
                          MinSocket minimum = kDefaultMinSocket);

}  // namespace rokal
