// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskfile.h"

#include "core/textfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Writing and reading the worked tasks (one character each, two lines, an empty hint, "x²",
// a line that starts with "$"), the refusal of "$" lines and of √ and −, and saves that fail
// are pinned by the editor-teacher, task-pupil and editor-refusals scenarios and by
// filefaults_test.cpp.

namespace {

using namespace tasks;
using namespace Qt::StringLiterals;

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(EncodeTask, WritesWindows1252OrElseUtf8AfterAByteOrderMark)
{
    const auto encoded = encodeTask({text("café €5"), text("ß"), text("½")});
    ASSERT_TRUE(std::holds_alternative<QByteArray>(encoded));
    EXPECT_EQ(std::get<QByteArray>(encoded),
              QByteArray("caf\xe9 \x80"
                         "5\r\n\r\n$\r\n\r\n\xdf\r\n\r\n$\r\n\r\n\xbd\r\n"));
    // "×½" is D7 BD in Windows-1252: valid UTF-8, which reads as U+05FD.
    const auto readsAsUtf8 = encodeTask({text("3×½"), text("H"), text("C")});
    ASSERT_TRUE(std::holds_alternative<QByteArray>(readsAsUtf8));
    EXPECT_EQ(std::get<QByteArray>(readsAsUtf8),
              QByteArray("\xef\xbb\xbf"
                         "3\xc3\x97\xc2\xbd\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n"));
}

TEST(EncodeTask, RefusesWhatAFileCannotKeepAndSaysWhy)
{
    constexpr auto separatorLine = Refusal::Reason::SeparatorLine;
    constexpr auto unencodable = Refusal::Reason::UnencodableCharacters;
    struct Row
    {
        const char *name;
        TaskTexts texts;
        Refusal refusal;
    };
    const QString zeroWidthNoBreakSpace(QChar(0xFEFF));
    // clang-format off
    const Row rows[] = {
        {"dollar line inside the task", {u"a\r\n$\r\nb"_s, {}, {}}, {separatorLine, Section::Task, {}}},
        {"dollar line ends the conclusion", {{}, {}, u"c\r\n$"_s}, {separatorLine, Section::Conclusion, {}}},
        {"dollar after a lone line feed", {u"a\n$"_s, {}, {}}, {separatorLine, Section::Task, {}}},
        {"the first of two dollar lines", {{}, u"$"_s, u"$"_s}, {separatorLine, Section::Hint, {}}},
        {"the characters of every text, each once", {u"π"_s, u"a"_s, u"x → ∞ and π"_s}, {unencodable, Section::Task, u"π→∞"_s}},
        {"a character beyond the basic plane", {u"😀 and 😁"_s, {}, {}}, {unencodable, Section::Task, u"😀😁"_s}},
        {"zero width no-break space", {{}, u"a"_s + zeroWidthNoBreakSpace, {}}, {unencodable, Section::Task, zeroWidthNoBreakSpace}},
        // The encoder takes a U+FEFF at the start of its text for a byte-order mark and drops it.
        {"leading zero width no-break space", {zeroWidthNoBreakSpace + u"task"_s, {}, {}}, {unencodable, Section::Task, zeroWidthNoBreakSpace}},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto encoded = encodeTask(row.texts);
        ASSERT_TRUE(std::holds_alternative<Refusal>(encoded));
        EXPECT_EQ(std::get<Refusal>(encoded), row.refusal);
    }
}

TEST(ReadTask, SetsTheReadersBoxes)
{
    struct Row
    {
        const char *name;
        const char *file; // the file's content
        Reader reader;
        BoxTexts boxes;
    };
    // clang-format off
    const Row rows[] = {
        {"line breaks survive", "ab\r\ncd\r\n\r\n$\r\n\r\nh1\r\n\r\nh3\r\n\r\n$\r\n\r\nc\r\n", Reader::Teacher, {u"ab\r\ncd"_s, u"h1\r\n\r\nh3"_s, u"c"_s}},
        {"written by hand without padding", "T\n$\nH\n$\nC", Reader::Teacher, {u"T"_s, u"H"_s, u"C"_s}},
        {"a dollar with a blank is text", "T\r\n $\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n", Reader::Teacher, {u"T\r\n $"_s, u"H"_s, u"C"_s}},
        {"a task alone leaves the rest empty", "T\r\n", Reader::Teacher, {u"T"_s, u""_s, u""_s}},
        {"the hint of a task alone is empty", "T\r\n", Reader::Hint, {std::nullopt, u""_s, std::nullopt}},
        {"a fourth section joins the task", "T\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n\r\n$\r\n\r\nT2\r\n", Reader::Teacher, {u"T\r\nT2"_s, u"H"_s, u"C"_s}},
        {"the hint button reads every second section", "1\n\n$\n\n2\n\n$\n\n3\n\n$\n\n4\n\n$\n\n5\n", Reader::Hint, {std::nullopt, u"2\r\n4"_s, std::nullopt}},
        {"the conclusion button reads every third section", "1\n$\n2\n$\n3\n$\n4\n$\n5\n$\n6\n", Reader::Conclusion, {std::nullopt, std::nullopt, u"3\r\n6"_s}},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readTask(row.reader, splitLines(text(row.file))), row.boxes);
    }
}

TEST(TaskFile, ReadsBackAsItWasWritten)
{
    // clang-format off
    const TaskTexts rows[] = {
        {u"\r\nmiddle\r\n"_s, u"\r\n\r\n"_s, u"\r\n"_s},
        {u"  indented"_s, u"$ 5"_s, u"costs 5 $"_s},
        {u"café"_s, u"Straße ½"_s, u"€ 3,50"_s},
        {u"3×½"_s, u"Ã©"_s, u"Â°"_s},
    };
    // clang-format on
    QTemporaryDir directory;
    const QString path = directory.filePath(u"T.OP 1"_s);
    for (const TaskTexts &texts : rows) {
        SCOPED_TRACE(texts.task.toStdString());
        ASSERT_EQ(saveFile(path, std::get<QByteArray>(encodeTask(texts))), std::nullopt);
        const std::optional<QStringList> lines = readTextLines(path);
        ASSERT_TRUE(lines);
        EXPECT_EQ(readTask(Reader::Teacher, *lines),
                  (BoxTexts{texts.task, texts.hint, texts.conclusion}));
        EXPECT_EQ(readTask(Reader::Hint, *lines).hint, texts.hint);
        EXPECT_EQ(readTask(Reader::Conclusion, *lines).conclusion, texts.conclusion);
    }
}

TEST(SaveFile, ReplacesAFileWholeAndLeavesNothingBeside)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(u"ROOTS.OP 3"_s);
    ASSERT_EQ(saveFile(path, "first and longer\r\n"), std::nullopt);
    ASSERT_EQ(saveFile(path, "second\r\n"), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("second\r\n"));
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"ROOTS.OP 3"_s});
}

} // namespace
