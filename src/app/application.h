// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "app/moduleregistry.h"
#include "kit/modulecontext.h"
#include "kit/modulewindow.h"
#include "modules/conics/figurestore.h"
#include "tasks/taskhost.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class InformationWindow;
class Prompts;
class QWidget;
class RandomSource;
class StartWindow;
class TaskWindow;

// The running program: it owns every window, creates each on first use and keeps it until the
// program ends, so hiding and showing a window keeps everything in it.
class Application : public TaskHost
{
public:
    // With logCanvasOperations, every canvas keeps a log of what it drew since it was last
    // cleared, for the scenario runner and tests.
    Application(Prompts &prompts, RandomSource &random, bool logCanvasOperations = false);

    // The names of the program's windows: the start window, the module windows in the order of
    // their names, the task window and the information window.
    static QStringList windowNames();
    ~Application() override;

    // Sets the interface font, then creates and shows the start window, and nothing else.
    void start();

    // The module window at a list index of the start window, created on first use.
    ModuleWindow *moduleWindow(int index) override;

    // The information window, created on first use.
    InformationWindow *informationWindow();

    // The task window, created on first use beside the module at the start window's list index.
    TaskWindow *taskWindow(int startListIndex);

    // A window by its name (Fst, Fa ... Fh, editor, Help) if it has been created, else nullptr.
    QWidget *existingWindow(const QString &name) const;

    void showStartWindow() override;

    // Whether the program may end: true unless the task window holds texts that the teacher
    // edited and, asked, chose to keep.
    bool mayEnd();

    // Ends the program at once: nothing is asked or saved.
    void end();
    bool hasEnded() const { return m_ended; }

    Prompts &prompts() override { return m_prompts; }

private:
    Prompts &m_prompts;
    conics::FigureStore m_figures;
    ModuleContext m_moduleContext;
    std::unique_ptr<StartWindow> m_start;
    std::array<std::unique_ptr<ModuleWindow>, moduleCount> m_modules;
    std::unique_ptr<InformationWindow> m_information;
    std::unique_ptr<TaskWindow> m_tasks;
    bool m_ended = false;
};
