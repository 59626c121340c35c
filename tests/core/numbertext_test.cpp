#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

TEST(NumberText, WritesComputedValues)
{
    struct Row
    {
        double value;
        const char *expected;
    };
    const std::vector<Row> rows = {
        {0.0, " 0"},
        {-0.0, " 0"},
        {2.0, " 2"},
        {-3.0, "-3"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {0.1 + 0.2, " .3"},
        {123456789012345.0, " 123456789012345"},
        {-999999999999999.0, "-999999999999999"},
        {1e15, " 1E+15"},
        {999999999999999.9, " 1E+15"},
        {1e16, " 1E+16"},
        {-2.5e100, "-2.5E+100"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {1.5e-10, " 1.5E-10"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(numberText(row.value), QLatin1StringView(row.expected));
    }
}

TEST(NumberText, HasNoTextForInfinitiesAndNaN)
{
    for (const double value : {std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(numberText(value), std::nullopt) << value;
}

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheShortestDigits)
{
    struct Row
    {
        double value;
        const char16_t *pattern;
        QString expected;
    };
    const std::vector<Row> rows = {
        {2.0005, u"###0.000", "2.001"},
        {1.005, u"0.00", "1.01"},
        {0.125, u"0.00", "0.13"},
        {-1.25, u"0.0", "-1.3"},
        {1.2344, u"###0.000", "1.234"},
        {9.9996, u"###0.000", "10.000"},
        {0.5, u"###0.000", "0.500"},
        {0.0005, u"###0.000", "0.001"},
        {-0.0004, u"###0.000", "0.000"},
        {-0.0, u"0.0", "0.0"},
        {1234567.891, u"0.00", "1234567.89"},
        {1e20, u"###0.000", "100000000000000000000.000"},
        {std::numeric_limits<double>::max(), u"0.0",
         "17976931348623157" + QString(292, u'0') + ".0"},
        {std::numeric_limits<double>::denorm_min(), u"0.0", "0.0"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(formatPattern(row.value, row.pattern, QLocale::c()), row.expected);
    }
}

TEST(FormatPattern, UsesTheDecimalSeparatorOfTheLocale)
{
    const QLocale german(QLocale::German);
    EXPECT_EQ(formatPattern(1.5, u"###0.000", german), QStringLiteral("1,500"));
    EXPECT_EQ(formatPattern(-1234.56, u"0.0", german), QStringLiteral("-1234,6"));
}
