#include "core/textfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TextFile, SplitsLinesAtEveryKindOfLineEnd)
{
    struct Row
    {
        const char *name;
        QString text;
        QStringList lines;
    };
    const Row rows[] = {
        {"CR LF", QStringLiteral("first\r\nsecond\r\n"), {"first", "second"}},
        {"LF alone", QStringLiteral("first\nsecond\n"), {"first", "second"}},
        {"CR alone", QStringLiteral("first\rsecond"), {"first", "second"}},
        {"no line end after the last line", QStringLiteral("a\r\nb"), {"a", "b"}},
        {"a final empty line", QStringLiteral("secret\r\n\r\n"), {"secret", ""}},
        {"blanks are kept", QStringLiteral(" a b \r\n"), {" a b "}},
        {"nothing at all", QString(), {}},
        {"one empty line", QStringLiteral("\r\n"), {""}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitLines(row.text), row.lines);
    }
}

TEST(TextFile, ReadsTheProgramsCodePageAndReportsAMissingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pw.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("caf\xe9\r\n");
    file.close();
    EXPECT_EQ(readTextLines(path), QStringList{QStringLiteral("café")});
    EXPECT_EQ(readTextLines(dir.filePath(QStringLiteral("missing.txt"))), std::nullopt);
}

} // namespace
