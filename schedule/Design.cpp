#include "schedule/Design.h"

#include <cmath>
#include <variant>

#include "engine/NumberReading.h"
#include "engine/RockClass.h"

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

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

// "12.5" as 12500 thousandths; nullopt for more than three decimals or no digits.
std::optional<std::int64_t> ReadThousandths(std::u16string_view text) {
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int decimals = -1;
    int digits = 0;
    for (char16_t c : text) {
        if (c == u'.' && decimals < 0) {
            decimals = 0;
        } else if (c >= u'0' && c <= u'9' && decimals < 3 && whole < 1000000000) {
            ++digits;
            if (decimals < 0) {
                whole = whole * 10 + (c - u'0');
            } else {
                fraction = fraction * 10 + (c - u'0');
                ++decimals;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    for (int i = decimals < 0 ? 0 : decimals; i < 3; ++i) {
        fraction *= 10;
    }
    return whole * kThousand + fraction;
}

bool EndsWith(const std::u16string& text, std::u16string_view suffix) {
    return text.size() >= suffix.size() &&
           std::u16string_view(text).substr(text.size() - suffix.size()) == suffix;
}

// value / 1000 as an exact decimal without trailing zeros.
std::u16string DecimalText(std::int64_t thousandths, char16_t separator) {
    const std::string whole = std::to_string(thousandths / kThousand);
    std::u16string text(whole.begin(), whole.end());
    std::int64_t fraction = thousandths % kThousand;
    if (fraction == 0) {
        return text;
    }
    std::u16string digits;
    for (int i = 0; i < 3; ++i) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + fraction % 10));
        fraction /= 10;
    }
    while (digits.back() == u'0') {
        digits.pop_back();
    }
    return text + separator + digits;
}

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
        const std::u16string number = DecimalText(k * step.thousandths, separator);
        return step.unit == DepthStep::Unit::TimesD ? number + u'd' : number;
    }
    // Ra as ComputePile gives it for Text(k).
    double Ra(std::int64_t k) const { return RaWithDepthText(row.input, Text(k), separator); }
    // The same without writing and reading the text: the text's number is
    // (k x thousandths) / 1000 correctly rounded, exactly what this division gives
    // while the numerator is below 2^53, and the engine multiplies it by d for a
    // multiple of d.
    double QuickRa(std::int64_t k) const {
        const double value = static_cast<double>(k * step.thousandths) / kThousand;
        return RaAtDepth(row, step.unit == DepthStep::Unit::TimesD ? value * row.pile->d : value);
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

std::optional<DepthProposal> ProposeDepth(const DepthSearch& search, double nk) {
    const std::int64_t last = search.StepsToEnd();
    if (last < 0) {
        return std::nullopt;
    }
    DepthProposal proposal;
    const double deepest = search.Ra(last);
    if (deepest < nk) {
        proposal.kind = DepthProposal::Kind::NoDepthSuffices;
        proposal.hrOverD = SocketTableEnd(search.row.pile->frk);
        proposal.ra = deepest;
        return proposal;
    }
    // The search runs on the quick Ra; the engine itself confirms the answer
    // through the texts, and decides alone should the two ever differ.
    const auto slow = [&](std::int64_t k) { return search.Ra(k); };
    std::int64_t k = FirstStepReaching(nk, last, [&](std::int64_t i) { return search.QuickRa(i); });
    double ra = search.Ra(k);
    if (ra < nk || (k > 0 && search.Ra(k - 1) >= nk)) {
        k = FirstStepReaching(nk, last, slow);
        ra = search.Ra(k);
    }
    proposal.hrText = search.Text(k);
    proposal.hrOverD = search.HrOverD(k);
    proposal.ra = ra;
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
    std::u16string compact;
    for (char16_t c : text) {
        if (!IsSpace(c)) {
            compact += c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        }
    }
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
    return DecimalText(step.thousandths, u'.') +
           (step.unit == DepthStep::Unit::TimesD ? u"d" : u"mm");
}

double SocketTableEnd(double frk) {
    return ZetaTableEnd(frk);
}

double RaAtDepthRatio(const RowResult& row, double hrOverD) {
    return RaAtDepth(row, hrOverD * row.pile->d);
}

RowDesign DesignRow(const RowResult& row, DepthStep step, char16_t decimalSeparator) {
    RowDesign design;
    if (!row.Computed()) {
        return design;
    }
    if (row.nk) {
        design.depth = ProposeDepth(DepthSearch{row, step, decimalSeparator}, *row.nk);
    }
    if (row.n && row.pile->rc < *row.n) {
        design.grade = ProposeGrade(row, *row.n, decimalSeparator);
    }
    return design;
}

std::u16string DepthProposalText(const DepthProposal& proposal) {
    return proposal.kind == DepthProposal::Kind::Depth ? proposal.hrText : u"无可满足深度";
}

std::u16string GradeProposalText(const GradeProposal& proposal) {
    return proposal.kind == GradeProposal::Kind::Grade ? ConcreteGradeText(proposal.grade)
                                                       : u"无可满足等级";
}

}  // namespace rokal
