#pragma once

#include <xlsxwriter.h>

#include <string>
#include <vector>

namespace rokal {

// Writes the cells of one worksheet and fits its columns to them. Rows and
// columns count from 0 here. Text cells are written as strings, which a
// spreadsheet shows as they are and never evaluates, even when they start with
// "=". Every call throws WorkbookError naming the cell ("Sheet1!C7") when the
// cell cannot be written, such as a text above a cell's 32,767 characters or a
// row beyond the largest sheet.
class SheetWriter {
  public:
    SheetWriter(lxw_worksheet* sheet, std::string sheetName);

    void Text(int row, int column, const std::u16string& text, lxw_format* format = nullptr);
    // A number, shown as shownText (for the column's width).
    void Number(int row, int column, double value, const std::u16string& shownText,
                lxw_format* format = nullptr);
    // The same with the text in UTF-8 and the width worked out (ShownWidth).
    void Utf8Text(int row, int column, const std::string& text, int width, lxw_format* format);
    void NumberOfWidth(int row, int column, double value, int width, lxw_format* format);

    // Gives each column the width of its widest text, Chinese characters counted
    // twice, within sensible bounds.
    void FitColumns();

    lxw_worksheet* Sheet() const { return sheet_; }

  private:
    void Widen(int column, int width);
    void Check(lxw_error error, int row, int column) const;

    lxw_worksheet* sheet_;
    std::string name_;
    std::vector<int> widths_;
};

// The width a text takes in a column: its widest line, Chinese characters counted
// twice.
int ShownWidth(const std::u16string& text);

}  // namespace rokal
