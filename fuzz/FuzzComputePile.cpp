// Any texts, separators, grades, processes and modes: the calculation gives an
// input error, the overflow error, or finite values whose texts read back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "engine/NumberReading.h"
#include "engine/PileResult.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/RoundTrip.h"

using namespace rokal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const PrecisionMode mode = in.Mode();
    const char16_t separator = in.Separator();
    const PileInput input = in.Pile();
    try {
        const auto outcome = ComputePile(input, separator);
        if (std::holds_alternative<InputError>(outcome)) {
            return 0;
        }
        const PileResult& r = std::get<PileResult>(outcome);
        for (double v : {r.d, r.hr, r.frk, r.hrOverD, r.hrUsed, r.zetaR, r.ap, r.mu, r.qrk, r.quk,
                         r.ra, r.rc}) {
            if (!std::isfinite(v) || v < 0) {
                std::abort();
            }
        }
        if (!(r.d > 0) || !(r.frk > 0) || r.hrUsed > r.hr) {
            std::abort();
        }
        FormatWindowResults(r, mode, separator);
        fuzz::CheckRoundTrip(r.zetaR, 7, 4, separator);
        const ShownValue ra = ApplyPrecisionMode(r.ra, mode);
        fuzz::CheckRoundTrip(ra.value, 7, ra.decimals, separator);
    } catch (const FloatingPointOverflow&) {
    }
    return 0;
}
