// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <array>

namespace conics {

// The line u·x + v·y + w = 0.
struct Line
{
    double u = 0;
    double v = 0;
    double w = 0;
};

// The coefficients of a conic: the parabola y = a·x² + b·x + c in the parabola window, the circle
// x² + y² + 2a·x + 2b·y + c = 0 in the circle window.
struct Conic
{
    double a = 0;
    double b = 0;
    double c = 0;
};

enum class FigureKind
{
    None = 0, // never stored
    Line = 1,
    Conic = 2
};

// A stored figure. Storing a line writes only its kind and line, storing a conic only its kind
// and conic: the other three coefficients keep what they held.
struct Figure
{
    FigureKind kind = FigureKind::None;
    Line line;
    Conic conic;
};

enum class FigureNumber
{
    First = 0,
    Second = 1
};

// The two figures that the parabola and the circle windows share: a figure stored in one window
// is drawn and intersected by the other with the same numbers.
struct FigureStore
{
    std::array<Figure, 2> figures;

    Figure &operator[](FigureNumber k) { return figures[std::size_t(k)]; }
    const Figure &operator[](FigureNumber k) const { return figures[std::size_t(k)]; }

    // Stores the figure that the window's boxes describe, by its kind: a line writes kind and
    // u, v, w, a conic kind and a, b, c.
    void store(FigureNumber k, const Figure &boxes);

    // Sets the six coefficients of both figures to 0; the kinds stay.
    void zeroCoefficients();
};

} // namespace conics
