#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/PileInput.h"
#include "engine/PileResult.h"
#include "schedule/Schedule.h"

namespace rokal {

// A cell the row cannot be computed with, and why. For d, hr and frk the message
// is the engine's own ("桩身直径数据有错", ...).
struct CellError {
    ScheduleColumn column;
    std::u16string message;
};

// A required load against a capacity, both in kN, compared unrounded.
struct LoadCheck {
    double load = 0;
    double capacity = 0;
    bool holds = false;  // capacity >= load
    // (capacity / load - 1) x 100: how far the capacity exceeds the load, negative
    // when it falls short; nullopt for a load of 0.
    std::optional<double> marginPercent;
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

    bool Computed() const { return pile.has_value(); }
    // Computed, and every given check holds.
    bool Passes() const;
};

// How the piles of a run came out.
struct RowTally {
    std::size_t passing = 0;  // computed, every given check holds
    std::size_t failing = 0;  // computed, a check does not hold
    std::size_t bad = 0;      // not computed
    void Add(const RowResult& result);
};

// Reads the row's cells and computes the pile with ComputePile, exactly as the
// main window does. Never throws: a number beyond a double's range is an error of
// the cell it comes from. Takes a few microseconds, so a window can recompute a
// row after every edit.
RowResult ComputeRow(const ScheduleRow& row, char16_t decimalSeparator);

// ComputeRow for every row, in order.
std::vector<RowResult> ComputeSchedule(const Schedule& schedule, char16_t decimalSeparator);

}  // namespace rokal
