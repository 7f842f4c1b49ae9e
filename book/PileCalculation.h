#pragma once

#include <string>
#include <vector>

#include "book/BookDocument.h"
#include "book/BookTexts.h"

namespace rokal::book {

// The worked calculation of one computed pile, every step with its numbers
// substituted: Ap, the rock class, hr and the minimum socket, hr/d, ζr from the
// table, Qrk, Quk, Ra and its check, Rc and its check, and any proposal.
//
// Each substituted line "… = expression = result" can be recomputed by hand from
// the digits it shows and gives the shown result within one unit of its last
// digit. The results are the program's own, rounded; the inputs of a line are
// shown with as many digits as that takes (Ap and ζr at least four decimals,
// hr/d at least two).
//
// sameAs names the piles whose inputs are the same (the typical detail).
std::vector<Block> PileCalculationBlocks(const BookPile& pile, const BookTexts& texts,
                                         const std::vector<std::u16string>& sameAs);

}  // namespace rokal::book
