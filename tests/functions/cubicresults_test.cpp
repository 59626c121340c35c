#include "modules/functions/cubicresults.h"

#include "testsupport.h"

using namespace cubic;

namespace {

struct TextsRow
{
    const char *name;
    Coefficients polynomial;
    const char *polynomialText;
    const char *roots;
    const char *firstDerivative;
    const char *extrema;
    const char *secondDerivative;
    const char *inflection;
};

void expectTexts(const std::optional<ResultTexts> &texts, const TextsRow &row)
{
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->polynomial, QString::fromUtf8(row.polynomialText));
    EXPECT_EQ(texts->roots, QString::fromUtf8(row.roots));
    EXPECT_EQ(texts->firstDerivative, QString::fromUtf8(row.firstDerivative));
    EXPECT_EQ(texts->extrema, QString::fromUtf8(row.extrema));
    EXPECT_EQ(texts->secondDerivative, QString::fromUtf8(row.secondDerivative));
    EXPECT_EQ(texts->inflection, QString::fromUtf8(row.inflection));
}

class FactorisedTextsTest : public testing::TestWithParam<TextsRow>
{
};
TEST_P(FactorisedTextsTest, WritesEveryResult)
{
    expectTexts(factorisedTexts(GetParam().polynomial), GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Rows, FactorisedTextsTest,
    testing::Values(TextsRow{"RootZeroAndTwoIrrationalRoots",
                             {1, 0, -3, 0},
                             "(x+ 0)(x- 1.732)(x+ 1.732)",
                             " 0   1.7321  -1.7321",
                             " 3(x- 1)(x+ 1)",
                             "( 1,-2)\r\n(-1, 2)",
                             " 6(x+ 0)",
                             "( 0, 0)\r\ny = -3x + 0"},
                    TextsRow{"ThreeWholeRoots",
                             {1, -6, 11, -6},
                             "(x- 1)(x- 3)(x- 2)",
                             " 1   3   2",
                             " 3(x- 2.577)(x- 1.423)",
                             "( 2.577,-.385)\r\n( 1.423, .385)",
                             " 6(x- 2)",
                             "( 2, 0)\r\ny = -1x + 2"},
                    TextsRow{"ZeroPolynomial", {0, 0, 0, 0}, " 0", "R", " 0", "none", " 0", "none"},
                    TextsRow{
                        "NonZeroConstant", {0, 0, 0, 5}, " 5", "none", " 0", "none", " 0", "none"},
                    TextsRow{"ParabolaWithTwoRoots",
                             {0, 1, 0, -4},
                             "(x- 2)(x+ 2)",
                             " 2  -2",
                             " 2(x+ 0)",
                             "( 0,-4)",
                             " 2",
                             "none"},
                    TextsRow{"ParabolaWithADoubleRoot",
                             {0, 1, -2, 1},
                             "(x- 1)²",
                             " 1",
                             " 2(x- 1)",
                             "( 1, 0)",
                             " 2",
                             "none"},
                    TextsRow{"ParabolaWithoutRoots",
                             {0, 1, 0, 1},
                             "( 1x²+ 1)",
                             "none",
                             " 2(x+ 0)",
                             "( 0, 1)",
                             " 2",
                             "none"},
                    TextsRow{"LineWithAnUnroundedRoot",
                             {0, 0, 3, 1},
                             " 3(x+ .333)",
                             "-.333333333333333",
                             " 3",
                             "none",
                             " 0",
                             "none"},
                    TextsRow{"CubeWithTripleRootZero",
                             {1, 0, 0, 0},
                             "(x+ 0)(x+ 0)²",
                             " 0   0",
                             " 3(x+ 0)²",
                             "( 0, 0)",
                             " 6(x+ 0)",
                             "( 0, 0)\r\ny =  0x + 0"},
                    TextsRow{"OneRealRootAndNoExtrema",
                             {1, 0, 3, 0},
                             "(x+ 0)( 1x²+ 3)",
                             " 0",
                             " 3( 1x²+ 1)",
                             "none",
                             " 6(x+ 0)",
                             "( 0, 0)\r\ny =  3x + 0"},
                    // Newton settles on the double root -1 first; the tangent's negative intercept
                    // brings its own sign.
                    TextsRow{"DoubleRootAndNegativeIntercept",
                             {1, 0, -3, -2},
                             "(x+ 1)(x- 2)(x+ 1)",
                             "-1   2  -1",
                             " 3(x- 1)(x+ 1)",
                             "( 1,-4)\r\n(-1, 0)",
                             " 6(x+ 0)",
                             "( 0,-2)\r\ny = -3x -2"}),
    rowName<TextsRow>);

class ExpandedTextsTest : public testing::TestWithParam<TextsRow>
{
};
TEST_P(ExpandedTextsTest, WritesThePolynomialsAndLeavesTheResultsEmpty)
{
    expectTexts(expandedTexts(GetParam().polynomial), GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Rows, ExpandedTextsTest,
    testing::Values(TextsRow{"RootZeroAndTwoIrrationalRoots",
                             {1, 0, -3, 0},
                             " 1x³- 3x",
                             "",
                             " 3x²- 3",
                             "",
                             " 6x",
                             ""},
                    TextsRow{"ThreeWholeRoots",
                             {1, -6, 11, -6},
                             " 1x³- 6x²+ 11x- 6",
                             "",
                             " 3x²- 12x+ 11",
                             "",
                             " 6x- 12",
                             ""},
                    TextsRow{"ZeroPolynomial", {0, 0, 0, 0}, " 0", "", " 0", "", " 0", ""}),
    rowName<TextsRow>);

struct NotFiniteRow
{
    const char *name;
    Coefficients polynomial;
    bool expandedWritten;
    bool factorisedWritten;
};
class NotFiniteTest : public testing::TestWithParam<NotFiniteRow>
{
};
TEST_P(NotFiniteTest, WritesNoTextWhenANumberOnTheWayIsNotFinite)
{
    EXPECT_EQ(expandedTexts(GetParam().polynomial).has_value(), GetParam().expandedWritten);
    EXPECT_EQ(factorisedTexts(GetParam().polynomial).has_value(), GetParam().factorisedWritten);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, NotFiniteTest,
    testing::Values(
        // 3a overflows; the expanded view already fails to round a.
        NotFiniteRow{"DerivativeOverflows", {1e308, 0, 0, 0}, false, false},
        // Rounding overflows, but the factorised view writes the coefficient unrounded.
        NotFiniteRow{"CoefficientTooLargeToRound", {0, 0, 1e306, 0}, false, true},
        NotFiniteRow{"DiscriminantOverflows", {0, 1, 1e200, 0}, true, false},
        NotFiniteRow{"FarExtremumOverflows", {1e-300, 1, 0, 0}, true, false}),
    rowName<NotFiniteRow>);

} // namespace
