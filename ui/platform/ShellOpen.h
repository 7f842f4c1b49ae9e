#pragma once

#include <functional>

#include <QString>

namespace rokal {

// Hands a web address or a "mailto:" address to the desktop's default handler,
// so that a web address opens in the browser and a mail address in the mail
// program. Whether the desktop managed to open it is not looked at.
void ShellOpen(const QString& address);

// What ShellOpen calls to reach the desktop. Tests put a recorder in its place,
// since the headless platform opens nothing.
using ShellOpenHandler = std::function<void(const QString& address)>;

// Puts handler in place of the current one and returns the one it replaced.
// An empty handler restores the desktop's.
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

}  // namespace rokal
