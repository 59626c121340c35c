#include "scriptlexer.h"
#include "scripterror.h"
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

struct WordsRow
{
    const char *name;
    const char *line;
    QList<ScriptWord> expected;
};

class SplitWordsTest : public testing::TestWithParam<WordsRow>
{
};

TEST_P(SplitWordsTest, SplitsIntoWords)
{
    EXPECT_EQ(splitWords(QString::fromUtf8(GetParam().line)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitWordsTest,
    testing::Values(
        WordsRow{"BlanksAndTabs", " click\tFd.Command5  ", {bare("click"), bare("Fd.Command5")}},
        WordsRow{"QuotedKeepsBlanks",
                 "type Fd.Text1 \"a  b\"",
                 {bare("type"), bare("Fd.Text1"), inQuotes("a  b")}},
        WordsRow{"EmptyQuoted", "answer \"\"", {bare("answer"), inQuotes("")}},
        WordsRow{"Escapes",
                 R"(expect Help.Text1 "x\r\ny\t\"z\"\\")",
                 {bare("expect"), bare("Help.Text1"), inQuotes("x\r\ny\t\"z\"\\")}},
        WordsRow{"QuotedNumberStaysQuoted",
                 "select Fst.List1 \"3\"",
                 {bare("select"), bare("Fst.List1"), inQuotes("3")}},
        WordsRow{"NothingButBlanks", " \t ", {}}),
    rowName<WordsRow>);

struct ErrorRow
{
    const char *name;
    const char *line;
    const char *reason;
};

class SplitWordsErrorTest : public testing::TestWithParam<ErrorRow>
{
};

TEST_P(SplitWordsErrorTest, RefusesMalformedLines)
{
    try {
        splitWords(QString::fromUtf8(GetParam().line));
        FAIL() << "no error for " << GetParam().line;
    } catch (const ScriptError &error) {
        EXPECT_EQ(error.reason().toStdString(), GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitWordsErrorTest,
    testing::Values(
        ErrorRow{"Unterminated", "answer \"abc", "unterminated quote"},
        ErrorRow{"EndsInBackslash", "answer \"abc\\", "unterminated quote"},
        ErrorRow{"UnknownEscape", "answer \"a\\qb\"", "unknown escape \\q"},
        ErrorRow{"QuoteInsideWord", "answer ab\"c\"", "a quote must begin and end a whole word"},
        ErrorRow{"WordAfterQuote", "answer \"ab\"c", "a quote must begin and end a whole word"}),
    rowName<ErrorRow>);

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
