// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/framedrawing.h"

#include "canvas/drawingsurface.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"

namespace {

constexpr double dashLength = 40;
constexpr double dashPeriod = 100;
constexpr double tickHalfLength = 40;

// Beyond this scale whole units lie closer than three twips and would only blacken the canvas;
// the frame then shows its axes alone, which also keeps a typed scale such as 1E17 (where
// j + 1 == j) from running the loops for ever.
constexpr double largestScaleWithUnits = 1000;

// A grid line is a row of dashes across the whole surface, so a grid's dashes grow with the
// square of the scale. Beyond this scale its lines lie closer than four pixels on a canvas of the
// design size, a grey hatching rather than a grid, and on the largest page it would take
// hundreds of thousands of dashes and seconds to print: the frame shows its axes alone.
constexpr double largestScaleWithGrid = 50;

// Runs body(j) for j = -s, -s + 1, ... while j <= s, with the bounds taken once, as long as the
// body succeeds; not at all beyond the largest scale.
template <typename Body> DrawResult forEachWholeUnit(double s, double largestScale, Body body)
{
    if (s > largestScale)
        return DrawResult::Complete;
    const double first = -s;
    const double last = s;
    for (double j = first; j <= last; j += 1) {
        if (body(j) == DrawResult::Failed)
            return DrawResult::Failed;
    }
    return DrawResult::Complete;
}

} // namespace

DrawResult drawFrame(DrawingSurface &surface, const FrameMapping &frame, bool grid)
{
    drawAxes(surface, frame);
    return drawGridOrTicks(surface, frame, grid);
}

void drawAxes(DrawingSurface &surface, const FrameMapping &frame)
{
    surface.line(0, frame.H / 2, frame.W, frame.H / 2);
    surface.line(frame.W / 2, 0, frame.W / 2, frame.H);
}

DrawResult drawGridOrTicks(DrawingSurface &surface, const FrameMapping &frame, bool grid)
{
    const double W = frame.W;
    const double H = frame.H;
    if (grid) {
        const DrawResult vertical = forEachWholeUnit(frame.s, largestScaleWithGrid, [&](double j) {
            const double Xj = frame.Xj(j);
            if (!computable(Xj))
                return DrawResult::Failed;
            for (double d = 0; d <= H; d += dashPeriod)
                surface.line(Xj, d, Xj, d + dashLength);
            return DrawResult::Complete;
        });
        if (vertical == DrawResult::Failed)
            return DrawResult::Failed;
        return forEachWholeUnit(frame.s, largestScaleWithGrid, [&](double j) {
            const double Yj = frame.Yj(j);
            if (!computable(Yj))
                return DrawResult::Failed;
            for (double d = 0; d <= W; d += dashPeriod)
                surface.line(d, Yj, d + dashLength, Yj);
            return DrawResult::Complete;
        });
    }

    const DrawResult xTicks = forEachWholeUnit(frame.s, largestScaleWithUnits, [&](double j) {
        const double Xj = frame.Xj(j);
        if (!computable(Xj))
            return DrawResult::Failed;
        surface.line(Xj, H / 2 - tickHalfLength, Xj, H / 2 + tickHalfLength);
        return DrawResult::Complete;
    });
    if (xTicks == DrawResult::Failed)
        return DrawResult::Failed;
    return forEachWholeUnit(frame.s, largestScaleWithUnits, [&](double j) {
        const double Yj = frame.Yj(j);
        if (!computable(Yj))
            return DrawResult::Failed;
        surface.line(W / 2 - tickHalfLength, Yj, W / 2 + tickHalfLength, Yj);
        return DrawResult::Complete;
    });
}
