#pragma once

#include <string>

namespace rokal {

// The text in the system's 8-bit code page, which is GBK (code page 936) here. A
// character the code page cannot represent is written as "?"; no byte-order mark.
// Throws std::runtime_error when the platform offers no GBK converter.
std::string EncodeToSystemCodePage(const std::u16string& text);

}  // namespace rokal
