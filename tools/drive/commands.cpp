// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "commands.h"

#include "accessiblelisting.h"
#include "mnemonics.h"
#include "operationlisting.h"
#include "pseudotranslation.h"
#include "scriptedprompts.h"
#include "scriptedrandomsource.h"
#include "scripterror.h"
#include "textformat.h"
#include "useractions.h"
#include "windowlookup.h"

#include "app/application.h"
#include "canvas/graphcanvas.h"
#include "canvas/twips.h"
#include "kit/modulewindow.h"
#include "kit/multilinetextbox.h"
#include "tasks/directorylistbox.h"
#include "tasks/filelistbox.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextStream>
#include <QTimer>

using namespace Qt::StringLiterals;

#include <algorithm>
#include <cmath>

namespace {

// Resizing beyond this would only make the offscreen window's buffers huge.
constexpr double largestWindowTwips = 100000;

int wholeNumber(const ScriptWord &word)
{
    bool ok = false;
    const int number = word.text.toInt(&ok);
    if (!ok)
        throw ScriptError(
            QStringLiteral("bad arguments: %1 is not a whole number").arg(quoted(word.text)));
    return number;
}

double number(const ScriptWord &word)
{
    bool ok = false;
    const double number = word.text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw ScriptError(
            QStringLiteral("bad arguments: %1 is not a number").arg(quoted(word.text)));
    return number;
}

// A text box's text, any other control's caption, or the window's caption.
QString targetText(const Target &target)
{
    const QWidget *control = target.control;
    if (!control)
        return target.window->windowTitle();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *box = qobject_cast<const MultiLineTextBox *>(control))
        return box->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    throw wrongKind(target, QStringLiteral("a control with a text or a caption"));
}

// The row of a list box that is selected, -1 for none. The current row alone does not count: a
// Ctrl+click clears the selection and leaves the current row where it was.
int selectedRow(const QListWidget &list)
{
    const QListWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? list.currentRow() : -1;
}

// The first row of a list box with exactly this text, -1 for none.
int rowNamed(const QListWidget &list, const QString &text)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text() == text)
            return row;
    }
    return -1;
}

// Runs what the last command set going: posted events, and the window system's events that
// showing, hiding and resizing windows cause. A handler may post more, so repeat until a pass
// finds nothing; the bound guards against a control that keeps posting.
void processPendingEvents()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 100; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!dispatcher->processEvents(QEventLoop::AllEvents))
            return;
    }
}

} // namespace

const Commands::Command Commands::commands[] = {
    {"click", "click W.C or click W", 1, 1, &Commands::click},
    {"type", "type W.C TEXT", 2, 2, &Commands::type},
    {"scroll", "scroll W.C N", 2, 2, &Commands::scroll},
    {"select", "select W.C N or select W.C \"NAME\"", 2, 2, &Commands::select},
    {"check", "check W.C 0 or check W.C 1", 2, 2, &Commands::check},
    {"resize", "resize W WIDTH HEIGHT", 3, 3, &Commands::resize},
    {"close", "close W", 1, 1, &Commands::close},
    {"key", "key W.C KEYS... or key W KEYS...", 2, -1, &Commands::key},
    {"answer", "answer TEXT", 1, 1, &Commands::answer},
    {"cancel", "cancel", 0, 0, &Commands::cancel},
    {"printer", "printer FILE", 1, 1, &Commands::printer},
    {"export", "export W FILE", 2, 2, &Commands::exportGraph},
    {"random", "random V1 V2 ...", 1, -1, &Commands::random},
    {"wait", "wait MS", 1, 1, &Commands::wait},
    {"text", "text W.C or text W", 1, 1, &Commands::text},
    {"value", "value W.C", 1, 1, &Commands::value},
    {"rows", "rows W.C", 1, 1, &Commands::rows},
    {"visible", "visible W.C or visible W", 1, 1, &Commands::visible},
    {"windows", "windows", 0, 0, &Commands::windows},
    {"messages", "messages", 0, 0, &Commands::messages},
    {"prompts", "prompts", 0, 0, &Commands::prompts},
    {"canvas", "canvas W or canvas W ops", 1, 2, &Commands::canvas},
    {"printed", "printed", 0, 0, &Commands::printed},
    {"geometry", "geometry W.C", 1, 1, &Commands::geometry},
    {"focus", "focus W", 1, 1, &Commands::focus},
    {"accessible", "accessible W.C", 1, 1, &Commands::accessible},
    {"untranslated", "untranslated W", 1, 1, &Commands::untranslated},
    {"mnemonics", "mnemonics W", 1, 1, &Commands::mnemonics},
    {"file", "file NAME", 1, 1, &Commands::file},
    {"echo", "echo TEXT", 0, -1, &Commands::echo},
    {"expect", "expect W.C TEXT or expect W TEXT", 2, 2, &Commands::expect},
};

Commands::Commands(Application &application, ScriptedPrompts &prompts, ScriptedRandomSource &random,
                   QTextStream &out)
    : m_application(application), m_prompts(prompts), m_random(random), m_out(out)
{
    // The program has just shown its start window: the first line finds it settled.
    processPendingEvents();
}

void Commands::run(const QString &line)
{
    if (isSkippedLine(line))
        return;
    Arguments arguments = splitWords(line);
    const ScriptWord name = arguments.takeFirst();
    const auto command =
        std::find_if(std::begin(commands), std::end(commands),
                     [&](const Command &c) { return name.text == QLatin1StringView(c.name); });
    if (command == std::end(commands))
        throw ScriptError(QStringLiteral("unknown command %1").arg(name.text));
    const qsizetype count = arguments.size();
    if (count < command->minimumArguments ||
        (command->maximumArguments >= 0 && count > command->maximumArguments))
        throw ScriptError(
            QStringLiteral("bad arguments: usage: %1").arg(QLatin1StringView(command->usage)));

    (this->*command->run)(arguments);
    processPendingEvents();
    if (const std::optional<QString> failure = m_prompts.takeFailure())
        throw ScriptError(*failure);
    m_out.flush();
}

void Commands::print(const QString &line)
{
    m_out << line << '\n';
}

void Commands::click(const Arguments &arguments)
{
    const Target target = requireReachable(findTarget(m_application, arguments[0].text));
    if (!target.control) {
        if (!clickBackground(target.window))
            throw ScriptError(QStringLiteral("%1 has no background to click").arg(target.name));
        return;
    }
    auto *button = qobject_cast<QAbstractButton *>(target.control);
    if (!button)
        throw wrongKind(target, QStringLiteral("a button, check box or option button"));
    button->click();
}

void Commands::type(const Arguments &arguments)
{
    const Target target = requireReachable(findControl(m_application, arguments[0].text));
    const QString &text = arguments[1].text;
    if (auto *box = qobject_cast<QLineEdit *>(target.control)) {
        if (box->isReadOnly())
            throw ScriptError(QStringLiteral("%1 is read-only").arg(target.name));
        box->setText(text);
    } else if (auto *multiLine = qobject_cast<MultiLineTextBox *>(target.control)) {
        if (multiLine->isReadOnly())
            throw ScriptError(QStringLiteral("%1 is read-only").arg(target.name));
        multiLine->setText(text);
    } else {
        throw wrongKind(target, QStringLiteral("a text box"));
    }
}

void Commands::scroll(const Arguments &arguments)
{
    const Target target = requireReachable(findControl(m_application, arguments[0].text));
    auto *bar = qobject_cast<QScrollBar *>(target.control);
    if (!bar)
        throw wrongKind(target, QStringLiteral("a scroll bar"));
    const int position = wholeNumber(arguments[1]);
    if (position < bar->minimum() || position > bar->maximum())
        throw ScriptError(QStringLiteral("bad arguments: %1 moves from %2 to %3, not to %4")
                              .arg(target.name)
                              .arg(bar->minimum())
                              .arg(bar->maximum())
                              .arg(position));
    bar->setValue(position);
}

void Commands::select(const Arguments &arguments)
{
    const Target target = requireReachable(findControl(m_application, arguments[0].text));
    const ScriptWord &which = arguments[1];
    if (selectDirectoryOrFile(target, which))
        return;
    auto *list = qobject_cast<QListWidget *>(target.control);
    if (!list)
        throw wrongKind(target, QStringLiteral("a list box"));
    bool isIndex = false;
    int row = which.quoted ? -1 : which.text.toInt(&isIndex);
    if (!isIndex) {
        row = rowNamed(*list, which.text);
        if (row < 0)
            throw ScriptError(
                QStringLiteral("%1 has no row %2").arg(target.name, quoted(which.text)));
    } else if (row < 0 || row >= list->count()) {
        throw ScriptError(QStringLiteral("bad arguments: %1 has rows 0 to %2, not %3")
                              .arg(target.name)
                              .arg(list->count() - 1)
                              .arg(row));
    }
    clickRow(list, row);
}

void Commands::check(const Arguments &arguments)
{
    const Target target = requireReachable(findControl(m_application, arguments[0].text));
    auto *box = qobject_cast<QCheckBox *>(target.control);
    if (!box)
        throw wrongKind(target, QStringLiteral("a check box"));
    const int state = wholeNumber(arguments[1]);
    if (state != 0 && state != 1)
        throw ScriptError(QStringLiteral("bad arguments: usage: check W.C 0 or check W.C 1"));
    box->setChecked(state == 1);
}

void Commands::resize(const Arguments &arguments)
{
    const Target target = requireReachable(findTarget(m_application, arguments[0].text));
    if (target.control)
        throw wrongKind(target, QStringLiteral("a window"));
    const double width = number(arguments[1]);
    const double height = number(arguments[2]);
    if (width < 0 || height < 0 || width > largestWindowTwips || height > largestWindowTwips)
        throw ScriptError(
            QStringLiteral("bad arguments: a window's size lies between 0 and %1 twips")
                .arg(formatNumber(largestWindowTwips)));
    resizeOuter(target.window, width, height);
}

void Commands::close(const Arguments &arguments)
{
    const Target target = requireReachable(findTarget(m_application, arguments[0].text));
    if (target.control)
        throw wrongKind(target, QStringLiteral("a window"));
    target.window->close();
}

// Gives the named control the focus, as a click on it would, then presses the keys one after
// another on whatever has the focus by then.
void Commands::key(const Arguments &arguments)
{
    const Target target = requireReachable(findTarget(m_application, arguments[0].text));
    QList<QKeyCombination> keys;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const std::optional<QKeyCombination> key = keyNamed(arguments[i].text);
        if (!key)
            throw ScriptError(
                QStringLiteral("bad arguments: %1 is no key").arg(quoted(arguments[i].text)));
        keys.append(*key);
    }
    activate(target.window);
    if (target.control) {
        if (target.control->focusPolicy() == Qt::NoFocus)
            throw ScriptError(QStringLiteral("%1 cannot take the focus").arg(target.name));
        target.control->setFocus(Qt::MouseFocusReason);
    }
    for (const QKeyCombination key : keys) {
        // The canvas menu would wait for a user to choose from it; `export` saves the graph.
        const bool asksForMenu = key == QKeyCombination(Qt::Key_Menu) ||
                                 key == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
        if (asksForMenu && qobject_cast<GraphCanvas *>(target.window->focusWidget()))
            throw ScriptError(QStringLiteral("the canvas menu is not for scripts: use export"));
        pressKey(target.window, key);
        processPendingEvents();
        if (!target.window->isVisible())
            break;
    }
}

void Commands::answer(const Arguments &arguments)
{
    m_prompts.queueAnswer(arguments[0].text);
}

void Commands::cancel(const Arguments &)
{
    m_prompts.queueAnswer(std::nullopt);
}

void Commands::printer(const Arguments &arguments)
{
    m_prompts.queuePrinter(arguments[0].text);
}

// Saves a module window's graph as its canvas menu's "Save graph as…" would, without the dialog.
// A file that could not be written shows the window's message, as for a user.
void Commands::exportGraph(const Arguments &arguments)
{
    const Target target = requireReachable(findTarget(m_application, arguments[0].text));
    auto *window = qobject_cast<ModuleWindow *>(target.window);
    if (target.control || !window)
        throw wrongKind(target, QStringLiteral("a module window"));
    window->saveGraph(arguments[1].text);
}

void Commands::random(const Arguments &arguments)
{
    QList<float> values;
    for (const ScriptWord &word : arguments) {
        const auto value = float(number(word));
        if (value < 0 || value >= 1)
            throw ScriptError(
                QStringLiteral("bad arguments: %1 is not in [0, 1) as a float").arg(word.text));
        values.append(value);
    }
    for (const float value : values)
        m_random.queue(value);
}

// Runs the event loop, so that an outside client (a screen reader on the accessibility bus, a
// screenshot tool) can read the windows meanwhile.
void Commands::wait(const Arguments &arguments)
{
    const int milliseconds = wholeNumber(arguments[0]);
    if (milliseconds < 0)
        throw ScriptError(QStringLiteral("bad arguments: usage: wait MS"));
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void Commands::text(const Arguments &arguments)
{
    print(quoted(targetText(findTarget(m_application, arguments[0].text))));
}

void Commands::value(const Arguments &arguments)
{
    const Target target = findControl(m_application, arguments[0].text);
    if (const auto *bar = qobject_cast<const QScrollBar *>(target.control))
        print(QString::number(bar->value()));
    else if (const auto *list = qobject_cast<const QListWidget *>(target.control))
        print(QString::number(selectedRow(*list)));
    else if (qobject_cast<const QCheckBox *>(target.control) ||
             qobject_cast<const QRadioButton *>(target.control))
        print(qobject_cast<const QAbstractButton *>(target.control)->isChecked() ? u"1"_s : u"0"_s);
    else
        throw wrongKind(target,
                        QStringLiteral("a scroll bar, check box, option button or list box"));
}

void Commands::rows(const Arguments &arguments)
{
    const Target target = findControl(m_application, arguments[0].text);
    const auto *list = qobject_cast<const QListWidget *>(target.control);
    if (!list)
        throw wrongKind(target, QStringLiteral("a list box"));
    for (int row = 0; row < list->count(); ++row)
        print(QStringLiteral("%1 %2").arg(row).arg(quoted(list->item(row)->text())));
}

void Commands::visible(const Arguments &arguments)
{
    const Target target = findTarget(m_application, arguments[0].text);
    const QWidget *widget = target.control ? target.control : target.window;
    print(widget->isVisible() ? u"1"_s : u"0"_s);
}

void Commands::windows(const Arguments &)
{
    QStringList shown;
    for (const QString &name : Application::windowNames()) {
        const QWidget *window = m_application.existingWindow(name);
        if (window && window->isVisible())
            shown.append(name);
    }
    print(shown.join(u' '));
}

void Commands::messages(const Arguments &)
{
    for (const ScriptedPrompts::Message &message : m_prompts.takeMessages())
        print(QStringLiteral("%1 %2 %3")
                  .arg(message.question ? u"question"_s : u"message"_s, quoted(message.title),
                       quoted(message.text)));
}

void Commands::prompts(const Arguments &)
{
    for (const ScriptedPrompts::Prompt &prompt : m_prompts.takePrompts())
        print(QStringLiteral("prompt %1 %2 %3")
                  .arg(quoted(prompt.title), quoted(prompt.prompt), quoted(prompt.defaultText)));
}

void Commands::canvas(const Arguments &arguments)
{
    const bool withOperations = arguments.size() == 2;
    if (withOperations && arguments[1].text != QLatin1String("ops"))
        throw ScriptError(QStringLiteral("bad arguments: usage: canvas W or canvas W ops"));
    const QString &name = arguments[0].text;
    const auto *picture =
        findWindow(m_application, name)->findChild<const GraphCanvas *>(QStringLiteral("Picture1"));
    if (!picture)
        throw ScriptError(QStringLiteral("%1 has no canvas").arg(name));
    for (const QString &line : describeCanvas(*picture, withOperations))
        print(line);
}

void Commands::printed(const Arguments &)
{
    if (!m_prompts.lastJob())
        throw ScriptError(QStringLiteral("nothing has been printed"));
    for (const QString &line : describePrintJob(*m_prompts.lastJob()))
        print(line);
}

void Commands::focus(const Arguments &arguments)
{
    const Target target = findTarget(m_application, arguments[0].text);
    if (target.control)
        throw wrongKind(target, QStringLiteral("a window"));
    const QWidget *focused = target.window->focusWidget();
    print(focused ? focused->objectName() : target.window->objectName());
}

void Commands::accessible(const Arguments &arguments)
{
    print(describeAccessible(findControl(m_application, arguments[0].text).control));
}

// The words window W shows that did not go through the translation; see pseudotranslation.h.
void Commands::untranslated(const Arguments &arguments)
{
    const Target target = findTarget(m_application, arguments[0].text);
    if (target.control)
        throw wrongKind(target, QStringLiteral("a window"));
    for (const UnmarkedText &text : unmarkedTexts(*target.window)) {
        const QString name =
            text.control.isEmpty() ? target.name : target.name + u'.' + text.control;
        print(name + u' ' + quoted(text.text));
    }
}

// The mnemonic keys that two or more shown controls of window W answer to; see mnemonics.h.
void Commands::mnemonics(const Arguments &arguments)
{
    const Target target = findTarget(m_application, arguments[0].text);
    if (target.control)
        throw wrongKind(target, QStringLiteral("a window"));
    for (const SharedMnemonic &shared : sharedMnemonics(*target.window))
        print(target.name + u' ' + shared.key + u' ' + shared.controls.join(u' '));
}

void Commands::geometry(const Arguments &arguments)
{
    const QWidget *control = findControl(m_application, arguments[0].text).control;
    const QRect pixels = control->geometry();
    const double dpiX = control->logicalDpiX();
    const double dpiY = control->logicalDpiY();
    print(QStringLiteral("%1 %2 %3 %4")
              .arg(formatNumber(pixelsToTwips(pixels.x(), dpiX)),
                   formatNumber(pixelsToTwips(pixels.y(), dpiY)),
                   formatNumber(pixelsToTwips(pixels.width(), dpiX)),
                   formatNumber(pixelsToTwips(pixels.height(), dpiY))));
}

void Commands::echo(const Arguments &arguments)
{
    QStringList words;
    for (const ScriptWord &word : arguments)
        words.append(word.text);
    print(words.join(u' '));
}

void Commands::expect(const Arguments &arguments)
{
    const Target target = findTarget(m_application, arguments[0].text);
    const QString actual = targetText(target);
    const QString &expected = arguments[1].text;
    if (actual != expected)
        throw ScriptError(QStringLiteral("%1 is %2, expected %3")
                              .arg(target.name, quoted(actual), quoted(expected)));
}

void Commands::file(const Arguments &arguments)
{
    const QString &name = arguments[0].text;
    const QFileInfo info(QDir::current(), name);
    if (!info.exists()) {
        print(u"none"_s);
        return;
    }
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw ScriptError(QStringLiteral("cannot read the file %1").arg(quoted(name)));
    print(quotedBytes(file.readAll()));
}

// `select` in a directory list box enters the directory, as a double-click on its row does; a
// quoted word that names no row is a path, relative to the runner's directory. In a file list box
// a path enters the file's directory in the window's directory list box first, then selects the
// file. False for any other control, and for a file list box given a row.
bool Commands::selectDirectoryOrFile(const Target &target, const ScriptWord &which)
{
    auto *directories = qobject_cast<DirectoryListBox *>(target.control);
    auto *files = qobject_cast<FileListBox *>(target.control);
    if (!directories && !files)
        return false;
    const auto *list = qobject_cast<QListWidget *>(target.control);
    const bool isPath = which.quoted && rowNamed(*list, which.text) < 0;
    if (files && !isPath)
        return false;

    if (directories && !isPath) {
        bool isIndex = false;
        int row = which.quoted ? -1 : which.text.toInt(&isIndex);
        if (!isIndex)
            row = rowNamed(*list, which.text);
        if (row < 0 || row >= list->count())
            throw ScriptError(QStringLiteral("%1 has no row %2").arg(target.name, which.text));
        directories->setCurrentRow(row);
        emit directories->activated(directories->model()->index(row, 0));
        return true;
    }

    const QFileInfo path(QDir::current(), which.text);
    if (directories) {
        if (!path.isDir())
            throw ScriptError(QStringLiteral("no directory %1").arg(quoted(which.text)));
        directories->enter(path.absoluteFilePath());
        return true;
    }
    if (!path.isFile())
        throw ScriptError(QStringLiteral("no file %1").arg(quoted(which.text)));
    auto *windowDirectories = target.window->findChild<DirectoryListBox *>();
    if (!windowDirectories)
        throw ScriptError(
            QStringLiteral("%1 has no directory list box").arg(target.window->objectName()));
    windowDirectories->enter(path.absolutePath());
    processPendingEvents();
    const int row = rowNamed(*list, path.fileName());
    if (row < 0)
        throw ScriptError(
            QStringLiteral("%1 does not list %2").arg(target.name, quoted(path.fileName())));
    clickRow(files, row);
    return true;
}
