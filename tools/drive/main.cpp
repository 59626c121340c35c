// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// quillor-drive: starts the program as its own main does, with scripted prompts and a scripted
// random source, and runs a script of user actions and queries against its windows.

#include "commands.h"
#include "platformwarnings.h"
#include "pseudotranslation.h"
#include "randomwalk.h"
#include "scriptedprompts.h"
#include "scriptedrandomsource.h"
#include "scripterror.h"

#include "app/application.h"
#include "app/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

// Exit status when the runner could not start: bad options, an unreadable script.
constexpr int startFailure = 2;

// Runs the script line by line until its end, the first failing line, or the end of the program.
int runScript(QTextStream &script, Commands &commands, const Application &quillor)
{
    QTextStream errors(stderr);
    QString line;
    for (int number = 1; script.readLineInto(&line); ++number) {
        try {
            commands.run(line);
        } catch (const ScriptError &error) {
            errors << "line " << number << ": " << error.reason() << '\n';
            return 1;
        }
        if (quillor.hasEnded())
            break;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    dropPlatformLimitationWarnings();
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs a script of user actions and queries against the program's windows."));
    parser.addHelpOption();
    const QCommandLineOption dirOption(
        QStringLiteral("dir"), QStringLiteral("Run the program in <dir>."), QStringLiteral("dir"));
    parser.addOption(dirOption);
    const QCommandLineOption walkOption(
        QStringLiteral("walk"),
        QStringLiteral("Instead of a script, do <n> random user actions in a temporary directory, "
                       "checking the program after each."),
        QStringLiteral("n"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("The seed of the walk's actions (0)."),
                                        QStringLiteral("s"), QStringLiteral("0"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"), QStringLiteral("Print each of the walk's steps as script lines."));
    parser.addOptions({walkOption, seedOption, traceOption});
    const QCommandLineOption languageOption(
        QStringLiteral("lang"),
        QStringLiteral("Show the program in <language> (nl, or C for its own texts) instead of "
                       "the system's."),
        QStringLiteral("language"));
    const QCommandLineOption pseudoOption(
        QStringLiteral("pseudo-translation"),
        QStringLiteral("Mark every translated text with ‹ and ›, to find texts that are not."));
    parser.addOptions({languageOption, pseudoOption});
    parser.addPositionalArgument(QStringLiteral("script"),
                                 QStringLiteral("The script; standard input when not given."),
                                 QStringLiteral("[script]"));
    QTextStream errors(stderr);
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        errors << (parser.errorText().isEmpty() ? QStringLiteral("more than one script given")
                                                : parser.errorText())
               << '\n';
        return startFailure;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();

    if (parser.isSet(walkOption)) {
        bool stepsRead = false;
        bool seedRead = false;
        const WalkOptions walk{parser.value(walkOption).toLongLong(&stepsRead),
                               parser.value(seedOption).toULongLong(&seedRead),
                               parser.isSet(traceOption)};
        if (!stepsRead || walk.steps < 0 || !seedRead || parser.isSet(dirOption) ||
            !parser.positionalArguments().isEmpty()) {
            errors << "usage: quillor-drive --walk N [--seed S] [--trace]\n";
            return startFailure;
        }
        QTextStream out(stdout);
        return runWalk(walk, out, errors);
    }

    // The script is opened before the directory changes, so a relative path means what it says.
    QFile scriptFile(parser.positionalArguments().value(0));
    const bool opened = parser.positionalArguments().isEmpty()
                            ? scriptFile.open(stdin, QIODevice::ReadOnly)
                            : scriptFile.open(QIODevice::ReadOnly);
    if (!opened) {
        errors << "cannot read the script " << scriptFile.fileName() << '\n';
        return startFailure;
    }
    if (parser.isSet(dirOption) && !QDir::setCurrent(parser.value(dirOption))) {
        errors << "cannot change to the directory " << parser.value(dirOption) << '\n';
        return startFailure;
    }

    if (parser.isSet(pseudoOption))
        QCoreApplication::installTranslator(new MarkingTranslator(&app));
    else
        installTranslations(app, parser.value(languageOption));

    ScriptedPrompts prompts;
    ScriptedRandomSource random;
    Application quillor(prompts, random, true);
    quillor.start();

    QTextStream out(stdout);
    Commands commands(quillor, prompts, random, out);
    QTextStream script(&scriptFile);
    return runScript(script, commands, quillor);
}
