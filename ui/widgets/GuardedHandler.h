#pragma once

#include <exception>

#include "ui/widgets/MessageBoxes.h"

namespace rokal {

// The application's general error report: a failure that escapes an event
// handler is shown with its message, the handler ends and the program goes on.
// No exception may cross Qt's event loop, so every handler body runs in here.
template <typename Body>
void RunGuarded(Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ShowMessage(MessageKind::Error, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowMessage(MessageKind::Error, QStringLiteral("未知错误"));
    }
}

}  // namespace rokal
