// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/application.h"
#include "app/commandline.h"
#include "app/dialogprompts.h"
#include "app/translations.h"
#include "core/randomsource.h"

#include <QApplication>

int main(int argc, char **argv)
{
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.request != CommandLine::Request::Start) {
        // The answer needs no display: the core of Qt is enough to translate it.
        QCoreApplication core(argc, argv);
        installTranslations(core, commandLine.language);
        return answerCommandLine(commandLine);
    }

    // QApplication takes away the arguments that are Qt's own; anything left but the language is
    // one the running platform does not take.
    QApplication app(argc, argv);
    installTranslations(app, commandLine.language);
    if (const char *leftover = leftoverArgument(argc, argv))
        return refuseUnknownArgument(QString::fromLocal8Bit(leftover));

    DialogPrompts prompts;
    StandardRandomSource random;
    Application quillor(prompts, random);
    quillor.start();
    return app.exec();
}
