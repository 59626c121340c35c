// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/numberreading.h"

#include "testsupport.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct Row
{
    const char *name;
    QString text;
    double expected;
};

constexpr double largest = std::numeric_limits<double>::max();

// clang-format off
const Row rows[] = {
    {"BlanksBetweenDigits", u"  1 2abc"_s, 12},
    {"BlanksAroundSignAndPoint", u"+ 2 . 5"_s, 2.5},
    {"TabsAndLineFeeds", u"\t-\n3\t.2 5"_s, -3.25},
    {"CommaEndsTheNumber", u"1,5"_s, 1},
    {"SecondPointEndsTheNumber", u"1.5.3"_s, 1.5},
    {"SignedFractionWithExponent", u"-.5e1x"_s, -5},
    {"DExponent", u"1D2"_s, 100},
    {"LowerCaseDNegativeExponent", u"3. d - 2"_s, 0.03},
    {"EWithoutDigits", u"1e"_s, 1},
    {"EAndSignWithoutDigits", u"2E+x"_s, 2},
    {"Empty", u""_s, 0},
    {"Letters", u"abc"_s, 0},
    {"PointWithoutDigits", u".e5"_s, 0},
    {"NearestDoubleToOneTenth", u"0.1"_s, 0.1},
    {"HalfwayCaseRoundsToEven", u"9007199254740993"_s, 9007199254740992.0},
    {"Hexadecimal", u"&H1F"_s, 31},
    {"OctalStopsAtEight", u" & o 178"_s, 15},
    {"UnknownPrefix", u"&X1"_s, 0},
    {"HexadecimalBeyond64Bits", u"&H1"_s + QString(20, u'0'), std::ldexp(1.0, 80)},
    {"OctalBeyond64Bits", u"&O1"_s + QString(30, u'0'), std::ldexp(1.0, 90)},
    {"VeryManyHexadecimalDigits", u"&H"_s + QString(300, u'F'), largest},
    {"VeryManyOctalDigits", u"&O"_s + QString(400, u'7'), largest},
    {"Overflow", u"1e999"_s, largest},
    {"NegativeOverflow", u"-1e999"_s, -largest},
    {"ExponentWithVeryManyDigits", u"1e99999999999999999999999"_s, largest},
    {"LongMantissaSmallExponent", u"1"_s + QString(400, u'0') + u"e-50"_s, largest},
    {"Underflow", u"1e-999"_s, 0},
    {"LongFractionLargeExponent", u"."_s + QString(400, u'0') + u"1e50"_s, 0},
};
// clang-format on

TEST(ReadNumber, ReadsTheLeadingNumberAsAFiniteDouble)
{
    for (const Row &row : rows)
        EXPECT_EQ(readNumber(row.text), row.expected) << row.name;
}

} // namespace
