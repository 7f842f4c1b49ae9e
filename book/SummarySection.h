#pragma once

#include <vector>

#include "book/BookDocument.h"
#include "book/BookTexts.h"

namespace rokal::book {

// "2 计算结果汇总": one row per pile with its inputs, results, loads, checks and
// the proposals for a failing check; a pile that could not be computed shows its
// errors. Then the conclusion.
Unit SummarySection(const std::vector<BookPile>& piles, const BookTexts& texts);

// The conclusion: every pile passes, or which fail and why, which were not
// checked, which are below the minimum socket and which could not be computed.
Inline ConclusionText(const std::vector<BookPile>& piles, const BookTexts& texts);

}  // namespace rokal::book
