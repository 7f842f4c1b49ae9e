#include "cli/Platform.h"

#include <clocale>
#include <string>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>

// <windows.h> first: <shellapi.h> needs its declarations.
#include <windows.h>

#include <shellapi.h>

#include "report/CodePage.h"
#endif

namespace rokal {

#ifdef _WIN32

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        const std::wstring arg(wide[i]);
        args.push_back(Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
    }
    LocalFree(wide);
    return args;
}

void PrepareConsole() {
    SetConsoleOutputCP(CP_UTF8);
    // Standard output carries the results CSV and JSON byte for byte, as on Linux:
    // no "\r" before each "\n" (the CSV's own "\r\n" would become "\r\r\n").
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

#else

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

namespace {

// A standard descriptor the program was started without is taken by /dev/null, so
// that no file the program opens gets its number. Descriptor 1 is opened for
// reading only: a write to standard output then fails as it would have, and the
// failure is reported.
void OccupyClosedDescriptor(int descriptor, int flags) {
    if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
        return;
    }
    const int opened = ::open("/dev/null", flags);
    if (opened >= 0 && opened != descriptor) {
        ::dup2(opened, descriptor);
        ::close(opened);
    }
}

}  // namespace

void PrepareConsole() {
    OccupyClosedDescriptor(0, O_RDONLY);
    OccupyClosedDescriptor(1, O_RDONLY);
    OccupyClosedDescriptor(2, O_WRONLY);
    // A reader of standard output that went away is a failed write (EPIPE), which
    // is reported, rather than a signal that ends the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
}

#endif

char16_t LocaleDecimalSeparator() {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    char16_t separator = u'.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const std::lconv* conventions = std::localeconv();
        const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
        // Only a one-byte ASCII separator is taken; anything else keeps ".".
        if (point != nullptr && point[0] > 0 && point[0] < 0x7F && point[1] == '\0') {
            separator = static_cast<char16_t>(point[0]);
        }
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    return separator;
}

std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::u8path(text);
}

}  // namespace rokal
