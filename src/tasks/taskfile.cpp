// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskfile.h"

#include "core/textfile.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace tasks {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const QString separator = QStringLiteral("$");
const char codePage[] = "windows-1252";

std::optional<Section> separatorLineSection(const TaskTexts &texts)
{
    const std::pair<Section, const QString &> sections[] = {
        {Section::Task, texts.task},
        {Section::Hint, texts.hint},
        {Section::Conclusion, texts.conclusion}};
    for (const auto &[section, text] : sections) {
        if (splitLines(text).contains(separator))
            return section;
    }
    return std::nullopt;
}

// The text in the code page, or std::nullopt when the code page cannot hold it: when the encoder
// fails, or gives bytes that do not decode back to the text, as it does when it drops a leading
// U+FEFF for a byte-order mark.
std::optional<QByteArray> codePageBytes(const QString &text)
{
    QStringEncoder encoder(codePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    const QString decoded = QStringDecoder(codePage).decode(bytes);
    if (encoder.hasError() || decoded != text)
        return std::nullopt;
    return bytes;
}

// The characters of the text that the code page cannot hold, each once, in order. A character is
// a code unit, or the two of a surrogate pair; QString::fromUcs4 is no help here, as it drops a
// U+FEFF for a byte-order mark.
QString unencodableCharacters(const QString &text)
{
    QStringList found;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += character.size();
        if (!codePageBytes(character) && !found.contains(character))
            found += character;
    }
    return found.join(QString());
}

// A pass of a reader: which box each section of the pass goes to, none for a dropped section.
struct ReaderTurns
{
    int sectionsPerPass;
    std::array<std::optional<Section>, 3> target;
};

ReaderTurns turnsOf(Reader reader)
{
    switch (reader) {
    case Reader::Teacher:
        return {3, {Section::Task, Section::Hint, Section::Conclusion}};
    case Reader::Pupil:
        return {3, {Section::Task, std::nullopt, std::nullopt}};
    case Reader::Hint:
        return {2, {std::nullopt, Section::Hint, std::nullopt}};
    case Reader::Conclusion:
        return {3, {std::nullopt, std::nullopt, Section::Conclusion}};
    }
    return {3, {}};
}

// The sections of a file: the runs of lines around the separator lines, without the empty line
// that ends a section before a separator and the one that starts a section after one.
QList<QStringList> sectionsOf(const QStringList &lines)
{
    QList<QStringList> sections(1);
    for (const QString &line : lines) {
        if (line == separator)
            sections.append(QStringList());
        else
            sections.last().append(line);
    }
    for (qsizetype i = 0; i < sections.size(); ++i) {
        QStringList &section = sections[i];
        if (i > 0 && !section.isEmpty() && section.first().isEmpty())
            section.removeFirst();
        if (i + 1 < sections.size() && !section.isEmpty() && section.last().isEmpty())
            section.removeLast();
    }
    return sections;
}

} // namespace

std::variant<QByteArray, Refusal> encodeTask(const TaskTexts &texts)
{
    if (const std::optional<Section> section = separatorLineSection(texts))
        return Refusal{Refusal::Reason::SeparatorLine, *section, {}};

    const QString separatorBlock = lineEnd + separator + lineEnd;
    const QString content = texts.task + lineEnd + separatorBlock + lineEnd + texts.hint + lineEnd +
                            separatorBlock + lineEnd + texts.conclusion + lineEnd;
    const std::optional<QByteArray> bytes = codePageBytes(content);
    if (!bytes)
        return Refusal{Refusal::Reason::UnencodableCharacters, Section::Task,
                       unencodableCharacters(content)};
    // Windows-1252 bytes can happen to form UTF-8, as those of "×½" do, and would then be read
    // back as other characters. Such a text is written in UTF-8 after a byte-order mark instead.
    if (decodeText(*bytes) != content)
        return QByteArrayLiteral("\xEF\xBB\xBF") + content.toUtf8();
    return *bytes;
}

std::optional<QString> saveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

BoxTexts readTask(Reader reader, const QStringList &lines)
{
    const ReaderTurns turns = turnsOf(reader);
    // Every box a reader fills is emptied first; the pupil's reader empties all three.
    std::array<std::optional<QStringList>, 3> boxes;
    for (const std::optional<Section> &target : turns.target) {
        if (target)
            boxes[std::size_t(*target)] = QStringList();
    }
    if (reader == Reader::Pupil)
        boxes.fill(QStringList());

    const QList<QStringList> sections = sectionsOf(lines);
    for (qsizetype i = 0; i < sections.size(); ++i) {
        if (const std::optional<Section> target =
                turns.target[std::size_t(i % turns.sectionsPerPass)])
            *boxes[std::size_t(*target)] += sections[i];
    }

    const auto text = [&](Section section) -> std::optional<QString> {
        const std::optional<QStringList> &box = boxes[std::size_t(section)];
        if (!box)
            return std::nullopt;
        return box->join(lineEnd);
    };
    return {text(Section::Task), text(Section::Hint), text(Section::Conclusion)};
}

} // namespace tasks
