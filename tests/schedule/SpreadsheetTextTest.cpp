#include "schedule/SpreadsheetText.h"

#include <gtest/gtest.h>

#include "report/CodePage.h"
#include "schedule/ResultsCsv.h"
#include "tests/schedule/ScheduleTestSupport.h"

namespace rokal {
namespace {

struct TextCase {
    std::u16string text;
    std::u16string written;
};

TEST(SpreadsheetText, GuardsWhatASpreadsheetWouldRunAndKeepsNumbers) {
    const TextCase cases[] = {
        {u"=1+1", u"'=1+1"},
        {u"=HYPERLINK(\"http://x\")", u"'=HYPERLINK(\"http://x\")"},
        {u"+ZH1", u"'+ZH1"},
        {u"-A-1", u"'-A-1"},
        {u"-", u"'-"},
        {u"--5", u"'--5"},
        {u"-5 ", u"'-5 "},
        {u"-2+3", u"'-2+3"},
        {u"@SUM(A1)", u"'@SUM(A1)"},
        {u"\t1轴", u"'\t1轴"},
        {u"\r=1", u"'\r=1"},
        // Plain numbers, as the margins and loads are written, stay numbers.
        {u"-5", u"-5"},
        {u"-4.4", u"-4.4"},
        {u"-4,4", u"-4,4"},
        {u"+9000", u"+9000"},
        {u"-.5", u"-.5"},
        {u"-1e5", u"-1e5"},
        {u"-2.5E+3", u"-2.5E+3"},
        // Anything else is left as it is.
        {u"", u""},
        {u"ZH=1", u"ZH=1"},
        {u" =1+1", u" =1+1"},
        {u"'=1", u"'=1"},
        {u"1.5d", u"1.5d"},
        {u"较软岩", u"较软岩"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(SpreadsheetText(c.text), c.written) << Utf16ToUtf8(c.text);
    }
}

// Marks, loads and every other cell of the results file; the margins stay numbers.
TEST(SpreadsheetText, GuardsTheCellsOfTheResultsCsv) {
    Schedule schedule;
    schedule.rows = {
        test::Row(u"=1+2", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"9500", u"8000"),
        test::Row(u"@A1", u"1000", u"1.5d", u"25", u"C30", u"泥浆护壁", u"-cmd", u"+5"),
    };
    const std::vector<RowResult> results = ComputeSchedule(schedule, u'.');
    const std::vector<RowDesign> designs(results.size());
    const std::string csv = ResultsToCsv(schedule, results, designs, PrecisionMode::Units, u'.');
    EXPECT_NE(csv.find("\r\n'=1+2,1000,1.5d,25,C30,泥浆护壁,9500,8000,较软岩,0.9250,9081,7862,"
                       "不满足,-4.4,不满足,-1.7,,,,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n'@A1,1000,1.5d,25,C30,泥浆护壁,'-cmd,+5,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace rokal
