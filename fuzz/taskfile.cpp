// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Fuzzes the task file writer and its four readers, each input twice over.
//
// As a file: any bytes, decoded and split into lines as the task window reads them, go through
// the four readers. Each fills only its own boxes, with texts whose line ends are CR LF, and
// agrees with the teacher's reader where both read the same sections.
//
// As three texts: the input gives the task, the hint and the conclusion as a multi-line box holds
// them (line ends CR LF), in any characters. The writer refuses them only for a reason that
// holds; when it writes them, the file read back gives each reader its texts unchanged.

#include "tasks/taskfile.h"
#include "core/textfile.h"
#include "fuzzcheck.h"
#include "windows1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>

namespace {

using namespace Qt::StringLiterals;
using namespace tasks;

QString visibleBox(const std::optional<QString> &text)
{
    return text ? visible(*text) : u"(left alone)"_s;
}

QString visible(const BoxTexts &boxes)
{
    return u"task %1, hint %2, conclusion %3"_s.arg(visibleBox(boxes.task), visibleBox(boxes.hint),
                                                    visibleBox(boxes.conclusion));
}

QString visible(const TaskTexts &texts)
{
    return visible(BoxTexts{texts.task, texts.hint, texts.conclusion});
}

// Whether every CR in the text is followed by LF and every LF preceded by CR.
bool hasCrLfLineEnds(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return false;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
    }
    return true;
}

bool hasCrLfLineEnds(const std::optional<QString> &text)
{
    return !text || hasCrLfLineEnds(*text);
}

void checkReadersAgree(const QStringList &lines)
{
    const BoxTexts teacher = readTask(Reader::Teacher, lines);
    const BoxTexts pupil = readTask(Reader::Pupil, lines);
    const BoxTexts hint = readTask(Reader::Hint, lines);
    const BoxTexts conclusion = readTask(Reader::Conclusion, lines);
    const auto detail = [&] {
        return u"lines %1\nteacher: %2\npupil: %3\nhint: %4\nconclusion: %5"_s.arg(
            visible(QStringView(lines.join(u'\n'))), visible(teacher), visible(pupil),
            visible(hint), visible(conclusion));
    };
    require(teacher.task && teacher.hint && teacher.conclusion,
            "the teacher's reader fills all three boxes", detail);
    require(pupil == BoxTexts{teacher.task, QString(), QString()},
            "the pupil's reader gives the teacher's task and empties hint and conclusion", detail);
    require(!hint.task && hint.hint && !hint.conclusion, "the hint reader fills the hint alone",
            detail);
    // Up to three sections, the hint reader's turns and the teacher's reader's coincide.
    if (lines.count(u"$"_s) < 3)
        require(hint.hint == teacher.hint, "the hint reader gives the teacher's hint", detail);
    require(conclusion == BoxTexts{std::nullopt, std::nullopt, teacher.conclusion},
            "the conclusion reader gives the teacher's conclusion alone", detail);
    for (const BoxTexts &boxes : {teacher, pupil, hint, conclusion}) {
        require(hasCrLfLineEnds(boxes.task) && hasCrLfLineEnds(boxes.hint) &&
                    hasCrLfLineEnds(boxes.conclusion),
                "a reader's texts have CR LF line ends", detail);
    }
}

// A text as a multi-line box holds it: every line end, CR, LF or CR LF, is CR LF.
QString boxText(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text.replace(u"\n"_s, u"\r\n"_s);
}

// Bytes as a text: UTF-8, Windows-1252 (every character that a task file can hold) or UTF-16
// (any sequence of code units, unpaired surrogates too).
QString textOf(const std::string &bytes, int encoding)
{
    switch (encoding) {
    case 0:
        return QString::fromUtf8(bytes);
    case 1: {
        QString text;
        for (const char byte : bytes)
            text += windows1252Character(byte);
        return text;
    }
    default: {
        QString text(static_cast<qsizetype>(bytes.size() / 2), Qt::Uninitialized);
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(QChar));
        return text;
    }
    }
}

// The characters of a text: code units, and surrogate pairs as one.
QStringList charactersOf(const QString &text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        characters += text.mid(i, length);
        i += length;
    }
    return characters;
}

bool isWindows1252(const QString &character)
{
    return character.size() == 1 && isWindows1252(character[0]);
}

void checkRefusal(const TaskTexts &texts, const Refusal &refusal)
{
    const QString sections[] = {texts.task, texts.hint, texts.conclusion};
    const auto detail = [&] { return visible(texts); };
    const auto hasSeparatorLine = [](const QString &text) {
        return splitLines(text).contains(u"$"_s);
    };
    if (refusal.reason == Refusal::Reason::SeparatorLine) {
        const auto section = static_cast<int>(refusal.section);
        for (int i = 0; i < section; ++i) {
            require(!hasSeparatorLine(sections[i]),
                    "a separator line is reported in the first text that holds one", detail);
        }
        require(hasSeparatorLine(sections[section]), "a refused text holds a separator line",
                detail);
        return;
    }
    require(std::none_of(std::begin(sections), std::end(sections), hasSeparatorLine),
            "a separator line is reported before unencodable characters", detail);
    // Each text is taken apart on its own: a surrogate that ends one text and one that starts the
    // next are two characters, not a pair.
    QStringList lacking;
    for (const QString &section : sections) {
        for (const QString &character : charactersOf(section)) {
            if (!isWindows1252(character) && !lacking.contains(character))
                lacking += character;
        }
    }
    require(!lacking.isEmpty() && refusal.characters == lacking.join(QString()),
            "a refusal names each character that Windows-1252 lacks, once, in order", [&] {
                return detail() + u", refused %1"_s.arg(visible(QStringView(refusal.characters)));
            });
}

void checkWrittenTask(const TaskTexts &texts, const QByteArray &bytes)
{
    const QString all = texts.task + texts.hint + texts.conclusion;
    require(std::all_of(all.begin(), all.end(), [](QChar c) { return isWindows1252(c); }),
            "the writer accepts only what Windows-1252 holds", [&] { return visible(texts); });
    const QStringList lines = splitLines(decodeText(bytes));
    const auto detail = [&] {
        return u"written %1\nread %2"_s.arg(visible(texts),
                                            visible(readTask(Reader::Teacher, lines)));
    };
    require(readTask(Reader::Teacher, lines) == BoxTexts{texts.task, texts.hint, texts.conclusion},
            "the teacher's reader reads the three texts back", detail);
    require(readTask(Reader::Pupil, lines) == BoxTexts{texts.task, QString(), QString()},
            "the pupil's reader reads the task back", detail);
    require(readTask(Reader::Hint, lines) == BoxTexts{std::nullopt, texts.hint, std::nullopt},
            "the hint reader reads the hint back", detail);
    require(readTask(Reader::Conclusion, lines) ==
                BoxTexts{std::nullopt, std::nullopt, texts.conclusion},
            "the conclusion reader reads the conclusion back", detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkReadersAgree(splitLines(decodeText(file)));

    FuzzedDataProvider input(data, size);
    const int encoding = input.ConsumeIntegralInRange(0, 2);
    TaskTexts texts;
    texts.task = boxText(textOf(input.ConsumeRandomLengthString(), encoding));
    texts.hint = boxText(textOf(input.ConsumeRandomLengthString(), encoding));
    texts.conclusion = boxText(textOf(input.ConsumeRemainingBytesAsString(), encoding));
    const std::variant<QByteArray, Refusal> written = encodeTask(texts);
    if (const auto *refusal = std::get_if<Refusal>(&written))
        checkRefusal(texts, *refusal);
    else
        checkWrittenTask(texts, std::get<QByteArray>(written));
    return 0;
}
