#include "report/TemporaryFiles.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <random>
#include <system_error>

namespace rokal {

namespace fs = std::filesystem;

namespace {

using Native = fs::path::string_type;
using Char = Native::value_type;

constexpr Char kInfix[] = {'.', 'r', 'o', 'k', 'a', 'l', '-', 0};
constexpr Char kSuffix[] = {'.', 'p', 'a', 'r', 't', 0};
constexpr std::size_t kHexDigits = 16;

Native Hex(std::uint64_t token) {
    static constexpr char kDigits[] = "0123456789abcdef";
    Native hex(kHexDigits, Char('0'));
    for (std::size_t i = kHexDigits; i-- > 0; token >>= 4) {
        hex[i] = static_cast<Char>(kDigits[token & 0xF]);
    }
    return hex;
}

bool IsLowerHex(Char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool IsOld(const fs::directory_entry& entry) {
    std::error_code ec;
    const fs::file_time_type changed = entry.last_write_time(ec);
    return !ec && fs::file_time_type::clock::now() - changed > kStaleTemporaryAge;
}

}  // namespace

fs::path TemporaryPathFor(const fs::path& target, std::uint64_t token) {
    fs::path temp = target;
    temp += kInfix;
    temp += Hex(token);
    temp += kSuffix;
    return temp;
}

std::uint64_t RandomToken() {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t token = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    token ^= ++counter * 0x9E3779B97F4A7C15ull;
    try {
        std::random_device device;
        token ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        // No random source: the clock and counter still differ from save to save,
        // and the exclusive creation catches a clash.
    }
    return token;
}

bool IsTemporaryNameOf(const fs::path& name, const fs::path& targetName) {
    const Native& text = name.native();
    const Native prefix = targetName.native() + kInfix;
    const Native suffix = kSuffix;
    if (text.size() != prefix.size() + kHexDigits + suffix.size() ||
        text.compare(0, prefix.size(), prefix) != 0 ||
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const auto hex = text.begin() + static_cast<std::ptrdiff_t>(prefix.size());
    return std::all_of(hex, hex + kHexDigits, IsLowerHex);
}

void RemoveStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path targetName = target.filename();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        if (IsTemporaryNameOf(entry.path().filename(), targetName) &&
            !entry.is_symlink(typeError) && entry.is_regular_file(typeError) && IsOld(entry)) {
            std::error_code ignored;
            fs::remove(entry.path(), ignored);
        }
    }
}

}  // namespace rokal
