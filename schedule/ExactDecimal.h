#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rokal {

// Decimal settings such as a depth step or a minimum socket are kept in
// thousandths, so that every depth made from them is an exact decimal.

// "12.5" as 12500 thousandths: digits with "." as the decimal point and at most
// three decimals, below 10^9; nullopt for anything else.
std::optional<std::int64_t> ReadThousandths(std::u16string_view text);

// thousandths / 1000 as an exact decimal without trailing zeros: "12.5", "3".
std::u16string ThousandthsText(std::int64_t thousandths, char16_t separator);

// Spaces (ASCII, tab and the ideographic space) removed and A-Z lowered.
std::u16string CompactLower(std::u16string_view text);

// Whether text ends with suffix.
bool EndsWith(std::u16string_view text, std::u16string_view suffix);

}  // namespace rokal
