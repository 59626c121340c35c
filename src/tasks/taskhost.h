#pragma once

class Prompts;
class QWidget;

// What the task window needs of the program around it: the module windows it stands beside, the
// prompts and the way back to the start window.
class TaskHost
{
public:
    virtual ~TaskHost() = default;

    // Shows the module window at an index of the module list, created on first use, above the
    // other windows, and returns it.
    virtual QWidget *showModuleWindow(int index) = 0;

    // Hides the module window at an index of the module list, if it has been created.
    virtual void hideModuleWindow(int index) = 0;

    virtual Prompts &prompts() = 0;

    virtual void showStartWindow() = 0;
};
