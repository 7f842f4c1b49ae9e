#pragma once

#include <filesystem>
#include <string>

namespace rokal {

// The file named on the command line, from its bytes in argv: byte for byte, as
// rokal-cli takes it. On Windows argv holds the name in the system's code page,
// which cannot hold every character, so the name is taken from the program's wide
// command line instead. Needs the application object.
std::filesystem::path CommandLineFilePath(const std::string& argvBytes);

}  // namespace rokal
