// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "scriptlexer.h"
#include "windowlookup.h"

#include <QString>

class Application;
class QTextStream;
class ScriptedPrompts;
class ScriptedRandomSource;

// The runner's commands: each script line names one, which acts on the program's windows as a
// user would, queues an answer for a prompt, or prints what the windows show.
class Commands
{
public:
    Commands(Application &application, ScriptedPrompts &prompts, ScriptedRandomSource &random,
             QTextStream &out);

    // Runs one script line, blank and comment lines doing nothing, and then the events it
    // caused. Throws ScriptError when the line cannot run or a prompt it raised found nothing
    // queued.
    void run(const QString &line);

private:
    using Arguments = QList<ScriptWord>;

    struct Command
    {
        const char *name;
        const char *usage;
        qsizetype minimumArguments;
        qsizetype maximumArguments; // -1: any number
        void (Commands::*run)(const Arguments &);
    };
    static const Command commands[];

    void click(const Arguments &arguments);
    void type(const Arguments &arguments);
    void scroll(const Arguments &arguments);
    void select(const Arguments &arguments);
    void check(const Arguments &arguments);
    void resize(const Arguments &arguments);
    void close(const Arguments &arguments);
    void key(const Arguments &arguments);
    void answer(const Arguments &arguments);
    void cancel(const Arguments &arguments);
    void printer(const Arguments &arguments);
    void exportGraph(const Arguments &arguments);
    void random(const Arguments &arguments);
    void wait(const Arguments &arguments);

    void text(const Arguments &arguments);
    void value(const Arguments &arguments);
    void rows(const Arguments &arguments);
    void visible(const Arguments &arguments);
    void windows(const Arguments &arguments);
    void messages(const Arguments &arguments);
    void prompts(const Arguments &arguments);
    void canvas(const Arguments &arguments);
    void printed(const Arguments &arguments);
    void geometry(const Arguments &arguments);
    void focus(const Arguments &arguments);
    void accessible(const Arguments &arguments);
    void untranslated(const Arguments &arguments);
    void mnemonics(const Arguments &arguments);
    void file(const Arguments &arguments);
    void echo(const Arguments &arguments);
    void expect(const Arguments &arguments);

    bool selectDirectoryOrFile(const Target &target, const ScriptWord &which);

    void print(const QString &line);

    Application &m_application;
    ScriptedPrompts &m_prompts;
    ScriptedRandomSource &m_random;
    QTextStream &m_out;
};
