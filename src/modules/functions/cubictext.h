// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/functions/cubic.h"

#include <QString>

#include <optional>

// The result texts of a polynomial of at most the third degree. Every number is written as number
// text (core/numbertext.h); a text that would need a number that is not finite is not written at
// all (std::nullopt), so that "inf" or "nan" never reaches a box.
namespace cubic {

// q rounded half up to three decimals, as number text: " 1.235", "-1.235", " 0" (never "-0").
std::optional<QString> thousandthsText(double q);

// The linear factor (x - root): "(x- 2)", "(x+ 1.5)", "(x+ 0)", with the root rounded half up to
// four decimals, which the caller keeps so that it goes on with the root as it is shown.
struct LinearFactor
{
    double root;
    std::optional<QString> text;
};
LinearFactor linearFactor(double root);

// The point of the polynomial at X: "( 1,-2)".
std::optional<QString> graphPointText(const Coefficients &polynomial, double X);

// p3·x³ + p2·x² + p1·x + p0 written out term by term with rounded coefficients: " 1x³- 2x²+ 3".
// Zero terms are left out, but a polynomial that is zero throughout is " 0"; no coefficient 1 is
// left out.
std::optional<QString> polynomialText(double p3, double p2, double p1, double p0);

// p3·x³ + p2·x² + p1·x + p0 factorised over the reals. The text holds the leading coefficient
// (left out when it is exactly 1), a linear factor for each real root and, when the rest has no
// real roots, the monic quadratic factor: "(x- 1)(x- 3)(x- 2)", " 6(x+ .667)",
// "(x+ 1.651)( 1x²+ .349x+ 2.423)"; a constant is written as its number text. Beside it: x1 the
// root of a cubic, x2 and x3 the roots of the quadratic factor (each rounded to four decimals
// once it is written as a factor), and D the discriminant of the quadratic factor; an entry that
// the polynomial's degree does not reach stays 0.
struct Factorisation
{
    std::optional<QString> text;
    double x1 = 0;
    double x2 = 0;
    double x3 = 0;
    double D = 0;
};
Factorisation factorise(double p3, double p2, double p1, double p0);

} // namespace cubic
