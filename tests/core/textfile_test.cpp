// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/textfile.h"

#include "testsupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DecodeText, ChoosesUtf8OnlyWhenTheBytesAreUtf8)
{
    // clang-format off
    const std::pair<QByteArray, QString> rows[] = {
        {"secret\r\n", u"secret\r\n"_s},
        {"caf\xe9", u"café"_s},
        {"\x80 5", u"€ 5"_s},
        {"caf\xc3\xa9", u"café"_s},
        {"\xef\xbb\xbfpw", u"pw"_s},  // UTF-8 after a byte-order mark
        {"\xef\xbb\xbf", QString()},   // the byte-order mark alone
        {"\xc3\xa9\xe9", u"Ã©é"_s},    // UTF-8 with an invalid byte is Windows-1252
        {"caf\xc3", u"cafÃ"_s},         // and so is truncated UTF-8
        {QByteArray(), QString()},
    };
    // clang-format on
    for (const auto &[bytes, text] : rows)
        EXPECT_EQ(decodeText(bytes), text) << bytes.toHex().toStdString();
}

TEST(TextFile, SplitsLinesAtEveryKindOfLineEnd)
{
    struct Row
    {
        const char *name;
        QString text;
        QStringList lines;
    };
    const Row rows[] = {
        {"CR LF", u"first\r\nsecond\r\n"_s, {u"first"_s, u"second"_s}},
        {"LF alone", u"first\nsecond\n"_s, {u"first"_s, u"second"_s}},
        {"CR alone", u"first\rsecond"_s, {u"first"_s, u"second"_s}},
        {"no line end after the last line", u"a\r\nb"_s, {u"a"_s, u"b"_s}},
        {"a final empty line", u"secret\r\n\r\n"_s, {u"secret"_s, u""_s}},
        {"blanks are kept", u" a b \r\n"_s, {u" a b "_s}},
        {"nothing at all", QString(), {}},
        {"one empty line", u"\r\n"_s, {u""_s}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitLines(row.text), row.lines);
    }
}

TEST(TextFile, ReadsTheProgramsCodePageAndReportsAMissingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"pw.txt"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("caf\xe9\r\n");
    file.close();
    EXPECT_EQ(readTextLines(path), QStringList{u"café"_s});
    EXPECT_EQ(readTextLines(dir.filePath(u"missing.txt"_s)), std::nullopt);
}

} // namespace
