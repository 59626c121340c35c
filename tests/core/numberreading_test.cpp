#include "core/numberreading.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(ReadNumber, ReadsTheLeadingNumberAsAFiniteDouble)
{
    struct Row
    {
        const char *name;
        QString text;
        double expected;
    };
    const double largest = std::numeric_limits<double>::max();
    const std::vector<Row> rows = {
        {"blanks between digits", "  1 2abc", 12},
        {"blanks around sign and point", "+ 2 . 5", 2.5},
        {"tabs and line feeds", "\t-\n3\t.2 5", -3.25},
        {"comma ends the number", "1,5", 1},
        {"second point ends the number", "1.5.3", 1.5},
        {"signed fraction with exponent", "-.5e1x", -5},
        {"D exponent", "1D2", 100},
        {"lower-case d, negative exponent", "3. d - 2", 0.03},
        {"E without digits", "1e", 1},
        {"E and sign without digits", "2E+x", 2},
        {"empty", "", 0},
        {"letters", "abc", 0},
        {"point without digits", ".e5", 0},
        {"nearest double to 0.1", "0.1", 0.1},
        {"halfway case rounds to even", "9007199254740993", 9007199254740992.0},
        {"hexadecimal", "&H1F", 31},
        {"octal, stops at 8", " & o 178", 15},
        {"unknown prefix", "&X1", 0},
        {"hexadecimal beyond 64 bits", "&H1" + QString(20, u'0'), std::ldexp(1.0, 80)},
        {"octal beyond 64 bits", "&O1" + QString(30, u'0'), std::ldexp(1.0, 90)},
        {"very many hexadecimal digits", "&H" + QString(300, u'F'), largest},
        {"very many octal digits", "&O" + QString(400, u'7'), largest},
        {"overflow", "1e999", largest},
        {"negative overflow", "-1e999", -largest},
        {"exponent with very many digits", "1e99999999999999999999999", largest},
        {"long mantissa, small exponent", "1" + QString(400, u'0') + "e-50", largest},
        {"underflow", "1e-999", 0},
        {"long fraction, large exponent", "." + QString(400, u'0') + "1e50", 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readNumber(row.text), row.expected);
    }
}
