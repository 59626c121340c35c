#include "app/application.h"

#include "app/Fst.h"
#include "app/Help.h"
#include "app/interfacefont.h"
#include "kit/modulewindow.h"
#include "tasks/editor.h"

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
    m_start = std::make_unique<Fst>(*this);
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

Help *Application::helpWindow()
{
    if (!m_help)
        m_help = std::make_unique<Help>();
    return m_help.get();
}

editor *Application::taskWindow(int startListIndex)
{
    if (!m_editor)
        m_editor = std::make_unique<editor>(*this, startListIndex);
    return m_editor.get();
}

QWidget *Application::existingWindow(const QString &name) const
{
    if (name == QLatin1String("Fst"))
        return m_start.get();
    if (name == QLatin1String("Help"))
        return m_help.get();
    if (name == QLatin1String("editor"))
        return m_editor.get();
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

void Application::end()
{
    m_ended = true;
    QCoreApplication::exit(0);
}
