#pragma once

#include <string>
#include <vector>

#include "workbook/PackageParts.h"

namespace rokal {

// The texts of a workbook's shared-strings part, in UTF-8, indexed as cells of
// type "s" refer to them: plain texts and the runs of rich texts joined, phonetic
// guides left out, "_xHHHH_" escapes undone. Throws WorkbookError.
std::vector<std::string> ReadSharedStrings(const PackageParts& parts, const std::string& part);

}  // namespace rokal
