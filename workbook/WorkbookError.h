#pragma once

#include <stdexcept>

namespace rokal {

// A workbook that cannot be read or written at all: not a workbook, damaged,
// encrypted, beyond the size limits, or a file that cannot be made. what() is a
// Chinese message in UTF-8.
class WorkbookError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace rokal
