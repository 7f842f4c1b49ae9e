#include "workbook/SheetWriter.h"

#include <algorithm>

#include "report/CodePage.h"
#include "report/DisplayWidth.h"
#include "workbook/CellReference.h"
#include "workbook/WorkbookError.h"

namespace rokal {

namespace {

constexpr int kMinWidth = 4;
constexpr int kMaxWidth = 60;
constexpr int kPadding = 2;

}  // namespace

int ShownWidth(const std::u16string& text) {
    int width = 0;
    std::size_t start = 0;
    while (start <= text.size() && width < kMaxWidth) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        width = std::max(width, DisplayWidth(text.substr(start, end - start)));
        start = end + 1;
    }
    return width;
}

SheetWriter::SheetWriter(lxw_worksheet* sheet, std::string sheetName)
    : sheet_(sheet), name_(std::move(sheetName)) {}

void SheetWriter::Check(lxw_error error, int row, int column) const {
    if (error == LXW_NO_ERROR) {
        return;
    }
    const std::string place = name_ + "!" + CellReferenceText({row + 1, column});
    switch (error) {
        case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
            throw WorkbookError("无法写入工作簿：" + place +
                                " 的文字超过一个单元格的 32767 个字符");
        case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
            throw WorkbookError("无法写入工作簿：" + place + " 超出工作表的最大行数或列数");
        default:
            throw WorkbookError("无法写入工作簿：" + place + "：" + lxw_strerror(error));
    }
}

void SheetWriter::Widen(int column, int width) {
    if (column >= static_cast<int>(widths_.size())) {
        widths_.resize(static_cast<std::size_t>(column) + 1, 0);
    }
    int& widest = widths_[static_cast<std::size_t>(column)];
    widest = std::max(widest, width);
}

void SheetWriter::Text(int row, int column, const std::u16string& text, lxw_format* format) {
    Utf8Text(row, column, Utf16ToUtf8(text), ShownWidth(text), format);
}

void SheetWriter::Number(int row, int column, double value, const std::u16string& shownText,
                         lxw_format* format) {
    NumberOfWidth(row, column, value, ShownWidth(shownText), format);
}

void SheetWriter::Utf8Text(int row, int column, const std::string& text, int width,
                           lxw_format* format) {
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    if (text.empty()) {
        if (format != nullptr) {
            Check(worksheet_write_blank(sheet_, r, c, format), row, column);
        }
        return;
    }
    Check(worksheet_write_string(sheet_, r, c, text.c_str(), format), row, column);
    Widen(column, width);
}

void SheetWriter::NumberOfWidth(int row, int column, double value, int width, lxw_format* format) {
    Check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row),
                                 static_cast<lxw_col_t>(column), value, format),
          row, column);
    Widen(column, width);
}

void SheetWriter::FitColumns() {
    for (std::size_t column = 0; column < widths_.size(); ++column) {
        const int width = std::clamp(widths_[column] + kPadding, kMinWidth, kMaxWidth);
        worksheet_set_column(sheet_, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                             width, nullptr);
    }
}

}  // namespace rokal
