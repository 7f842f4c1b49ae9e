#pragma once

#include <string>
#include <string_view>

namespace rokal {

enum class TextEncoding { Utf8, Utf8WithBom, Utf16WithBom, Gbk };

// The bytes of a text file as UTF-16: UTF-8 with or without a byte-order mark,
// UTF-16 with one (a spreadsheet's "Unicode text"), or GBK throughout (what a
// spreadsheet on a Chinese desktop saves). found, when given, tells which.
// Nothing is guessed: a file that is UTF-8 but for a stray byte, bytes that are
// neither UTF-8 nor GBK, a file marked UTF-8 that is not, and UTF-16 cut in a
// character throw ScheduleFileError naming the line and the character.
std::u16string DecodeScheduleText(std::string_view bytes, TextEncoding* found = nullptr);

}  // namespace rokal
