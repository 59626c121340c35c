// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QtGlobal>

class QTextStream;

struct WalkOptions
{
    qint64 steps = 0;
    quint64 seed = 0;
    bool trace = false; // print every step as the script lines that would do it
};

// Starts the program in a fresh temporary directory and does random user actions on its visible
// windows: clicks, typing from a dictionary of bad input, slider moves, list choices, resizes,
// opening and closing windows, answers to its prompts, and now and then a file that goes missing
// or turns into a directory under the task window's feet. After every action it checks that the
// action took under two seconds, that no box, list row or label shows "inf", "nan" or "-0", that
// every canvas and printed page holds only finite coordinates, and that nothing outside the
// program's directory changed.
//
// The same seed gives the same steps, so a failure is replayed by running the walk again up to
// the step that failed. Returns the exit status: 0 when every step held; 1 at the first step that
// did not, reported on errors with the seed, the step and its action; 2 when the walk could not
// start.
int runWalk(const WalkOptions &options, QTextStream &out, QTextStream &errors);
