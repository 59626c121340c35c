// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "randomwalk.h"

#include "badinput.h"
#include "commands.h"
#include "scriptedprompts.h"
#include "scriptedrandomsource.h"
#include "scripterror.h"
#include "textformat.h"
#include "useractions.h"
#include "walkchecks.h"
#include "walkfiles.h"
#include "walkrandom.h"

#include "app/application.h"
#include "app/moduleregistry.h"
#include "canvas/graphcanvas.h"
#include "kit/multilinetextbox.h"
#include "tasks/directorylistbox.h"
#include "tasks/taskfilename.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace walkchecks;

namespace {

// The longest an action may take. Sanitizers slow everything down several times; the limit is
// for the program as it ships.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUILLOR_WALK_SANITIZED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define QUILLOR_WALK_SANITIZED
#endif
#endif
#ifdef QUILLOR_WALK_SANITIZED
constexpr qint64 sanitizerSlowdown = 5;
#else
constexpr qint64 sanitizerSlowdown = 1;
#endif
constexpr qint64 slowActionMilliseconds = 2000 * sanitizerSlowdown;

// The program's directory, and where print jobs go, inside the walk's temporary directory.
const QString workName = u"work"_s;
const QString printName = u"print"_s;

// One step of the walk.
struct Action
{
    QString kind;        // what the summary counts it as
    QString description; // the script line that does it, or a comment for a change to the files
    std::function<void()> perform;
};

// The controls of a window that a user can reach now: shown and enabled, and named so that a
// script finds them.
QList<QWidget *> reachableControls(const QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_") ||
            window->findChild<QWidget *>(name) != control)
            continue;
        if (control->isVisible() && control->isEnabled())
            controls.append(control);
    }
    return controls;
}

bool isTextBox(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return !box->isReadOnly();
    if (const auto *box = qobject_cast<const MultiLineTextBox *>(control))
        return !box->isReadOnly();
    return false;
}

class Walk : public PromptAnswerer
{
public:
    Walk(const WalkOptions &options, QTextStream &out, QTextStream &errors);
    ~Walk() override;

    int run();

    std::optional<QString> answer(bool question, const QString &asked) override;
    QString printerFile() override;

private:
    bool prepare();
    void startProgram();
    void stopProgram();

    QList<QWidget *> visibleWindows() const;
    Action chooseAction();
    Action actionOn(QWidget *window);
    Action scriptAction(const QString &kind, const QString &line);
    QList<int> rowsInsideWork(const DirectoryListBox *directories) const;
    Action typing(const QString &name, QWidget *box);
    Action selecting(const QString &name, const QListWidget *list);
    Action pressingKeys(const QString &name, const QWidget *control);
    Action scrolling(const QString &name, const QScrollBar *bar);
    Action resizing(const QWidget *window);
    Action fileFault();

    std::optional<QString> check(qint64 milliseconds);
    std::optional<QString> checkTexts() const;
    std::optional<QString> checkCanvases() const;
    std::optional<QString> checkFiles() const;
    void tallyPrompts();
    void printSummary(qint64 milliseconds);

    WalkOptions m_options;
    QTextStream &m_out;
    QTextStream &m_errors;
    WalkRandom m_random;

    QTemporaryDir m_root;
    QString m_launchDirectory;
    QString m_workPath;
    DirectorySnapshot m_rootAtStart;
    DirectorySnapshot m_launchDirectoryAtStart;

    ScriptedPrompts m_prompts;
    ScriptedRandomSource m_programRandom;
    QString m_commandOutput;
    QTextStream m_commandStream{&m_commandOutput};
    std::unique_ptr<Application> m_application;
    std::unique_ptr<Commands> m_commands;

    // The text the walk last typed into each box: the user's own, whatever it says.
    std::map<const QWidget *, QString> m_typed;
    // The answers and printers of the current step, as the script lines that queue them.
    QStringList m_stepAnswers;
    bool m_printed = false;

    std::map<QString, qint64> m_actionCounts;
    std::map<QString, qint64> m_messageCounts;
    qint64 m_inputBoxes = 0;
    qint64 m_questionBoxes = 0;
    qint64 m_printJobs = 0;
    qint64 m_restarts = 0;
    qint64 m_slowest = -1;
    QString m_slowestStep;
};

Walk::Walk(const WalkOptions &options, QTextStream &out, QTextStream &errors)
    : m_options(options), m_out(out), m_errors(errors), m_random(options.seed),
      m_root(QDir(QDir::tempPath()).filePath(u"quillor-walk-XXXXXX"_s)),
      m_launchDirectory(QDir::currentPath())
{
    m_prompts.setAnswerer(this);
}

Walk::~Walk()
{
    stopProgram();
    QDir::setCurrent(m_launchDirectory);
}

bool Walk::prepare()
{
    const QDir root(m_root.path());
    if (!m_root.isValid() || !root.mkdir(workName) || !root.mkdir(printName)) {
        m_errors << "cannot make a temporary directory for the walk\n";
        return false;
    }
    // Something for the program to leave alone beside its own directory.
    root.mkdir(u"outside"_s);
    QFile outside(root.filePath(u"outside/"_s + tasks::taskFileName(u"outside"_s, 1)));
    if (!outside.open(QIODevice::WriteOnly) || outside.write(walkfiles::taskBytes(1)) < 0) {
        m_errors << "cannot write the walk's files\n";
        return false;
    }
    outside.close();

    const QDir work(root.filePath(workName));
    walkfiles::restore(work.path());
    if (!QDir::setCurrent(work.path())) {
        m_errors << "cannot change to the walk's directory\n";
        return false;
    }
    m_workPath = QDir::currentPath();
    m_rootAtStart = DirectorySnapshot::take(root.path(), true, {workName, printName});
    m_launchDirectoryAtStart =
        DirectorySnapshot::takeMatching(m_launchDirectory, walkfiles::taskFilePattern());
    startProgram();
    return true;
}

void Walk::startProgram()
{
    m_application = std::make_unique<Application>(m_prompts, m_programRandom, true);
    m_application->start();
    m_commands =
        std::make_unique<Commands>(*m_application, m_prompts, m_programRandom, m_commandStream);
}

void Walk::stopProgram()
{
    m_commands.reset();
    m_application.reset();
    m_typed.clear();
}

int Walk::run()
{
    if (!prepare())
        return 2;
    QElapsedTimer walkTime;
    walkTime.start();
    for (qint64 step = 1; step <= m_options.steps; ++step) {
        const Action action = chooseAction();
        m_stepAnswers.clear();
        m_printed = false;

        std::optional<QString> failure;
        QElapsedTimer timer;
        timer.start();
        try {
            action.perform();
        } catch (const ScriptError &error) {
            failure = error.reason();
        }
        const qint64 milliseconds = timer.elapsed();

        if (m_options.trace) {
            m_out << "# step " << step << '\n';
            for (const QString &line : std::as_const(m_stepAnswers))
                m_out << line << '\n';
            m_out << action.description << '\n';
            m_out.flush();
        }
        ++m_actionCounts[action.kind];
        if (milliseconds > m_slowest) {
            m_slowest = milliseconds;
            m_slowestStep = u"step %1: %2"_s.arg(step).arg(quotedExcerpt(action.description));
        }
        if (!failure)
            failure = check(milliseconds);
        if (failure) {
            m_root.setAutoRemove(false);
            m_errors << "walk failed: seed " << m_options.seed << ", step " << step << " of "
                     << m_options.steps << "\n  action: " << action.description
                     << "\n  fault: " << *failure << "\n  replay: quillor-drive --walk " << step
                     << " --seed " << m_options.seed << " --trace\n  files: " << m_root.path()
                     << '\n';
            return 1;
        }
        if (m_application->hasEnded()) {
            stopProgram();
            startProgram();
            ++m_restarts;
        }
    }
    printSummary(walkTime.elapsed());
    return 0;
}

QList<QWidget *> Walk::visibleWindows() const
{
    QList<QWidget *> windows;
    for (const QString &name : Application::windowNames()) {
        QWidget *window = m_application->existingWindow(name);
        if (window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

Action Walk::chooseAction()
{
    // Now and then the files change under the program's feet.
    if (m_random.chance(3))
        return fileFault();
    const QList<QWidget *> windows = visibleWindows();
    if (windows.isEmpty())
        return {u"none"_s, u"# no window is shown"_s,
                [] { throw ScriptError(u"the program runs on with no window shown"_s); }};
    return actionOn(m_random.pick(windows));
}

Action Walk::scriptAction(const QString &kind, const QString &line)
{
    return {kind, line, [this, line] { m_commands->run(line); }};
}

Action Walk::actionOn(QWidget *window)
{
    const QString windowName = window->objectName();
    const bool startWindow = windowName == u"Fst";
    QList<QWidget *> buttons, boxes, bars, lists, focusable;
    for (QWidget *control : reachableControls(window)) {
        const QString name = control->objectName();
        if (qobject_cast<QAbstractButton *>(control)) {
            // The start window's "&End" ends the program: a choice of its own, made rarely.
            if (!(startWindow && name == u"Command2"))
                buttons.append(control);
        } else if (isTextBox(control)) {
            boxes.append(control);
        } else if (qobject_cast<QScrollBar *>(control)) {
            bars.append(control);
        } else if (const auto *directories = qobject_cast<DirectoryListBox *>(control)) {
            if (!rowsInsideWork(directories).isEmpty())
                lists.append(control);
            // Keys would take it up and out of the program's directory.
            continue;
        } else if (const auto *list = qobject_cast<QListWidget *>(control)) {
            if (list->count() > 0)
                lists.append(control);
        }
        if (control->focusPolicy() != Qt::NoFocus && !(startWindow && name == u"Command2"))
            focusable.append(control);
    }
    const auto controlName = [&](const QWidget *control) {
        return windowName + u'.' + control->objectName();
    };

    struct Choice
    {
        int weight;
        std::function<Action()> make;
    };
    std::vector<Choice> choices;
    if (!buttons.isEmpty())
        choices.push_back({30, [&] {
                               return scriptAction(
                                   u"click"_s, u"click "_s + controlName(m_random.pick(buttons)));
                           }});
    if (!boxes.isEmpty())
        choices.push_back({25, [&] {
                               QWidget *box = m_random.pick(boxes);
                               return typing(controlName(box), box);
                           }});
    if (!bars.isEmpty())
        choices.push_back({15, [&] {
                               const QWidget *bar = m_random.pick(bars);
                               return scrolling(controlName(bar),
                                                qobject_cast<const QScrollBar *>(bar));
                           }});
    if (!lists.isEmpty())
        choices.push_back({15, [&] {
                               const QWidget *list = m_random.pick(lists);
                               return selecting(controlName(list),
                                                qobject_cast<const QListWidget *>(list));
                           }});
    if (!focusable.isEmpty())
        choices.push_back({5, [&] {
                               const QWidget *control = m_random.pick(focusable);
                               return pressingKeys(controlName(control), control);
                           }});
    choices.push_back({5, [&] { return resizing(window); }});
    if (startWindow) {
        if (hasBackground(window))
            choices.push_back({2, [&] { return scriptAction(u"click"_s, u"click Fst"_s); }});
        choices.push_back({1, [&] {
                               return scriptAction(u"end"_s, m_random.chance(50)
                                                                 ? u"click Fst.Command2"_s
                                                                 : u"close Fst"_s);
                           }});
    } else {
        choices.push_back({3, [&] { return scriptAction(u"close"_s, u"close "_s + windowName); }});
    }

    int total = 0;
    for (const Choice &choice : choices)
        total += choice.weight;
    int drawn = int(m_random.below(total));
    for (const Choice &choice : choices) {
        if (drawn < choice.weight)
            return choice.make();
        drawn -= choice.weight;
    }
    return choices.back().make();
}

// The rows of a directory list box that lead to the program's directory or below it: the walk
// stays inside, as what lies outside is not its to change.
QList<int> Walk::rowsInsideWork(const DirectoryListBox *directories) const
{
    QList<int> rows;
    for (int row = 0; row < directories->count(); ++row) {
        const QString path = directories->rowPath(row);
        if (path == m_workPath || path.startsWith(m_workPath + u'/'))
            rows.append(row);
    }
    return rows;
}

Action Walk::selecting(const QString &name, const QListWidget *list)
{
    const auto *directories = qobject_cast<const DirectoryListBox *>(list);
    const int row = directories ? m_random.pick(rowsInsideWork(directories))
                                : int(m_random.below(list->count()));
    return scriptAction(u"select"_s, u"select %1 %2"_s.arg(name).arg(row));
}

// Keys on a control that takes the focus, none of which types into a text box, so that what a
// box shows stays what the walk typed: a button gets one Space or Return (its handler may give a
// text box the focus, and a further key would type there); other controls a few keys that move
// within them; no Tab, and no arrow on a button, either of which moves the focus elsewhere.
Action Walk::pressingKeys(const QString &name, const QWidget *control)
{
    static const QStringList pressing = {u"Space"_s, u"Return"_s};
    static const QStringList moving = {u"Up"_s,   u"Down"_s, u"PgUp"_s, u"PgDown"_s,
                                       u"Home"_s, u"End"_s,  u"Left"_s, u"Right"_s};
    if (qobject_cast<const QAbstractButton *>(control))
        return scriptAction(u"key"_s, u"key %1 %2"_s.arg(name, m_random.pick(pressing)));
    QStringList pressed;
    for (qsizetype count = m_random.between(1, 3); count > 0; --count)
        pressed.append(m_random.pick(moving));
    return scriptAction(u"key"_s, u"key %1 %2"_s.arg(name, pressed.join(u' ')));
}

Action Walk::typing(const QString &name, QWidget *box)
{
    const QString text = m_random.chance(70) ? m_random.pick(badinput::texts())
                                             : m_random.pick(badinput::ordinaryNumbers());
    const QString line = u"type %1 %2"_s.arg(name, quoted(text));
    return {u"type"_s, line, [this, line, box, text] {
                m_typed[box] = text;
                m_commands->run(line);
            }};
}

Action Walk::scrolling(const QString &name, const QScrollBar *bar)
{
    // The ends of a slider's range are where its values are most extreme.
    int position = m_random.between(bar->minimum(), bar->maximum());
    if (m_random.chance(30))
        position = m_random.chance(50) ? bar->minimum() : bar->maximum();
    return scriptAction(u"scroll"_s, u"scroll %1 %2"_s.arg(name).arg(position));
}

Action Walk::resizing(const QWidget *window)
{
    constexpr int largest = 16000;
    int width = m_random.between(0, largest);
    int height = m_random.between(0, largest);
    // Often near the design size of a module window, where its graphs are meant to be seen.
    for (const ModuleEntry &entry : moduleRegistry()) {
        if (entry.windowName == window->objectName() && m_random.chance(50)) {
            width = int(entry.design.width) + m_random.between(-600, 600);
            height = int(entry.design.height) + m_random.between(-600, 600);
        }
    }
    return scriptAction(u"resize"_s,
                        u"resize %1 %2 %3"_s.arg(window->objectName()).arg(width).arg(height));
}

// A file removed, or turned into a directory, between the task window's listing and its use; a
// directory removed while it is shown; pw.txt turned into a directory; or the files put back.
Action Walk::fileFault()
{
    const walkfiles::Contents contents = walkfiles::contentsOf(m_workPath);
    const QStringList &taskFiles = contents.taskFiles;
    const QStringList &directories = contents.directories;

    const auto fault = [](const QString &description, std::function<void()> perform) {
        return Action{u"file fault"_s, u"# "_s + description, std::move(perform)};
    };
    const int kind = int(m_random.below(100));
    if (kind < 20 && !taskFiles.isEmpty()) {
        const QString path = m_random.pick(taskFiles);
        return fault(u"the task file %1 is removed"_s.arg(quoted(path)),
                     [this, path] { QDir(m_workPath).remove(path); });
    }
    if (kind < 35 && !taskFiles.isEmpty()) {
        const QString path = m_random.pick(taskFiles);
        return fault(u"the task file %1 becomes a directory"_s.arg(quoted(path)),
                     [this, path] { walkfiles::replaceByDirectory(m_workPath, path); });
    }
    if (kind < 50 && !directories.isEmpty()) {
        const QString path = m_random.pick(directories);
        return fault(u"the directory %1 is removed"_s.arg(quoted(path)),
                     [this, path] { QDir(QDir(m_workPath).filePath(path)).removeRecursively(); });
    }
    if (kind < 60) {
        return fault(u"pw.txt becomes a directory"_s,
                     [this] { walkfiles::replaceByDirectory(m_workPath, u"pw.txt"_s); });
    }
    return fault(u"the walk's files are put back"_s, [this] { walkfiles::restore(m_workPath); });
}

std::optional<QString> Walk::answer(bool question, const QString &asked)
{
    std::optional<QString> reply;
    if (question) {
        ++m_questionBoxes;
        reply = m_random.chance(50) ? u"Yes"_s : u"No"_s;
    } else if (!m_random.chance(10)) {
        if (asked == u"Identity:" && m_random.chance(60))
            reply = walkfiles::identity();
        else if (asked == u"Save as" && m_random.chance(50))
            reply = m_random.pick(badinput::taskNames());
        else
            reply = m_random.pick(badinput::texts());
    }
    m_stepAnswers.append(reply ? u"answer "_s + quoted(*reply) : u"cancel"_s);
    return reply;
}

QString Walk::printerFile()
{
    m_printed = true;
    ++m_printJobs;
    const QString path = QDir(m_root.path()).filePath(printName + u"/graph.pdf"_s);
    m_stepAnswers.append(u"printer "_s + quoted(path));
    return path;
}

std::optional<QString> Walk::check(qint64 milliseconds)
{
    tallyPrompts();
    if (milliseconds >= slowActionMilliseconds)
        return u"the action took %1 ms, more than %2"_s.arg(milliseconds)
            .arg(slowActionMilliseconds);
    if (std::optional<QString> failure = checkTexts())
        return failure;
    if (std::optional<QString> failure = checkCanvases())
        return failure;
    if (m_printed && m_prompts.lastJob()) {
        for (const PrintedPage &page : *m_prompts.lastJob()) {
            if (std::optional<QString> fault = operationFault(page.operations))
                return u"the printed page's "_s + *fault;
        }
    }
    return checkFiles();
}

std::optional<QString> Walk::checkTexts() const
{
    for (const QString &windowName : Application::windowNames()) {
        if (const QWidget *window = m_application->existingWindow(windowName)) {
            if (std::optional<QString> fault = textFault(*window, m_typed))
                return fault;
        }
    }
    return std::nullopt;
}

std::optional<QString> Walk::checkCanvases() const
{
    for (const ModuleEntry &entry : moduleRegistry()) {
        const QWidget *window = m_application->existingWindow(entry.windowName);
        const auto *canvas =
            window ? window->findChild<const GraphCanvas *>(u"Picture1"_s) : nullptr;
        if (!canvas)
            continue;
        if (std::optional<QString> fault = operationFault(canvas->log()))
            return u"%1.Picture1's %2"_s.arg(entry.windowName, *fault);
    }
    return std::nullopt;
}

std::optional<QString> Walk::checkFiles() const
{
    const DirectorySnapshot root =
        DirectorySnapshot::take(m_root.path(), true, {workName, printName});
    if (const std::optional<QString> change = root.changeSince(m_rootAtStart))
        return u"outside the program's directory, %1"_s.arg(*change);
    // Other files there may be the walk's own output.
    const DirectorySnapshot launch =
        DirectorySnapshot::takeMatching(m_launchDirectory, walkfiles::taskFilePattern());
    if (const std::optional<QString> change = launch.changeSince(m_launchDirectoryAtStart))
        return u"in the directory the walk started in, %1"_s.arg(*change);
    return std::nullopt;
}

// Forgets the messages and input boxes shown, counting them.
void Walk::tallyPrompts()
{
    for (const ScriptedPrompts::Message &message : m_prompts.takeMessages()) {
        if (!message.question)
            ++m_messageCounts[message.text.section(u'\r', 0, 0).left(70)];
    }
    m_inputBoxes += m_prompts.takePrompts().size();
}

void Walk::printSummary(qint64 milliseconds)
{
    m_out << "walk of " << m_options.steps << " actions with seed " << m_options.seed
          << ": every action held\n";
    m_out << "time " << formatNumber(double(milliseconds) / 1000) << " s, slowest action "
          << m_slowest << " ms at " << m_slowestStep << '\n';
    QStringList kinds;
    for (const auto &[kind, count] : m_actionCounts)
        kinds.append(u"%1 %2"_s.arg(kind).arg(count));
    m_out << "actions: " << kinds.join(u", "_s) << '\n';
    qint64 messages = 0;
    for (const auto &[text, count] : m_messageCounts)
        messages += count;
    m_out << "program: " << messages << " messages, " << m_inputBoxes << " input boxes, "
          << m_questionBoxes << " question boxes, " << m_printJobs << " print jobs, " << m_restarts
          << " restarts\n";

    std::vector<std::pair<qint64, QString>> byCount;
    for (const auto &[text, count] : m_messageCounts)
        byCount.emplace_back(count, text);
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    constexpr std::size_t shown = 12;
    for (std::size_t i = 0; i < std::min(shown, byCount.size()); ++i)
        m_out << "  " << byCount[i].first << " x " << quoted(byCount[i].second) << '\n';
    m_out.flush();
}

} // namespace

int runWalk(const WalkOptions &options, QTextStream &out, QTextStream &errors)
{
    Walk walk(options, out, errors);
    return walk.run();
}
