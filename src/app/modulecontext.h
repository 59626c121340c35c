#pragma once

#include <functional>

class Prompts;
class RandomSource;

// What the program hands every module window: the prompts, the random source, and the way back
// to the start window.
struct ModuleContext
{
    Prompts &prompts;
    RandomSource &random;
    std::function<void()> showStartWindow;
};
