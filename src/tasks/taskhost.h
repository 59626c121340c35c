// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

class Prompts;
class QWidget;

// What the task window needs of the program around it: the module windows, which it shows, hides
// and places beside itself; the prompts; and the way back to the start window.
class TaskHost
{
public:
    virtual ~TaskHost() = default;

    // The module window at an index of the module list, created on first use and from then on
    // kept as the user left it.
    virtual QWidget *moduleWindow(int index) = 0;

    virtual Prompts &prompts() = 0;

    virtual void showStartWindow() = 0;
};
