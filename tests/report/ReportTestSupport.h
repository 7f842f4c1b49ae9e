#pragma once

#include <initializer_list>
#include <string>
#include <variant>

#include "engine/PileInput.h"
#include "engine/PileResult.h"

namespace rokal::test {

// One run of a report line: a number of spaces or a text.
struct Run {
    Run(int spaces) : text(static_cast<std::size_t>(spaces), u' ') {}
    Run(const char16_t* t) : text(t) {}
    std::u16string text;
};

inline std::u16string Runs(std::initializer_list<Run> runs) {
    std::u16string line;
    for (const Run& run : runs) {
        line += run.text;
    }
    return line;
}

// The window's starting input: d 1000, hr 1.0d, frk 25, C30, mud wall.
inline PileInput DefaultInput() {
    PileInput input;
    input.dText = u"1000";
    input.hrText = u"1.0d";
    input.frkText = u"25";
    input.grade = ConcreteGrade::C30;
    input.process = ConstructionProcess::MudWall;
    return input;
}

inline PileInput Input(const char16_t* d, const char16_t* hr, const char16_t* frk,
                       ConstructionProcess process = ConstructionProcess::MudWall,
                       ConcreteGrade grade = ConcreteGrade::C30) {
    PileInput input;
    input.dText = d;
    input.hrText = hr;
    input.frkText = frk;
    input.grade = grade;
    input.process = process;
    return input;
}

inline PileResult Compute(const PileInput& input, char16_t separator = u'.') {
    return std::get<PileResult>(ComputePile(input, separator));
}

}  // namespace rokal::test
