#include "tests/HostFileName.h"

#include <QDir>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <string>
#endif

namespace rokal::test {

QString HostFileName(const QString& name) {
#ifdef _WIN32
    // Wine's own function; Windows has no such function and keeps the name.
    using ToUnixName = char*(CDECL*)(LPCWSTR);
    const auto toUnixName = reinterpret_cast<ToUnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnixName != nullptr) {
        const std::wstring wide = QDir::toNativeSeparators(name).toStdWString();
        if (char* unixName = toUnixName(wide.c_str())) {
            const QString result = QString::fromUtf8(unixName);
            HeapFree(GetProcessHeap(), 0, unixName);
            return result;
        }
    }
#endif
    return name;
}

}  // namespace rokal::test
