// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Fuzzes the runner's script lexer. A line either splits into words or fails with a ScriptError
// that gives a reason; nothing else escapes. A line the runner does not skip has words. A bare
// word is not empty and holds no blank, tab or quote. Written out again, bare words as they are
// and quoted ones by quoted(), the words split into the same words.

#include "scriptlexer.h"
#include "fuzzcheck.h"
#include "scripterror.h"
#include "textformat.h"

#include <QStringList>

#include <cstdint>

namespace {

using namespace Qt::StringLiterals;

QString visible(const QList<ScriptWord> &words)
{
    QStringList shown;
    for (const ScriptWord &word : words)
        shown += (word.quoted ? u"quoted "_s : u"bare "_s) + visible(word.text);
    return shown.join(u", "_s);
}

QString writtenOut(const QList<ScriptWord> &words)
{
    QStringList texts;
    for (const ScriptWord &word : words)
        texts += word.quoted ? quoted(word.text) : word.text;
    return texts.join(u' ');
}

void checkWords(const QString &line, const QList<ScriptWord> &words)
{
    const auto detail = [&] { return u"line %1 gives %2"_s.arg(visible(line), visible(words)); };
    require(isSkippedLine(line) || !words.isEmpty(), "a line that is not skipped has words",
            detail);
    for (const ScriptWord &word : words) {
        require(word.quoted || (!word.text.isEmpty() && !word.text.contains(u' ') &&
                                !word.text.contains(u'\t') && !word.text.contains(u'"')),
                "a bare word is not empty and holds no blank, tab or quote", detail);
    }
    const QString again = writtenOut(words);
    try {
        const QList<ScriptWord> reread = splitWords(again);
        require(reread == words, "words written out split into the same words", [&] {
            return detail() + u"\nwritten out %1 gives %2"_s.arg(visible(again), visible(reread));
        });
    } catch (const ScriptError &error) {
        require(false, "words written out split again", [&] {
            return detail() + u"\nwritten out %1 fails: %2"_s.arg(visible(again), error.reason());
        });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QList<ScriptWord> words;
    try {
        words = splitWords(line);
    } catch (const ScriptError &error) {
        require(!error.reason().isEmpty(), "a failure gives its reason");
        return 0;
    }
    checkWords(line, words);
    return 0;
}
