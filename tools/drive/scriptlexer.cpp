// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "scriptlexer.h"

#include "scripterror.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QChar unescaped(QChar c)
{
    switch (c.unicode()) {
    case u'"':
        return u'"';
    case u'\\':
        return u'\\';
    case u'r':
        return u'\r';
    case u'n':
        return u'\n';
    case u't':
        return u'\t';
    default:
        throw ScriptError(QStringLiteral("unknown escape \\%1").arg(c));
    }
}

// Reads the quoted word that starts at line[pos] and leaves pos just after its closing quote.
QString readQuoted(const QString &line, qsizetype &pos)
{
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\') {
            if (++pos == line.size())
                break;
            text += unescaped(line[pos]);
        } else {
            text += c;
        }
    }
    throw ScriptError(QStringLiteral("unterminated quote"));
}

} // namespace

bool isSkippedLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(u'#');
}

QList<ScriptWord> splitWords(const QString &line)
{
    QList<ScriptWord> words;
    qsizetype pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos == line.size())
            return words;
        ScriptWord word;
        if (line[pos] == u'"') {
            word.text = readQuoted(line, pos);
            word.quoted = true;
        } else {
            const qsizetype start = pos;
            while (pos < line.size() && !isBlank(line[pos]) && line[pos] != u'"')
                ++pos;
            word.text = line.mid(start, pos - start);
        }
        if (pos < line.size() && !isBlank(line[pos]))
            throw ScriptError(QStringLiteral("a quote must begin and end a whole word"));
        words.append(word);
    }
}
