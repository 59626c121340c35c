// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/commandline.h"

#include "app/version.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

// An argument the program does not know: it says so and opens no window.
constexpr int unknownArgumentStatus = 2;

constexpr char usageLine[] = "Usage: quillor [--help] [--version]\n";

constexpr char helpText[] =
    "\n"
    "Quillor, mathematics for secondary-school pupils and their teachers: functions and\n"
    "chance, with sliders and graphs, in eight modules that its start window opens.\n"
    "\n"
    "  -h, --help     Show this help and end.\n"
    "  -v, --version  Show the version and end.\n"
    "\n"
    "Files, looked up in the folder Quillor is started in:\n"
    "  readme.txt  the text that \"Info\" shows; when the folder has none, the copy\n"
    "              installed with Quillor (share/quillor) is shown.\n"
    "  pw.txt      the teacher's identity for \"Editor\", its last line that is not\n"
    "              empty; read from this folder only.\n"
    "\n"
    "See the manual page quillor(1).\n";

// The options that QApplication takes, on any platform or on X11, given with one dash or two.
constexpr std::string_view qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name"};
constexpr std::string_view qtFlags[] = {"reverse", "widgetcount", "nograb",
                                        "dograb",  "sync",        "testability"};
constexpr std::string_view qtOptionsJoinedToValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t size>
bool among(const std::string_view (&options)[size], std::string_view name)
{
    return std::find(std::begin(options), std::end(options), name) != std::end(options);
}

bool isJoinedToValue(std::string_view name)
{
    return std::any_of(std::begin(qtOptionsJoinedToValue), std::end(qtOptionsJoinedToValue),
                       [name](std::string_view option) { return name.starts_with(option); });
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(usageLine, stdout);
            std::fputs(helpText, stdout);
            return 0;
        }
        if (argument == "--version" || argument == "-v") {
            std::printf("quillor %s\n", quillorVersion);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        std::string_view name = argv[i];
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with('-'))
            name.remove_prefix(1);
        else
            return refuseUnknownArgument(argv[i]);
        if (among(qtOptionsWithValue, name))
            ++i;
        else if (!among(qtFlags, name) && !isJoinedToValue(name))
            return refuseUnknownArgument(argv[i]);
    }
    return std::nullopt;
}

int refuseUnknownArgument(const char *argument)
{
    std::fprintf(stderr, "quillor: unknown argument \"%s\"\n%sTry \"quillor --help\".\n", argument,
                 usageLine);
    return unknownArgumentStatus;
}
