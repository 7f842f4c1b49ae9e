#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/CellStyles.h"
#include "workbook/PackageParts.h"
#include "workbook/SheetRows.h"
#include "workbook/XlsxPackage.h"

namespace rokal {

// An .xlsx workbook read for its values: its worksheets, and their rows cell by
// cell. A small reader of the program's own, on minizip and expat. Every step
// throws WorkbookError for a workbook it cannot read.
class XlsxWorkbook {
  public:
    // The workbook in the bytes of an .xlsx file.
    static XlsxWorkbook FromBytes(std::string bytes);
    explicit XlsxWorkbook(std::unique_ptr<PackageParts> parts);

    const std::vector<SheetEntry>& Sheets() const { return structure_.sheets; }
    // The index of the sheet of this name (UTF-8, compared exactly), if any.
    std::optional<std::size_t> FindSheet(std::string_view name) const;

    // Streams the rows of a sheet (see ReadSheetRows) and returns its merged ranges.
    std::vector<CellRange> ReadRows(std::size_t sheet, const RowSink& onRow,
                                    const DimensionSink& onDimension = {});

  private:
    void LoadCellReferences();

    std::unique_ptr<PackageParts> parts_;
    WorkbookStructure structure_;
    bool loaded_ = false;
    std::vector<std::string> sharedStrings_;
    CellStyles styles_;
};

}  // namespace rokal
