#pragma once

#include "canvas/resizerule.h"

#include <QString>

#include <array>
#include <memory>

class ModuleWindow;
struct ModuleContext;

// One module as the start window lists it and as its window is built.
struct ModuleEntry
{
    QString listText;   // the text in the start window's list
    QString windowName; // the window's name: Fd, Fb, ...
    QString caption;    // the window's title bar
    DesignSize design;  // outer size and canvas side at design size, in twips
};

inline constexpr int moduleCount = 8;

// The eight modules in the order of the start window's list.
const std::array<ModuleEntry, moduleCount> &moduleRegistry();

// Builds the window of the module at a list index.
std::unique_ptr<ModuleWindow> createModuleWindow(int index, ModuleContext &context);
