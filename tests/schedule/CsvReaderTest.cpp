#include "schedule/CsvReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace rokal {
namespace {

using Fields = std::vector<std::u16string>;

std::vector<CsvRecord> ReadAll(std::u16string_view text, char16_t delimiter, int* unclosed) {
    CsvReader reader(text, delimiter);
    std::vector<CsvRecord> records;
    while (auto record = reader.Next()) {
        records.push_back(*record);
    }
    *unclosed = reader.UnclosedQuoteLine();
    return records;
}

struct RecordCase {
    const char16_t* text;
    std::vector<Fields> records;
    std::vector<int> lines;
};

class CsvRecords : public testing::TestWithParam<RecordCase> {};

TEST_P(CsvRecords, AreReadAsRfc4180HasThem) {
    const RecordCase& c = GetParam();
    int unclosed = -1;
    const std::vector<CsvRecord> records = ReadAll(c.text, u',', &unclosed);
    EXPECT_EQ(unclosed, 0);
    ASSERT_EQ(records.size(), c.records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].fields, c.records[i]) << "record " << i;
        EXPECT_EQ(records[i].line, c.lines[i]) << "record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvRecords,
    testing::Values(RecordCase{u"a,b\r\nc,d\r\n", {{u"a", u"b"}, {u"c", u"d"}}, {1, 2}},
                    RecordCase{u"a,b\nc,d", {{u"a", u"b"}, {u"c", u"d"}}, {1, 2}},
                    RecordCase{u"a\rb", {{u"a"}, {u"b"}}, {1, 2}},
                    RecordCase{u"\"x,y\",\"say \"\"hi\"\"\"", {{u"x,y", u"say \"hi\""}}, {1}},
                    // A line break inside quotes is part of the field and the next record's
                    // line counts it.
                    RecordCase{u"\"two\r\nlines\",b\r\nc", {{u"two\nlines", u"b"}, {u"c"}}, {1, 3}},
                    RecordCase{u",,\n", {{u"", u"", u""}}, {1}},
                    RecordCase{u"a\n\nb", {{u"a"}, {u""}, {u"b"}}, {1, 2, 3}},
                    RecordCase{u"\"\",\"\"\"\"", {{u"", u"\""}}, {1}},
                    // Text after a closing quote, and a quote inside an unquoted field, stay.
                    RecordCase{u"\"ab\"c,d\"e", {{u"abc", u"d\"e"}}, {1}},
                    RecordCase{u"桩号,嵌岩深度\n“ZH1”,1.5d",
                               {{u"桩号", u"嵌岩深度"}, {u"“ZH1”", u"1.5d"}},
                               {1, 2}}));

TEST(CsvReader, StopsAtAQuoteThatIsNeverClosed) {
    int unclosed = 0;
    const std::vector<CsvRecord> records = ReadAll(u"a,b\n\"c,d\ne,f\n", u',', &unclosed);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(unclosed, 2);
}

TEST(CsvReader, FindsTheDelimiterOfTheHeaderLine) {
    const std::vector<std::pair<const char16_t*, char16_t>> cases = {
        {u"a,b,c\n1;2;3", u','}, {u"a;b;c\n1,5;2;3", u';'}, {u"a\tb\tc,d\n1\t2", u'\t'},
        {u"\"a;b\",c\n", u','},  {u"single\n1;2", u','},    {u"", u','},
    };
    for (const auto& [text, delimiter] : cases) {
        EXPECT_EQ(FindCsvDelimiter(text), delimiter)
            << testing::PrintToString(std::u16string(text));
    }
}

}  // namespace
}  // namespace rokal
