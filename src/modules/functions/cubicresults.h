// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/functions/cubic.h"

#include <QString>

#include <optional>

namespace cubic {

// What the window shows after a plot: the polynomial and its two derivatives, and in the
// factorised view the roots, the extrema and the point of inflection with its tangent (empty in
// the expanded view). Extrema and inflection take two lines, separated by CR LF.
struct ResultTexts
{
    QString polynomial;
    QString firstDerivative;
    QString secondDerivative;
    QString roots;
    QString extrema;
    QString inflection;
};

// The three polynomials written out term by term.
std::optional<ResultTexts> expandedTexts(const Coefficients &polynomial);

// The three polynomials factorised, with the roots (rounded to four decimals as the factors
// show them), the extrema (at those rounded places) and the point of inflection with the tangent
// there. Nothing when a number on the way is not finite.
std::optional<ResultTexts> factorisedTexts(const Coefficients &polynomial);

} // namespace cubic
