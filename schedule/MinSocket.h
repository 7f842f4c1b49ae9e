#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Checks.h"
#include "engine/PileResult.h"

namespace rokal {

// The smallest socket depth a rock-socketed pile may have: a multiple of d and a
// length, the larger one governing. Kept in thousandths, as a depth step is:
// 0.4d and 500 mm are {400, 500000}.
struct MinSocket {
    std::int64_t timesDThousandths = 400;
    std::int64_t millimetreThousandths = 500000;

    bool operator==(const MinSocket& other) const {
        return timesDThousandths == other.timesDThousandths &&
               millimetreThousandths == other.millimetreThousandths;
    }
};

// 0.4d and 500 mm, the larger one: the general rule for rock sockets.
inline constexpr MinSocket kDefaultMinSocket{};

// "0.4d,500mm": a multiple of d, a length in mm, or one of each separated by a
// comma; "0" for no minimum. The "mm" may be left out of a length that stands
// alone or after the multiple of d ("0.4d,500"). Spaces are ignored and "." is the
// decimal point, with at most three decimals; at most 1000d and 1,000,000 mm.
// nullopt for anything else, "1,5d" and "0,4d" included.
std::optional<MinSocket> ReadMinSocket(std::u16string_view text);
// The minimum as ReadMinSocket reads it back: "0.4d,500mm", "0.5d", "300mm", "0".
std::u16string MinSocketText(MinSocket minimum);

// The minimum in mm for a pile of diameter d mm.
double MinSocketDepth(MinSocket minimum, double d);

// Whether a depth reaches the minimum, both in mm; a depth a hair below it (a
// billionth, from the binary arithmetic of "0.4d" and the like) still does.
bool ReachesMinSocket(double hr, double minimum);

// The pile's own hr against the minimum.
SocketCheck CheckSocket(const PileResult& pile, MinSocket minimum);

// "嵌岩深度 400 mm 小于最小嵌岩深度 500 mm" for a check that does not hold, else empty.
std::u16string SocketWarningText(const SocketCheck& check, char16_t decimalSeparator);

}  // namespace rokal
