// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubictext.h"

#include "testsupport.h"

#include <cmath>
#include <limits>
#include <optional>

using namespace cubic;
using namespace Qt::StringLiterals;

// The worked examples of the factorised and expanded views (x³ - 3x, x³ - 6x² + 11x - 6, the
// triple root of (x - 1)³, 4x³ - 3x² + 1, x² - 4, 3x + 1, x³, the constants 0 and 5) are pinned
// by the fa-factor and fa-expand scenarios.

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

std::optional<QString> expected(const char *text)
{
    if (!text)
        return std::nullopt;
    return QString::fromUtf8(text);
}

TEST(ThousandthsText, RoundsHalfUpToThreeDecimals)
{
    // clang-format off
    const std::pair<double, const char *> rows[] = {
        {1.23456, " 1.235"},
        {-1.2346, "-1.235"},
        {-0.0004, " 0"},
        {-0.0005, " 0"},
        {1e306, nullptr},
    };
    // clang-format on
    for (const auto &[q, text] : rows)
        EXPECT_EQ(thousandthsText(q), expected(text)) << q;
}

TEST(LinearFactor, WritesTheFactorAndKeepsTheRootToFourDecimals)
{
    struct Row
    {
        double root;
        const char *text;
        double rounded;
    };
    // clang-format off
    const Row rows[] = {
        {2, "(x- 2)", 2},
        {-1.5, "(x+ 1.5)", -1.5},
        {std::sqrt(3.0), "(x- 1.732)", 1.7321},
        {-0.00004, "(x+ 0)", 0},
        {0.99998, "(x- 1)", 1},
        {infinity, nullptr, infinity},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.root);
        const LinearFactor factor = linearFactor(row.root);
        EXPECT_EQ(factor.text, expected(row.text));
        EXPECT_EQ(factor.root, row.rounded);
    }
}

TEST(GraphPointText, WritesThePointWithoutABlankAfterTheComma)
{
    EXPECT_EQ(graphPointText({-1, 0, 0, 0}, -1.5), u"(-1.5, 3.375)"_s);
    EXPECT_EQ(graphPointText({1e300, 0, 0, 0}, 1e10), std::nullopt);
}

struct PolynomialRow
{
    const char *name;
    double p3, p2, p1, p0;
    const char *text;
};

TEST(PolynomialText, WritesTheTermsThatAreNotZero)
{
    // clang-format off
    const PolynomialRow rows[] = {
        {"negative zero constant", 0, 0, 0, -0.0, " 0"},
        {"negative leading term", -2, 0, 0, 0, "- 2x³"},
        {"linear", 0, 0, 1.5, -0.25, " 1.5x- .25"},
        {"a term that rounds to zero stays", 0, 0, 0.0001, 0, " 0x"},
        {"coefficient too large to round", 1e306, 0, 0, 0, nullptr},
    };
    // clang-format on
    for (const auto &[name, p3, p2, p1, p0, text] : rows)
        EXPECT_EQ(polynomialText(p3, p2, p1, p0), expected(text)) << name;
}

TEST(Factorise, FactorisesOverTheReals)
{
    // clang-format off
    const PolynomialRow rows[] = {
        {"root zero and double root zero", 2, 0, 0, 0, " 2(x+ 0)(x+ 0)²"},
        {"leading -1 is written", -1, 0, 1, 0, "-1(x+ 0)(x+ 1)(x- 1)"},
        {"one real root and a quadratic factor", 1, 2, 3, 4, "(x+ 1.651)( 1x²+ .349x+ 2.423)"},
        {"the root -1 divides exactly", 1, 0, 0, 1, "(x+ 1)( 1x²- 1x+ 1)"},
        {"quadratic without real roots", 0, 1, 0, 1, "( 1x²+ 1)"},
        {"quadratic with a double root", 0, 3, 0, 0, " 3(x+ 0)²"},
        {"constant one is written", 0, 0, 0, 1, " 1"},
        {"leading factor unrounded", 0, 0, -1.0 / 3, 1, "-.333333333333333(x- 3)"},
        // Every Newton run overflows; bisection finds the root.
        {"Newton overflows", 1, 0, 0, 1e300, "(x+ 1E+100)( 1x²- 1E+100x+ 1E+200)"},
        // Newton from any of the first thousand start values needs more than 98 steps.
        {"Newton never settles", 1, 0, 0, -3e33, "(x- 144224957030.741)( 1x²+ 144224957030.741x+ 2.0800838230519E+22)"},
        {"leading coefficient not finite", 0, 0, infinity, 1, nullptr},
        {"discriminant overflows", 0, 1, 1e200, 0, nullptr},
        {"root beyond the range of doubles", 1e-300, 1e10, 0, 1e300, nullptr},
    };
    // clang-format on
    for (const auto &[name, p3, p2, p1, p0, text] : rows)
        EXPECT_EQ(factorise(p3, p2, p1, p0).text, expected(text)) << name;
}

TEST(Factorise, GivesTheRootsAsShownAndTheDiscriminant)
{
    // x³ + 1.5x² - 2.25x - 1 has the derivative 3(x - 0.5)(x + 1.5): zero at both start values
    // 0.5 and -1.5, so Newton starts again from 2.5 and finds the largest root, 1.16580; the
    // quadratic factor gives -0.37434, then -2.29146. Each is kept to four decimals and shown to
    // three from there: -2.2915 shows as 2.292.
    const Factorisation cubic = factorise(1, 1.5, -2.25, -1);
    EXPECT_EQ(cubic.text, u"(x- 1.166)(x+ .374)(x+ 2.292)"_s);
    EXPECT_EQ(cubic.x1, 1.1658);
    EXPECT_EQ(cubic.x2, -0.3743);
    EXPECT_EQ(cubic.x3, -2.2915);

    const Factorisation doubleRoot = factorise(0, 9, -6, 1);
    EXPECT_EQ(doubleRoot.text, u" 9(x- .333)²"_s);
    EXPECT_EQ(doubleRoot.D, 0);
    EXPECT_EQ(doubleRoot.x2, 0.3333);

    // No real roots: D is set, x2 and x3 are not reached.
    const Factorisation none = factorise(0, 1, 0, 1);
    EXPECT_EQ(none.D, -4);
    EXPECT_EQ(none.x2, 0);
}

} // namespace
