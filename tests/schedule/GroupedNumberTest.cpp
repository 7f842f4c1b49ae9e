#include "schedule/GroupedNumber.h"

#include <gtest/gtest.h>

#include "report/CodePage.h"

namespace rokal {
namespace {

TEST(GroupedNumber, ThousandsGroupedWithTheOtherSeparatorBecomePlain) {
    const struct {
        char16_t decimal;
        std::u16string text;
        std::u16string plain;  // empty: not a grouped number, left as it is
    } cases[] = {
        {u'.', u"8,000", u"8000"},
        {u'.', u"12,500", u"12500"},
        {u'.', u"1,234,567.25", u"1234567.25"},
        {u'.', u" 9,500 ", u"9500"},
        {u'.', u"-1,000", u"-1000"},
        {u'.', u"+1,000", u"+1000"},
        {u',', u"8.000", u"8000"},
        {u',', u"1.234,5", u"1234,5"},
        // Not grouped by thousands as a spreadsheet writes them.
        {u'.', u"8000", u""},
        {u'.', u"1.5", u""},
        {u'.', u"8,00", u""},
        {u'.', u"8,0000", u""},
        {u'.', u"1234,567", u""},
        {u'.', u",000", u""},
        {u'.', u"8,000.", u""},
        {u'.', u"8,000.5.1", u""},
        {u'.', u"8,000d", u""},
        {u'.', u"8.000", u""},
        {u',', u"8,000", u""},
        {u',', u"1,5", u""},
        {u'.', u"", u""},
        {u'.', u"1,5d", u""},
    };
    for (const auto& c : cases) {
        const auto plain = UngroupedNumber(c.text, c.decimal);
        EXPECT_EQ(plain.value_or(u""), c.plain)
            << Utf16ToUtf8(c.text) << " under " << static_cast<char>(c.decimal);
    }
}

}  // namespace
}  // namespace rokal
