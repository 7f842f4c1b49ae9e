#include "engine/PileResult.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/NumberReading.h"

namespace rokal {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Design compressive strength of the concrete in MPa, by grade C25 ... C60.
const std::array<double, kConcreteGradeCount> kConcreteFc = {11.9, 14.3, 16.7, 19.1,
                                                             21.1, 23.1, 25.3, 27.5};

// Every value must stay a finite double; an absurd input that overflows ends the
// calculation instead of printing "inf" into a design document.
void CheckFinite(const PileResult& r) {
    const std::array<double, 17> values = {
        r.d,   r.hr,  r.frk, r.hrOverD, r.hrUsed, r.hrOverDUsed, r.zetaR, r.ap, r.mu,
        r.qrk, r.qsk, r.quk, r.k,       r.ra,     r.psiC,        r.fc,    r.rc};
    for (double v : values) {
        if (!std::isfinite(v)) {
            throw FloatingPointOverflow();
        }
    }
}

}  // namespace

double ProcessPsiC(ConstructionProcess process) {
    return process == ConstructionProcess::Underwater ? 0.6 : 0.7;
}

double ConcreteFc(ConcreteGrade grade) {
    return kConcreteFc.at(static_cast<std::size_t>(grade));
}

std::variant<PileResult, InputError> ComputePile(const PileInput& input,
                                                 char16_t decimalSeparator) {
    const std::variant<ParsedInput, InputError> parsed = ParsePileInput(input, decimalSeparator);
    if (const InputError* error = std::get_if<InputError>(&parsed)) {
        return *error;
    }
    const ParsedInput& in = std::get<ParsedInput>(parsed);

    PileResult r;
    r.d = in.d;
    r.hr = in.hr;
    r.hrIsMultiple = in.hrIsMultiple;
    r.frk = in.frk;
    r.rockClass = ClassifyRock(in.frk);

    const ZetaROutcome zeta = ComputeZetaR(in.frk, in.d, in.hr, input.process);
    r.hrOverD = zeta.hrOverD;
    r.capped = zeta.capped;
    r.hrUsed = zeta.hrUsed;
    r.hrOverDUsed = zeta.hrOverDUsed;
    r.zetaR = zeta.zetaR;

    const double d = in.d;
    r.ap = kPi * d * d / 4000000;  // m^2 from mm
    r.mu = kPi * d / 1000;         // m from mm
    // The area in mm^2 times frk in N/mm^2 gives newtons; / 1000 gives kN.
    r.qrk = (kPi * d * d / 4) * (r.zetaR * r.frk) / 1000;
    r.qsk = 0;  // soil side resistance is not considered
    r.quk = r.qrk;
    r.k = 2;
    r.ra = r.quk / r.k;
    r.psiC = ProcessPsiC(input.process);
    r.fc = ConcreteFc(input.grade);
    r.rc = (kPi * d * d / 4) * (r.psiC * r.fc) / 1000;

    CheckFinite(r);
    return r;
}

}  // namespace rokal
