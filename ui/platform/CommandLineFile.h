#pragma once

#include <QString>
#include <string>

namespace rokal {

// The name of the file given on the command line, from its bytes in argv. On
// Windows argv holds the name in the system's code page, which cannot hold every
// character, so the name is taken from the program's wide command line instead.
// Needs the application object.
QString CommandLineFileName(const std::string& argvBytes);

}  // namespace rokal
