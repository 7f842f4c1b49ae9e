#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "workbook/PackageParts.h"

namespace rokal {

// Limits on the parts of a workbook, unpacked: the sheets and the shared texts
// may hold a large schedule; the other parts are small in any workbook.
inline constexpr std::uint64_t kMaxSheetPartBytes = std::uint64_t{256} << 20;
inline constexpr std::uint64_t kMaxSmallPartBytes = std::uint64_t{16} << 20;

// A worksheet of a workbook, in the workbook's order.
struct SheetEntry {
    std::string name;  // UTF-8, as the sheet's tab shows it
    std::string part;  // "xl/worksheets/sheet1.xml"
    bool hidden = false;
};

// What a workbook's parts are and where they are, found through the package's
// relationships as a spreadsheet finds them.
struct WorkbookStructure {
    std::vector<SheetEntry> sheets;  // worksheets only; chart sheets are left out
    std::string sharedStringsPart;   // empty when the workbook has none
    std::string stylesPart;          // empty when the workbook has none
    bool date1904 = false;           // dates count from 1904 instead of 1900
};

// Throws WorkbookError for a package that is not an .xlsx workbook (such as an
// OpenDocument or a binary workbook) or whose structure is damaged.
WorkbookStructure ReadWorkbookStructure(const PackageParts& parts);

// The part a relationship target names, seen from the part source:
// "worksheets/sheet1.xml" from "xl/workbook.xml" is "xl/worksheets/sheet1.xml";
// "/xl/a.xml" is "xl/a.xml"; ".." goes up. Empty when it leaves the package.
std::string ResolvePartName(const std::string& source, const std::string& target);

}  // namespace rokal
