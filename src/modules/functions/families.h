// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "canvas/sampling.h"

#include <optional>

class DrawingSurface;
class FrameMapping;

// The gallery of seven function families with four coefficients a, b, c and d, and the way its
// window samples them: a step that follows a, and a pen that is lifted only where the tangent or
// the quotient jumps across an asymptote.
namespace families {

// The families in the order of the window's list; angles are in radians.
enum class Family
{
    Linear,    // a x + b
    Quadratic, // a x² + b x + c
    Cubic,     // a x³ + b x² + c x + d
    Sine,      // a sin(b (x - c)) + d
    Tangent,   // a sin(b (x - c)) / cos(b (x - c)) + d
    Quotient,  // (a x + b) / (c x + d)
    Rational   // a (x - b)(x - c) / (x² + d²)
};

struct Coefficients
{
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
};

// y(x) of family k. std::nullopt where the tangent or the quotient is not defined (its cosine or
// its denominator is exactly 0). A value that cannot be computed (an overflow anywhere on the
// way, a division by zero in the rational family) comes back not computable.
std::optional<double> valueAt(Family k, const Coefficients &coefficients, double x);

// A family's curve as one drawing samples it, from left to right: where the family is not
// defined, the sample keeps the value of the previous sample (0 before the first). Use a fresh
// curve for every drawing.
class Curve
{
public:
    Curve(Family k, const Coefficients &coefficients) : m_k(k), m_coefficients(coefficients) {}

    double operator()(double x);

private:
    Family m_k;
    Coefficients m_coefficients;
    double m_previous = 0;
};

// The canvas's distance between samples: 10 twips for |a| >= 1, 10 |a| below, never less than 2.
double samplingStep(double a);

// The canvas's pen: the first sample is set, and so is a tangent or quotient sample that jumps
// across the level y = d with either end on a clamp line; every other sample, clamped or not, is
// joined from the previous one.
PenAction asymptotePen(Family k, double d, const CurveSample &sample);

// Draws the coordinate frame and the curve of family k on the canvas, with the step and pen
// above. Stops at the first failure, leaving what was drawn.
DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, Family k,
                const Coefficients &coefficients);

// Draws the same frame and curve on a printed page, sampled every 10 twips with the usual pen
// that sets every clamped sample.
DrawResult printedGraph(DrawingSurface &surface, const FrameMapping &frame, bool grid, Family k,
                        const Coefficients &coefficients);

} // namespace families
