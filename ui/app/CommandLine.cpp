#include "ui/app/CommandLine.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

#include "ui/about/VersionRecord.h"

namespace rokal {

namespace {

constexpr char kProgram[] = "rokal";

// The options that Qt reads from the command line itself (QGuiApplication,
// QApplication and the X11 platform plugin), without their leading dash. Qt
// also takes each of them with two dashes.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "geometry",
    "title",           "icon",
    "display",         "name",
    "style",           "stylesheet",
    "session"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "sync",
                                                      "nograb",  "dograb",      "testability"};
// Options Qt takes as "-name=value".
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals = {
    "style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

template <std::size_t N>
bool StartsWithAny(const std::array<std::string_view, N>& prefixes, std::string_view name) {
    return std::any_of(prefixes.begin(), prefixes.end(), [name](std::string_view prefix) {
        return name.substr(0, prefix.size()) == prefix;
    });
}

// The option's name without its one or two leading dashes.
std::string_view OptionName(std::string_view argument) {
    argument.remove_prefix(argument.substr(0, 2) == "--" ? 2 : 1);
    return argument;
}

// The length of the UTF-8 sequence that starts at text[at], or 0 when the bytes
// there are no valid UTF-8.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool IsControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    const bool c0 = character.size() == 1 && (first < 0x20 || first == 0x7F);
    // U+0080 to U+009F, the C1 controls.
    const bool c1 =
        character.size() == 2 && first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
    return c0 || c1;
}

// An argument as it can be shown in a one-line message: control characters and
// bytes that are no UTF-8 text would act on the terminal, so they show as '?'.
std::string Printable(std::string_view argument) {
    std::string shown;
    for (std::size_t at = 0; at < argument.size();) {
        const std::size_t length = Utf8Length(argument, at);
        const std::string_view character = argument.substr(at, std::max<std::size_t>(length, 1));
        shown += length == 0 || IsControl(character) ? std::string_view("?") : character;
        at += character.size();
    }
    return shown;
}

AppCommandLine Failure(std::string message) {
    AppCommandLine command;
    command.action = AppCommandLine::Action::Error;
    command.error = std::move(message);
    return command;
}

void WriteHelp(std::ostream& out) {
    out << "Usage: " << kProgram << " [OPTION]... [FILE]\n"
        << "Calculator for rock-socketed piles (嵌岩桩) after DBJ 52/T045-2018.\n"
        << "\n"
        << "Without FILE the calculator opens with one pile to enter. With FILE, a\n"
        << "pile schedule such as piles.csv or an .xlsx workbook, it opens the schedule\n"
        << "window on that file, for example:\n"
        << "  " << kProgram << " piles.csv\n"
        << "\n"
        << "Options:\n"
        << "  -h, --help     show this help and exit\n"
        << "      --version  show the version and exit\n"
        << "\n"
        << "Qt's standard options, such as -platform, -display and -style, are accepted.\n"
        << "rokal-cli computes piles and schedules without a window.\n";
}

}  // namespace

AppCommandLine ReadAppCommandLine(int argc, const char* const* argv) {
    AppCommandLine command;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i] != nullptr ? argv[i] : "";
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOption) {
            if (command.file) {
                return Failure("only one file can be opened at a time");
            }
            command.file = std::string(argument);
            continue;
        }
        const std::string_view name = OptionName(argument);
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            command.action = AppCommandLine::Action::Help;
        } else if (argument == "--version") {
            if (command.action != AppCommandLine::Action::Help) {
                command.action = AppCommandLine::Action::Version;
            }
        } else if (Contains(kQtOptionsWithValue, name)) {
            if (++i >= argc) {
                return Failure("option '" + Printable(argument) + "' needs a value");
            }
        } else if (!Contains(kQtFlags, name) && !StartsWithAny(kQtOptionsWithEquals, name)) {
            return Failure("unknown option '" + Printable(argument) + "'");
        }
    }
    return command;
}

std::optional<int> AnswerWithoutWindow(const AppCommandLine& command, std::ostream& out,
                                       std::ostream& err) {
    switch (command.action) {
        case AppCommandLine::Action::Run:
            return std::nullopt;
        case AppCommandLine::Action::Error:
            err << kProgram << ": " << command.error << "\n"
                << "Try '" << kProgram << " --help' for more information.\n";
            return 2;
        case AppCommandLine::Action::Help:
            WriteHelp(out);
            break;
        case AppCommandLine::Action::Version:
            out << kProgram << ' ' << kFileVersion << '\n';
            break;
    }
    // A full disk or a closed pipe must not pass for an answer given.
    out.flush();
    if (!out) {
        err << kProgram << ": cannot write to standard output\n";
        return 1;
    }
    return 0;
}

}  // namespace rokal
