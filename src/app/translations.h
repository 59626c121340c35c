// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

class QCoreApplication;
class QString;

// Installs the translations of the program's texts, and Qt's own for the buttons of its dialogs,
// for a language: "nl" for Dutch, "C" for the program's own texts; an empty language follows
// the system's locale (LANG). A language without a translation keeps the program's own texts,
// and Qt's too. Number formats stay the program's own in every language.
void installTranslations(QCoreApplication &application, const QString &language);

// The language of the installed translation of the program's texts as a language code ("nl"),
// by which translated files are found; empty when the program shows its own texts.
QString translationLanguage();
