// GBK through the Windows code-page functions (code page 936). Nothing is kept
// between calls; a character the code page lacks costs only itself.
#include <windows.h>

#include <cstddef>
#include <stdexcept>
#include <string>

#include "report/CodePage.h"

namespace rokal {
namespace {

constexpr UINT kCodePage = 936;

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}
bool IsHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Encodes a run of code units that holds no surrogate; a character without a code
// becomes the default character "?" (no best-fit substitutes such as "s" for "ß").
void EncodeRun(std::u16string_view run, std::string& out) {
    if (run.empty()) {
        return;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(run.data());
    const int count = static_cast<int>(run.size());
    const int size =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, count, nullptr, 0, "?", nullptr);
    if (size <= 0) {
        throw std::runtime_error("code-page conversion failed");
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(size));
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, count, &out[at], size, "?", nullptr);
}

// The one character GBK defines at bytes[i] (one or two bytes), or 0 code units.
std::size_t DecodeOne(std::string_view bytes, std::size_t i, char16_t& unit) {
    for (std::size_t length = 1; length <= 2 && i + length <= bytes.size(); ++length) {
        wchar_t wide = 0;
        if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data() + i,
                                static_cast<int>(length), &wide, 1) == 1) {
            unit = static_cast<char16_t>(wide);
            return length;
        }
    }
    return 0;
}

}  // namespace

std::string EncodeToSystemCodePage(std::u16string_view text) {
    std::string out;
    out.reserve(2 * text.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsSurrogate(text[i])) {
            continue;
        }
        EncodeRun(text.substr(start, i - start), out);
        out += '?';  // nothing beyond the Basic Multilingual Plane is in GBK
        if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
            ++i;
        }
        start = i + 1;
    }
    EncodeRun(text.substr(start), out);
    return out;
}

std::u16string DecodeFromSystemCodePage(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            out += static_cast<char16_t>(byte);
            ++i;
            continue;
        }
        char16_t unit = 0;
        const std::size_t length = DecodeOne(bytes, i, unit);
        out += length == 0 ? char16_t(0xFFFD) : unit;
        i += length == 0 ? 1 : length;
    }
    return out;
}

}  // namespace rokal
