#include "schedule/HeaderUnits.h"

#include <array>

namespace rokal {
namespace {

struct UnitName {
    const char16_t* name;  // in lower case; nullptr for an unused entry
    int powerOfTen;
};

using UnitNames = std::array<UnitName, 6>;

constexpr UnitNames kLengths = {
    {{u"mm", 0}, {u"cm", 1}, {u"m", 3}, {u"毫米", 0}, {u"厘米", 1}, {u"米", 3}}};
constexpr UnitNames kStrengths = {
    {{u"mpa", 0}, {u"n/mm²", 0}, {u"n/mm2", 0}, {u"kpa", -3}, {u"兆帕", 0}, {u"千帕", -3}}};
constexpr UnitNames kForces = {{{u"kn", 0}, {u"mn", 3}, {u"千牛", 0}}};

struct ColumnUnits {
    ScheduleColumn column;
    const char16_t* programUnit;
    const char16_t* accepted;
    const UnitNames* names;
};

constexpr std::array<ColumnUnits, 5> kUnits = {{
    {ScheduleColumn::D, u"mm", u"mm、cm 或 m", &kLengths},
    {ScheduleColumn::Hr, u"mm", u"mm、cm 或 m", &kLengths},
    {ScheduleColumn::Frk, u"MPa", u"MPa、N/mm² 或 kPa", &kStrengths},
    {ScheduleColumn::Nk, u"kN", u"kN 或 MN", &kForces},
    {ScheduleColumn::N, u"kN", u"kN 或 MN", &kForces},
}};

const ColumnUnits* UnitsOf(ScheduleColumn column) {
    for (const ColumnUnits& units : kUnits) {
        if (units.column == column) {
            return &units;
        }
    }
    return nullptr;
}

std::u16string Lower(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return lower;
}

}  // namespace

bool ColumnHasUnit(ScheduleColumn column) {
    return UnitsOf(column) != nullptr;
}

std::optional<int> UnitPowerOfTen(ScheduleColumn column, std::u16string_view unit) {
    const ColumnUnits* units = UnitsOf(column);
    if (units == nullptr) {
        return std::nullopt;
    }
    const std::u16string lower = Lower(unit);
    for (const UnitName& name : *units->names) {
        if (name.name != nullptr && lower == name.name) {
            return name.powerOfTen;
        }
    }
    return std::nullopt;
}

std::u16string ProgramUnit(ScheduleColumn column) {
    const ColumnUnits* units = UnitsOf(column);
    return units != nullptr ? units->programUnit : u"";
}

std::u16string AcceptedUnits(ScheduleColumn column) {
    const ColumnUnits* units = UnitsOf(column);
    return units != nullptr ? units->accepted : u"";
}

}  // namespace rokal
