// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

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

std::optional<QString> thousandthsText(double q)
{
    return numberText(roundThreeDecimals(q));
}

LinearFactor linearFactor(double root)
{
    const double rounded = std::floor(root * 10000 + 0.5) / 10000;
    std::optional<QString> text = rounded > 0 ? u"(x-"_s : u"(x+"_s;
    append(text, thousandthsText(std::fabs(rounded)));
    append(text, u")"_s);
    return {rounded, text};
}

std::optional<QString> graphPointText(const Coefficients &polynomial, double X)
{
    std::optional<QString> text = u"("_s;
    append(text, thousandthsText(X));
    append(text, u","_s);
    append(text, thousandthsText(y(polynomial, X)));
    append(text, u")"_s);
    return text;
}

std::optional<QString> polynomialText(double p3, double p2, double p1, double p0)
{
    const double k[4] = {p0, p1, p2, p3};
    static const QString powers[4] = {QString(), u"x"_s, u"x²"_s, u"x³"_s};
    std::optional<QString> s = QString();
    for (int i = 3; i >= 0; --i) {
        if (k[i] == 0 && (!s->isEmpty() || i != 0))
            continue;
        const QString sign = k[i] < 0 ? u"-"_s : !s->isEmpty() ? u"+"_s : QString();
        append(s, sign);
        append(s, thousandthsText(std::fabs(k[i])));
        if (!s)
            return std::nullopt;
        *s += powers[i];
    }
    return s;
}

Factorisation factorise(double p3, double p2, double p1, double p0)
{
    Factorisation result;
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
        result.x1 = k[0] == 0 ? 0 : realRoot(k[3], k[2], k[1], k[0]);
        const double whole = std::floor(result.x1 + 0.5);
        if (std::fabs(result.x1 - whole) < snapDistance)
            result.x1 = whole;
        // Divides off the root; what remains is the quadratic k[2]·x² + k[1]·x + k[0].
        const double q2 = k[3];
        const double q1 = k[2] + q2 * result.x1;
        const double q0 = k[1] + q1 * result.x1;
        k[2] = q2;
        k[1] = q1;
        k[0] = q0;
        const LinearFactor factor = linearFactor(result.x1);
        result.x1 = factor.root;
        append(s, factor.text);
    }

    if (k[2] != 0) {
        result.D = k[1] * k[1] - 4 * k[2] * k[0];
        if (!std::isfinite(result.D))
            return result;
        if (result.D >= 0) {
            const LinearFactor first = linearFactor(((-k[1] + std::sqrt(result.D)) / 2) / k[2]);
            const LinearFactor second = linearFactor(((-k[1] - std::sqrt(result.D)) / 2) / k[2]);
            result.x2 = first.root;
            result.x3 = second.root;
            append(s, first.text);
            if (result.D > 0)
                append(s, second.text);
            else
                append(s, u"²"_s);
        } else {
            append(s, u"("_s);
            append(s, polynomialText(0, 1, k[1] / k[2], k[0] / k[2]));
            append(s, u")"_s);
        }
    } else if (k[1] != 0) {
        append(s, linearFactor(-k[0] / k[1]).text);
    } else {
        s = numberText(k[0]);
    }
    result.text = s;
    return result;
}

} // namespace cubic
