#include <iostream>
#include <variant>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Platform.h"
#include "cli/StandardOutput.h"

namespace {

int Run(int argc, char** argv, std::ostream& out) {
    try {
        const auto parsed = rokal::ParseCommandLine(
            rokal::Utf8Arguments(argc, argv), rokal::LocaleDecimalSeparator(), out, std::cerr);
        if (const int* status = std::get_if<int>(&parsed)) {
            return *status;
        }
        const rokal::CliRequest& request = std::get<rokal::CliRequest>(parsed);
        return request.command == rokal::CliRequest::Command::Pile
                   ? rokal::RunPile(request, out, std::cerr)
                   : rokal::RunSchedule(request, out, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "rokal-cli: " << error.what() << '\n';
        return rokal::kExitUnusable;
    }
}

}  // namespace

// rokal-cli: one pile or a whole pile schedule from the command line.
int main(int argc, char** argv) {
    rokal::PrepareConsole();
    rokal::StandardOutputBuffer buffer;
    std::ostream out(&buffer);
    const int status = Run(argc, argv, out);
    return rokal::FinishStandardOutput(buffer, status, std::cerr);
}
