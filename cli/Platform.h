#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace rokal {

// The program's arguments in UTF-8, the program name first. On Windows they are
// taken from the wide command line, so that Chinese file names and process names
// arrive whole whatever the code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Lets a Windows console show the UTF-8 the program prints and makes standard
// output binary there. Elsewhere: takes up a closed standard descriptor with
// /dev/null (standard output for reading only, so that writing to it fails) and
// ignores SIGPIPE, so that every failed write to standard output is reported.
void PrepareConsole();

// The decimal separator of the user's locale settings, from the C library.
// Leaves the C library's numeric conventions as they were.
char16_t LocaleDecimalSeparator();

// A path from UTF-8 text (wide on Windows).
std::filesystem::path PathFromUtf8(const std::string& text);

}  // namespace rokal
