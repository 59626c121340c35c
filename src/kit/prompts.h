// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/printersurface.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

// The title of a message box that is given none.
inline QString defaultMessageTitle()
{
    //: The program's name, as the title of its message boxes.
    return QCoreApplication::translate("Prompts", "Quillor");
}

// What a message box says by its icon: something to know, or a failure.
enum class MessageKind
{
    Information,
    Warning
};

// What an input box shows of the text typed into it: the text itself, or nothing for a secret
// that others in the room, or on a projector, must not read.
enum class InputEcho
{
    Shown,
    Hidden
};

// The modal exchanges of the program: a message box, a question box, an input box and the choice
// of a printer.
// The program shows real dialogs; tests and the scenario runner answer from a script.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A message box with an OK button and the information icon; without a title it carries
    // defaultMessageTitle().
    void message(QWidget *parent, const QString &text, const QString &title = {})
    {
        showMessage(parent, MessageKind::Information, text, title);
    }

    // The same with the warning icon, for a message that reports a failure: "Error", "No access",
    // a file that cannot be read or written.
    void warning(QWidget *parent, const QString &text, const QString &title = {})
    {
        showMessage(parent, MessageKind::Warning, text, title);
    }

    // A question box with the buttons Yes and No; true for Yes. Without a title it carries
    // defaultMessageTitle().
    virtual bool question(QWidget *parent, const QString &text, const QString &title = {}) = 0;

    // An input box; std::nullopt when the user pressed Cancel.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt,
                                         const QString &title = {}, const QString &defaultText = {},
                                         InputEcho echo = InputEcho::Shown) = 0;

    // Lets the user choose a printer (a PDF file is one of the choices) and sends the job to it.
    // False when the user cancelled or the job could not be sent.
    virtual bool print(QWidget *parent, const PrintJob &job) = 0;

protected:
    // What message() and warning() show.
    virtual void showMessage(QWidget *parent, MessageKind kind, const QString &text,
                             const QString &title) = 0;
};
