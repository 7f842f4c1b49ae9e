#pragma once

#include <string>

namespace rokal {

// The shortest plain decimal text that reads back as exactly value, with "." as
// the point and never an exponent: 1000 gives "1000", 1.5 gives "1.5", 0.1 gives
// "0.1", 1e21 gives "1000000000000000000000" and 1e-7 gives "0.0000001". -0 gives
// "0". value must be finite.
std::string ShortestDecimalText(double value);

}  // namespace rokal
