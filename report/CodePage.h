#pragma once

#include <string>
#include <string_view>

// The program's one code-page adapter: GBK (code page 936, the 8-bit code page of a
// Simplified Chinese desktop) and UTF-8, converted with the system's own converter
// (the C library's iconv, or the Windows code-page functions). Nothing is kept
// between calls, and a character that cannot be converted costs only itself.
namespace rokal {

// The text in GBK. A character GBK lacks (a lone surrogate, anything beyond the
// Basic Multilingual Plane, a letter GBK has no code for) is written as "?"; every
// other character is exact. No byte-order mark.
std::string EncodeToSystemCodePage(std::u16string_view text);

// GBK bytes as UTF-16. A byte that starts no character GBK defines becomes U+FFFD,
// and decoding goes on with the next byte.
std::u16string DecodeFromSystemCodePage(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// UTF-8 as UTF-16; each byte of an ill-formed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace rokal
