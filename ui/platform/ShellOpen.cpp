#include "ui/platform/ShellOpen.h"

#include <utility>

#include <QDesktopServices>
#include <QUrl>

namespace rokal {

namespace {

void OpenWithDesktop(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

ShellOpenHandler& CurrentHandler() {
    static ShellOpenHandler handler = OpenWithDesktop;
    return handler;
}

}  // namespace

void ShellOpen(const QString& address) {
    CurrentHandler()(address);
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler) {
    if (!handler) {
        handler = OpenWithDesktop;
    }
    return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace rokal
