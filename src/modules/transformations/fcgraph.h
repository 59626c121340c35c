// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "modules/transformations/basefunctions.h"

#include <QStringList>

class DrawingSurface;
class FrameMapping;

// Transformations (2): a base function under transformations with up to four parameters, up to
// the full form y = k·f(c(x - a)) + b. Its f is the plain base function: the square root is 0
// left of the origin, whatever the transformation.
namespace transformations::fc {

// The transformations, in the order of their list.
enum class Transformation
{
    F = 0,             // f(x)
    TimesK = 1,        // kf(x)
    Shifted = 2,       // kf(x-a)
    ShiftedScaled = 3, // k.f[c(x-a)]
    Full = 4           // k.f[c(x-a)]+b
};

QStringList transformationEntries();

struct Parameters
{
    double k = 0;
    double a = 0;
    double b = 0;
    double c = 0;
};

// What one plot draws: the chosen base function and transformation, and the parameters as their
// boxes read.
struct Graph
{
    BaseFunction base = BaseFunction::X;
    Transformation transformation = Transformation::F;
    Parameters parameters;
};

// The plotted value at x. Under the full form the square root gives 0, not b, where its argument
// is negative. Not computable where the argument of f or the value overflows.
double y(const Graph &graph, double x);

// Twips between the canvas's sample columns: the square root is sampled every 10 twips, the
// other base functions every 25.
double sampleStep(BaseFunction base);

// Draws the coordinate frame and the transformed graph as the window's canvas shows it: sampled
// every sampleStep twips, and the square root set as single points wherever x - a is less than
// one step (in world units), so that its start is not joined to the points on the axis before
// it. Never clears the surface.
DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, const Graph &graph);

// Draws the coordinate frame and the transformed graph as a printed page has them: a sample
// every 10 twips, joined by the standard pen rule.
DrawResult drawPage(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                    const Graph &graph);

} // namespace transformations::fc
