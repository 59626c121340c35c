#pragma once

#include <functional>

class Prompts;
class RandomSource;

// What the program hands every module window: the prompts, the random source, the way back to
// the start window, and whether canvases keep a log of what they draw (tests and the scenario
// runner read it; the program itself does not).
struct ModuleContext
{
    Prompts &prompts;
    RandomSource &random;
    std::function<void()> showStartWindow;
    bool logCanvasOperations = false;
};
