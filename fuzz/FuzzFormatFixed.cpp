// Any double, P and N: FormatFixed writes a text that reads back within its rounding.
#include <cstdint>
#include <cstring>

#include "fuzz/FuzzInput.h"
#include "fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + 3) {
        return 0;
    }
    double v = 0;
    std::memcpy(&v, data, sizeof v);
    const int P = static_cast<std::int8_t>(data[sizeof v]);
    const int N = static_cast<std::int8_t>(data[sizeof v + 1]);
    const char16_t separator = data[sizeof v + 2] % 2 == 0 ? u'.' : u',';
    rokal::fuzz::CheckRoundTrip(v, P, N, separator);
    return 0;
}
