// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QList>
#include <QString>

// One blank-separated word of a script line. A quoted word may hold blanks and escapes; it is
// kept apart from a bare word so that `select` can tell a row's name from its index.
struct ScriptWord
{
    QString text;
    bool quoted = false;

    bool operator==(const ScriptWord &) const = default;
};

// True for a line the runner skips: blank, or a comment starting with '#'.
bool isSkippedLine(const QString &line);

// Splits a script line into words. Blanks and tabs separate words; a word starting with '"' runs
// to the next unescaped '"' and may contain \" \\ \r \n \t. Throws ScriptError on an unknown
// escape, an unterminated quote, or a quote that is not a whole word.
QList<ScriptWord> splitWords(const QString &line);
