#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/PileInput.h"
#include "schedule/MinSocket.h"
#include "schedule/RowCompute.h"

namespace rokal {

// The step socket depths are proposed in: a multiple of d (0.1d, 0.5d, ...) or a
// length in mm. Kept in thousandths so that every proposed depth is an exact
// decimal: 0.1d is {TimesD, 100}, 50 mm is {Millimetres, 50000}.
struct DepthStep {
    enum class Unit { TimesD, Millimetres };
    Unit unit = Unit::TimesD;
    std::int64_t thousandths = 100;

    bool operator==(const DepthStep& other) const {
        return unit == other.unit && thousandths == other.thousandths;
    }
};

// 0.1d, the step proposals use unless told otherwise.
inline constexpr DepthStep kDefaultDepthStep{};

// "0.1d", "0.5d", "100" or "100mm" (spaces ignored, "." as the decimal point, at
// most three decimals, above 0 and at most 1000d or 1,000,000 mm); nullopt for
// anything else.
std::optional<DepthStep> ReadDepthStep(std::u16string_view text);
// The step as ReadDepthStep reads it back: "0.1d", "0.5d", "50mm".
std::u16string DepthStepText(DepthStep step);

// hr/d where the ζr table ends for a rock: 8 for frk <= 15 MPa, 4 above. A deeper
// socket gives no more capacity.
double SocketTableEnd(double frk);

// Ra in kN of the row's pile with its socket depth set to hrOverD x d (cut back to
// the table's end, as the engine does), everything else as computed. For the
// capacity curve; the row must be computed and hrOverD >= 0.
double RaAtDepthRatio(const RowResult& row, double hrOverD);

struct DepthProposal {
    enum class Kind { Depth, NoDepthSuffices };
    Kind kind = Kind::Depth;
    // Depth: the hr text to enter ("2.3d" for a step in d, "2300" for one in mm,
    // with the given decimal separator), its hr/d, and the Ra it gives. The depth
    // one step less gives Ra < Nk.
    // NoDepthSuffices: hr/d and Ra at the table's end, the largest Ra there is.
    std::u16string hrText;
    double hrOverD = 0;
    double ra = 0;
};

struct GradeProposal {
    enum class Kind { Grade, NoGradeSuffices };
    Kind kind = Kind::Grade;
    // Grade: the lowest grade whose Rc >= N, and that Rc.
    // NoGradeSuffices: C60 and its Rc, the largest there is.
    ConcreteGrade grade = ConcreteGrade::C60;
    double rc = 0;
};

// A proposal shown beside a row; the row itself stays as it is.
struct RowDesign {
    // For a computed row with Nk: the smallest depth, in whole steps, that reaches
    // the minimum socket and whose Ra reaches Nk, computed with ComputePile on the
    // proposed hr text itself. For a row without Nk whose own hr is below the
    // minimum: the smallest depth that reaches it. Unset also when the step is too
    // fine for the pile (over 10^15 steps to the table's end or to the minimum, as
    // for a step of 1 mm on an absurdly wide pile).
    std::optional<DepthProposal> depth;
    // For a computed row whose N is above its Rc.
    std::optional<GradeProposal> grade;
};

RowDesign DesignRow(const RowResult& row, DepthStep step, char16_t decimalSeparator,
                    MinSocket minimum = kDefaultMinSocket);

// The proposal as a table shows it: the hr text, with its unit when it is in mm
// ("2.3d", "2300 mm"), or "无可满足深度".
std::u16string DepthProposalText(const DepthProposal& proposal);
// "C35", or "无可满足等级".
std::u16string GradeProposalText(const GradeProposal& proposal);

}  // namespace rokal
