// Properties over generated inputs, beyond the worked examples.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "engine/PileResult.h"
#include "engine/RockClass.h"

namespace rokal {
namespace {

constexpr auto kMud = ConstructionProcess::MudWall;
constexpr double kTiny = 1e-9;

double Zeta(double frk, double hrOverD) {
    return ComputeZetaR(frk, 1000, hrOverD * 1000, kMud).zetaR;
}

// Along hr/d the coefficient has no jump: not between two rows, not at a band's
// limit where the cap takes over.
TEST(ZetaRPropertiesTest, ContinuousAlongHrOverD) {
    for (double frk : {3.0, 10.0, 15.0, 15.5, 20.0, 29.9, 30.0, 30.5, 45.0, 100.0}) {
        const double limit = frk <= 15 ? 8 : 4;
        for (double x = 0.5; x <= limit + 0.5; x += 0.5) {
            EXPECT_NEAR(Zeta(frk, x - kTiny), Zeta(frk, x), 1e-8) << "frk " << frk << " hr/d " << x;
            EXPECT_NEAR(Zeta(frk, x + kTiny), Zeta(frk, x), 1e-8) << "frk " << frk << " hr/d " << x;
        }
    }
}

// Across frk 15 and 30 the medium-rock blend meets the soft and the hard column,
// for every depth the blend reads (hr/d up to 4, and capped beyond it).
TEST(ZetaRPropertiesTest, ContinuousAcrossFrk15And30) {
    for (double x = 0; x <= 6; x += 0.125) {
        EXPECT_NEAR(Zeta(30 + kTiny, x), Zeta(30, x), 1e-8) << "hr/d " << x;
        if (x <= 4) {
            EXPECT_NEAR(Zeta(15 + kTiny, x), Zeta(15, x), 1e-8) << "hr/d " << x;
        }
    }
}

// Beyond hr/d 4 soft rock still reads its own column up to 8, while medium rock
// is capped at 4: the coefficient drops there on purpose.
TEST(ZetaRPropertiesTest, SoftRockKeepsItsLongerColumn) {
    EXPECT_GT(Zeta(15, 6), Zeta(15 + kTiny, 6));
}

TEST(CapacityPropertiesTest, RaAndRcNeverDecreaseWhenDGrows) {
    for (const char16_t* hr :
         {u"0", u"500", u"1500", u"4000", u"9000", u"0.5d", u"1.0d", u"4.5d", u"9d"}) {
        for (const char16_t* frk : {u"3", u"15", u"22", u"30", u"80"}) {
            for (int p = 0; p < kConstructionProcessCount; ++p) {
                double lastRa = 0;
                double lastRc = 0;
                for (int d = 100; d <= 4000; d += 25) {
                    PileInput in{u"", hr, frk, ConcreteGrade::C35,
                                 static_cast<ConstructionProcess>(p)};
                    const std::string digits = std::to_string(d);
                    in.dText.assign(digits.begin(), digits.end());
                    const auto outcome = ComputePile(in, u'.');
                    ASSERT_TRUE(std::holds_alternative<PileResult>(outcome));
                    const PileResult& r = std::get<PileResult>(outcome);
                    EXPECT_GE(r.ra, lastRa) << "d " << d;
                    EXPECT_GE(r.rc, lastRc) << "d " << d;
                    lastRa = r.ra;
                    lastRc = r.rc;
                }
            }
        }
    }
}

}  // namespace
}  // namespace rokal
