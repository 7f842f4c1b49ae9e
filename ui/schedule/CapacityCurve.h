#pragma once

#include <optional>
#include <vector>

#include "schedule/Design.h"
#include "schedule/RowCompute.h"

namespace rokal {

struct CurvePoint {
    double x = 0;  // hr/d
    double y = 0;  // kN
};

// What the capacity chart of one computed row shows.
struct CapacityCurve {
    // Ra against hr/d from 0 to xMax, sampled finely enough that the straight lines
    // between the points are the engine's own interpolation.
    std::vector<CurvePoint> ra;
    double tableEnd = 0;  // hr/d where the ζr table ends and Ra stops growing
    double xMax = 0;
    double rc = 0;
    std::optional<double> nk;
    std::optional<double> n;
    // The row's own depth and its Ra; beyond xMax for an absurdly deep socket.
    CurvePoint own;
    // The proposed depth and the Ra it gives, when there is one.
    std::optional<CurvePoint> proposed;
    // Nk lies above the whole curve.
    bool noDepthSuffices = false;
};

// The curve of a computed row.
CapacityCurve CapacityCurveOf(const RowResult& row, const RowDesign& design);

}  // namespace rokal
