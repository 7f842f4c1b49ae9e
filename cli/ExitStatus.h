#pragma once

namespace rokal {

// What rokal-cli's exit status tells a script.
enum ExitStatus : int {
    kExitAllPass = 0,    // every row computed and every given check holds
    kExitRowFailed = 1,  // a row could not be computed or a check does not hold
    kExitUnusable = 2,   // the command line, the schedule file or an output could not be used
};

}  // namespace rokal
