// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"

class DrawingSurface;
class FrameMapping;

namespace cubic {

// The polynomial y = a·x³ + b·x² + c·x + d, lower degrees included.
struct Coefficients
{
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
};

// The polynomial and its two derivatives at x, each computed as written.
double y(const Coefficients &polynomial, double x);
double firstDerivative(const Coefficients &polynomial, double x);
double secondDerivative(const Coefficients &polynomial, double x);

// Draws the axes in the window-text colour, the grid or the ticks in the button-shadow colour,
// and then, unless the frame failed, the polynomial (desktop colour), its first derivative
// (active title bar) and its second derivative (inactive title bar) by the standard sampling.
DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                const Coefficients &polynomial);

} // namespace cubic
