// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "modules/conics/figurestore.h"

class DrawingSurface;
class FrameMapping;

// The drawing that both windows share: the passes that draw the stored lines, and the clamped
// chain in which the parabola and the circle passes join their samples.
namespace conics {

// Which stored lines the trace pass draws: the parabola window traces a line with u = v = 0
// along the x-axis, the circle window leaves it out.
enum class LinesWithoutDirection
{
    Traced,
    Skipped
};

// The line trace pass: every stored line, first figure first, as a chain of samples 40 twips
// apart across the surface. A sample beyond the clamp lines is pulled to them and still joined;
// the first sample is not drawn. A vertical line (v = 0) traces the x-axis here and is drawn by
// drawVerticalLines.
DrawResult traceLines(DrawingSurface &surface, const FrameMapping &frame, const FigureStore &store,
                      LinesWithoutDirection withoutDirection);

// The vertical line pass: every stored line with v = 0 and u != 0, at x = -w/u over the whole
// height of the surface.
DrawResult drawVerticalLines(DrawingSurface &surface, const FrameMapping &frame,
                             const FigureStore &store);

// Joins the samples of a conic. Each world point is mapped to the surface, its Y pulled to 2000
// twips beyond the top or bottom edge and its X into the surface's width; a point that was
// pulled, or lies on the left or right border, is only set, any other is joined from the one
// before it.
class ClampedChain
{
public:
    // The chain starts at the surface point (X, Y), which is not drawn.
    ClampedChain(DrawingSurface &surface, const FrameMapping &frame, double X, double Y);

    // Adds the world point (x, y); false, with nothing drawn, when it cannot be placed.
    bool add(double x, double y);

private:
    DrawingSurface &m_surface;
    const FrameMapping &m_frame;
    double m_previousX;
    double m_previousY;
};

} // namespace conics
