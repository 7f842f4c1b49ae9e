#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rokal {

// What the command line asks of the program.
struct AppCommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    // The file named on the command line, if any: a pile schedule to open.
    std::optional<std::string> file;
    // For Error: what is wrong, on one line and free of control characters.
    std::string error;
};

// Reads argv[1] to argv[argc - 1] before the application object exists, so that
// --help and --version need no display. Qt's own options (-platform, -display,
// -style and the others) are accepted with their values and left for Qt to read;
// any other option is an error.
AppCommandLine ReadAppCommandLine(int argc, const char* const* argv);

// The answer to --help, --version or a wrong command line, written to out or err.
// Returns the exit status when the program ends here, nothing when it runs.
std::optional<int> AnswerWithoutWindow(const AppCommandLine& command, std::ostream& out,
                                       std::ostream& err);

}  // namespace rokal
