#pragma once

#include <string>
#include <vector>

#include "engine/PileInput.h"

namespace rokal {

enum class RockClass { ExtremelySoft, Soft, ModeratelySoft, ModeratelyHard, Hard };

// "极软岩", "软岩", "较软岩", "较硬岩", "坚硬岩".
const std::u16string& RockClassName(RockClass rockClass);

// Each class is open at its lower bound and closed at its upper: frk 15 is soft rock.
// Called with frk > 0.
RockClass ClassifyRock(double frk);

struct ZetaROutcome {
    double hrOverD = 0;      // hr / d before any cap
    bool capped = false;     // hr/d was beyond the rock's limit and was cut back
    double hrUsed = 0;       // mm
    double hrOverDUsed = 0;  // hrUsed / d
    double zetaR = 0;        // after the process factor
};

// y0 + (y1 - y0) / (x1 - x0) * (x - x0), in that order.
double LinearInterpolate(double x0, double y0, double x1, double y1, double x);

// Along hr/d in the soft (y00, y10) and hard (y01, y11) columns, then across them along frk.
double BilinearInterpolate(double x0, double y00, double x1, double y10, double y01, double y11,
                           double f0, double f1, double x, double f);

// The table ComputeZetaR reads, for documents that print it: one row per 0.5 of
// hr/d from 0 to 8, the coefficient for frk <= 15 MPa and for frk > 30 MPa
// (medium rock blends the two along frk). The hard column is read up to hr/d = 4.
struct ZetaTableRow {
    double hrOverD;
    double soft;
    double hard;
};
inline constexpr double kZetaRowStep = 0.5;
inline constexpr double kZetaSoftLimitFrk = 15;  // MPa: at or below, the soft column
inline constexpr double kZetaHardLimitFrk = 30;  // MPa: above, the hard column
const std::vector<ZetaTableRow>& ZetaTableRows();

// hr/d where the table ends for a rock: 8 at or below 15 MPa, 4 above.
double ZetaTableEnd(double frk);

// The factor a process applies to the table's coefficient: 1.2 for dry-clean
// and post-grouted piles, 1 for the others.
double ZetaProcessFactor(ConstructionProcess process);

// Called with d > 0, hr >= 0 and frk > 0.
ZetaROutcome ComputeZetaR(double frk, double d, double hr, ConstructionProcess process);

}  // namespace rokal
