// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/startwindow.h"

#include "app/application.h"
#include "app/identity.h"
#include "app/informationwindow.h"
#include "app/installeddata.h"
#include "app/moduleregistry.h"
#include "app/translations.h"
#include "app/version.h"
#include "core/textfile.h"
#include "kit/controls.h"
#include "kit/prompts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString identityFile = QStringLiteral("pw.txt");
const QString readmeFile = QStringLiteral("readme.txt");

} // namespace

StartWindow::StartWindow(Application &application) : m_application(application)
{
    setObjectName(QStringLiteral("Fst"));
    //: The program's name, as the start window's title.
    setWindowTitle(tr("Quillor"));
    resizeClientInTwips(this, 4290, 1815);

    m_modules = add<QListWidget>(this, "List1", {120, 120, 2415, 1620});
    // No label stands beside the list: a screen reader hears what it holds.
    m_modules->setAccessibleName(tr("Modules"));
    auto *selectButton = add<QPushButton>(this, "Command1", {2640, 240, 735, 375}, tr("&Select"));
    auto *infoButton = add<QPushButton>(this, "Command5", {3480, 240, 735, 375}, tr("&Info"));
    auto *taskButton = add<QPushButton>(this, "Command4", {2640, 720, 735, 375}, tr("&Task"));
    auto *endButton = add<QPushButton>(this, "Command2", {3480, 720, 735, 375}, tr("&End"));
    auto *editorButton = add<QPushButton>(this, "Command3", {2640, 1200, 735, 375}, tr("&Editor"));
    orderTabsByLayout(this);

    connect(selectButton, &QPushButton::clicked, this, [this] {
        if (moduleChosen())
            showChosenModule();
    });
    connect(infoButton, &QPushButton::clicked, this, &StartWindow::showReadme);
    connect(taskButton, &QPushButton::clicked, this,
            [this] { openTaskWindow(TaskWindow::Mode::Pupil); });
    connect(endButton, &QPushButton::clicked, this, &StartWindow::endProgram);
    connect(editorButton, &QPushButton::clicked, this, &StartWindow::openTaskForTeacher);

    for (const ModuleEntry &entry : moduleRegistry())
        m_modules->addItem(entry.shownListText());
    m_modules->setCurrentRow(0);
    m_modules->setFocus();
}

// A click on the window's background, not on a control: the left button let go over it.
void StartWindow::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        showProgramInfo();
}

// The window system's close control acts as "&End".
void StartWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    endProgram();
}

// Ends the program, unless the teacher keeps texts of the task window that are not saved.
void StartWindow::endProgram()
{
    if (m_application.mayEnd())
        m_application.end();
}

// The version box.
void StartWindow::showProgramInfo()
{
    //: The first line of the version box; %1 is the version number, followed by seven blanks.
    const QString versionLine = tr("Version %1       Made by the Quillor developers")
                                    .arg(QString::fromLatin1(quillorVersion));
    const QStringList lines = {versionLine,
                               tr("The Quillor project"),
                               tr("Found at: the Quillor repository, with its README"),
                               tr("Reached through: the issues of the Quillor repository"),
                               QString(),
                               tr("Commentaar en suggesties welkom")};
    m_application.prompts().message(this, lines.join(QStringLiteral("\r\n")));
}

// The list's current row counts only while it is selected: a Ctrl+click can clear the selection
// and leave the current row behind.
bool StartWindow::moduleChosen() const
{
    const QListWidgetItem *item = m_modules->currentItem();
    return item && item->isSelected();
}

QString StartWindow::cannotReadMessage(const QString &fileName)
{
    return tr("The file %1 cannot be read.").arg(fileName);
}

void StartWindow::showChosenModule()
{
    ModuleWindow *window = m_application.moduleWindow(m_modules->currentRow());
    window->show();
    window->raise();
}

// The chosen module beside the task window: for the pupil, who opens a task and its hint and
// conclusion, or for the teacher, who writes and saves tasks.
void StartWindow::openTaskWindow(TaskWindow::Mode mode)
{
    if (!moduleChosen())
        return;
    const int module = m_modules->currentRow();
    TaskWindow *tasks = m_application.taskWindow(module);
    if (!tasks->mayDiscardTexts())
        return;
    hide();
    tasks->open(mode, module);
}

// The teacher's way, behind the identity kept in pw.txt. The file is looked for before the
// identity is asked: without it, no identity can open anything.
void StartWindow::openTaskForTeacher()
{
    const std::optional<QStringList> lines = readTextLines(QDir::current().filePath(identityFile));
    if (!lines) {
        //: %1 is the file's name, pw.txt; %2 the folder.
        m_application.prompts().warning(
            this, tr("The file %1 cannot be read. It was looked for in the folder \"%2\".")
                      .arg(identityFile, QDir::toNativeSeparators(QDir::currentPath())));
        return;
    }
    const std::optional<QString> identity =
        m_application.prompts().input(this, tr("Identity:"), {}, {}, InputEcho::Hidden);
    if (!identityOpensEditor(*lines, identity.value_or(QString()))) {
        m_application.prompts().warning(this, tr("No access"));
        return;
    }
    openTaskWindow(TaskWindow::Mode::Teacher);
}

// The readme of the working directory, else the one installed with the program: started from a
// desktop menu, the program runs in the home folder. In a translated language its translation
// of the readme (readme_nl.txt) comes first where there is one.
void StartWindow::showReadme()
{
    const QString path = shippedFilePath(readmeFile, QDir::current(), installedDataDirectory(),
                                         translationLanguage());
    const std::optional<QStringList> lines = readTextLines(path);
    if (!lines) {
        m_application.prompts().warning(this, cannotReadMessage(QFileInfo(path).fileName()));
        return;
    }
    QString text;
    for (const QString &line : *lines)
        text += line + QStringLiteral("\r\n");
    InformationWindow *information = m_application.informationWindow();
    information->showText(text);
    information->show();
    information->raise();
}
