#include "ui/platform/Console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace rokal {

void UseParentConsole() {
#ifdef _WIN32
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out != nullptr && out != INVALID_HANDLE_VALUE) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    std::FILE* ignored = nullptr;
    ignored = std::freopen("CONOUT$", "w", stdout);
    ignored = std::freopen("CONOUT$", "w", stderr);
    static_cast<void>(ignored);
#endif
}

}  // namespace rokal
