#pragma once

#include <string>
#include <vector>

#include "workbook/PackageParts.h"

namespace rokal {

// Which cell formats of a workbook show numbers as dates or times: the "s"
// attribute of a cell indexes this list.
class CellStyles {
  public:
    CellStyles() = default;
    // Reads the styles part (cellXfs and numFmts); an empty part name gives no
    // date formats. Throws WorkbookError.
    CellStyles(const PackageParts& parts, const std::string& part);

    bool IsDate(std::size_t styleIndex) const {
        return styleIndex < dates_.size() && dates_[styleIndex];
    }

  private:
    std::vector<bool> dates_;
};

}  // namespace rokal
