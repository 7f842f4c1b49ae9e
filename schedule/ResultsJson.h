#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal {

// The results JSON built one pile at a time, so that a large schedule need not keep
// every pile's results to write it, nor stand in memory as one JSON tree. Add the
// rows in schedule order.
class ResultsJsonWriter {
  public:
    ResultsJsonWriter(PrecisionMode mode, char16_t decimalSeparator);
    // Room for this many piles, so that the text is never regrown.
    void Reserve(std::size_t piles);
    // The pile of row index; design may be null.
    void Add(const ScheduleRow& row, std::size_t index, const RowResult& result,
             const RowDesign* design);
    // The whole text; the writer is empty afterwards.
    std::string Finish();

  private:
    PrecisionMode mode_;
    char16_t separator_;
    std::string text_;
    std::size_t piles_ = 0;
};

// The results as JSON text (UTF-8): {"rounding": ..., "piles": [...]}, one object
// a row, each on a line of its own, with its mark, its line, its input cells, and either "errors"
// (column and message) or the results: rock class, unrounded numbers (zetaR, ra, rc, in kN), their
// texts in the chosen rounding, both checks and the proposals.
std::string ResultsToJson(const Schedule& schedule, const std::vector<RowResult>& results,
                          const std::vector<RowDesign>& designs, PrecisionMode mode,
                          char16_t decimalSeparator);

// One pile's result as JSON, for `rokal-cli` with single-pile options.
std::string PileToJson(const RowResult& result, PrecisionMode mode, char16_t decimalSeparator);

}  // namespace rokal
