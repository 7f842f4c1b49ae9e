#include "print/PrintBook.h"

namespace rokal {

namespace {

std::u16string Digits(int n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

PrintBook MakePrintBook(const Lines& lines, ReportDocument form) {
    PrintBook book{lines, form, {}, {}};
    const std::u16string prefix = TimeLine(u"");
    if (!lines.empty() && lines.back().compare(0, prefix.size(), prefix) == 0) {
        book.timeText = lines.back().substr(prefix.size());
    }
    return book;
}

PrintBook MakePrintBook(const ReportLog& log, ReportDocument form) {
    PrintBook book = MakePrintBook(log.Document(form), form);
    book.printedLines = log.PrintedLines(form);
    return book;
}

const std::u16string& BookTitle(ReportDocument form) {
    static const std::u16string text = u"嵌岩桩计算书(依据DBJ52T045-2018) 文本";
    static const std::u16string table = u"嵌岩桩计算书(依据DBJ52T045-2018) 表格";
    return form == ReportDocument::Text ? text : table;
}

std::u16string PageNumberText(int n, int m) {
    return u"第 " + Digits(n) + u" 页 共 " + Digits(m) + u" 页";
}

}  // namespace rokal
