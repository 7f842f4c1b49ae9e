#pragma once

#include <optional>
#include <string>
#include <variant>

namespace rokal {

// Item order of the grade list in the window.
enum class ConcreteGrade { C25, C30, C35, C40, C45, C50, C55, C60 };

// Item order of the process list in the window.
enum class ConstructionProcess { DryClean, MudWall, MudWallPostGrout, Underwater };

inline constexpr int kConcreteGradeCount = 8;
inline constexpr int kConstructionProcessCount = 4;

// "C25" ... "C60": the grade list's items and the name the reports print.
const std::u16string& ConcreteGradeText(ConcreteGrade grade);
// The full item text of the process list, such as "泥浆护壁成桩".
const std::u16string& ConstructionProcessText(ConstructionProcess process);

// The five inputs of one pile as the user entered them. The texts stay as typed,
// because the reports print d and hr verbatim.
struct PileInput {
    std::u16string dText;
    std::u16string hrText;
    std::u16string frkText;
    ConcreteGrade grade = ConcreteGrade::C30;
    ConstructionProcess process = ConstructionProcess::MudWall;
};

enum class InputErrorKind { DiameterInvalid, SocketDepthInvalid, StrengthInvalid };

struct InputError {
    InputErrorKind kind;
    std::u16string message;  // shown in red in the status label
    std::string culprit;     // name of the input control the window marks red
};

// The error of a kind, with its message and culprit.
InputError MakeInputError(InputErrorKind kind);

struct ParsedInput {
    double d = 0;   // mm, > 0
    double hr = 0;  // mm, >= 0; factor x d when written as a multiple of d
    bool hrIsMultiple = false;
    double frk = 0;  // MPa, > 0
};

// Reads d, hr and frk; the first failing input in the order d, hr, frk wins.
// hr is read with the locale's decimal separator, d and frk always with ".".
// Throws FloatingPointOverflow for a number beyond a double's range.
std::variant<ParsedInput, InputError> ParsePileInput(const PileInput& input,
                                                     char16_t decimalSeparator);

}  // namespace rokal
