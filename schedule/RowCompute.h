#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/Checks.h"
#include "engine/PileInput.h"
#include "engine/PileResult.h"
#include "schedule/MinSocket.h"
#include "schedule/Schedule.h"

namespace rokal {

// A cell the row cannot be computed with, and why. For d, hr and frk the message
// is the engine's own ("桩身直径数据有错", ...), with a word on the decimal
// separator or the text after "d" where that is what is wrong. An error of the
// whole row (fields beyond the header's) has no column.
struct CellError {
    std::optional<ScheduleColumn> column;
    std::u16string message;
};

// The error as one text: "桩径：桩身直径数据有错", or the message alone for an error
// of the whole row.
std::u16string CellErrorText(const CellError& error);

// "满足" when the check holds, "不满足" when it does not.
const std::u16string& CheckVerdictText(bool holds);

// Everything computed for one row. A row with any bad cell has no results at all.
struct RowResult {
    // Every bad cell, in column order; empty exactly when pile is set.
    std::vector<CellError> errors;
    // The engine's input made from the row's cells (grade and process read).
    PileInput input;
    std::optional<PileResult> pile;
    std::optional<double> nk;          // kN, when the row has a load Nk
    std::optional<double> n;           // kN, when the row has a load N
    std::optional<LoadCheck> raCheck;  // Ra >= Nk, when computed and Nk given
    std::optional<LoadCheck> rcCheck;  // Rc >= N, when computed and N given
    // The row's own hr against the minimum socket, when computed. One that does
    // not hold is a warning: it leaves Passes() as it is.
    std::optional<SocketCheck> socketCheck;

    bool Computed() const { return pile.has_value(); }
    // Computed, and every given check holds.
    bool Passes() const;
};

// How the piles of a run came out.
struct RowTally {
    std::size_t passing = 0;       // computed, every given check holds
    std::size_t failing = 0;       // computed, a check does not hold
    std::size_t bad = 0;           // not computed
    std::size_t shortSockets = 0;  // computed, hr below the minimum socket (a warning)
    void Add(const RowResult& result);
};

// Reads the row's cells and computes the pile with ComputePile, as the main window
// does, but reads every number strictly by schedule/DecimalText.h with the one
// decimal separator given (the main window reads d and frk with "." and ignores
// what follows the "d" of hr), and checks its hr against the minimum socket. The
// input it keeps holds the texts as the engine reads them: d and frk with ".",
// spaces at either end dropped. A row with surplus fields is not computed. Never
// throws: a number beyond a double's range is an error of the cell it comes from.
// Takes a few microseconds, so a window can recompute a row after every edit.
RowResult ComputeRow(const ScheduleRow& row, char16_t decimalSeparator,
                     MinSocket minimum = kDefaultMinSocket);

// ComputeRow for every row, in order.
std::vector<RowResult> ComputeSchedule(const Schedule& schedule, char16_t decimalSeparator,
                                       MinSocket minimum = kDefaultMinSocket);

}  // namespace rokal
