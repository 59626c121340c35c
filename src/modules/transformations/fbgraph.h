// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "modules/transformations/basefunctions.h"

#include <QStringList>

class DrawingSurface;
class FrameMapping;

// Transformations (1): a base function under one of four transformations with one parameter k.
namespace transformations::fb {

// The transformations, in the order of their list.
enum class Transformation
{
    PlusK = 0,  // f(x)+k
    ShiftX = 1, // f(x+k)
    TimesK = 2, // kf(x)
    ScaleX = 3  // f(kx)
};

QStringList transformationEntries();

// What one plot draws: the chosen base function and transformation, and k as its box reads.
struct Graph
{
    BaseFunction base = BaseFunction::X;
    Transformation transformation = Transformation::PlusK;
    double k = 0;
};

// The window's f: the base function, except that the square root left of the origin is -k under
// "f(x)+k" (and 0 under the others), so that the transformed graph lies on the x-axis wherever
// the square root is undefined.
double f(const Graph &graph, double x);

// The plotted value at x. Not computable where the argument of f or the value overflows.
double y(const Graph &graph, double x);

// Draws the coordinate frame and the transformed graph by the standard sampling, on the canvas
// or on a printed page alike. Never clears the surface.
DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, const Graph &graph);

} // namespace transformations::fb
