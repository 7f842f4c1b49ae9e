#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/Formatting.h"
#include "engine/PileInput.h"

namespace rokal::fuzz {

// Reads a fuzzer's bytes as the choices and texts of one pile: four bytes for the
// grade, process, mode and separator, then three texts of UTF-16 code units
// (two bytes each) separated by the code unit 0x000A.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::u16string Text() {
        std::u16string text;
        while (pos_ + 1 < size_) {
            const char16_t unit = static_cast<char16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
            pos_ += 2;
            if (unit == u'\n') {
                break;
            }
            text += unit;
        }
        return text;
    }

    // The separators a locale may use, plus any other code unit that cannot be
    // part of a number itself.
    char16_t Separator() {
        const std::uint8_t b = Byte();
        switch (b % 4) {
            case 0:
                return u'.';
            case 1:
                return u',';
            case 2:
                return static_cast<char16_t>(0x066B);  // Arabic decimal separator
            default:
                break;
        }
        // Any other character a locale might name, but those a number uses and the
        // control characters, which no locale does.
        const std::u16string taken = u"0123456789+-eEd \n";
        const char16_t unit = static_cast<char16_t>(b);
        const bool control = unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
        return control || taken.find(unit) != std::u16string::npos ? u'.' : unit;
    }

    PileInput Pile() {
        PileInput input;
        input.grade = static_cast<ConcreteGrade>(Byte() % kConcreteGradeCount);
        input.process = static_cast<ConstructionProcess>(Byte() % kConstructionProcessCount);
        input.dText = Text();
        input.hrText = Text();
        input.frkText = Text();
        return input;
    }

    PrecisionMode Mode() { return static_cast<PrecisionMode>(Byte() % kPrecisionModeCount); }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace rokal::fuzz
