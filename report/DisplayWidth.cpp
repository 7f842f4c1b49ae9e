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

std::u16string Spaces(int count) {
    return count > 0 ? std::u16string(count, u' ') : u"";
}

}  // namespace rokal
