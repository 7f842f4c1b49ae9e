// GBK through the C library's iconv. Each call opens its own converter, so no
// error state of one conversion can leak into the next; when iconv stops at a
// character it cannot convert, that character alone is replaced and the
// conversion goes on right after it.
#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>

#include "report/CodePage.h"

namespace rokal {
namespace {

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
constexpr const char* kUtf16 = "UTF-16BE";
#else
constexpr const char* kUtf16 = "UTF-16LE";
#endif
constexpr const char* kGbk = "GBK";

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("no converter from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false when all input was used, true when
    // it stopped with in/inLeft at a character it cannot convert. The callers size
    // the output for the worst case, so running out of room is a fault.
    bool StopsAtBadCharacter(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        while (inLeft > 0) {
            if (iconv(cd_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) {
                continue;
            }
            const int error = errno;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
            if (error != EILSEQ && error != EINVAL) {
                throw std::runtime_error("code-page conversion failed");
            }
            return true;
        }
        return false;
    }

  private:
    iconv_t cd_;
};

bool IsHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// How many code units make up the character at text[i]: a surrogate pair is
// replaced as one character.
std::size_t CharacterUnits(std::u16string_view text, std::size_t i) {
    return IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]) ? 2 : 1;
}

}  // namespace

std::string EncodeToSystemCodePage(std::u16string_view text) {
    // GBK writes at most two bytes for one code unit, and "?" for a pair.
    std::string out(2 * text.size(), '\0');
    Converter converter(kGbk, kUtf16);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    std::size_t inLeft = text.size() * sizeof(char16_t);
    char* put = out.data();
    std::size_t outLeft = out.size();
    while (converter.StopsAtBadCharacter(in, inLeft, put, outLeft)) {
        const std::size_t i = text.size() - inLeft / sizeof(char16_t);
        const std::size_t units = CharacterUnits(text, i);
        *put++ = '?';
        --outLeft;
        in += units * sizeof(char16_t);
        inLeft -= units * sizeof(char16_t);
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::u16string DecodeFromSystemCodePage(std::string_view bytes) {
    // One code unit at most for every byte.
    std::u16string out(bytes.size(), u'\0');
    Converter converter(kUtf16, kGbk);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* put = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(char16_t);
    while (converter.StopsAtBadCharacter(in, inLeft, put, outLeft)) {
        const char16_t replacement = 0xFFFD;
        std::memcpy(put, &replacement, sizeof replacement);
        put += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
    }
    out.resize(out.size() - outLeft / sizeof(char16_t));
    return out;
}

}  // namespace rokal
