#pragma once

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/CliRequest.h"

namespace rokal {

// Reads rokal-cli's arguments (UTF-8, the program name first). Gives the request,
// or the exit status after --help or --version (0, the text written to out) or
// after a command line that cannot be used (2, the reason written to err).
// localeSeparator is the decimal separator used unless --decimal-separator names one.
std::variant<CliRequest, int> ParseCommandLine(const std::vector<std::string>& args,
                                               char16_t localeSeparator, std::ostream& out,
                                               std::ostream& err);

}  // namespace rokal
