#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "engine/NumberReading.h"
#include "engine/PileInput.h"

namespace rokal {
namespace {

struct ParseCase {
    const char16_t* d;
    const char16_t* hr;
    const char16_t* frk;
    char16_t separator;
    std::optional<InputErrorKind> error;  // or the values below
    double dValue = 0;
    double hrValue = 0;
    bool multiple = false;
    double frkValue = 0;
};

constexpr auto kD = InputErrorKind::DiameterInvalid;
constexpr auto kHr = InputErrorKind::SocketDepthInvalid;
constexpr auto kFrk = InputErrorKind::StrengthInvalid;

const ParseCase kParseCases[] = {
    // d is read with "." whatever the locale; anything but a positive number is rejected.
    {u"", u"1.0d", u"25", u'.', kD},
    {u"0", u"1.0d", u"25", u'.', kD},
    {u"-1000", u"1.0d", u"25", u'.', kD},
    {u"abc", u"1.0d", u"25", u'.', kD},
    {u" ", u"1.0d", u"25", u'.', kD},
    {u"+", u"1.0d", u"25", u'.', kD},
    {u".", u"1.0d", u"25", u'.', kD},
    {u"1e", u"1.0d", u"25", u'.', kD},
    {u" 1200", u"1000", u"25", u'.', std::nullopt, 1200, 1000, false, 25},
    {u"1.2e3", u"1000", u"25", u'.', std::nullopt, 1200, 1000, false, 25},
    {u"+1200", u"1000", u"25", u'.', std::nullopt, 1200, 1000, false, 25},
    {u".5", u"1000", u"25", u'.', std::nullopt, 0.5, 1000, false, 25},
    // A text that starts like a number and goes on with other characters is rejected;
    // trailing spaces are not such characters.
    {u"1000mm", u"1.0d", u"25", u'.', kD},
    {u"12.5.3", u"1.0d", u"25", u'.', kD},
    {u"1000 ", u"1000", u"25 ", u'.', std::nullopt, 1000, 1000, false, 25},
    {u"1000", u"1.0d", u"25MPa", u'.', kFrk},
    // hr: mm, or a factor before the first lowercase "d"; what follows the "d" is ignored.
    {u"1200", u"1.5d", u"25", u'.', std::nullopt, 1200, 1800, true, 25},
    {u"1200", u" 1.5 d", u"25", u'.', std::nullopt, 1200, 1800, true, 25},
    {u"1000", u"2.0d3", u"25", u'.', std::nullopt, 1000, 2000, true, 25},
    {u"1000", u"0", u"25", u'.', std::nullopt, 1000, 0, false, 25},
    {u"1000", u"0d", u"25", u'.', std::nullopt, 1000, 0, true, 25},
    {u"1000", u"-0d", u"25", u'.', std::nullopt, 1000, 0, true, 25},
    {u"1000", u"1.5D", u"25", u'.', kHr},
    {u"1000", u"d", u"25", u'.', kHr},
    {u"1000", u"abcd", u"25", u'.', kHr},
    {u"1000", u"-1d", u"25", u'.', kHr},
    {u"1000", u"-5", u"25", u'.', kHr},
    {u"1000", u"", u"25", u'.', kHr},
    {u"1000", u"1e", u"25", u'.', kHr},
    // frk
    {u"1000", u"1.0d", u"0", u'.', kFrk},
    {u"1000", u"1.0d", u"-3", u'.', kFrk},
    {u"1000", u"1.0d", u"abc", u'.', kFrk},
    {u"1000", u"1.0d", u"1e-400", u'.', kFrk},
    // Only the first failure, in the order d, hr, frk, is reported.
    {u"0", u"x", u"0", u'.', kD},
    {u"1000", u"x", u"0", u'.', kHr},
    // Under a comma locale only hr takes the comma.
    {u"1000", u"1,5d", u"25", u',', std::nullopt, 1000, 1500, true, 25},
    {u"1000", u"1.5d", u"25", u',', kHr},
    {u"1.2e3", u"2500", u"12.5", u',', std::nullopt, 1200, 2500, false, 12.5},
    {u"1,2", u"2500", u"25", u',', kD},
};

class ParsePileInputTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParsePileInputTest, ReadsOrRejectsInOrder) {
    const ParseCase& c = GetParam();
    const PileInput input{c.d, c.hr, c.frk, ConcreteGrade::C30, ConstructionProcess::MudWall};
    const auto outcome = ParsePileInput(input, c.separator);
    if (c.error) {
        ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
        EXPECT_EQ(std::get<InputError>(outcome).kind, *c.error);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<ParsedInput>(outcome));
    const ParsedInput& parsed = std::get<ParsedInput>(outcome);
    EXPECT_EQ(parsed.d, c.dValue);
    EXPECT_EQ(parsed.hr, c.hrValue);
    EXPECT_FALSE(std::signbit(parsed.hr));
    EXPECT_EQ(parsed.hrIsMultiple, c.multiple);
    EXPECT_EQ(parsed.frk, c.frkValue);
}

INSTANTIATE_TEST_SUITE_P(Table, ParsePileInputTest, testing::ValuesIn(kParseCases));

// Control characters and the line and paragraph separators would break a saved
// report's lines apart; each typed input rejects them, also after the "d" of hr.
TEST(ControlCharacterTest, RejectedInEveryInput) {
    const char16_t controls[] = {u'\0',   u'\t',   u'\n',   u'\r',   u'\f',     u'\x1B',  u'\x1F',
                                 u'\x7F', u'\x80', u'\x85', u'\x9F', u'\u2028', u'\u2029'};
    for (const char16_t c : controls) {
        const std::u16string tail(1, c);
        const struct {
            PileInput input;
            InputErrorKind error;
        } cases[] = {
            {{u"1000" + tail, u"1.5d", u"25"}, kD},         {{u"1000", u"1.5d" + tail, u"25"}, kHr},
            {{u"1000", u"1.5d" + tail + u"x", u"25"}, kHr}, {{u"1000", tail + u"1000", u"25"}, kHr},
            {{u"1000", u"1.5d", u"25" + tail}, kFrk},
        };
        for (const auto& row : cases) {
            const auto outcome = ParsePileInput(row.input, u'.');
            ASSERT_TRUE(std::holds_alternative<InputError>(outcome)) << static_cast<int>(c);
            EXPECT_EQ(std::get<InputError>(outcome).kind, row.error) << static_cast<int>(c);
        }
    }
    // What follows the "d" may still be any other text.
    const auto outcome = ParsePileInput({u"1000", u"1.5d 嵌岩 \u00A0ß", u"25"}, u'.');
    ASSERT_TRUE(std::holds_alternative<ParsedInput>(outcome));
    EXPECT_EQ(std::get<ParsedInput>(outcome).hr, 1500);
}

TEST(InputErrorTest, CarriesMessageAndCulprit) {
    const struct {
        InputErrorKind kind;
        std::u16string message;
        std::string culprit;
    } cases[] = {
        {kD, u"桩身直径数据有错", "cbe_dd"},
        {kHr, u"嵌岩深度数据有错", "cbe_hr"},
        {kFrk, u"岩石单轴抗压强度值有错", "edt_frk"},
    };
    for (const auto& c : cases) {
        const InputError error = MakeInputError(c.kind);
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(error.culprit, c.culprit);
    }
}

TEST(ReadStrictNumberTest, WholeTextMustBeANumber) {
    const struct {
        const char16_t* text;
        char16_t separator;
        std::optional<double> value;
    } cases[] = {
        {u"1.5", u'.', 1.5},           {u" -2.5e1 ", u'.', -25},     {u"5.", u'.', 5},
        {u"1,5", u',', 1.5},           {u"1.5", u',', std::nullopt}, {u"1,5", u'.', std::nullopt},
        {u"", u'.', std::nullopt},     {u"-", u'.', std::nullopt},   {u"1 000", u'.', std::nullopt},
        {u"1e+", u'.', std::nullopt},  {u"inf", u'.', std::nullopt}, {u"nan", u'.', std::nullopt},
        {u"0x10", u'.', std::nullopt}, {u"1\t", u'.', std::nullopt}, {u"１", u'.', std::nullopt},
        {u"1e-400", u'.', 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadStrictNumber(c.text, c.separator), c.value)
            << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
    }
}

TEST(ReadStrictNumberTest, NumberBeyondDoubleRangeOverflows) {
    for (const char16_t* text : {u"1e400", u"-1e400", u"1e99999999999999999999"}) {
        EXPECT_THROW(ReadStrictNumber(text, u'.'), FloatingPointOverflow);
    }
    try {
        ReadLenientNumber(u"1e400");
        FAIL();
    } catch (const FloatingPointOverflow& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

}  // namespace
}  // namespace rokal
