#include "schedule/Design.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "engine/NumberReading.h"
#include "engine/RockClass.h"
#include "schedule/ExactDecimal.h"

namespace rokal {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::int64_t kThousand = 1000;
constexpr std::int64_t kMaxStepTimesD = 1000 * kThousand;
constexpr std::int64_t kMaxStepMillimetres = 1000000 * kThousand;
// Beyond this many steps to the table's end a proposal is not worth giving: the
// step is finer than a double tells apart in the pile's depth.
constexpr double kMaxSteps = 1e15;
// Keeps k x step in thousandths an integer that a double holds exactly (2^53).
constexpr double kMaxThousandths = 9007199254740992.0;

// Ra of the row's pile with hr written as text, as ComputePile gives it; -1 when
// the engine refuses the text.
double RaWithDepthText(const PileInput& base, const std::u16string& hrText, char16_t separator) {
    PileInput input = base;
    input.hrText = hrText;
    try {
        const auto computed = ComputePile(input, separator);
        if (const PileResult* pile = std::get_if<PileResult>(&computed)) {
            return pile->ra;
        }
    } catch (const FloatingPointOverflow&) {
    }
    return -1;
}

// Ra in kN of the row's pile with a socket depth of hr mm, in the engine's own
// order of operations, so that equal depths give equal Ra.
double RaAtDepth(const RowResult& row, double hr) {
    const PileResult& pile = *row.pile;
    const double d = pile.d;
    const ZetaROutcome zeta = ComputeZetaR(pile.frk, d, hr, row.input.process);
    const double qrk = (kPi * d * d / 4) * (zeta.zetaR * pile.frk) / 1000;
    return qrk / pile.k;
}

struct DepthSearch {
    const RowResult& row;
    DepthStep step;
    char16_t separator;

    std::u16string Text(std::int64_t k) const {
        const std::u16string number = ThousandthsText(k * step.thousandths, separator);
        return step.unit == DepthStep::Unit::TimesD ? number + u'd' : number;
    }
    // Ra as ComputePile gives it for Text(k).
    double Ra(std::int64_t k) const { return RaWithDepthText(row.input, Text(k), separator); }
    // The same without writing and reading the text: the text's number is
    // (k x thousandths) / 1000 correctly rounded, exactly what this division gives
    // while the numerator is below 2^53, and the engine multiplies it by d for a
    // multiple of d.
    double QuickRa(std::int64_t k) const { return RaAtDepth(row, Hr(k)); }
    // hr in mm as the engine reads Text(k).
    double Hr(std::int64_t k) const {
        const double value = static_cast<double>(k * step.thousandths) / kThousand;
        return step.unit == DepthStep::Unit::TimesD ? value * row.pile->d : value;
    }
    // The first step whose depth reaches the minimum socket, or -1 when there are
    // too many steps to it.
    std::int64_t FirstStepReachingMinimum(MinSocket minimum) const {
        const double depth = MinSocketDepth(minimum, row.pile->d);
        const double guess = std::ceil(depth / Hr(1));
        if (!(guess <= kMaxSteps) ||
            (guess + 1) * static_cast<double>(step.thousandths) > kMaxThousandths) {
            return -1;
        }
        auto k = static_cast<std::int64_t>(guess);
        while (k > 0 && ReachesMinSocket(Hr(k - 1), depth)) {
            --k;
        }
        while (!ReachesMinSocket(Hr(k), depth)) {
            ++k;
        }
        return k;
    }
    double HrOverD(std::int64_t k) const {
        const double factor = static_cast<double>(k * step.thousandths) / kThousand;
        return step.unit == DepthStep::Unit::TimesD ? factor : factor / row.pile->d;
    }
    // Steps to reach the table's end, or -1 when there are too many.
    std::int64_t StepsToEnd() const {
        const double end = SocketTableEnd(row.pile->frk);
        const double endInSteps =
            step.unit == DepthStep::Unit::TimesD
                ? end * kThousand / static_cast<double>(step.thousandths)
                : end * row.pile->d * kThousand / static_cast<double>(step.thousandths);
        if (!(endInSteps <= kMaxSteps) ||
            (std::ceil(endInSteps) + 1) * static_cast<double>(step.thousandths) > kMaxThousandths) {
            return -1;
        }
        return static_cast<std::int64_t>(std::ceil(endInSteps));
    }
};

// The first step in [0, last] whose Ra reaches nk, given that Ra(last) does; Ra
// never falls as the depth grows.
template <typename RaOf>
std::int64_t FirstStepReaching(double nk, std::int64_t last, RaOf ra) {
    std::int64_t lo = -1;  // Ra(lo) < nk once lo has moved
    std::int64_t hi = last;
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        (ra(mid) >= nk ? hi : lo) = mid;
    }
    return hi;
}

// The first step in [0, last] whose Ra reaches nk, given that Ra(last) does. The
// search runs on the quick Ra; the engine itself confirms the answer through the
// texts, and decides alone should the two ever differ.
std::int64_t StepReaching(const DepthSearch& search, double nk, std::int64_t last) {
    std::int64_t k = FirstStepReaching(nk, last, [&](std::int64_t i) { return search.QuickRa(i); });
    if (search.Ra(k) < nk || (k > 0 && search.Ra(k - 1) >= nk)) {
        k = FirstStepReaching(nk, last, [&](std::int64_t i) { return search.Ra(i); });
    }
    return k;
}

// The smallest depth in whole steps that reaches the minimum socket and, when
// there is one, Nk.
std::optional<DepthProposal> ProposeDepth(const DepthSearch& search, std::optional<double> nk,
                                          MinSocket minimum) {
    const std::int64_t last = search.StepsToEnd();
    std::int64_t k = search.FirstStepReachingMinimum(minimum);
    if (last < 0 || k < 0) {
        return std::nullopt;
    }
    DepthProposal proposal;
    if (nk) {
        const double deepest = search.Ra(last);
        if (deepest < *nk) {
            proposal.kind = DepthProposal::Kind::NoDepthSuffices;
            proposal.hrOverD = SocketTableEnd(search.row.pile->frk);
            proposal.ra = deepest;
            return proposal;
        }
        k = std::max(k, StepReaching(search, *nk, last));
    }
    proposal.hrText = search.Text(k);
    proposal.hrOverD = search.HrOverD(k);
    proposal.ra = search.Ra(k);
    return proposal;
}

double RcWithGrade(const PileInput& base, ConcreteGrade grade, char16_t separator) {
    PileInput input = base;
    input.grade = grade;
    try {
        const auto computed = ComputePile(input, separator);
        if (const PileResult* pile = std::get_if<PileResult>(&computed)) {
            return pile->rc;
        }
    } catch (const FloatingPointOverflow&) {
    }
    return -1;
}

GradeProposal ProposeGrade(const RowResult& row, double n, char16_t separator) {
    GradeProposal proposal;
    for (int i = 0; i < kConcreteGradeCount; ++i) {
        proposal.grade = static_cast<ConcreteGrade>(i);
        proposal.rc = RcWithGrade(row.input, proposal.grade, separator);
        if (proposal.rc >= n) {
            return proposal;
        }
    }
    proposal.kind = GradeProposal::Kind::NoGradeSuffices;
    return proposal;
}

}  // namespace

std::optional<DepthStep> ReadDepthStep(std::u16string_view text) {
    std::u16string compact = CompactLower(text);
    DepthStep step;
    std::int64_t limit = kMaxStepMillimetres;
    if (EndsWith(compact, u"d")) {
        compact.pop_back();
        limit = kMaxStepTimesD;
    } else {
        step.unit = DepthStep::Unit::Millimetres;
        if (EndsWith(compact, u"mm")) {
            compact.resize(compact.size() - 2);
        }
    }
    const std::optional<std::int64_t> thousandths = ReadThousandths(compact);
    if (!thousandths || *thousandths <= 0 || *thousandths > limit) {
        return std::nullopt;
    }
    step.thousandths = *thousandths;
    return step;
}

std::u16string DepthStepText(DepthStep step) {
    return ThousandthsText(step.thousandths, u'.') +
           (step.unit == DepthStep::Unit::TimesD ? u"d" : u"mm");
}

double SocketTableEnd(double frk) {
    return ZetaTableEnd(frk);
}

double RaAtDepthRatio(const RowResult& row, double hrOverD) {
    return RaAtDepth(row, hrOverD * row.pile->d);
}

RowDesign DesignRow(const RowResult& row, DepthStep step, char16_t decimalSeparator,
                    MinSocket minimum) {
    RowDesign design;
    if (!row.Computed()) {
        return design;
    }
    if (row.nk || !CheckSocket(*row.pile, minimum).holds) {
        design.depth = ProposeDepth(DepthSearch{row, step, decimalSeparator}, row.nk, minimum);
    }
    if (row.n && row.pile->rc < *row.n) {
        design.grade = ProposeGrade(row, *row.n, decimalSeparator);
    }
    return design;
}

std::u16string DepthProposalText(const DepthProposal& proposal) {
    if (proposal.kind == DepthProposal::Kind::NoDepthSuffices) {
        return u"无可满足深度";
    }
    return EndsWith(proposal.hrText, u"d") ? proposal.hrText : proposal.hrText + u" mm";
}

std::u16string GradeProposalText(const GradeProposal& proposal) {
    return proposal.kind == GradeProposal::Kind::Grade ? ConcreteGradeText(proposal.grade)
                                                       : u"无可满足等级";
}

}  // namespace rokal
