#pragma once

#include <stdexcept>

namespace rokal {

// A schedule file that cannot be used at all: missing, a folder or a device, too
// large, not text, no header, a required column missing, a unit it does not know,
// a quote never closed. what() is a Chinese message in UTF-8 that names the file,
// the line or the column.
class ScheduleFileError : public std::runtime_error {
  public:
    // Why: a file the program may read in another setting (rokal-cli takes larger
    // files than the window) is TooLarge.
    enum class Reason { Unusable, TooLarge };

    explicit ScheduleFileError(const std::string& message, Reason reason = Reason::Unusable)
        : std::runtime_error(message), reason_(reason) {}
    Reason WhyRefused() const { return reason_; }

  private:
    Reason reason_;
};

}  // namespace rokal
