// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubicresults.h"

#include "testsupport.h"

using namespace cubic;

// The results of the worked examples in both views are pinned by the fa-factor and fa-expand
// scenarios; these rows take the branches those examples do not reach.

namespace {

TEST(FactorisedTexts, WritesEveryResult)
{
    struct Row
    {
        const char *name;
        Coefficients polynomial;
        const char *polynomialText, *roots, *firstDerivative, *extrema, *secondDerivative,
            *inflection;
    };
    // clang-format off
    const Row rows[] = {
        {"non-zero constant", {0, 0, 0, 5}, " 5", "none", " 0", "none", " 0", "none"},
        {"parabola with a double root", {0, 1, -2, 1}, "(x- 1)²", " 1", " 2(x- 1)", "( 1, 0)", " 2", "none"},
        {"parabola without roots", {0, 1, 0, 1}, "( 1x²+ 1)", "none", " 2(x+ 0)", "( 0, 1)", " 2", "none"},
        {"one real root and no extrema", {1, 0, 3, 0}, "(x+ 0)( 1x²+ 3)", " 0", " 3( 1x²+ 1)", "none", " 6(x+ 0)", "( 0, 0)\r\ny =  3x + 0"},
        // Newton settles on the double root -1 first; the tangent's negative intercept brings its
        // own sign.
        {"double root and negative intercept", {1, 0, -3, -2}, "(x+ 1)(x- 2)(x+ 1)", "-1   2  -1", " 3(x- 1)(x+ 1)", "( 1,-4)\r\n(-1, 0)", " 6(x+ 0)", "( 0,-2)\r\ny = -3x -2"},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<ResultTexts> texts = factorisedTexts(row.polynomial);
        ASSERT_TRUE(texts.has_value());
        EXPECT_EQ(texts->polynomial, QString::fromUtf8(row.polynomialText));
        EXPECT_EQ(texts->roots, QString::fromUtf8(row.roots));
        EXPECT_EQ(texts->firstDerivative, QString::fromUtf8(row.firstDerivative));
        EXPECT_EQ(texts->extrema, QString::fromUtf8(row.extrema));
        EXPECT_EQ(texts->secondDerivative, QString::fromUtf8(row.secondDerivative));
        EXPECT_EQ(texts->inflection, QString::fromUtf8(row.inflection));
    }
}

TEST(ResultTexts, WritesNoTextWhenANumberOnTheWayIsNotFinite)
{
    struct Row
    {
        const char *name;
        Coefficients polynomial;
        bool expandedWritten;
        bool factorisedWritten;
    };
    // clang-format off
    const Row rows[] = {
        // 3a overflows; the expanded view already fails to round a.
        {"derivative overflows", {1e308, 0, 0, 0}, false, false},
        // Rounding overflows, but the factorised view writes the coefficient unrounded.
        {"coefficient too large to round", {0, 0, 1e306, 0}, false, true},
        {"discriminant overflows", {0, 1, 1e200, 0}, true, false},
        {"far extremum overflows", {1e-300, 1, 0, 0}, true, false},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(expandedTexts(row.polynomial).has_value(), row.expandedWritten);
        EXPECT_EQ(factorisedTexts(row.polynomial).has_value(), row.factorisedWritten);
    }
}

} // namespace
