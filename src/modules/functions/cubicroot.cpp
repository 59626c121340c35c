// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubicroot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace cubic {

namespace {

constexpr double settled = 0.00001;
constexpr int stepsPerRun = 100;
constexpr int stepsOfAConvergedRun = 98;
constexpr int restarts = 1000;

struct Cubic
{
    double k3;
    double k2;
    double k1;
    double k0;
};

// One run of Newton's method from t. p is the iterate before t and is kept from run to run, as
// the search always has; a run ends once two iterates lie within 0.00001 of each other.
std::optional<double> newtonRun(const Cubic &k, double t, double &p)
{
    int n = 0;
    while (n < stepsPerRun && std::fabs(t - p) > settled) {
        ++n;
        p = t;
        const double derivative = 3 * k.k3 * t * t + 2 * k.k2 * t + k.k1;
        if (derivative == 0)
            return std::nullopt;
        const double next = (2 * k.k3 * t * t * t + k.k2 * t * t - k.k0) / derivative;
        if (!std::isfinite(next))
            return std::nullopt;
        t = next;
    }
    if (n > stepsOfAConvergedRun)
        return std::nullopt;
    return t;
}

std::optional<double> newtonWithRestarts(const Cubic &k)
{
    double t = 0.5;
    double p = 1;
    for (int run = 0; run <= restarts; ++run) {
        if (const std::optional<double> root = newtonRun(k, t, p))
            return root;
        t = -std::copysign(std::fabs(t) + 1, t);
    }
    return std::nullopt;
}

// Bisection in extended precision, on a bracket from Cauchy's bound on the roots. Its exponent
// range holds every term of the cubic for any double coefficients and any t within that bound,
// so no value on the way overflows, and the sign of the cubic at each end of the bracket is the
// sign of its leading term there.
double bisectionRoot(const Cubic &k)
{
    using Wide = long double;
    static_assert(std::numeric_limits<Wide>::max_exponent10 > 4 * 309,
                  "the terms of a cubic with double coefficients need a wider exponent range");
    const Wide k3 = k.k3;
    const Wide k2 = k.k2;
    const Wide k1 = k.k1;
    const Wide k0 = k.k0;
    const auto f = [&](Wide t) { return ((k3 * t + k2) * t + k1) * t + k0; };
    const Wide bound = 1 + std::max({std::fabs(k2 / k3), std::fabs(k1 / k3), std::fabs(k0 / k3)});

    Wide below = -bound; // where the cubic has the sign opposite to k3
    Wide above = bound;  // where it has the sign of k3
    for (;;) {
        const Wide middle = below + (above - below) / 2;
        if (middle == below || middle == above)
            break;
        const Wide value = f(middle);
        if (value == 0) {
            below = middle;
            break;
        }
        ((value < 0) == (k3 > 0) ? below : above) = middle;
    }
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (std::fabs(below) > std::numeric_limits<double>::max())
        return below < 0 ? -infinity : infinity;
    return double(below);
}

} // namespace

double realRoot(double k3, double k2, double k1, double k0)
{
    if (!std::isfinite(k3) || !std::isfinite(k2) || !std::isfinite(k1) || !std::isfinite(k0))
        return std::numeric_limits<double>::quiet_NaN();
    const Cubic k{k3, k2, k1, k0};
    if (const std::optional<double> root = newtonWithRestarts(k))
        return *root;
    return bisectionRoot(k);
}

} // namespace cubic
