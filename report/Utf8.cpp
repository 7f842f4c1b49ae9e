// UTF-8 checks and conversions, in plain C++: the same on every system.
#include <cstddef>
#include <cstdint>

#include "report/CodePage.h"

namespace rokal {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of the well-formed sequence at bytes[i], and its length; length 0
// when the sequence there is ill-formed.
struct Decoded {
    char32_t point;
    std::size_t length;
};

Decoded DecodeAt(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t point = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, lowest = 0x10000;
    } else {
        return {0, 0};
    }
    if (i + length > bytes.size()) {
        return {0, 0};
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(at(k))) {
            return {0, 0};
        }
        point = (point << 6) | (at(k) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    if (point < lowest || point > 0x10FFFF || surrogate) {
        return {0, 0};
    }
    return {point, length};
}

void AppendUtf16(std::u16string& out, char32_t point) {
    if (point < 0x10000) {
        out += static_cast<char16_t>(point);
        return;
    }
    point -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (point >> 10));
    out += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool IsHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const Decoded decoded = DecodeAt(bytes, i);
        if (decoded.length == 0) {
            return false;
        }
        i += decoded.length;
    }
    return true;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const Decoded decoded = DecodeAt(bytes, i);
        AppendUtf16(out, decoded.length == 0 ? kReplacement : decoded.point);
        i += decoded.length == 0 ? 1 : decoded.length;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
            const char32_t point = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                   (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            AppendUtf8(out, point);
            ++i;
        } else if (IsHigh(unit) || IsLow(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace rokal
