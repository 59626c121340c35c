#pragma once

#include "canvas/printersurface.h"

#include <QString>

#include <optional>

class QWidget;

// The title of a message box that is given none.
inline QString defaultMessageTitle()
{
    return QStringLiteral("Quillor");
}

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

    // A message box with an OK button; without a title it carries defaultMessageTitle().
    virtual void message(QWidget *parent, const QString &text, const QString &title = {}) = 0;

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
};
