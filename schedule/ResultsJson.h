#pragma once

#include <string>
#include <vector>

#include "engine/Formatting.h"
#include "schedule/Design.h"
#include "schedule/RowCompute.h"
#include "schedule/Schedule.h"

namespace rokal {

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
