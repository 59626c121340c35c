// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <functional>

class Prompts;
class RandomSource;
namespace conics {
struct FigureStore;
}

// What the program hands every module window: the prompts, the random source, the figure store
// that the two conics windows share, the way back to the start window, and whether canvases keep
// a log of what they draw (tests and the scenario runner read it; the program itself does not).
struct ModuleContext
{
    Prompts &prompts;
    RandomSource &random;
    conics::FigureStore &figures;
    std::function<void()> showStartWindow;
    bool logCanvasOperations = false;
};
