#include <gtest/gtest.h>

#include <string>

#include "engine/Formatting.h"

namespace rokal {
namespace {

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

struct FormatCase {
    double v;
    int P;
    int N;
    char16_t separator;
    const char* text;
};

const FormatCase kFormatCases[] = {
    // Half away from zero, decided on the first 18 significant digits.
    {2.675, 7, 2, u'.', "2.67"},        // 2.67499999999999982...
    {1000.005, 7, 2, u'.', "1000.01"},  // 1000.00500000000000 in 18 digits
    {12.125, 7, 2, u'.', "12.13"},
    {1234.5, 7, 0, u'.', "1235"},  // printf would round half to even
    {1234.5, 7, 2, u'.', "1234.50"},
    {0.5, 7, 0, u'.', "1"},
    {0.05, 7, 1, u'.', "0.1"},
    {0.4999, 7, 0, u'.', "0"},
    {-1234.5, 7, 0, u'.', "-1235"},
    {-2.675, 7, 2, u'.', "-2.67"},
    {-0.001, 7, 2, u'.', "0.00"},  // rounds to zero: no sign
    // The P-th significant digit cuts before the N-th decimal.
    {123456.789, 7, 2, u'.', "123456.80"},
    {0.8566667, 7, 4, u'.', "0.8567"},
    {1.23456789, 3, 5, u'.', "1.23000"},
    {99.95, 3, 2, u'.', "100.00"},
    {0.000123456, 3, 8, u'.', "0.00012300"},
    // Zero and tiny values.
    {0, 7, 2, u'.', "0.00"},
    {0, 7, 0, u'.', "0"},
    {-0.0, 7, 2, u'.', "0.00"},
    {1e-10, 7, 2, u'.', "0.00"},
    // The locale's separator.
    {25, 6, 2, u',', "25,00"},
    {0.8566667, 5, 4, u',', "0,8567"},
    // More than P integer digits fall back to scientific notation.
    {12345678.9, 7, 2, u'.', "1.234568E+07"},
    {9999999.5, 7, 0, u'.', "1.000000E+07"},
    {999.95, 3, 2, u'.', "1.00E+03"},
    {-12345678, 7, 0, u'.', "-1.234568E+07"},
    {1e308, 7, 2, u'.', "1.000000E+308"},
    {123456789012.0, 10, 2, u',', "1,234567890E+11"},
    {9999999, 7, 0, u'.', "9999999"},
};

class FormatFixedTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedTest, WritesTheRoundedText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Narrow(FormatFixed(c.v, c.P, c.N, c.separator)), c.text)
        << c.v << " P=" << c.P << " N=" << c.N;
}

INSTANTIATE_TEST_SUITE_P(Table, FormatFixedTest, testing::ValuesIn(kFormatCases));

TEST(ApplyPrecisionModeTest, TensAndHundredsTruncate) {
    const struct {
        double v;
        PrecisionMode mode;
        const char* text;
    } cases[] = {
        {1234.5, PrecisionMode::Units, "1235"},   {1234.5, PrecisionMode::TwoDecimals, "1234.50"},
        {1239.9, PrecisionMode::Tens, "1230"},    {1239.9, PrecisionMode::Hundreds, "1200"},
        {16829.99, PrecisionMode::Tens, "16820"}, {9.99, PrecisionMode::Tens, "0"},
        {99.99, PrecisionMode::Hundreds, "0"},    {1234.56, PrecisionMode::OneDecimal, "1234.6"},
    };
    for (const auto& c : cases) {
        const ShownValue shown = ApplyPrecisionMode(c.v, c.mode);
        EXPECT_EQ(Narrow(FormatFixed(shown.value, 7, shown.decimals, u'.')), c.text) << c.v;
    }
}

TEST(PrecisionModeTextTest, ItemTextsInOrder) {
    EXPECT_EQ(PrecisionModeText(PrecisionMode::TwoDecimals), u"两位小数");
    EXPECT_EQ(PrecisionModeText(PrecisionMode::OneDecimal), u"一位小数");
    EXPECT_EQ(PrecisionModeText(PrecisionMode::Units), u"个位取整");
    EXPECT_EQ(PrecisionModeText(PrecisionMode::Tens), u"十位取整");
    EXPECT_EQ(PrecisionModeText(PrecisionMode::Hundreds), u"百位取整");
}

}  // namespace
}  // namespace rokal
