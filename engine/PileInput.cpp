#include "engine/PileInput.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/NumberReading.h"

namespace rokal {
namespace {

const std::array<std::u16string, kConcreteGradeCount> kGradeTexts = {
    u"C25", u"C30", u"C35", u"C40", u"C45", u"C50", u"C55", u"C60"};

const std::array<std::u16string, kConstructionProcessCount> kProcessTexts = {
    u"干作业成桩(清底干净)", u"泥浆护壁成桩", u"泥浆护壁成桩后注浆", u"水下灌注桩"};

struct ErrorText {
    const char16_t* message;
    const char* culprit;
};

// Indexed by InputErrorKind.
const std::array<ErrorText, 3> kErrorTexts = {{
    {u"桩身直径数据有错", "cbe_dd"},
    {u"嵌岩深度数据有错", "cbe_hr"},
    {u"岩石单轴抗压强度值有错", "edt_frk"},
}};

// C0 and C1 controls, DEL, and the line and paragraph separators: none may reach a
// report line, which holds no tabs and no line breaks.
bool IsControlCharacter(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// The socket depth in mm, or nullopt when its text (or the factor before "d") is
// not a number of 0 or more, or when the text holds a control character anywhere,
// also in the part after the "d" that is otherwise ignored.
std::optional<ParsedInput> ReadSocketDepth(const std::u16string& hrText, double d,
                                           char16_t separator) {
    if (std::any_of(hrText.begin(), hrText.end(), IsControlCharacter)) {
        return std::nullopt;
    }
    ParsedInput parsed;
    const std::size_t marker = hrText.find(u'd');
    parsed.hrIsMultiple = marker != std::u16string::npos;
    const std::u16string numberText = parsed.hrIsMultiple ? hrText.substr(0, marker) : hrText;
    const std::optional<double> value = ReadStrictNumber(numberText, separator);
    if (!value || *value < 0) {
        return std::nullopt;
    }
    parsed.hr = parsed.hrIsMultiple ? *value * d : *value;
    if (std::isinf(parsed.hr)) {
        throw FloatingPointOverflow();
    }
    if (parsed.hr == 0) {
        parsed.hr = 0;  // "-0" is a depth of 0, not a negative zero in the reports
    }
    return parsed;
}

}  // namespace

const std::u16string& ConcreteGradeText(ConcreteGrade grade) {
    return kGradeTexts.at(static_cast<std::size_t>(grade));
}

const std::u16string& ConstructionProcessText(ConstructionProcess process) {
    return kProcessTexts.at(static_cast<std::size_t>(process));
}

InputError MakeInputError(InputErrorKind kind) {
    const ErrorText& text = kErrorTexts.at(static_cast<std::size_t>(kind));
    return InputError{kind, text.message, text.culprit};
}

std::variant<ParsedInput, InputError> ParsePileInput(const PileInput& input,
                                                     char16_t decimalSeparator) {
    const double d = ReadLenientNumber(input.dText);
    const double frk = ReadLenientNumber(input.frkText);
    if (!(d > 0)) {
        return MakeInputError(InputErrorKind::DiameterInvalid);
    }
    std::optional<ParsedInput> parsed = ReadSocketDepth(input.hrText, d, decimalSeparator);
    if (!parsed) {
        return MakeInputError(InputErrorKind::SocketDepthInvalid);
    }
    if (!(frk > 0)) {
        return MakeInputError(InputErrorKind::StrengthInvalid);
    }
    parsed->d = d;
    parsed->frk = frk;
    return *parsed;
}

}  // namespace rokal
