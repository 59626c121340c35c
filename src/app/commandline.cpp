// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/commandline.h"

#include "app/version.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

using Request = CommandLine::Request;

// An argument the program does not know: it says so and opens no window.
constexpr int unknownArgumentStatus = 2;

constexpr std::string_view languageOption = "--lang";
constexpr std::string_view joinedLanguageOption = "--lang=";

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

// An option's name without its one or two dashes; empty for an argument that is no option.
std::string_view optionName(std::string_view argument)
{
    if (argument.starts_with("--"))
        return argument.substr(2);
    if (argument.starts_with('-'))
        return argument.substr(1);
    return {};
}

bool isQtOptionWithValue(std::string_view argument)
{
    return among(qtOptionsWithValue, optionName(argument));
}

bool isOtherQtOption(std::string_view argument)
{
    const std::string_view name = optionName(argument);
    return among(qtFlags, name) ||
           std::any_of(std::begin(qtOptionsJoinedToValue), std::end(qtOptionsJoinedToValue),
                       [name](std::string_view option) { return name.starts_with(option); });
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString usage()
{
    //: The ways to start the program; the second "quillor" stands under the first.
    return QCoreApplication::translate("CommandLine", "Usage: quillor [--help] [--version]\n"
                                                      "       quillor [--lang LANGUAGE]\n");
}

int refuse(const QString &reason)
{
    print(stderr, reason + u'\n' + usage() +
                      QCoreApplication::translate("CommandLine", "Try \"quillor --help\".") +
                      u'\n');
    return unknownArgumentStatus;
}

void printHelp()
{
    const QString about = QCoreApplication::translate(
        "CommandLine",
        "Quillor, mathematics for secondary-school pupils and their teachers: functions and\n"
        "chance, with sliders and graphs, in eight modules that its start window opens.\n");
    //: Two columns: each option, and what it does. LANGUAGE is the word of the usage lines; nl
    //: and C are the values to type, and LANG the name of the system's setting.
    const QString options = QCoreApplication::translate(
        "CommandLine",
        "  -h, --help       Show this help and end.\n"
        "  -v, --version    Show the version and end.\n"
        "  --lang LANGUAGE  Show Quillor in LANGUAGE: nl for Dutch, C for its own texts.\n"
        "                   Without it, the system's language (LANG) decides.\n");
    //: Two columns: each file's name, which stays as it is, and what it holds.
    const QString files = QCoreApplication::translate(
        "CommandLine",
        "Files, looked up in the folder Quillor is started in:\n"
        "  readme.txt  the text that \"Info\" shows, or readme_nl.txt where Quillor shows\n"
        "              Dutch; when the folder has neither, the copy installed with Quillor\n"
        "              (share/quillor) is shown.\n"
        "  pw.txt      the teacher's identity for \"Editor\", its last line that is not\n"
        "              empty; read from this folder only.\n");
    const QString manual =
        QCoreApplication::translate("CommandLine", "See the manual page quillor(1).\n");
    print(stdout, usage() + u'\n' + about + u'\n' + options + u'\n' + files + u'\n' + manual);
}

} // namespace

CommandLine readCommandLine(int argc, const char *const *argv)
{
    CommandLine answer;  // --help or --version, the first of them given
    CommandLine refusal; // the first argument refused
    QString language;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool help = argument == "--help" || argument == "-h";
        if (help || argument == "--version" || argument == "-v") {
            if (answer.request == Request::Start)
                answer.request = help ? Request::Help : Request::Version;
        } else if (argument == languageOption) {
            if (i + 1 < argc)
                language = QString::fromLocal8Bit(argv[++i]);
            else if (refusal.request == Request::Start)
                refusal.request = Request::MissingLanguage;
        } else if (argument.starts_with(joinedLanguageOption)) {
            language = QString::fromLocal8Bit(argument.substr(joinedLanguageOption.size()));
        } else if (isQtOptionWithValue(argument)) {
            ++i;
        } else if (!isOtherQtOption(argument) && refusal.request == Request::Start) {
            refusal.request = Request::UnknownArgument;
            refusal.unknownArgument = QString::fromLocal8Bit(argument);
        }
    }
    CommandLine commandLine = answer.request != Request::Start ? answer : refusal;
    commandLine.language = language;
    return commandLine;
}

int answerCommandLine(const CommandLine &commandLine)
{
    switch (commandLine.request) {
    case Request::Help:
        printHelp();
        return 0;
    case Request::Version:
        std::printf("quillor %s\n", quillorVersion);
        return 0;
    case Request::UnknownArgument:
        return refuseUnknownArgument(commandLine.unknownArgument);
    case Request::MissingLanguage:
        return refuse(QCoreApplication::translate(
            "CommandLine", "quillor: \"--lang\" needs a language, such as nl or C"));
    case Request::Start:
        break;
    }
    return 0;
}

const char *leftoverArgument(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == languageOption)
            ++i;
        else if (!argument.starts_with(joinedLanguageOption))
            return argv[i];
    }
    return nullptr;
}

int refuseUnknownArgument(const QString &argument)
{
    return refuse(QCoreApplication::translate("CommandLine", "quillor: unknown argument \"%1\"")
                      .arg(argument));
}
