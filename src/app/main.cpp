// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/application.h"
#include "app/commandline.h"
#include "app/dialogprompts.h"
#include "app/translations.h"
#include "core/randomsource.h"

#include <QApplication>

#include <optional>

int main(int argc, char **argv)
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    // QApplication takes away the arguments that are Qt's own; anything left is one the running
    // platform does not take.
    QApplication app(argc, argv);
    if (argc > 1)
        return refuseUnknownArgument(argv[1]);
    installTranslations(app, QString());

    DialogPrompts prompts;
    StandardRandomSource random;
    Application quillor(prompts, random);
    quillor.start();
    return app.exec();
}
