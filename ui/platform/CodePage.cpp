#include "ui/platform/CodePage.h"

#include <QByteArray>
#include <QStringEncoder>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace rokal {

namespace {

constexpr char kDefaultChar = '?';
constexpr char16_t kFirstNonAscii = 0x80;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Encodes one code unit at a time, asking the converter once per distinct character.
// GBK is stateless and writes every character as one or two bytes; it has nothing
// outside the Basic Multilingual Plane, so surrogates, paired or lone, become "?".
class GbkWriter {
  public:
    GbkWriter() : encoder_("GBK"), cache_(0x10000, 0) {
        if (!encoder_.isValid()) {
            throw std::runtime_error("GBK (code page 936) conversion is not available");
        }
    }

    // Writes at most two bytes per code unit from out on; returns the end.
    char* Write(const std::u16string& text, char* out) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i];
            if (unit < kFirstNonAscii) {
                *out++ = static_cast<char>(unit);
            } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
                const bool paired =
                    IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
                i += paired ? 1 : 0;
                *out++ = kDefaultChar;
            } else {
                out = PutCoded(Coded(unit), out);
            }
        }
        return out;
    }

  private:
    // A cache entry holds the byte count in bits 16 and up and the bytes below; 0 is
    // a character not asked for yet.
    std::uint32_t Coded(char16_t unit) {
        std::uint32_t& entry = cache_[unit];
        if (entry == 0) {
            entry = Ask(unit);
        }
        return entry;
    }

    std::uint32_t Ask(char16_t unit) {
        encoder_.resetState();
        const QByteArray bytes = encoder_.encode(QStringView(&unit, 1));
        if (encoder_.hasError() || bytes.isEmpty() || bytes.size() > 2) {
            return Entry(QByteArray(1, kDefaultChar));
        }
        return Entry(bytes);
    }

    static std::uint32_t Entry(const QByteArray& bytes) {
        std::uint32_t entry = static_cast<std::uint32_t>(bytes.size()) << 16;
        for (int i = 0; i < bytes.size(); ++i) {
            entry |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]))
                     << (8 * (bytes.size() - 1 - i));
        }
        return entry;
    }

    static char* PutCoded(std::uint32_t entry, char* out) {
        if ((entry >> 16) == 2) {
            *out++ = static_cast<char>((entry >> 8) & 0xFF);
        }
        *out++ = static_cast<char>(entry & 0xFF);
        return out;
    }

    QStringEncoder encoder_;
    std::vector<std::uint32_t> cache_;
};

}  // namespace

std::string EncodeToSystemCodePage(const std::u16string& text) {
    GbkWriter writer;
    std::string out(2 * text.size(), '\0');
    char* const begin = out.data();
    out.resize(static_cast<std::size_t>(writer.Write(text, begin) - begin));
    return out;
}

}  // namespace rokal
