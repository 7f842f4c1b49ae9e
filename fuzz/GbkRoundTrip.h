#pragma once

#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include "report/CodePage.h"

namespace rokal::fuzz {

// How many code units make up the character at text[i]: two for a surrogate
// pair, one for anything else (a lone surrogate too).
inline std::size_t CharacterUnits(std::u16string_view text, std::size_t i) {
    const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
    const bool lowNext = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    return high && lowNext ? 2 : 1;
}

// Aborts unless the GBK writer turns exactly the characters GBK lacks into "?",
// writes every character as it would alone (no state carried from one to the
// next), and every other character reads back unchanged.
inline void CheckGbkRoundTrip(std::u16string_view text) {
    std::string expectedBytes;
    std::u16string expectedText;
    for (std::size_t i = 0; i < text.size();) {
        const std::u16string_view character = text.substr(i, CharacterUnits(text, i));
        const std::string bytes = EncodeToSystemCodePage(character);
        expectedBytes += bytes;
        if (bytes == "?" && character != u"?") {
            expectedText += u'?';
        } else if (DecodeFromSystemCodePage(bytes) == character) {
            expectedText += character;
        } else {
            std::abort();  // a character GBK has does not survive the trip
        }
        i += character.size();
    }
    const std::string bytes = EncodeToSystemCodePage(text);
    if (bytes != expectedBytes || DecodeFromSystemCodePage(bytes) != expectedText) {
        std::abort();
    }
}

}  // namespace rokal::fuzz
