#pragma once

#include <exception>
#include <new>

#include "ui/widgets/MessageBoxes.h"

namespace rokal {

// The application's general error report: a failure that escapes an event
// handler is shown with its message, the handler ends and the program goes on.
// No exception may cross Qt's event loop, so every handler body runs in here.
// Running out of memory is caught first and shown with a message that needs no
// memory of its own; nothing leaves this function, whatever the report meets.
template <typename Body>
void RunGuarded(Body&& body) noexcept {
    try {
        body();
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory();
    } catch (const std::exception& e) {
        ShowFailure(e.what());
    } catch (...) {
        ShowFailure(nullptr);
    }
}

}  // namespace rokal
