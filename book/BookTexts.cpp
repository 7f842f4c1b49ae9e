#include "book/BookTexts.h"

#include <cmath>

#include "report/TableReport.h"

namespace rokal::book {

namespace {

constexpr int kMarginDecimals = 1;

std::u16string Number(long long n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::u16string BookTexts::SocketDepth(const PileResult& pile) const {
    return pile.hrIsMultiple ? SocketFactor(pile).text + u"d" : Exact(pile.hr);
}

Shown BookTexts::SocketFactor(const PileResult& pile) const {
    return numbers_.Exact(pile.hr / pile.d, 0, 6);
}

std::u16string BookTexts::Adopted(double capacity) const {
    return CapacityText(capacity, options_.mode, options_.decimalSeparator);
}

int BookTexts::WorkedDecimals() const {
    switch (options_.mode) {
        case PrecisionMode::TwoDecimals:
            return 2;
        case PrecisionMode::OneDecimal:
            return 1;
        case PrecisionMode::Units:
        case PrecisionMode::Tens:
        case PrecisionMode::Hundreds:
            break;
    }
    return 0;
}

Shown BookTexts::Worked(double capacity) const {
    return numbers_.Fixed(capacity, WorkedDecimals());
}

std::u16string BookTexts::SignedMargin(const LoadCheck& check) const {
    if (!check.marginPercent) {
        return {};
    }
    const double margin = *check.marginPercent;
    const std::u16string digits = numbers_.Fixed(std::fabs(margin), kMarginDecimals).text;
    return (margin < 0 ? u"−" : u"+") + digits + u"%";
}

std::u16string BookTexts::VerdictCell(const LoadCheck& check) const {
    const std::u16string margin = SignedMargin(check);
    return CheckVerdictText(check.holds) + (margin.empty() ? u"" : u" " + margin);
}

std::u16string BookTexts::VerdictPhrase(const LoadCheck& check) const {
    std::u16string text = CheckVerdictText(check.holds);
    if (check.marginPercent) {
        const double margin = *check.marginPercent;
        text += (margin < 0 ? u"（不足 " : u"（富余 ") +
                numbers_.Fixed(std::fabs(margin), kMarginDecimals).text + u"%）";
    }
    return text;
}

std::u16string BookTexts::Proposals(const BookPile& pile) const {
    std::u16string text;
    const RowResult& result = pile.result;
    if (result.raCheck && !result.raCheck->holds && pile.design.depth) {
        const DepthProposal& depth = *pile.design.depth;
        text += depth.kind == DepthProposal::Kind::Depth
                    ? u"h_{r} " + DepthProposalText(depth) + (IsMultipleOfD(depth) ? u"" : u" mm")
                    : DepthProposalText(depth);
    }
    if (result.rcCheck && !result.rcCheck->holds && pile.design.grade) {
        text += (text.empty() ? u"" : u"；") + GradeProposalText(*pile.design.grade);
    }
    return text;
}

std::u16string BookTexts::PileName(const BookPile& pile) {
    return pile.line > 0 ? u"第 " + Number(pile.line) + u" 行 " + pile.mark : pile.mark;
}

std::u16string BookTexts::Errors(const RowResult& result) {
    std::u16string text;
    for (const CellError& error : result.errors) {
        text += (text.empty() ? u"" : u"；") + CellErrorText(error);
    }
    return text;
}

bool IsMultipleOfD(const DepthProposal& proposal) {
    return !proposal.hrText.empty() && proposal.hrText.back() == u'd';
}

bool BelowMinimumSocket(const PileResult& pile, const MinimumSocket& minimum) {
    return pile.hr < minimum.For(pile.d);
}

}  // namespace rokal::book
