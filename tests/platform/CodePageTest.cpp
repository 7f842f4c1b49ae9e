#include "ui/platform/CodePage.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include "report/ReportLog.h"
#include "tests/report/ReportTestSupport.h"

namespace rokal {
namespace {

struct CodePageCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

class CodePageCases : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageCases, EncodeAsCodePage936) {
    EXPECT_EQ(EncodeToSystemCodePage(GetParam().text), GetParam().bytes) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodePageCases,
    ::testing::Values(CodePageCase{"empty", u"", ""},
                      CodePageCase{"ASCII and CR LF", u"Ra(kN)\r\n 2.00", "Ra(kN)\r\n 2.00"},
                      CodePageCase{"zeta", u"ζ", "\xA6\xC6"},
                      CodePageCase{"less or equal", u"≤", "\xA1\xDC"},
                      CodePageCase{"psi and mu", u"ψμ", "\xA6\xD7\xA6\xCC"},
                      CodePageCase{"sum", u"∑", "\xA1\xC6"},
                      CodePageCase{"full-width colon", u"：", "\xA3\xBA"},
                      CodePageCase{"angle brackets", u"《》", "\xA1\xB6\xA1\xB7"},
                      CodePageCase{"ideographs", u"嵌岩桩", "\xC7\xB6\xD1\xD2\xD7\xAE"},
                      CodePageCase{"Thai letter", u"a\u0E01b", "a?b"},
                      CodePageCase{"pair beyond the BMP", u"a\U0001F600b", "a?b"},
                      CodePageCase{"lone surrogates", u"\xD800x\xDC00", "?x?"}));

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
            const std::string bytes = EncodeToSystemCodePage(line);
            QStringDecoder decoder("GBK");
            const QString decoded = decoder.decode(QByteArrayView(bytes.data(), bytes.size()));
            EXPECT_EQ(decoded.toStdU16String(), line);
        }
    }
}

}  // namespace
}  // namespace rokal
