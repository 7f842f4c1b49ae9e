#pragma once

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
// is the engine's own ("桩身直径数据有错", ...).
struct CellError {
    ScheduleColumn column;
    std::u16string message;
};

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

// Reads the row's cells and computes the pile with ComputePile, exactly as the
// main window does, and checks its hr against the minimum socket. Never throws: a
// number beyond a double's range is an error of the cell it comes from. Takes a
// few microseconds, so a window can recompute a row after every edit.
RowResult ComputeRow(const ScheduleRow& row, char16_t decimalSeparator,
                     MinSocket minimum = kDefaultMinSocket);

// ComputeRow for every row, in order.
std::vector<RowResult> ComputeSchedule(const Schedule& schedule, char16_t decimalSeparator,
                                       MinSocket minimum = kDefaultMinSocket);

}  // namespace rokal
