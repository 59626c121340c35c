// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "textformat.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FormatNumber, IsShortestPlainDecimal)
{
    // clang-format off
    const std::pair<double, const char *> rows[] = {
        {3062.5, "3062.5"},
        {-2000, "-2000"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1e20, "100000000000000000000"},
        {-1.5e-7, "-0.00000015"},
        {-0.0, "0"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    // clang-format on
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(formatNumber(value).toStdString(), expected);
}

TEST(FormatNumber, ShortensFloatsAsFloats)
{
    EXPECT_EQ(formatNumber(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(formatNumber(6135.0f), QStringLiteral("6135"));
}

TEST(Quoted, EscapesWhatWouldBreakTheWord)
{
    EXPECT_EQ(quoted(QString()), QStringLiteral("\"\""));
    EXPECT_EQ(quoted(QStringLiteral("a \"b\" \\ c")), QStringLiteral("\"a \\\"b\\\" \\\\ c\""));
    EXPECT_EQ(quoted(QStringLiteral("1\r\n2\t3")), QStringLiteral("\"1\\r\\n2\\t3\""));
    EXPECT_EQ(quoted(QStringLiteral("één")), QStringLiteral("\"één\""));
}

TEST(QuotedBytes, KeepsPrintableAsciiAndEscapesEveryOtherByte)
{
    EXPECT_EQ(quotedBytes(QByteArray()), QStringLiteral("\"\""));
    EXPECT_EQ(quotedBytes("T\r\n\t$ \"q\" \\ ~"),
              QStringLiteral("\"T\\r\\n\\t$ \\\"q\\\" \\\\ ~\""));
    EXPECT_EQ(quotedBytes(QByteArray("caf\xe9\x80\x00\x1f\x7f", 8)),
              QStringLiteral("\"caf\\xe9\\x80\\x00\\x1f\\x7f\""));
}

} // namespace
