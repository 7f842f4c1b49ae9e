#pragma once

#include <ostream>

#include "cli/CliRequest.h"

namespace rokal {

// One pile from the options: its results, or its input errors on err. Returns the
// exit status.
int RunPile(const CliRequest& request, std::ostream& out, std::ostream& err);

// A schedule: reads, computes, checks and designs it, then writes the named
// outputs, or the summary table when none is named. Every row that cannot be
// computed or fails a check is named on err. Returns the exit status.
int RunSchedule(const CliRequest& request, std::ostream& out, std::ostream& err);

}  // namespace rokal
