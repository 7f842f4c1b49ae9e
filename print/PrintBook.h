#pragma once

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>

#include "report/ReportLog.h"
#include "report/TableReport.h"

namespace rokal {

// One form of the calculation book as it goes on paper.
struct PrintBook {
    Lines lines;
    ReportDocument form = ReportDocument::Text;
    // The calculation time of the newest pile, shown in every page's footer.
    std::u16string timeText;
    // Lines that may be printed otherwise, by index: with a long text cut to its
    // column (ReportLog::PrintedLines).
    std::map<std::size_t, std::u16string> printedLines;
};

// The book of a form's lines as they stand; its time is that of its last line,
// "计算时间：" followed by the time (none when the last line is no time line).
PrintBook MakePrintBook(const Lines& lines, ReportDocument form);

// The book of one form of the log, with the lines it may print otherwise.
PrintBook MakePrintBook(const ReportLog& log, ReportDocument form);

// The running header: "嵌岩桩计算书(依据DBJ52T045-2018) 文本" or "... 表格".
const std::u16string& BookTitle(ReportDocument form);

// "第 n 页 共 m 页".
std::u16string PageNumberText(int n, int m);

// A book that could not be put on paper or into its file; what() says why.
class PrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace rokal
