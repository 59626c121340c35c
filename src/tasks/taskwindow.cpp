// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskwindow.h"

#include "core/textfile.h"
#include "kit/controls.h"
#include "kit/multilinetextbox.h"
#include "kit/prompts.h"
#include "tasks/directorylistbox.h"
#include "tasks/filelistbox.h"
#include "tasks/taskfilename.h"
#include "tasks/taskhost.h"
#include "tasks/taskwindowplace.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

using namespace tasks;

namespace {

// The names of the three boxes, as their frames show them.
const char *const boxNames[] = {QT_TRANSLATE_NOOP("TaskWindow", "Task"),
                                QT_TRANSLATE_NOOP("TaskWindow", "Hint"),
                                QT_TRANSLATE_NOOP("TaskWindow", "Conclusion")};

QString boxName(Section section)
{
    return QCoreApplication::translate("TaskWindow", boxNames[std::size_t(section)]);
}

// Each character as itself and by its code, since some cannot be seen: "√ (U+221A)".
QString characterList(const QString &characters)
{
    QStringList named;
    for (const char32_t codePoint : characters.toUcs4())
        named.append(
            QStringLiteral("%1 (U+%2)")
                .arg(QString::fromUcs4(&codePoint, 1), QString::number(uint(codePoint), 16)
                                                           .toUpper()
                                                           .rightJustified(4, QLatin1Char('0'))));
    return named.join(QStringLiteral(", "));
}

QString refusalMessage(const Refusal &refusal)
{
    switch (refusal.reason) {
    case Refusal::Reason::SeparatorLine:
        //: %1 is the name of a box: Task, Hint or Conclusion.
        return QCoreApplication::translate(
                   "TaskWindow", "The %1 box has a line that holds only \"$\". A task file cannot "
                                 "keep it: it would split the text when the file is read. Nothing "
                                 "has been saved.")
            .arg(boxName(refusal.section));
    case Refusal::Reason::UnencodableCharacters:
        //: %1 lists the characters, each with its code: "√ (U+221A)".
        return (refusal.characters.toUcs4().size() == 1
                    ? QCoreApplication::translate(
                          "TaskWindow",
                          "A task file cannot hold the character %1. Nothing has been saved.")
                    : QCoreApplication::translate(
                          "TaskWindow",
                          "A task file cannot hold the characters %1. Nothing has been saved."))
            .arg(characterList(refusal.characters));
    }
    return {};
}

} // namespace

TaskWindow::TaskWindow(TaskHost &host, const QStringList &moduleTitles, int startListIndex)
    : m_host(host)
{
    setObjectName(QStringLiteral("editor"));
    setWindowTitle(tr("Task-editor"));
    resizeClientInTwips(this, 11880, 1905);

    auto *openButton = add<QPushButton>(this, "Command1", {120, 0, 735, 375}, tr("&Open"));
    m_hintButton = add<QPushButton>(this, "Command4", {120, 480, 735, 375}, tr("&Hint"));
    m_saveButton = add<QPushButton>(this, "Command2", {120, 720, 735, 375}, tr("&Save"));
    m_conclusionButton = add<QPushButton>(this, "Command5", {120, 960, 735, 375}, tr("&Conclus"));
    auto *endButton = add<QPushButton>(this, "Command3", {120, 1440, 735, 375}, tr("&End"));
    m_modules = add<QListWidget>(this, "List1", {960, 0, 1815, 645});
    m_modules->addItems(moduleTitles);
    m_directories = add<DirectoryListBox>(this, "Dir1", {960, 720, 1815, 540});
    m_files = add<FileListBox>(this, "File1", {960, 1320, 1815, 480});
    // No label stands beside the three lists: a screen reader hears what each holds.
    m_modules->setAccessibleName(tr("Modules"));
    m_directories->setAccessibleName(tr("Folders"));
    m_files->setAccessibleName(tr("Task files"));
    auto *taskFrame = add<QGroupBox>(this, "Frame1", {2880, 0, 2895, 1815}, boxName(Section::Task));
    m_taskBox = add<MultiLineTextBox>(taskFrame, "Opgave", {120, 240, 2655, 1455});
    auto *hintFrame = add<QGroupBox>(this, "Frame2", {5880, 0, 2895, 1815}, boxName(Section::Hint));
    m_hintBox = add<MultiLineTextBox>(hintFrame, "Hint", {120, 240, 2655, 1455});
    auto *conclusionFrame =
        add<QGroupBox>(this, "Frame3", {8880, 0, 2895, 1815}, boxName(Section::Conclusion));
    m_conclusionBox = add<MultiLineTextBox>(conclusionFrame, "Besluit", {120, 240, 2655, 1455});
    // The lists are narrow: a long entry is cut off rather than given a scroll bar.
    for (QListWidget *list : {m_modules, static_cast<QListWidget *>(m_directories),
                              static_cast<QListWidget *>(m_files)})
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (MultiLineTextBox *box : {m_taskBox, m_hintBox, m_conclusionBox}) {
        // A scroll bar shows when the text does not fit, and only then.
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        connect(box, &MultiLineTextBox::textChanged, this, [this] {
            if (!m_writingBoxes && m_mode == Mode::Teacher)
                m_textsEdited = true;
        });
    }
    orderTabsByLayout(this);

    connect(openButton, &QPushButton::clicked, this, &TaskWindow::openTask);
    connect(m_hintButton, &QPushButton::clicked, this, [this] { read(Reader::Hint); });
    connect(m_saveButton, &QPushButton::clicked, this, &TaskWindow::save);
    connect(m_conclusionButton, &QPushButton::clicked, this, [this] { read(Reader::Conclusion); });
    connect(endButton, &QPushButton::clicked, this, &TaskWindow::end);
    // A row chosen with the mouse is taken once the click is over: a row put back in the middle
    // of the click would be selected again by the rest of it.
    connect(
        m_modules, &QListWidget::currentRowChanged, this,
        [this] {
            if (m_modules->currentRow() != m_shownModule)
                switchModule();
        },
        Qt::QueuedConnection);
    connect(m_directories, &DirectoryListBox::entered, this, &TaskWindow::enterDirectory);

    m_directories->setDirectory(QDir::currentPath());
    m_files->setDirectory(m_directories->directory());
    m_shownModule = startListIndex;
    showTaskFiles();
}

void TaskWindow::open(Mode mode, int moduleIndex)
{
    emptyBoxes();
    setMode(mode);
    // The module this window showed last may have been hidden since; another is shown by the
    // switch.
    if (moduleIndex == m_shownModule)
        showBeside(moduleIndex);
    {
        const QSignalBlocker selecting(m_modules);
        m_modules->setCurrentRow(moduleIndex);
    }
    switchModule();
    show();
    raise();
}

// The mode decides the buttons: "&Hint" and "&Conclus" for the pupil, "&Save" for the teacher.
void TaskWindow::setMode(Mode mode)
{
    m_mode = mode;
    m_saveButton->setVisible(mode == Mode::Teacher);
    m_hintButton->setVisible(mode == Mode::Pupil);
    m_conclusionButton->setVisible(mode == Mode::Pupil);
}

// The files of the chosen module in the directory shown.
void TaskWindow::showTaskFiles()
{
    if (!m_files->setPattern(taskFilePattern(m_modules->currentRow() + 1)))
        reportUnreadableDirectory(m_files->directory());
}

// A directory that cannot be listed is not entered: the lists stay as they were.
void TaskWindow::enterDirectory(const QString &path)
{
    if (!isListableDirectory(path)) {
        reportUnreadableDirectory(path);
        return;
    }
    m_directories->setDirectory(path);
    listDirectory();
}

void TaskWindow::listDirectory()
{
    if (!m_files->setDirectory(m_directories->directory()))
        reportUnreadableDirectory(m_directories->directory());
}

void TaskWindow::reportUnreadableDirectory(const QString &path)
{
    warn(tr("The directory \"%1\" cannot be read.").arg(QDir::toNativeSeparators(path)));
}

// Another module chosen in the list: its window takes the place of the one shown, and the boxes
// are emptied for its tasks.
void TaskWindow::switchModule()
{
    const int chosen = m_modules->currentRow();
    if (!mayDiscardTexts()) {
        const QSignalBlocker goingBack(m_modules);
        m_modules->setCurrentRow(m_shownModule);
        return;
    }
    if (chosen != m_shownModule) {
        if (m_moduleWindow)
            m_moduleWindow->hide();
        showBeside(chosen);
        m_shownModule = chosen;
    }
    emptyBoxes();
    showTaskFiles();
}

void TaskWindow::openTask()
{
    read(m_mode == Mode::Teacher ? Reader::Teacher : Reader::Pupil);
}

void TaskWindow::save()
{
    const int moduleNumber = m_modules->currentRow() + 1;
    const QString title =
        m_modules->currentItem() ? m_modules->currentItem()->text() : windowTitle();
    const std::optional<QString> name = m_host.prompts().input(this, tr("Save as"), title);
    if (!name)
        return;
    if (!isUsableTaskName(*name)) {
        warn(tr("The name \"%1\" holds a / or a \\, which a task's name cannot hold. Nothing has "
                "been saved.")
                 .arg(*name));
        return;
    }
    const std::variant<QByteArray, Refusal> encoded =
        encodeTask({m_taskBox->text(), m_hintBox->text(), m_conclusionBox->text()});
    if (const auto *refusal = std::get_if<Refusal>(&encoded)) {
        warn(refusalMessage(*refusal));
        return;
    }
    const QString fileName = taskFileName(*name, moduleNumber);
    const QString path = QDir(m_files->directory()).filePath(fileName);
    // Names are saved in capitals, so a new name can meet an old task: "Roots" is "ROOTS.OP 3".
    if (QFileInfo(path).isFile() &&
        !m_host.prompts().question(
            this,
            tr("The task file \"%1\" already exists. Do you want to replace it?").arg(fileName)))
        return;
    const std::optional<QString> failure = saveFile(path, std::get<QByteArray>(encoded));
    if (failure) {
        //: %1 is the file's name, %2 the reason the system gives.
        warn(tr("The task file \"%1\" cannot be saved (%2). Nothing has been written: a file of "
                "that name stays as it was.")
                 .arg(fileName, *failure));
        return;
    }
    m_textsEdited = false;
    m_files->refresh();
}

// Back to the start window; the module window stays open.
void TaskWindow::end()
{
    if (!mayDiscardTexts())
        return;
    emptyBoxes();
    hide();
    m_host.showStartWindow();
}

// Shows the module window at a list index, none for -1, and stands beside it from now on,
// following its moves.
void TaskWindow::showBeside(int moduleIndex)
{
    if (m_moduleWindow)
        m_moduleWindow->removeEventFilter(this);
    m_moduleWindow = moduleIndex >= 0 ? m_host.moduleWindow(moduleIndex) : nullptr;
    if (!m_moduleWindow)
        return;
    m_moduleWindow->show();
    m_moduleWindow->raise();
    m_moduleWindow->installEventFilter(this);
    placeBesideModuleWindow();
}

bool TaskWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool moduleChanged = watched == m_moduleWindow &&
                               (event->type() == QEvent::Move || event->type() == QEvent::Resize);
    const bool framed = m_placeWhenFramed && watched == windowHandle() &&
                        event->type() == QEvent::Expose && windowHandle()->isExposed();
    if (framed)
        m_placeWhenFramed = false;
    if (moduleChanged || framed)
        placeBesideModuleWindow();
    return QWidget::eventFilter(watched, event);
}

// A window is placed by its frame, which is known only once the window is on the screen: the
// place taken before is taken again then.
void TaskWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    placeBesideModuleWindow();
    m_placeWhenFramed = true;
    windowHandle()->removeEventFilter(this);
    windowHandle()->installEventFilter(this);
}

// Below the module window's frame, where the window manager put it, or where this window covers
// least of it when the screen has no room below.
void TaskWindow::placeBesideModuleWindow()
{
    if (m_moduleWindow)
        move(taskWindowPlace(m_moduleWindow->frameGeometry(), expectedFrameSize(),
                             m_moduleWindow->screen()->availableGeometry()));
}

// The size of this window's frame. Until this window has been on the screen its frame is not
// known: the module window's, from the same window manager, stands in for it.
QSize TaskWindow::expectedFrameSize() const
{
    QSize extent = frameGeometry().size() - size();
    if (m_moduleWindow)
        extent = extent.expandedTo(m_moduleWindow->frameGeometry().size() - m_moduleWindow->size());
    return size() + extent;
}

// The window system's close control acts as "&End".
void TaskWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    end();
}

void TaskWindow::read(Reader reader)
{
    const QString fileName = m_files->fileName();
    if (fileName.isEmpty()) {
        warn(tr("There is no file selected"));
        return;
    }
    const std::optional<QStringList> lines =
        readTextLines(QDir(m_files->directory()).filePath(fileName));
    if (!lines) {
        warn(tr("The task file \"%1\" cannot be read.").arg(fileName));
        return;
    }
    if (!mayDiscardTexts())
        return;
    setBoxes(readTask(reader, *lines));
    m_textsEdited = false;
}

void TaskWindow::setBoxes(const BoxTexts &texts)
{
    m_writingBoxes = true;
    const std::pair<MultiLineTextBox *, const std::optional<QString> &> boxes[] = {
        {m_taskBox, texts.task}, {m_hintBox, texts.hint}, {m_conclusionBox, texts.conclusion}};
    for (const auto &[box, text] : boxes) {
        if (text)
            box->setText(*text);
    }
    m_writingBoxes = false;
}

void TaskWindow::emptyBoxes()
{
    setBoxes({QString(), QString(), QString()});
    m_textsEdited = false;
}

// Texts changed in pupil mode are nobody's work to keep.
bool TaskWindow::mayDiscardTexts()
{
    if (m_mode != Mode::Teacher || !m_textsEdited)
        return true;
    return m_host.prompts().question(
        this, tr("The texts of this task have been changed and not saved. Do you want to throw the "
                 "changes away?"));
}

// Every message of this window reports something that could not be done.
void TaskWindow::warn(const QString &text)
{
    m_host.prompts().warning(this, text);
}
