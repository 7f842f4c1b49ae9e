#pragma once

#include <memory>

namespace rokal {

class ScheduleWindow;

// Deletes a schedule window; lets an owner hold one without its full declaration.
struct ScheduleWindowDeleter {
    void operator()(ScheduleWindow* window) const;
};

using ScheduleWindowHandle = std::unique_ptr<ScheduleWindow, ScheduleWindowDeleter>;

}  // namespace rokal
