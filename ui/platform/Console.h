#pragma once

namespace rokal {

// Before the program answers --help or --version: on Windows a window program
// has no standard output of its own when started from a console, so it writes to
// the console it was started from, if any. Elsewhere, and where the output goes
// to a file or pipe already, it does nothing.
void UseParentConsole();

}  // namespace rokal
