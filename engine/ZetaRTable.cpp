#include "engine/RockClass.h"

#include <array>
#include <cstddef>

namespace rokal {
namespace {

// Combined side and end resistance coefficient of the rock socket. Row k stands
// for hr/d = 0.5 k. Row 17 repeats row 16 so that hr/d = 8 has a row pair to read;
// the hard column is read only up to row 9.
struct ZetaRow {
    double soft;  // frk <= 15 MPa
    double hard;  // frk > 30 MPa
};

const std::array<ZetaRow, 18> kZetaTable = {{
    {0.60, 0.45},
    {0.80, 0.65},
    {0.95, 0.81},
    {1.065, 0.855},
    {1.18, 0.90},
    {1.265, 0.95},
    {1.35, 1.00},
    {1.415, 1.02},
    {1.48, 1.04},
    {1.525, 1.04},
    {1.57, 1.04},
    {1.60, 1.04},
    {1.63, 1.04},
    {1.645, 1.04},
    {1.66, 1.04},
    {1.68, 1.04},
    {1.70, 1.04},
    {1.70, 1.04},
}};

constexpr double kRowStep = kZetaRowStep;  // hr/d between two rows

// Medium rock blends the two columns along frk between these strengths.
constexpr double kSoftLimit = kZetaSoftLimitFrk;
constexpr double kHardLimit = kZetaHardLimitFrk;

enum class Band { Soft, Medium, Hard };

Band BandOf(double frk) {
    if (frk <= kSoftLimit) {
        return Band::Soft;
    }
    return frk <= kHardLimit ? Band::Medium : Band::Hard;
}

// Deeper sockets are cut back to this hr/d: the table stops at 8 for soft rock
// and is read only up to 4 for medium and hard rock.
double LimitOf(Band band) {
    return band == Band::Soft ? 8.0 : 4.0;
}

double InterpolatedZeta(Band band, double hrOverD, double frk) {
    const double x = hrOverD / kRowStep;
    const auto i = static_cast<std::size_t>(x);
    const ZetaRow& lo = kZetaTable.at(i);
    const ZetaRow& hi = kZetaTable.at(i + 1);
    const double x0 = static_cast<double>(i);
    const double x1 = static_cast<double>(i + 1);
    switch (band) {
        case Band::Soft:
            return LinearInterpolate(x0, lo.soft, x1, hi.soft, x);
        case Band::Medium:
            return BilinearInterpolate(x0, lo.soft, x1, hi.soft, lo.hard, hi.hard, kSoftLimit,
                                       kHardLimit, x, frk);
        case Band::Hard:
            break;
    }
    return LinearInterpolate(x0, lo.hard, x1, hi.hard, x);
}

// The coefficient at the band's hr/d limit.
double CappedZeta(Band band, double frk) {
    const ZetaRow& atFour = kZetaTable[8];
    switch (band) {
        case Band::Soft:
            return kZetaTable[16].soft;
        case Band::Medium:
            return LinearInterpolate(kSoftLimit, atFour.soft, kHardLimit, atFour.hard, frk);
        case Band::Hard:
            break;
    }
    return atFour.hard;
}

double ProcessFactorOf(ConstructionProcess process) {
    switch (process) {
        case ConstructionProcess::DryClean:
        case ConstructionProcess::MudWallPostGrout:
            return 1.2;
        case ConstructionProcess::MudWall:
        case ConstructionProcess::Underwater:
            break;
    }
    return 1.0;
}

}  // namespace

const std::vector<ZetaTableRow>& ZetaTableRows() {
    static const std::vector<ZetaTableRow> rows = [] {
        std::vector<ZetaTableRow> out;
        for (std::size_t i = 0; i + 1 < kZetaTable.size(); ++i) {
            out.push_back(
                {kRowStep * static_cast<double>(i), kZetaTable[i].soft, kZetaTable[i].hard});
        }
        return out;
    }();
    return rows;
}

double ZetaTableEnd(double frk) {
    return LimitOf(BandOf(frk));
}

double ZetaProcessFactor(ConstructionProcess process) {
    return ProcessFactorOf(process);
}

double LinearInterpolate(double x0, double y0, double x1, double y1, double x) {
    return y0 + (y1 - y0) / (x1 - x0) * (x - x0);
}

double BilinearInterpolate(double x0, double y00, double x1, double y10, double y01, double y11,
                           double f0, double f1, double x, double f) {
    const double t1 = y00 + (y10 - y00) / (x1 - x0) * (x - x0);
    const double t2 = y01 + (y11 - y01) / (x1 - x0) * (x - x0);
    return t1 + (t2 - t1) / (f1 - f0) * (f - f0);
}

ZetaROutcome ComputeZetaR(double frk, double d, double hr, ConstructionProcess process) {
    const Band band = BandOf(frk);
    const double limit = LimitOf(band);
    ZetaROutcome out;
    out.hrOverD = hr / d;
    double zeta = 0;
    if (out.hrOverD <= limit) {
        out.hrUsed = hr;
        zeta = InterpolatedZeta(band, out.hrOverD, frk);
    } else {
        out.capped = true;
        out.hrUsed = limit * d;
        zeta = CappedZeta(band, frk);
    }
    out.hrOverDUsed = out.hrUsed / d;
    out.zetaR = ProcessFactorOf(process) * zeta;
    return out;
}

}  // namespace rokal
