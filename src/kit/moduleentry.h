// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/resizerule.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class ModuleWindow;
struct ModuleContext;
struct ModuleEntry;

// Builds the window of a module.
using ModuleFactory = std::unique_ptr<ModuleWindow> (*)(ModuleContext &, const ModuleEntry &);

// One module as the start window lists it and as its window is built. The list text and the
// caption are marked for translation with QT_TRANSLATE_NOOP("ModuleRegistry", ...) and shown
// translated.
struct ModuleEntry
{
    const char *listText; // the text in the start window's list
    QString windowName;   // the window's name: Fd, Fb, ...
    const char *caption;  // the window's title bar
    DesignSize design;    // outer size and canvas side at design size, in twips
    ModuleFactory create; // builds the window

    QString shownListText() const
    {
        return QCoreApplication::translate("ModuleRegistry", listText);
    }
    QString shownCaption() const { return QCoreApplication::translate("ModuleRegistry", caption); }
};
