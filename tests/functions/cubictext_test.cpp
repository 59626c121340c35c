#include "modules/functions/cubictext.h"

#include "testsupport.h"

#include <cmath>
#include <limits>
#include <optional>

using namespace cubic;
using namespace Qt::StringLiterals;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::optional<QString> expected(const char *text)
{
    if (!text)
        return std::nullopt;
    return QString::fromUtf8(text);
}

struct RondRow
{
    const char *name;
    double q;
    const char *text;
};
class RondTest : public testing::TestWithParam<RondRow>
{
};
TEST_P(RondTest, RoundsHalfUpToThreeDecimals)
{
    EXPECT_EQ(thousandthsText(GetParam().q), expected(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(Rows, RondTest,
                         testing::Values(RondRow{"Whole", 2, " 2"},
                                         RondRow{"RoundsUp", 1.23456, " 1.235"},
                                         RondRow{"NegativeRoundsToZeroWithoutMinus", -0.0004, " 0"},
                                         RondRow{"NegativeHalfRoundsUpToZero", -0.0005, " 0"},
                                         RondRow{"Negative", -1.2346, "-1.235"},
                                         RondRow{"BelowOneHasNoLeadingZero", 0.3846, " .385"},
                                         RondRow{"NegativeBelowOne", -0.385, "-.385"},
                                         RondRow{"OverflowsWhenScaled", 1e306, nullptr},
                                         RondRow{"NotANumber", nan, nullptr}),
                         rowName<RondRow>);

struct LinearFactorRow
{
    const char *name;
    double xi;
    const char *text;
    double rounded;
};
class LinearFactorTest : public testing::TestWithParam<LinearFactorRow>
{
};
TEST_P(LinearFactorTest, WritesTheFactorAndRoundsTheRoot)
{
    const LinearFactor factor = linearFactor(GetParam().xi);
    EXPECT_EQ(factor.text, expected(GetParam().text));
    EXPECT_EQ(factor.root, GetParam().rounded);
}
INSTANTIATE_TEST_SUITE_P(Rows, LinearFactorTest,
                         testing::Values(LinearFactorRow{"Positive", 2, "(x- 2)", 2},
                                         LinearFactorRow{"Negative", -1.5, "(x+ 1.5)", -1.5},
                                         LinearFactorRow{"Zero", 0, "(x+ 0)", 0},
                                         LinearFactorRow{"NegativeZero", -0.0, "(x+ 0)", 0},
                                         LinearFactorRow{"FourDecimalsKeptThreeShown",
                                                         std::sqrt(3.0), "(x- 1.732)", 1.7321},
                                         LinearFactorRow{"TinyNegativeRoundsToZero", -0.00004,
                                                         "(x+ 0)", 0},
                                         LinearFactorRow{"NearlyOne", 0.99998, "(x- 1)", 1}),
                         rowName<LinearFactorRow>);

TEST(Fac, WritesNothingForARootThatIsNotFinite)
{
    EXPECT_EQ(linearFactor(std::numeric_limits<double>::infinity()).text, std::nullopt);
}

struct ExtrRow
{
    const char *name;
    Coefficients polynomial;
    double X;
    const char *text;
};
class ExtrTest : public testing::TestWithParam<ExtrRow>
{
};
TEST_P(ExtrTest, WritesThePointWithoutABlankAfterTheComma)
{
    EXPECT_EQ(graphPointText(GetParam().polynomial, GetParam().X), expected(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(
    Rows, ExtrTest,
    testing::Values(ExtrRow{"Minimum", {1, 0, -3, 0}, 1, "( 1,-2)"},
                    ExtrRow{"Maximum", {1, 0, -3, 0}, -1, "(-1, 2)"},
                    ExtrRow{"Decimals", {-1, 0, 0, 0}, -1.5, "(-1.5, 3.375)"},
                    ExtrRow{"AtTheRoundedPlace", {1, -6, 11, -6}, 2.5774, "( 2.577,-.385)"},
                    ExtrRow{"ValueOverflows", {1e300, 0, 0, 0}, 1e10, nullptr}),
    rowName<ExtrRow>);

struct PolynomialRow
{
    const char *name;
    double p3, p2, p1, p0;
    const char *text;
};

class VeeltermTest : public testing::TestWithParam<PolynomialRow>
{
};
TEST_P(VeeltermTest, WritesTheTermsThatAreNotZero)
{
    const auto &[name, p3, p2, p1, p0, text] = GetParam();
    EXPECT_EQ(polynomialText(p3, p2, p1, p0), expected(text));
}
INSTANTIATE_TEST_SUITE_P(
    Rows, VeeltermTest,
    testing::Values(PolynomialRow{"KeepsCoefficientOne", 1, -2, 0, 3, " 1x³- 2x²+ 3"},
                    PolynomialRow{"Quadratic", 0, 3, 0, -3, " 3x²- 3"},
                    PolynomialRow{"ZeroThroughout", 0, 0, 0, 0, " 0"},
                    PolynomialRow{"NegativeZeroConstant", 0, 0, 0, -0.0, " 0"},
                    PolynomialRow{"NegativeLeadingTerm", -2, 0, 0, 0, "- 2x³"},
                    PolynomialRow{"Linear", 0, 0, 1.5, -0.25, " 1.5x- .25"},
                    PolynomialRow{"TermThatRoundsToZeroStays", 0, 0, 0.0001, 0, " 0x"},
                    PolynomialRow{"FirstDerivative", 0, 3, -12, 11, " 3x²- 12x+ 11"},
                    PolynomialRow{"CoefficientTooLargeToRound", 1e306, 0, 0, 0, nullptr},
                    PolynomialRow{"InfiniteCoefficient", 0, std::numeric_limits<double>::infinity(),
                                  0, 0, nullptr}),
    rowName<PolynomialRow>);

class FactoriseTest : public testing::TestWithParam<PolynomialRow>
{
};
TEST_P(FactoriseTest, FactorisesOverTheReals)
{
    const auto &[name, p3, p2, p1, p0, text] = GetParam();
    EXPECT_EQ(factorise(p3, p2, p1, p0).text, expected(text));
}
INSTANTIATE_TEST_SUITE_P(
    Rows, FactoriseTest,
    testing::Values(
        PolynomialRow{"ThreeWholeRoots", 1, -6, 11, -6, "(x- 1)(x- 3)(x- 2)"},
        PolynomialRow{"RootZeroAndDoubleRootZero", 2, 0, 0, 0, " 2(x+ 0)(x+ 0)²"},
        PolynomialRow{"LeadingMinusOneIsWritten", -1, 0, 1, 0, "-1(x+ 0)(x+ 1)(x- 1)"},
        PolynomialRow{"OneRealRootAndAQuadraticFactor", 1, 2, 3, 4,
                      "(x+ 1.651)( 1x²+ .349x+ 2.423)"},
        PolynomialRow{"CubicOfOneRootMinusOne", 1, 0, 0, 1, "(x+ 1)( 1x²- 1x+ 1)"},
        PolynomialRow{"RootZeroAndIrrationalRoots", 1, 0, -3, 0, "(x+ 0)(x- 1.732)(x+ 1.732)"},
        // Newton converges only linearly here and stops short of 1, so the root is not snapped
        // and the quotient's discriminant comes out just below zero.
        PolynomialRow{"TripleRoot", 1, -3, 3, -1, "(x- 1)( 1x²- 2x+ 1)"},
        PolynomialRow{"QuadraticWithoutRealRoots", 0, 1, 0, 1, "( 1x²+ 1)"},
        PolynomialRow{"QuadraticWithTwoRoots", 0, 1, 0, -4, "(x- 2)(x+ 2)"},
        PolynomialRow{"QuadraticWithADoubleRoot", 0, 3, 0, 0, " 3(x+ 0)²"},
        PolynomialRow{"Linear", 0, 0, 6, 4, " 6(x+ .667)"},
        PolynomialRow{"LinearThroughZero", 0, 0, 6, 0, " 6(x+ 0)"},
        PolynomialRow{"Constant", 0, 0, 0, 5, " 5"},
        PolynomialRow{"ConstantOneIsWritten", 0, 0, 0, 1, " 1"},
        PolynomialRow{"ZeroPolynomial", 0, 0, 0, 0, " 0"},
        PolynomialRow{"LeadingFactorUnrounded", 0, 0, -1.0 / 3, 1, "-.333333333333333(x- 3)"},
        // Newton meets a zero derivative at its start value 0.5 and starts again from -1.5.
        PolynomialRow{"ZeroDerivativeAtTheStart", 4, -3, 0, 1, " 4(x+ .455)( 1x²- 1.205x+ .549)"},
        // Every Newton run overflows; bisection finds the root.
        PolynomialRow{"NewtonOverflows", 1, 0, 0, 1e300, "(x+ 1E+100)( 1x²- 1E+100x+ 1E+200)"},
        // Newton from any of the first thousand start values needs more than 98 steps.
        PolynomialRow{"NewtonNeverSettles", 1, 0, 0, -3e33,
                      "(x- 144224957030.741)( 1x²+ 144224957030.741x+ 2.0800838230519E+22)"},
        PolynomialRow{"LeadingCoefficientNotFinite", 0, 0, std::numeric_limits<double>::infinity(),
                      1, nullptr},
        PolynomialRow{"DiscriminantOverflows", 0, 1, 1e200, 0, nullptr},
        PolynomialRow{"RootBeyondTheRangeOfDoubles", 1e-300, 1e10, 0, 1e300, nullptr}),
    rowName<PolynomialRow>);

TEST(Factorise, GivesTheRootsAndTheDiscriminant)
{
    const Factorisation cubic = factorise(1, -6, 11, -6);
    EXPECT_EQ(cubic.x1, 1);
    EXPECT_EQ(cubic.x2, 3);
    EXPECT_EQ(cubic.x3, 2);
    EXPECT_EQ(cubic.D, 1);

    // Written factors hold their roots rounded to four decimals.
    const Factorisation irrational = factorise(1, 0, -3, 0);
    EXPECT_EQ(irrational.x2, 1.7321);
    EXPECT_EQ(irrational.x3, -1.7321);

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
