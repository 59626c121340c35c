// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubicroot.h"

#include "testsupport.h"

#include <cmath>
#include <limits>

using namespace cubic;

namespace {

// The roots that Newton's method reaches from its start values, and those it finds only after a
// restart or leaves to bisection, are pinned through the factorisation (cubictext_test.cpp).

TEST(RealRoot, FindsARootForEverySliderSetting)
{
    for (int a = -5; a <= 5; ++a) {
        for (int b = -5; b <= 5; ++b) {
            for (int c = -5; c <= 5; ++c) {
                for (int d = -5; d <= 5; ++d) {
                    if (a == 0 || d == 0)
                        continue;
                    const double t = realRoot(a, b, c, d);
                    EXPECT_NEAR(((a * t + b) * t + c) * t + d, 0, 1e-7)
                        << a << ' ' << b << ' ' << c << ' ' << d << " at " << t;
                }
            }
        }
    }
}

TEST(RealRoot, IsNotFiniteOnlyForARootBeyondTheRangeOfDoublesOrACoefficientThatIsNot)
{
    // No Newton run settles; bisection finds the root 1E+200 of 1E-300·t³ - 1E+300.
    EXPECT_NEAR(realRoot(1e-300, 0, 0, -1e300), 1e200, 1e188);
    // Every Newton run overflows in its second step; the one real root lies near -1E+310.
    EXPECT_FALSE(std::isfinite(realRoot(1e-300, 1e10, 0, 1e300)));
    EXPECT_TRUE(std::isnan(realRoot(std::numeric_limits<double>::infinity(), 0, 0, 1)));
}

} // namespace
