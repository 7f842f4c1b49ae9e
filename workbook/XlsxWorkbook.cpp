#include "workbook/XlsxWorkbook.h"

#include "workbook/SharedStrings.h"
#include "workbook/ZipParts.h"

namespace rokal {

XlsxWorkbook XlsxWorkbook::FromBytes(std::string bytes) {
    return XlsxWorkbook(std::make_unique<ZipParts>(std::move(bytes)));
}

XlsxWorkbook::XlsxWorkbook(std::unique_ptr<PackageParts> parts)
    : parts_(std::move(parts)), structure_(ReadWorkbookStructure(*parts_)) {}

std::optional<std::size_t> XlsxWorkbook::FindSheet(std::string_view name) const {
    for (std::size_t i = 0; i < structure_.sheets.size(); ++i) {
        if (structure_.sheets[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

// The shared texts and the cell styles, read once before the first sheet.
void XlsxWorkbook::LoadCellReferences() {
    if (loaded_) {
        return;
    }
    sharedStrings_ = ReadSharedStrings(*parts_, structure_.sharedStringsPart);
    styles_ = CellStyles(*parts_, structure_.stylesPart);
    loaded_ = true;
}

std::vector<CellRange> XlsxWorkbook::ReadRows(std::size_t sheet, const RowSink& onRow,
                                              const DimensionSink& onDimension) {
    LoadCellReferences();
    const SheetEntry& entry = structure_.sheets.at(sheet);
    SheetContext context;
    context.sheetName = entry.name;
    context.sharedStrings = &sharedStrings_;
    context.styles = &styles_;
    context.date1904 = structure_.date1904;
    return ReadSheetRows(*parts_, entry.part, context, onRow, onDimension);
}

}  // namespace rokal
