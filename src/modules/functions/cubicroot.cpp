#include "modules/functions/cubicroot.h"

#include <algorithm>
#include <cmath>
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

// The smallest whole number not below numerator / denominator (denominator > 0).
int ceilingOfQuotient(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    return quotient * denominator < numerator ? quotient + 1 : quotient;
}

// Bisection on a copy of the cubic scaled so that nothing can overflow: with t = 2^e·u and e
// chosen from the binary exponents of the coefficients, u³ + c2·u² + c1·u + c0 has every |ci| at
// most 1, so all its roots lie in (-2, 2), where it is negative at -2 and positive at 2.
double bisectionRoot(const Cubic &k)
{
    int e3 = 0;
    const double m3 = std::frexp(k.k3, &e3);
    const double coefficients[3] = {k.k0, k.k1, k.k2};
    double mantissas[3] = {};
    int exponents[3] = {};
    std::optional<int> e;
    for (int i = 0; i < 3; ++i) {
        mantissas[i] = std::frexp(coefficients[i], &exponents[i]);
        // |ki / k3| < 2^(ei - e3 + 1), so |ci| <= 1 once (3 - i)·e >= ei - e3 + 1.
        if (mantissas[i] != 0) {
            const int needed = ceilingOfQuotient(exponents[i] - e3 + 1, 3 - i);
            e = std::max(e.value_or(needed), needed);
        }
    }
    const int scale = e.value_or(0);
    double c[3] = {};
    for (int i = 0; i < 3; ++i)
        c[i] = std::ldexp(mantissas[i] / m3, exponents[i] - e3 - (3 - i) * scale);

    const auto g = [&c](double u) { return ((u + c[2]) * u + c[1]) * u + c[0]; };
    double low = -2;
    double high = 2;
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle == low || middle == high)
            break;
        const double value = g(middle);
        if (value == 0)
            return std::ldexp(middle, scale);
        (value < 0 ? low : high) = middle;
    }
    return std::ldexp(std::fabs(g(low)) <= std::fabs(g(high)) ? low : high, scale);
}

} // namespace

double realRoot(double k3, double k2, double k1, double k0)
{
    const Cubic k{k3, k2, k1, k0};
    if (const std::optional<double> root = newtonWithRestarts(k))
        return *root;
    return bisectionRoot(k);
}

} // namespace cubic
