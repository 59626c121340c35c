// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "scripterror.h"
#include "scriptlexer.h"
#include "testsupport.h"
#include "textformat.h"

#include <gtest/gtest.h>

// Prints a word as its text, marked when it was quoted, when a comparison of words fails.
void PrintTo(const ScriptWord &word, std::ostream *os)
{
    PrintTo(word.text, os);
    if (word.quoted)
        *os << " (quoted)";
}

namespace {

ScriptWord bare(const char *text)
{
    return {QString::fromUtf8(text), false};
}

ScriptWord inQuotes(const char *text)
{
    return {QString::fromUtf8(text), true};
}

TEST(SplitWords, SplitsIntoWords)
{
    // clang-format off
    const std::pair<const char *, QList<ScriptWord>> rows[] = {
        {" click\tFd.Command5  ", {bare("click"), bare("Fd.Command5")}},
        {"type Fd.Text1 \"a  b\"", {bare("type"), bare("Fd.Text1"), inQuotes("a  b")}},
        {"answer \"\"", {bare("answer"), inQuotes("")}},
        {R"(expect Help.Text1 "x\r\ny\t\"z\"\\")", {bare("expect"), bare("Help.Text1"), inQuotes("x\r\ny\t\"z\"\\")}},
        {"select Fst.List1 \"3\"", {bare("select"), bare("Fst.List1"), inQuotes("3")}},
        {" \t ", {}},
    };
    // clang-format on
    for (const auto &[line, words] : rows)
        EXPECT_EQ(splitWords(QString::fromUtf8(line)), words) << line;
}

TEST(SplitWords, RefusesMalformedLines)
{
    // clang-format off
    const std::pair<const char *, const char *> rows[] = {
        {"answer \"abc", "unterminated quote"},
        {"answer \"abc\\", "unterminated quote"},
        {"answer \"a\\qb\"", "unknown escape \\q"},
        {"answer ab\"c\"", "a quote must begin and end a whole word"},
        {"answer \"ab\"c", "a quote must begin and end a whole word"},
    };
    // clang-format on
    for (const auto &[line, reason] : rows) {
        try {
            splitWords(QString::fromUtf8(line));
            ADD_FAILURE() << "no error for " << line;
        } catch (const ScriptError &error) {
            EXPECT_EQ(error.reason().toStdString(), reason);
        }
    }
}

TEST(SplitWords, ReadsBackWhatQuotedWrites)
{
    const QString text = QStringLiteral("line 1\r\n\t\"two\" \\ end");
    const QList<ScriptWord> expected = {ScriptWord{text, true}};
    EXPECT_EQ(splitWords(quoted(text)), expected);
}

TEST(IsSkippedLine, SkipsBlankAndCommentLines)
{
    EXPECT_TRUE(isSkippedLine(QString()));
    EXPECT_TRUE(isSkippedLine(QStringLiteral(" \t")));
    EXPECT_TRUE(isSkippedLine(QStringLiteral("# a comment")));
    EXPECT_TRUE(isSkippedLine(QStringLiteral("  # indented comment")));
    EXPECT_FALSE(isSkippedLine(QStringLiteral("echo # not a comment")));
}

} // namespace
