#pragma once

#include <optional>

namespace rokal {

// A required load against a capacity, both in kN, compared unrounded.
struct LoadCheck {
    double load = 0;
    double capacity = 0;
    bool holds = false;  // capacity >= load
    // (capacity / load - 1) x 100: how far the capacity exceeds the load, negative
    // when it falls short; nullopt for a load of 0.
    std::optional<double> marginPercent;
};

// A pile's own socket depth against the smallest one it may have, both in mm.
struct SocketCheck {
    double hr = 0;       // as read, before any cap
    double minimum = 0;  // the larger of the minimum's multiple of d and its length
    bool holds = true;   // hr reaches the minimum; a warning when it does not
};

}  // namespace rokal
