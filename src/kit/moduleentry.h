// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/resizerule.h"

#include <QString>

#include <memory>

class ModuleWindow;
struct ModuleContext;
struct ModuleEntry;

// Builds the window of a module.
using ModuleFactory = std::unique_ptr<ModuleWindow> (*)(ModuleContext &, const ModuleEntry &);

// One module as the start window lists it and as its window is built.
struct ModuleEntry
{
    QString listText;     // the text in the start window's list
    QString windowName;   // the window's name: Fd, Fb, ...
    QString caption;      // the window's title bar
    DesignSize design;    // outer size and canvas side at design size, in twips
    ModuleFactory create; // builds the window
};
