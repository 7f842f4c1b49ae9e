#include "schedule/TextDecoding.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "report/CodePage.h"
#include "schedule/ScheduleFileError.h"

namespace rokal {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr char16_t kReplacement = u'\uFFFD';

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

std::u16string DecodeUtf16(std::string_view bytes, bool littleEndian) {
    if (bytes.size() % 2 != 0) {
        throw ScheduleFileError("UTF-16文件的字节数不成对：文件不完整");
    }
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(littleEndian ? (b << 8) | a : (a << 8) | b);
    }
    return text;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

unsigned char Byte(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// The length of the well-formed UTF-8 sequence at i (no overlong forms, no
// surrogates, nothing beyond U+10FFFF), or 0 when none starts there.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t i) {
    const unsigned char lead = Byte(bytes, i);
    const auto continues = [&](std::size_t k) {
        return i + k < bytes.size() && (Byte(bytes, i + k) & 0xC0) == 0x80;
    };
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continues(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continues(1) || !continues(2)) {
            return 0;
        }
        const unsigned char second = Byte(bytes, i + 1);
        const bool overlong = lead == 0xE0 && second < 0xA0;
        const bool surrogate = lead == 0xED && second > 0x9F;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continues(1) || !continues(2) || !continues(3)) {
            return 0;
        }
        const unsigned char second = Byte(bytes, i + 1);
        const bool overlong = lead == 0xF0 && second < 0x90;
        const bool beyond = lead == 0xF4 && second > 0x8F;
        return overlong || beyond ? 0 : 4;
    }
    return 0;
}

// A place in a text: its line (CR LF, LF or CR end one) and the character on it,
// both counted from 1.
struct TextPlace {
    int line = 1;
    int character = 1;

    // Moves past a character; next is the one after it, or 0 at the end.
    template <typename Char>
    void Pass(Char c, Char next) {
        if (c == Char('\n') || (c == Char('\r') && next != Char('\n'))) {
            ++line;
            character = 1;
        } else if (c != Char('\r')) {
            ++character;
        }
    }
};

// The place of the first half of a surrogate pair that lacks its other half.
std::optional<TextPlace> FirstLoneSurrogate(std::u16string_view text) {
    TextPlace place;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        if (IsHighSurrogate(c) && IsLowSurrogate(next)) {
            ++place.character;
            ++i;
            continue;
        }
        if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            return place;
        }
        place.Pass(c, next);
    }
    return std::nullopt;
}

std::string PlaceText(const TextPlace& place) {
    return "第" + std::to_string(place.line) + "行第" + std::to_string(place.character) + "个字符";
}

// How the bytes read as UTF-8: the sequences of more than one byte, the bytes that
// start none, the place of the first such byte, and which lines are well-formed
// and hold a character beyond ASCII (indexed by line - 1).
struct Utf8Reading {
    std::size_t multiByte = 0;
    std::size_t badBytes = 0;
    std::optional<TextPlace> firstBad;
    std::vector<bool> wideLines;
};

Utf8Reading ReadUtf8(std::string_view bytes) {
    Utf8Reading reading;
    TextPlace place;
    bool wide = false;
    bool bad = false;
    const auto endLine = [&] {
        reading.wideLines.push_back(wide && !bad);
        wide = bad = false;
    };
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceAt(bytes, i);
        if (length == 0) {
            ++reading.badBytes;
            bad = true;
            if (!reading.firstBad) {
                reading.firstBad = place;
            }
            ++i;
            continue;
        }
        const int line = place.line;
        place.Pass(bytes[i], i + 1 < bytes.size() ? bytes[i + 1] : '\0');
        if (place.line != line) {
            endLine();
        }
        wide = wide || length > 1;
        reading.multiByte += length > 1 ? 1 : 0;
        i += length;
    }
    endLine();
    return reading;
}

// How GBK decoded the bytes: the place of the first byte it could not decode (a
// U+FFFD; GBK has no character of its own there), and whether a line that is
// well-formed UTF-8 beyond ASCII is not GBK. Line breaks are single bytes that no
// GBK character holds, so the lines are the bytes' own.
struct GbkReading {
    std::optional<TextPlace> firstBad;
    bool utf8LineNotGbk = false;
};

GbkReading ReadGbk(std::u16string_view text, const std::vector<bool>& wideUtf8Lines) {
    GbkReading reading;
    TextPlace place;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kReplacement) {
            if (!reading.firstBad) {
                reading.firstBad = place;
            }
            const auto line = static_cast<std::size_t>(place.line - 1);
            reading.utf8LineNotGbk =
                reading.utf8LineNotGbk || (line < wideUtf8Lines.size() && wideUtf8Lines[line]);
        }
        place.Pass(text[i], i + 1 < text.size() ? text[i + 1] : u'\0');
    }
    return reading;
}

std::u16string DecodeWithoutMark(std::string_view bytes, TextEncoding& encoding) {
    const Utf8Reading utf8 = ReadUtf8(bytes);
    if (!utf8.firstBad) {
        encoding = TextEncoding::Utf8;
        return Utf8ToUtf16(bytes);
    }
    std::u16string text = DecodeFromSystemCodePage(bytes);
    const GbkReading gbk = ReadGbk(text, utf8.wideLines);
    // A file is taken as GBK whenever all of it is GBK. It is UTF-8 with stray bytes
    // when a line is UTF-8 beyond ASCII and not GBK, or when GBK fails too and the
    // UTF-8 characters outnumber the bytes that are not UTF-8 (GBK read as UTF-8
    // breaks at most of its characters).
    if (gbk.utf8LineNotGbk || (gbk.firstBad && utf8.multiByte > utf8.badBytes)) {
        throw ScheduleFileError(PlaceText(*utf8.firstBad) +
                                "不是UTF-8编码，而文件其余部分是UTF-8："
                                "文件混用了两种编码，请改正后统一存为UTF-8");
    }
    if (gbk.firstBad) {
        throw ScheduleFileError(PlaceText(*gbk.firstBad) + "既不是UTF-8也不是GBK编码");
    }
    encoding = TextEncoding::Gbk;
    return text;
}

}  // namespace

std::u16string DecodeScheduleText(std::string_view bytes, TextEncoding* found) {
    TextEncoding encoding = TextEncoding::Gbk;
    std::u16string text;
    if (StartsWith(bytes, kUtf8Bom)) {
        encoding = TextEncoding::Utf8WithBom;
        const std::string_view body = bytes.substr(kUtf8Bom.size());
        if (const std::optional<TextPlace> bad = ReadUtf8(body).firstBad) {
            throw ScheduleFileError(PlaceText(*bad) + "不是UTF-8编码（文件开头标明是UTF-8）");
        }
        text = Utf8ToUtf16(body);
    } else if (StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom)) {
        encoding = TextEncoding::Utf16WithBom;
        text = DecodeUtf16(bytes.substr(2), StartsWith(bytes, kUtf16LeBom));
        if (const std::optional<TextPlace> bad = FirstLoneSurrogate(text)) {
            throw ScheduleFileError(PlaceText(*bad) + "不是有效的UTF-16编码");
        }
    } else {
        text = DecodeWithoutMark(bytes, encoding);
    }
    if (found != nullptr) {
        *found = encoding;
    }
    return text;
}

}  // namespace rokal
