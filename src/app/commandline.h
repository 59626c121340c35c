// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

// What the command line asks of the program. It is read before the window system starts, so that
// an answer comes on any machine, with or without a display. Qt's own options (-platform,
// -style ...) are left to QApplication.
struct CommandLine
{
    enum class Request
    {
        Start,           // open the start window
        Help,            // --help
        Version,         // --version
        UnknownArgument, // an argument that neither the program nor Qt knows
        MissingLanguage  // --lang without its language
    };

    Request request = Request::Start;
    // The language of --lang: "nl", or "C" for the program's own texts; empty when the system's
    // locale chooses.
    QString language;
    // The argument that an UnknownArgument request refuses.
    QString unknownArgument;
};

// Reads the command line: --help or --version anywhere is answered, else an argument that is
// not known is refused, else the program starts, in the language of --lang when it is given.
CommandLine readCommandLine(int argc, const char *const *argv);

// Answers a request other than Start on standard output (help, version) or standard error (a
// refusal), in the language of the installed translation. Returns the exit status.
int answerCommandLine(const CommandLine &commandLine);

// The first argument left once QApplication has taken its own, --lang and its language aside: an
// option of Qt that the running platform does not take, -display without X11 for one. nullptr
// when there is none.
const char *leftoverArgument(int argc, const char *const *argv);

// Refuses an argument that neither the program nor the running platform takes, with a usage line
// on standard error. Returns the exit status.
int refuseUnknownArgument(const QString &argument);
