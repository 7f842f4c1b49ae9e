#include "report/CodePage.h"

#include <gtest/gtest.h>

#include "report/ReportLog.h"
#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

struct CodePageCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

class EncodeCases : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(EncodeCases, OnlyCharactersGbkLacksBecomeQuestionMarks) {
    EXPECT_EQ(EncodeToSystemCodePage(GetParam().text), GetParam().bytes) << GetParam().name;
}

// "注采用" in GBK, the text that follows the foreign character in most cases below.
#define ZHU_CAI_YONG "\xD7\xA2\xB2\xC9\xD3\xC3"

INSTANTIATE_TEST_SUITE_P(
    Characters, EncodeCases,
    ::testing::Values(
        CodePageCase{"empty", u"", ""},
        CodePageCase{"ASCII and CR LF", u"Ra(kN)\r\n 2.00", "Ra(kN)\r\n 2.00"},
        CodePageCase{"zeta", u"ζ", "\xA6\xC6"}, CodePageCase{"less or equal", u"≤", "\xA1\xDC"},
        CodePageCase{"psi and mu", u"ψμ", "\xA6\xD7\xA6\xCC"},
        CodePageCase{"sum", u"∑", "\xA1\xC6"}, CodePageCase{"full-width colon", u"：", "\xA3\xBA"},
        CodePageCase{"angle brackets", u"《》", "\xA1\xB6\xA1\xB7"},
        CodePageCase{"ideographs", u"嵌岩桩", "\xC7\xB6\xD1\xD2\xD7\xAE"},
        CodePageCase{"euro sign, code page 936's single byte", u"€", "\x80"},
        CodePageCase{"Thai letter", u"a\u0E01b", "a?b"},
        CodePageCase{"sharp s first", u"ß注采用", "?" ZHU_CAI_YONG},
        CodePageCase{"sharp s in the middle", u"注ß采用", "\xD7\xA2?\xB2\xC9\xD3\xC3"},
        CodePageCase{"sharp s last", u"注采用ß", ZHU_CAI_YONG "?"},
        CodePageCase{"hr typed with a foreign letter", u"1.5d ß 桩身", "1.5d ? \xD7\xAE\xC9\xED"},
        CodePageCase{"emoji first", u"\U0001F600注采用", "?" ZHU_CAI_YONG},
        CodePageCase{"emoji in the middle", u"注\U0001F600采用", "\xD7\xA2?\xB2\xC9\xD3\xC3"},
        CodePageCase{"emoji last", u"注采用\U0001F600", ZHU_CAI_YONG "?"},
        CodePageCase{"lone high surrogate first", u"\xD800注采用", "?" ZHU_CAI_YONG},
        CodePageCase{"lone low surrogate in the middle", u"注\xDC00采用",
                     "\xD7\xA2?\xB2\xC9\xD3\xC3"},
        CodePageCase{"lone high surrogate last", u"注采用\xD800", ZHU_CAI_YONG "?"},
        CodePageCase{"two lone surrogates", u"\xD800x\xDC00", "?x?"},
        CodePageCase{"Arabic decimal separator", u"25\u066B00 注采用", "25?00 " ZHU_CAI_YONG},
        CodePageCase{"C1 control and DEL", u"\u0085a\u007F", "?a\x7F"},
        CodePageCase{"many foreign characters in a row", u"ßßß注", "???\xD7\xA2"}));

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string text;
};

class DecodeCases : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeCases, OnlyBytesGbkLacksBecomeReplacementCharacters) {
    EXPECT_EQ(DecodeFromSystemCodePage(GetParam().bytes), GetParam().text) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeCases,
    ::testing::Values(
        DecodeCase{"empty", "", u""}, DecodeCase{"ASCII", "d,hr\r\n", u"d,hr\r\n"},
        DecodeCase{"ideographs", "\xC7\xB6\xD1\xD2\xD7\xAE", u"嵌岩桩"},
        DecodeCase{"invalid byte first", "\xFF" ZHU_CAI_YONG, u"\uFFFD注采用"},
        DecodeCase{"invalid byte in the middle", "\xD7\xA2\xFF\xB2\xC9\xD3\xC3", u"注\uFFFD采用"},
        DecodeCase{"lead byte cut off at the end", ZHU_CAI_YONG "\xD7", u"注采用\uFFFD"}));

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
    std::u16string text;
};

class Utf8Cases : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Cases, ValidityAndDecoding) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid) << GetParam().name;
    EXPECT_EQ(Utf8ToUtf16(GetParam().bytes), GetParam().text) << GetParam().name;
    if (GetParam().valid) {
        EXPECT_EQ(Utf16ToUtf8(GetParam().text), GetParam().bytes) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Cases,
    ::testing::Values(Utf8Case{"ASCII", "d=1000", true, u"d=1000"},
                      Utf8Case{"ideographs and Greek", "桩径ζr", true, u"桩径ζr"},
                      Utf8Case{"beyond the BMP", "\xF0\x9F\x98\x80", true, u"\U0001F600"},
                      Utf8Case{"GBK bytes of 桩径 are no UTF-8", "\xD7\xAE\xBE\xB6", false,
                               u"\u05EE\uFFFD\uFFFD"},
                      Utf8Case{"overlong slash", "\xC0\xAF", false, u"\uFFFD\uFFFD"},
                      Utf8Case{"encoded surrogate", "\xED\xA0\x80", false, u"\uFFFD\uFFFD\uFFFD"},
                      Utf8Case{"cut off at the end", "a\xE6\xA1", false, u"a\uFFFD\uFFFD"}));

TEST(Utf16ToUtf8Test, LoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8(u"a\xD800"
                          u"b\xDC00"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

// Every character of both documents exists in the code page: decoding gives the text back.
TEST(CodePageTest, ReportsSurviveTheRoundTrip) {
    ReportLog log;
    const PileInput inputs[] = {
        test::DefaultInput(), test::Input(u"1000", u"10000", u"25"),
        test::Input(u"1500", u"2500", u"80", ConstructionProcess::DryClean, ConcreteGrade::C60),
        test::Input(u"800", u"1.5d", u"3", ConstructionProcess::MudWallPostGrout),
        test::Input(u"1200", u"2d", u"10", ConstructionProcess::Underwater)};
    for (const PileInput& input : inputs) {
        log.AppendPile(input, test::Compute(input), PrecisionMode::TwoDecimals,
                       u"2024/3/5 14:07:09", u'.');
    }
    for (ReportDocument doc : {ReportDocument::Text, ReportDocument::Table}) {
        for (const std::u16string& line : log.Document(doc)) {
            EXPECT_EQ(DecodeFromSystemCodePage(EncodeToSystemCodePage(line)), line);
        }
    }
}

}  // namespace
}  // namespace rokal
