// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/numberreading.h"
#include "core/numbertext.h"

#include "testsupport.h"

#include <QLocale>

#include <limits>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
const QLocale english(QLocale::English, QLocale::UnitedKingdom);

TEST(DecimalComma, ReadsACommaAsThePointOnlyWhereTheLocaleWritesOne)
{
    struct Row
    {
        const char *name;
        const QLocale &locale;
        QString text;
        double expected;
    };
    // clang-format off
    const Row rows[] = {
        {"Dutch comma", dutch, u"0,5"_s, 0.5},
        {"Dutch comma before the exponent", dutch, u"1,5e2"_s, 150},
        {"Dutch leading comma with a sign", dutch, u"- ,25"_s, -0.25},
        {"Dutch period still reads", dutch, u"2.75"_s, 2.75},
        {"Dutch second separator ends the number", dutch, u"1,5.3"_s, 1.5},
        {"Dutch comma without digits", dutch, u",e5"_s, 0},
        {"Dutch comma overflows", dutch, u"1,5e999"_s, std::numeric_limits<double>::max()},
        {"English comma ends the number", english, u"1,5"_s, 1},
        {"C comma ends the number", QLocale::c(), u"0,5"_s, 0},
    };
    // clang-format on
    for (const Row &row : rows)
        EXPECT_EQ(readNumber(row.text, row.locale), row.expected) << row.name;
}

// A formatted number carries the locale's separator and reads back as the same value; the C
// locale's own patterns are pinned by numbertext_test.cpp.
TEST(DecimalComma, AFormattedNumberReadsBackAsShown)
{
    struct Row
    {
        const QLocale &locale;
        double value;
        QString shown;
    };
    // clang-format off
    const Row rows[] = {
        {dutch, 0.25, u"0,250"_s},
        {dutch, -12.5, u"-12,500"_s},
        {english, 0.25, u"0.250"_s},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.shown.toStdString());
        EXPECT_EQ(formatPattern(row.value, u"###0.000", row.locale), row.shown);
        EXPECT_EQ(readNumber(row.shown, row.locale), row.value);
    }
}

} // namespace
