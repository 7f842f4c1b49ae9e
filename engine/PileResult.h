#pragma once

#include <variant>

#include "engine/PileInput.h"
#include "engine/RockClass.h"

namespace rokal {

// Every computed value of one pile, named by the report symbols.
struct PileResult {
    double d = 0;   // mm
    double hr = 0;  // mm, as read, before any cap
    bool hrIsMultiple = false;
    double frk = 0;  // MPa
    RockClass rockClass = RockClass::ExtremelySoft;
    double hrOverD = 0;
    bool capped = false;
    double hrUsed = 0;  // mm
    double hrOverDUsed = 0;
    double zetaR = 0;
    double ap = 0;   // m^2
    double mu = 0;   // m
    double qrk = 0;  // kN
    double qsk = 0;  // kN, soil side resistance is not considered
    double quk = 0;  // kN
    double k = 2;    // safety factor
    double ra = 0;   // kN
    double psiC = 0;
    double fc = 0;  // MPa
    double rc = 0;  // kN
};

double ProcessPsiC(ConstructionProcess process);
double ConcreteFc(ConcreteGrade grade);

// The engine's entry point: the pile's values or the first input error.
// Throws FloatingPointOverflow when a value would leave a double's range;
// no infinity or NaN ever reaches a PileResult.
std::variant<PileResult, InputError> ComputePile(const PileInput& input, char16_t decimalSeparator);

}  // namespace rokal
