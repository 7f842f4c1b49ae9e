#pragma once

#include "book/BookDocument.h"
#include "book/CalculationBook.h"

namespace rokal::book {

// "1 设计依据": the standard, the formulas with their symbols and units, the rock
// classes, the ζr table as the program applies it, fc by grade and the process
// coefficients, the minimum socket depth in force and the rounding of the book.
Unit BasisSection(const BookOptions& options);

// The lower bound (exclusive) and upper bound (inclusive) of frk in MPa of each
// rock class as the basis prints them; the last class has no upper bound (0).
struct RockClassRange {
    RockClass rockClass;
    double above;
    double upTo;
};
const std::vector<RockClassRange>& RockClassRanges();

}  // namespace rokal::book
