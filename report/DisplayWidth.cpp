#include "report/DisplayWidth.h"

namespace rokal {

namespace {

constexpr char16_t kFirstWide = 0x1000;
constexpr char16_t kLastWide = 0x9FA5;

bool IsWide(char16_t unit) {
    return unit >= kFirstWide && unit <= kLastWide;
}

std::u16string Repeat(const std::u16string& fill, int times) {
    std::u16string out;
    for (int i = 0; i < times; ++i) {
        out += fill;
    }
    return out;
}

}  // namespace

int DisplayWidth(const std::u16string& text) {
    int width = 0;
    for (char16_t unit : text) {
        width += IsWide(unit) ? 2 : 1;
    }
    return width;
}

std::u16string PadRight(const std::u16string& text, const std::u16string& fill, int width) {
    return text + Repeat(fill, width - DisplayWidth(text));
}

std::u16string PadLeft(const std::u16string& text, const std::u16string& fill, int width) {
    return Repeat(fill, width - DisplayWidth(text)) + text;
}

std::u16string PadCentre(const std::u16string& text, const std::u16string& fill, int width) {
    const int surplus = width - DisplayWidth(text);
    const int after = surplus / 2;
    const int before = surplus - after;
    return Repeat(fill, before) + text + Repeat(fill, after);
}

std::u16string CutToWidth(const std::u16string& text, int width, const std::u16string& ellipsis) {
    if (DisplayWidth(text) <= width) {
        return text;
    }
    const int room = width - DisplayWidth(ellipsis);
    int used = 0;
    std::size_t end = 0;
    while (end < text.size() && used + (IsWide(text[end]) ? 2 : 1) <= room) {
        used += IsWide(text[end]) ? 2 : 1;
        ++end;
    }
    const bool splitsPair = end > 0 && end < text.size() && text[end - 1] >= 0xD800 &&
                            text[end - 1] <= 0xDBFF && text[end] >= 0xDC00 && text[end] <= 0xDFFF;
    if (splitsPair) {
        --end;
    }
    return text.substr(0, end) + ellipsis;
}

std::u16string Spaces(int count) {
    return count > 0 ? std::u16string(count, u' ') : u"";
}

}  // namespace rokal
