#include "ui/schedule/CapacityCurve.h"

#include <algorithm>
#include <cmath>

namespace rokal {
namespace {

// Samples per unit of hr/d: the ζr table has a row every 0.5, so its corners fall
// on samples and the chart draws the engine's interpolation exactly.
constexpr double kSamplesPerUnit = 10;
// The curve runs a quarter past the table's end, so that the flat part shows; a
// deeper row or proposal widens it, up to this many times the table's end.
constexpr double kPastEnd = 1.25;
constexpr double kWidestRange = 2.5;
constexpr double kMargin = 1.05;
// Keeps 6.3 from becoming 6.4 through the rounding of 6.3 x 10.
constexpr double kRoundingSlack = 1e-9;

double RangeEnd(double tableEnd, double own, const std::optional<CurvePoint>& proposed) {
    double end = tableEnd * kPastEnd;
    const double deepest = std::max(own, proposed ? proposed->x : 0.0) * kMargin;
    end = std::max(end, std::min(deepest, tableEnd * kWidestRange));
    // Whole tenths, so that the last sample is the range's end.
    return std::ceil(end * kSamplesPerUnit - kRoundingSlack) / kSamplesPerUnit;
}

}  // namespace

CapacityCurve CapacityCurveOf(const RowResult& row, const RowDesign& design) {
    CapacityCurve curve;
    const PileResult& pile = *row.pile;
    curve.tableEnd = SocketTableEnd(pile.frk);
    curve.rc = pile.rc;
    curve.nk = row.nk;
    curve.n = row.n;
    curve.own = {pile.hrOverD, pile.ra};
    if (design.depth) {
        if (design.depth->kind == DepthProposal::Kind::Depth) {
            curve.proposed = CurvePoint{design.depth->hrOverD, design.depth->ra};
        } else {
            curve.noDepthSuffices = true;
        }
    }
    curve.xMax = RangeEnd(curve.tableEnd, curve.own.x, curve.proposed);
    const auto samples = static_cast<int>(std::lround(curve.xMax * kSamplesPerUnit));
    curve.ra.reserve(static_cast<std::size_t>(samples) + 1);
    for (int i = 0; i <= samples; ++i) {
        const double x = i / kSamplesPerUnit;
        curve.ra.push_back({x, RaAtDepthRatio(row, x)});
    }
    return curve;
}

}  // namespace rokal
