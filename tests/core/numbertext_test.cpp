// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/numbertext.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct NumberTextRow
{
    const char *name;
    double value;
    const char *expected;
};

TEST(NumberText, WritesComputedValues)
{
    // clang-format off
    const NumberTextRow rows[] = {
        {"NegativeZero", -0.0, " 0"},
        {"NegativeWhole", -3.0, "-3"},
        {"OneThirdToFifteenDigits", 1.0 / 3, " .333333333333333"},
        {"TwoThirdsRoundedUp", 2.0 / 3, " .666666666666667"},
        {"BinaryNoiseRoundedAway", 0.1 + 0.2, " .3"},
        {"FifteenDigitsWithoutExponent", 123456789012345.0, " 123456789012345"},
        {"LargestNegativeWholeNumberWithoutExponent", -999999999999999.0, "-999999999999999"},
        {"SixteenDigitsWithExponent", 1e15, " 1E+15"},
        {"RoundedUpToSixteenDigits", 999999999999999.9, " 1E+15"},
        {"NegativeThreeDigitExponent", -2.5e100, "-2.5E+100"},
        {"SmallWithoutExponent", 0.0001, " .0001"},
        {"SmallerWithExponent", 0.00001, " 1E-05"},
        {"SmallWithMantissa", 1.5e-10, " 1.5E-10"},
        {"SmallestDenormal", std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    // clang-format on
    for (const NumberTextRow &row : rows)
        EXPECT_EQ(numberText(row.value), QLatin1StringView(row.expected)) << row.name;
}

TEST(NumberText, HasNoTextForInfinitiesAndNaN)
{
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(numberText(value), std::nullopt) << value;
}

struct FormatPatternRow
{
    const char *name;
    double value;
    const char16_t *pattern;
    QString expected;
};

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheShortestDigits)
{
    // clang-format off
    const FormatPatternRow rows[] = {
        {"HalfOfTheLastDigitRoundsUp", 2.0005, u"###0.000", u"2.001"_s},
        {"ShortestDigitsOfOnePointZeroZeroFive", 1.005, u"0.00", u"1.01"_s},
        {"ExactHalfRoundsUp", 0.125, u"0.00", u"0.13"_s},
        {"NegativeHalfRoundsAwayFromZero", -1.25, u"0.0", u"-1.3"_s},
        {"BelowHalfRoundsDown", 1.2344, u"###0.000", u"1.234"_s},
        {"RoundingCarriesIntoTheWholePart", 9.9996, u"###0.000", u"10.000"_s},
        {"LeadingZeroAndTrailingZeros", 0.5, u"###0.000", u"0.500"_s},
        {"SmallestShownValue", 0.0005, u"###0.000", u"0.001"_s},
        {"NegativeRoundedToZeroHasNoSign", -0.0004, u"###0.000", u"0.000"_s},
        {"NegativeZeroHasNoSign", -0.0, u"0.0", u"0.0"_s},
        {"NoThousandsSeparator", 1234567.891, u"0.00", u"1234567.89"_s},
        {"LargeWithoutExponent", 1e20, u"###0.000", u"100000000000000000000.000"_s},
        {"LargestDoubleInFull", std::numeric_limits<double>::max(), u"0.0",
         u"17976931348623157"_s + QString(292, u'0') + u".0"_s},
        {"SmallestDenormalIsZero", std::numeric_limits<double>::denorm_min(), u"0.0", u"0.0"_s},
    };
    // clang-format on
    for (const FormatPatternRow &row : rows)
        EXPECT_EQ(formatPattern(row.value, row.pattern, QLocale::c()), row.expected) << row.name;
}

TEST(FormatPattern, UsesTheDecimalSeparatorOfTheLocale)
{
    const QLocale german(QLocale::German);
    EXPECT_EQ(formatPattern(1.5, u"###0.000", german), QStringLiteral("1,500"));
    EXPECT_EQ(formatPattern(-1234.56, u"0.0", german), QStringLiteral("-1234,6"));
}

} // namespace
