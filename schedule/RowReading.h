#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/PileInput.h"

namespace rokal {

// "C25" ... "C60", case-insensitive, spaces (also full-width ones) ignored anywhere.
std::optional<ConcreteGrade> ReadConcreteGrade(std::u16string_view text);

// A process by its full item text ("干作业成桩(清底干净)", "泥浆护壁成桩",
// "泥浆护壁成桩后注浆", "水下灌注桩") or by the short form written in tables
// ("干作业", "泥浆护壁", "后注浆", "水下"); leading and trailing spaces ignored.
std::optional<ConstructionProcess> ReadConstructionProcess(std::u16string_view text);

// The short form of a process: "干作业", "泥浆护壁", "后注浆" or "水下".
const std::u16string& ConstructionProcessShortText(ConstructionProcess process);

// A load in kN: a number of 0 or more as schedule/DecimalText.h has it, written
// with the given decimal separator alone, surrounded by optional spaces. nullopt
// for anything else, a number beyond a double's range included.
std::optional<double> ReadLoad(std::u16string_view text, char16_t decimalSeparator);

// True when the text is empty or only spaces: the cell holds no value.
bool IsBlankCell(std::u16string_view text);

}  // namespace rokal
