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
// Keeps k x step in thousandths well inside a 64-bit integer.
constexpr double kMaxThousandths = 1e18;
constexpr double kSoftRockLimit = 15;  // MPa; the table runs to hr/d = 8 up to here

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

struct DepthSearch {
    const RowResult& row;
    DepthStep step;
    char16_t separator;

    std::u16string Text(std::int64_t k) const {
        const std::u16string number = DecimalText(k * step.thousandths, separator);
        return step.unit == DepthStep::Unit::TimesD ? number + u'd' : number;
    }
    double Ra(std::int64_t k) const { return RaWithDepthText(row.input, Text(k), separator); }
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
            endInSteps * static_cast<double>(step.thousandths) > kMaxThousandths) {
            return -1;
        }
        return static_cast<std::int64_t>(std::ceil(endInSteps));
    }
};

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
    // Ra(hi) >= nk throughout; Ra(lo) < nk once lo has moved.
    std::int64_t lo = -1;
    std::int64_t hi = last;
    double raAtHi = deepest;
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        const double ra = search.Ra(mid);
        if (ra >= nk) {
            hi = mid;
            raAtHi = ra;
        } else {
            lo = mid;
        }
    }
    proposal.hrText = search.Text(hi);
    proposal.hrOverD = search.HrOverD(hi);
    proposal.ra = raAtHi;
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
    return frk <= kSoftRockLimit ? 8.0 : 4.0;
}

double RaAtDepthRatio(const RowResult& row, double hrOverD) {
    const PileResult& pile = *row.pile;
    const double d = pile.d;
    const ZetaROutcome zeta = ComputeZetaR(pile.frk, d, hrOverD * d, row.input.process);
    // The engine's own order of operations, so that equal depths give equal Ra.
    const double qrk = (kPi * d * d / 4) * (zeta.zetaR * pile.frk) / 1000;
    return qrk / pile.k;
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
