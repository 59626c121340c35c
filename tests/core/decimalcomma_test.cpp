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

struct ReadingRow
{
    const char *name;
    const QLocale &locale;
    QString text;
    double expected;
};

class DecimalCommaReadingTest : public testing::TestWithParam<ReadingRow>
{
};

TEST_P(DecimalCommaReadingTest, ReadsACommaAsThePointOnlyWhereTheLocaleWritesOne)
{
    EXPECT_EQ(readNumber(GetParam().text, GetParam().locale), GetParam().expected);
}

const ReadingRow readingRows[] = {
    {"DutchComma", dutch, u"0,5"_s, 0.5},
    {"DutchCommaBeforeExponent", dutch, u"1,5e2"_s, 150},
    {"DutchLeadingCommaWithSign", dutch, u"- ,25"_s, -0.25},
    {"DutchPeriodStillReads", dutch, u"2.75"_s, 2.75},
    {"DutchSecondSeparatorEndsTheNumber", dutch, u"1,5.3"_s, 1.5},
    {"DutchCommaWithoutDigits", dutch, u",e5"_s, 0},
    {"DutchCommaOverflows", dutch, u"1,5e999"_s, std::numeric_limits<double>::max()},
    {"EnglishCommaEndsTheNumber", english, u"1,5"_s, 1},
    {"CCommaEndsTheNumber", QLocale::c(), u"0,5"_s, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, DecimalCommaReadingTest, testing::ValuesIn(readingRows),
                         rowName<ReadingRow>);

struct ShownRow
{
    const char *name;
    const QLocale &locale;
    double value;
    QString shown;
};

class DecimalCommaShownTest : public testing::TestWithParam<ShownRow>
{
};

// A formatted number carries the locale's separator and reads back as the same value.
TEST_P(DecimalCommaShownTest, AFormattedNumberReadsBackAsShown)
{
    const ShownRow &row = GetParam();
    EXPECT_EQ(formatPattern(row.value, u"###0.000", row.locale), row.shown);
    EXPECT_EQ(readNumber(row.shown, row.locale), row.value);
}

const ShownRow shownRows[] = {
    {"Dutch", dutch, 0.25, u"0,250"_s},
    {"DutchNegative", dutch, -12.5, u"-12,500"_s},
    {"English", english, 0.25, u"0.250"_s},
    {"C", QLocale::c(), -12.5, u"-12.500"_s},
};

INSTANTIATE_TEST_SUITE_P(Rows, DecimalCommaShownTest, testing::ValuesIn(shownRows),
                         rowName<ShownRow>);

} // namespace
