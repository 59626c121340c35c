// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace tasks {

// The three texts of a task, as the task window's boxes hold them, line ends as CR LF.
struct TaskTexts
{
    QString task;
    QString hint;
    QString conclusion;

    bool operator==(const TaskTexts &) const = default;
};

// The texts in the order a task file holds them.
enum class Section
{
    Task,
    Hint,
    Conclusion
};

// Why a task cannot be written: the file format cannot hold it, and saving it would lose part of
// it without a word.
struct Refusal
{
    enum class Reason
    {
        // A line that holds only "$" would split its text into two when the file is read.
        SeparatorLine,
        // Windows-1252 has no byte for these characters.
        UnencodableCharacters
    };

    Reason reason;
    Section section = Section::Task; // SeparatorLine: the text holding the line
    QString characters;              // UnencodableCharacters: each one once, in order

    bool operator==(const Refusal &) const = default;
};

// The bytes of the task file for these texts, in Windows-1252 with CR LF line ends: the task
// text, an empty line, "$", an empty line, the hint, an empty line, "$", an empty line, the
// conclusion, each line ended by CR LF. A line break inside a text is written as it stands.
// Texts whose Windows-1252 bytes would read back as UTF-8 are written in UTF-8 after a byte-order
// mark, so that every file reads back as it was written.
std::variant<QByteArray, Refusal> encodeTask(const TaskTexts &texts);

// Replaces the file at path by the bytes, whole or not at all: a save that fails leaves any file
// of that name as it was. The system's reason when it fails.
std::optional<QString> saveFile(const QString &path, const QByteArray &bytes);

// The four ways the task window reads a task file.
enum class Reader
{
    Teacher,   // "&Open" in teacher mode: the task, the hint and the conclusion
    Pupil,     // "&Open" in pupil mode: the task alone; hint and conclusion are emptied
    Hint,      // "&Hint": the hint alone
    Conclusion // "&Conclus": the conclusion alone
};

// What a reader puts into the boxes: each box it sets gets its new text; a box it leaves alone
// is std::nullopt.
struct BoxTexts
{
    std::optional<QString> task;
    std::optional<QString> hint;
    std::optional<QString> conclusion;

    bool operator==(const BoxTexts &) const = default;
};

// Reads a task file's lines the reader's way. The file's sections are the runs of lines between
// lines that are exactly "$"; the empty line the writer puts on each side of a "$" is padding
// and dropped. A section's lines, and the sections one box receives, are joined with CR LF, so
// a text reads back as it was written. A file of more than three sections is read on in turns:
// the fourth section goes where the first went, and so on ("&Hint" takes its turns two
// sections at a time, so it reads sections 2, 4, 6 ...).
BoxTexts readTask(Reader reader, const QStringList &lines);

} // namespace tasks
