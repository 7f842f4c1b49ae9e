#pragma once

#include <string>
#include <string_view>

namespace rokal {

// A cell text as a workbook stores it, in UTF-8, with its "_xHHHH_" escapes
// (characters XML cannot hold, such as "_x000D_" for a carriage return, and
// "_x005F_" for an underscore that starts such a sequence) turned back into the
// characters. An escape of a surrogate becomes U+FFFD.
std::string UnescapeCellText(std::string_view text);

}  // namespace rokal
