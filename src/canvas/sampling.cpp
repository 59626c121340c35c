// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/sampling.h"

#include "canvas/drawingsurface.h"
#include "canvas/framedrawing.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"

PenAction standardPen(const CurveSample &sample)
{
    return sample.X == 0 || sample.clamped ? PenAction::Point : PenAction::Line;
}

DrawResult sampleCurve(DrawingSurface &surface, const FrameMapping &frame,
                       const std::function<double(double x)> &f, const SamplingOptions &options)
{
    const double bottomClamp = frame.H + clampMargin;
    const double topClamp = -clampMargin;
    const double last = frame.W;

    CurveSample sample;
    for (double X = 0; X <= last; X += options.step) {
        sample.X = X;
        sample.x = frame.x(X);
        if (!computable(sample.x))
            return DrawResult::Failed;
        sample.y = f(sample.x);
        if (!computable(sample.y))
            return DrawResult::Failed;
        double Y = frame.Y(sample.y);
        if (!computable(Y))
            return DrawResult::Failed;
        if (Y > bottomClamp)
            Y = bottomClamp;
        if (Y < topClamp)
            Y = topClamp;
        sample.Y = Y;
        sample.clamped = Y == bottomClamp || Y == topClamp;

        switch (options.pen(sample)) {
        case PenAction::Skip:
            break;
        case PenAction::Point:
            surface.point(X, Y);
            break;
        case PenAction::Line:
            surface.line(sample.previousX, sample.previousY, X, Y);
            break;
        }
        sample.previousX = X;
        sample.previousY = Y;
        sample.previousy = sample.y;
        sample.previousClamped = sample.clamped;
    }
    return DrawResult::Complete;
}

DrawResult drawGraph(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                     const std::function<double(double x)> &f)
{
    if (drawFrame(surface, frame, grid) == DrawResult::Failed)
        return DrawResult::Failed;
    return sampleCurve(surface, frame, f);
}
