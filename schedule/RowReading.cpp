#include "schedule/RowReading.h"

#include <array>
#include <cstddef>

#include "engine/NumberReading.h"

namespace rokal {
namespace {

struct ProcessNames {
    ConstructionProcess process;
    const char16_t* shortText;
};

const std::array<ProcessNames, kConstructionProcessCount> kProcesses = {{
    {ConstructionProcess::DryClean, u"干作业"},
    {ConstructionProcess::MudWall, u"泥浆护壁"},
    {ConstructionProcess::MudWallPostGrout, u"后注浆"},
    {ConstructionProcess::Underwater, u"水下"},
}};

constexpr char16_t kIdeographicSpace = u'\u3000';

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == kIdeographicSpace;
}

std::u16string_view Trimmed(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSpace(text[first])) {
        ++first;
    }
    while (last > first && IsSpace(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

std::optional<ConcreteGrade> ReadConcreteGrade(std::u16string_view text) {
    std::u16string compact;
    for (char16_t c : text) {
        if (!IsSpace(c)) {
            compact += AsciiUpper(c);
        }
    }
    for (int i = 0; i < kConcreteGradeCount; ++i) {
        const auto grade = static_cast<ConcreteGrade>(i);
        if (compact == ConcreteGradeText(grade)) {
            return grade;
        }
    }
    return std::nullopt;
}

std::optional<ConstructionProcess> ReadConstructionProcess(std::u16string_view text) {
    const std::u16string_view trimmed = Trimmed(text);
    for (const ProcessNames& names : kProcesses) {
        if (trimmed == ConstructionProcessText(names.process) || trimmed == names.shortText) {
            return names.process;
        }
    }
    return std::nullopt;
}

const std::u16string& ConstructionProcessShortText(ConstructionProcess process) {
    static const std::array<std::u16string, kConstructionProcessCount> texts = {
        kProcesses[0].shortText, kProcesses[1].shortText, kProcesses[2].shortText,
        kProcesses[3].shortText};
    return texts.at(static_cast<std::size_t>(process));
}

std::optional<double> ReadLoad(std::u16string_view text, char16_t decimalSeparator) {
    const std::u16string number(Trimmed(text));
    try {
        const std::optional<double> value = ReadStrictNumber(number, decimalSeparator);
        if (value && *value >= 0) {
            return *value == 0 ? 0.0 : *value;
        }
    } catch (const FloatingPointOverflow&) {
    }
    return std::nullopt;
}

bool IsBlankCell(std::u16string_view text) {
    return Trimmed(text).empty();
}

}  // namespace rokal
