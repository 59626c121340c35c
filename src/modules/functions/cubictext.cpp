#include "modules/functions/cubictext.h"

#include "core/numbertext.h"
#include "modules/functions/cubicroot.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace cubic {

namespace {

// Roots closer than this to a whole number are taken as that whole number before they divide the
// polynomial, so that an exact root gives an exact quotient.
constexpr double snapDistance = 0.00001;

// Adds a piece to a text being built; once a piece is missing, so is the whole text.
void append(std::optional<QString> &text, const std::optional<QString> &piece)
{
    if (text && piece)
        *text += *piece;
    else
        text.reset();
}

} // namespace

std::optional<QString> rond(double q)
{
    return numberText(roundThreeDecimals(q));
}

std::optional<QString> fac(double &xi)
{
    xi = std::floor(xi * 10000 + 0.5) / 10000;
    std::optional<QString> text = xi > 0 ? u"(x-"_s : u"(x+"_s;
    append(text, rond(std::fabs(xi)));
    append(text, u")"_s);
    return text;
}

std::optional<QString> extr(const Coefficients &polynomial, double X)
{
    std::optional<QString> text = u"("_s;
    append(text, rond(X));
    append(text, u","_s);
    append(text, rond(y(polynomial, X)));
    append(text, u")"_s);
    return text;
}

std::optional<QString> veelterm(double p3, double p2, double p1, double p0)
{
    const double k[4] = {p0, p1, p2, p3};
    static const QString powers[4] = {QString(), u"x"_s, u"x²"_s, u"x³"_s};
    std::optional<QString> s = QString();
    for (int i = 3; i >= 0; --i) {
        if (k[i] == 0 && (!s->isEmpty() || i != 0))
            continue;
        const QString sign = k[i] < 0 ? u"-"_s : !s->isEmpty() ? u"+"_s : QString();
        append(s, sign);
        append(s, rond(std::fabs(k[i])));
        if (!s)
            return std::nullopt;
        *s += powers[i];
    }
    return s;
}

std::optional<QString> ontb(RootArray &roots, double p3, double p2, double p1, double p0)
{
    double k[4] = {p0, p1, p2, p3};

    // The leading coefficient, unrounded, unless it is 1.
    std::optional<QString> s = QString();
    for (int i = 3; i >= 0; --i) {
        if (k[i] != 0) {
            if (k[i] != 1)
                s = numberText(k[i]);
            break;
        }
    }

    if (k[3] != 0) {
        roots.x1 = k[0] == 0 ? 0 : realRoot(k[3], k[2], k[1], k[0]);
        const double whole = std::floor(roots.x1 + 0.5);
        if (std::fabs(roots.x1 - whole) < snapDistance)
            roots.x1 = whole;
        // Divides off the root; what remains is the quadratic k[2]·x² + k[1]·x + k[0].
        const double q2 = k[3];
        const double q1 = k[2] + q2 * roots.x1;
        const double q0 = k[1] + q1 * roots.x1;
        k[2] = q2;
        k[1] = q1;
        k[0] = q0;
        append(s, fac(roots.x1));
    }

    if (k[2] != 0) {
        roots.D = k[1] * k[1] - 4 * k[2] * k[0];
        if (!std::isfinite(roots.D))
            return std::nullopt;
        if (roots.D >= 0) {
            roots.x2 = ((-k[1] + std::sqrt(roots.D)) / 2) / k[2];
            roots.x3 = ((-k[1] - std::sqrt(roots.D)) / 2) / k[2];
        }
        if (roots.D > 0) {
            append(s, fac(roots.x2));
            append(s, fac(roots.x3));
        } else if (roots.D == 0) {
            append(s, fac(roots.x2));
            append(s, u"²"_s);
        } else {
            append(s, u"("_s);
            append(s, veelterm(0, 1, k[1] / k[2], k[0] / k[2]));
            append(s, u")"_s);
        }
    } else if (k[1] != 0) {
        double root = -k[0] / k[1];
        append(s, fac(root));
    } else {
        s = numberText(k[0]);
    }
    return s;
}

} // namespace cubic
