// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/application.h"

#include "app/informationwindow.h"
#include "app/interfacefont.h"
#include "app/startwindow.h"
#include "tasks/taskwindow.h"

#include <QCoreApplication>

Application::Application(Prompts &prompts, RandomSource &random, bool logCanvasOperations)
    : m_prompts(prompts), m_moduleContext{prompts, random, m_figures, [this] { showStartWindow(); },
                                          logCanvasOperations}
{
}

QStringList Application::windowNames()
{
    QStringList modules;
    for (const ModuleEntry &entry : moduleRegistry())
        modules.append(entry.windowName);
    modules.sort();
    return QStringList{QStringLiteral("Fst")} + modules +
           QStringList{QStringLiteral("editor"), QStringLiteral("Help")};
}

Application::~Application() = default;

void Application::start()
{
    applyInterfaceFont();
    m_start = std::make_unique<StartWindow>(*this);
    m_start->show();
}

ModuleWindow *Application::moduleWindow(int index)
{
    std::unique_ptr<ModuleWindow> &window = m_modules.at(std::size_t(index));
    if (!window) {
        const ModuleEntry &entry = moduleRegistry().at(std::size_t(index));
        window = entry.create(m_moduleContext, entry);
    }
    return window.get();
}

InformationWindow *Application::informationWindow()
{
    if (!m_information)
        m_information = std::make_unique<InformationWindow>();
    return m_information.get();
}

TaskWindow *Application::taskWindow(int startListIndex)
{
    if (!m_tasks) {
        QStringList titles;
        for (const ModuleEntry &entry : moduleRegistry())
            titles.append(entry.shownListText());
        m_tasks = std::make_unique<TaskWindow>(*this, titles, startListIndex);
    }
    return m_tasks.get();
}

QWidget *Application::existingWindow(const QString &name) const
{
    if (name == QLatin1String("Fst"))
        return m_start.get();
    if (name == QLatin1String("Help"))
        return m_information.get();
    if (name == QLatin1String("editor"))
        return m_tasks.get();
    for (std::size_t i = 0; i < m_modules.size(); ++i) {
        if (moduleRegistry()[i].windowName == name)
            return m_modules[i].get();
    }
    return nullptr;
}

void Application::showStartWindow()
{
    m_start->show();
}

bool Application::mayEnd()
{
    return !m_tasks || m_tasks->mayDiscardTexts();
}

void Application::end()
{
    m_ended = true;
    QCoreApplication::exit(0);
}
