#pragma once

#include <optional>
#include <string>

#include "book/BookPile.h"
#include "book/CalculationBook.h"
#include "book/ShownNumber.h"

namespace rokal::book {

// Texts that the summary and the worked calculations share.
class BookTexts {
  public:
    explicit BookTexts(const BookOptions& options)
        : options_(options), numbers_(options.decimalSeparator) {}

    const NumberWriter& Numbers() const { return numbers_; }
    const BookOptions& Options() const { return options_; }

    // d, frk and loads exactly as given: "800", "12.5".
    std::u16string Exact(double v) const { return numbers_.Exact(v).text; }
    // hr as given: "1.5d" for a multiple of d, else the millimetres "2000".
    std::u16string SocketDepth(const PileResult& pile) const;
    // The factor of an hr given as a multiple of d: "1.5".
    Shown SocketFactor(const PileResult& pile) const;
    // ζr to four decimals, as every table writes it.
    std::u16string ZetaR(double zetaR) const { return numbers_.Fixed(zetaR, 4).text; }
    // A capacity as the rounding gives it: "3212", "3210" for tens.
    std::u16string Adopted(double capacity) const;
    // A capacity to the decimals the worked calculation uses (none for units, tens
    // and hundreds; 1 or 2 for the decimal roundings).
    Shown Worked(double capacity) const;
    int WorkedDecimals() const;
    // "+28.5%" or "−4.4%" for a margin; empty when there is none.
    std::u16string SignedMargin(const LoadCheck& check) const;
    // "满足 +28.5%", "不满足 −4.4%".
    std::u16string VerdictCell(const LoadCheck& check) const;
    // "满足（富余 28.5%）", "不满足（不足 4.4%）".
    std::u16string VerdictPhrase(const LoadCheck& check) const;
    // The proposals for the checks that fail: "hr 2.3d", "C40", "无可满足深度";
    // empty when every check holds.
    std::u16string Proposals(const BookPile& pile) const;
    // "第 9 行 ZH9" or "ZH9" for a pile without a line.
    static std::u16string PileName(const BookPile& pile);
    // The messages of a pile's bad cells: "桩径：桩身直径数据有错；…".
    static std::u16string Errors(const RowResult& result);

  private:
    const BookOptions& options_;
    NumberWriter numbers_;
};

// True when a proposed depth is written as a multiple of d ("2.3d"), not in mm.
bool IsMultipleOfD(const DepthProposal& proposal);

// True when the pile's own socket is shorter than the minimum in force.
bool BelowMinimumSocket(const PileResult& pile, const MinimumSocket& minimum);

}  // namespace rokal::book
