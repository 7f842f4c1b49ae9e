#include "engine/RockClass.h"

#include <array>
#include <cstddef>

namespace rokal {
namespace {

struct RockClassRow {
    RockClass rockClass;
    double upperFrk;  // MPa, inclusive; the lower bound is the row above's, exclusive
    const char16_t* name;
};

const std::array<RockClassRow, 5> kRockClasses = {{
    {RockClass::ExtremelySoft, 5, u"极软岩"},
    {RockClass::Soft, 15, u"软岩"},
    {RockClass::ModeratelySoft, 30, u"较软岩"},
    {RockClass::ModeratelyHard, 60, u"较硬岩"},
    {RockClass::Hard, 0, u"坚硬岩"},  // everything above 60
}};

}  // namespace

const std::u16string& RockClassName(RockClass rockClass) {
    static const std::array<std::u16string, 5> names = {kRockClasses[0].name, kRockClasses[1].name,
                                                        kRockClasses[2].name, kRockClasses[3].name,
                                                        kRockClasses[4].name};
    return names.at(static_cast<std::size_t>(rockClass));
}

RockClass ClassifyRock(double frk) {
    for (std::size_t i = 0; i + 1 < kRockClasses.size(); ++i) {
        if (frk <= kRockClasses[i].upperFrk) {
            return kRockClasses[i].rockClass;
        }
    }
    return RockClass::Hard;
}

}  // namespace rokal
