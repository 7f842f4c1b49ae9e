#include "workbook/XlsxText.h"

namespace rokal {

namespace {

constexpr std::size_t kEscapeLength = 7;  // "_x" four hex digits "_"

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
        return (c | 0x20) - 'a' + 10;
    }
    return -1;
}

// The code unit of an escape at text[i], or -1 when none starts there.
long EscapeAt(std::string_view text, std::size_t i) {
    if (text.size() - i < kEscapeLength || text[i + 1] != 'x' || text[i + 6] != '_') {
        return -1;
    }
    long value = 0;
    for (std::size_t k = 2; k < 6; ++k) {
        const int digit = HexValue(text[i + k]);
        if (digit < 0) {
            return -1;
        }
        value = value * 16 + digit;
    }
    return value;
}

void AppendUtf8(std::string& out, long point) {
    if (point >= 0xD800 && point <= 0xDFFF) {
        point = 0xFFFD;
    }
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

}  // namespace

std::string UnescapeCellText(std::string_view text) {
    std::size_t at = text.find("_x");
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    std::string out(text.substr(0, at));
    for (std::size_t i = at; i < text.size();) {
        const long escaped = text[i] == '_' ? EscapeAt(text, i) : -1;
        if (escaped < 0) {
            out += text[i++];
            continue;
        }
        AppendUtf8(out, escaped);
        i += kEscapeLength;
    }
    return out;
}

}  // namespace rokal
