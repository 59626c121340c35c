// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <optional>

// Answers the command line before the window system starts, so that the answer comes on any
// machine, with or without a display: --help and --version are answered, and an argument that
// neither the program nor Qt knows is refused with a usage line. The exit status when the program
// has answered; std::nullopt when it is to start. Qt's own options (-platform, -style ...) are
// left to QApplication.
std::optional<int> answerCommandLine(int argc, const char *const *argv);

// Refuses an argument that is left once QApplication has taken its own: an option of Qt that the
// running platform does not take, -display without X11 for one. Returns the exit status.
int refuseUnknownArgument(const char *argument);
