// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The object name of the translator of the program's own texts, by which its language is found.
const QString programTranslatorName = QStringLiteral("quillorTranslator");

QTranslator *install(QCoreApplication &application, const QLocale &locale, const QString &name,
                     const QString &directory)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), directory) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

void installTranslations(QCoreApplication &application, const QString &language)
{
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (locale.language() == QLocale::C)
        return;
    QTranslator *program =
        install(application, locale, QStringLiteral("quillor"), QStringLiteral(":/i18n"));
    // Qt's own texts (the buttons of its dialogs) follow only a language the program speaks, so
    // that a window never mixes two languages.
    if (!program)
        return;
    program->setObjectName(programTranslatorName);
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString translationLanguage()
{
    const auto *program = QCoreApplication::instance()
                              ? QCoreApplication::instance()->findChild<QTranslator *>(
                                    programTranslatorName, Qt::FindDirectChildrenOnly)
                              : nullptr;
    if (!program)
        return {};
    return QLocale::languageToCode(QLocale(program->language()).language());
}
