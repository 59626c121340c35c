#include "modules/functions/cubicroot.h"

#include "testsupport.h"

#include <cmath>
#include <limits>

using namespace cubic;

namespace {

double cubicAt(double k3, double k2, double k1, double k0, double t)
{
    return ((k3 * t + k2) * t + k1) * t + k0;
}

TEST(RealRoot, KeepsWhatNewtonFindsFromItsStartValues)
{
    // From 0.5 Newton reaches 1, not one of the other roots.
    EXPECT_NEAR(realRoot(1, -6, 11, -6), 1, 1e-9);
    // At a triple root it converges slowly and stops short of 1 by more than 0.00001.
    const double triple = realRoot(1, -3, 3, -1);
    EXPECT_GT(1 - triple, 0.00001);
    EXPECT_LT(1 - triple, 0.0001);
}

struct RootRow
{
    const char *name;
    double k3, k2, k1, k0;
    double root;
};
class NewtonFailureTest : public testing::TestWithParam<RootRow>
{
};
// Each of these would stop the search as it stood: a zero derivative gave an infinite step and
// then NaN, taken for convergence; an overflow did the same; and a root far out of reach of the
// start values made it restart for ever.
TEST_P(NewtonFailureTest, StillFindsTheRealRoot)
{
    const auto &[name, k3, k2, k1, k0, root] = GetParam();
    const double found = realRoot(k3, k2, k1, k0);
    EXPECT_NEAR(found, root, std::fabs(root) * 1e-12);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, NewtonFailureTest,
    testing::Values(RootRow{"ZeroDerivativeAtTheStartValue", 4, -3, 0, 1, -0.45541004110102851},
                    RootRow{"IteratesOverflow", 1, 0, 0, 1e300, -1e100},
                    RootRow{"NoRunSettlesInTime", 1, 0, 0, -3e33, std::cbrt(3e33)},
                    RootRow{"NoRunSettlesWithTinyLeadingCoefficient", 1e-300, 0, 0, -1e300, 1e200}),
    rowName<RootRow>);

TEST(RealRoot, IsNotFiniteOnlyForARootBeyondTheRangeOfDoublesOrACoefficientThatIsNot)
{
    // Every Newton run overflows in its second step; the one real root lies near -1E+310.
    EXPECT_FALSE(std::isfinite(realRoot(1e-300, 1e10, 0, 1e300)));
    EXPECT_TRUE(std::isnan(realRoot(std::numeric_limits<double>::infinity(), 0, 0, 1)));
}

TEST(RealRoot, FindsARootForEverySliderSetting)
{
    for (int a = -5; a <= 5; ++a) {
        for (int b = -5; b <= 5; ++b) {
            for (int c = -5; c <= 5; ++c) {
                for (int d = -5; d <= 5; ++d) {
                    if (a == 0 || d == 0)
                        continue;
                    const double t = realRoot(a, b, c, d);
                    EXPECT_NEAR(cubicAt(a, b, c, d, t), 0, 1e-7)
                        << a << ' ' << b << ' ' << c << ' ' << d << " at " << t;
                }
            }
        }
    }
}

} // namespace
