// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/figuredrawing.h"

#include "canvas/drawingsurface.h"
#include "canvas/sampling.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"

namespace conics {

namespace {

// Lines are traced with a coarser step than the standard 10 twips.
constexpr double lineTraceStep = 40;

// Every sample but the first is joined, clamped or not.
PenAction lineTracePen(const CurveSample &sample)
{
    return sample.X == 0 ? PenAction::Skip : PenAction::Line;
}

} // namespace

DrawResult traceLines(DrawingSurface &surface, const FrameMapping &frame, const FigureStore &store,
                      LinesWithoutDirection withoutDirection)
{
    for (const Figure &figure : store.figures) {
        if (figure.kind != FigureKind::Line)
            continue;
        const auto [u, v, w] = figure.line;
        if (u == 0 && v == 0 && withoutDirection == LinesWithoutDirection::Skipped)
            continue;
        // A vertical line's trace lies on the x-axis, which is drawn already.
        const auto y = [u, v, w](double x) { return v != 0 ? (-u * x - w) / v : 0; };
        if (sampleCurve(surface, frame, y, {lineTraceStep, lineTracePen}) == DrawResult::Failed)
            return DrawResult::Failed;
    }
    return DrawResult::Complete;
}

DrawResult drawVerticalLines(DrawingSurface &surface, const FrameMapping &frame,
                             const FigureStore &store)
{
    const double W = frame.W;
    const double H = frame.H;
    for (const Figure &figure : store.figures) {
        const auto [u, v, w] = figure.line;
        if (figure.kind != FigureKind::Line || v != 0 || u == 0)
            continue;
        const double Xv = W / 2 - ((W * (w / u)) / frame.s) / 2;
        if (!computable(Xv))
            return DrawResult::Failed;
        surface.line(Xv, 0, Xv, H);
    }
    return DrawResult::Complete;
}

ClampedChain::ClampedChain(DrawingSurface &surface, const FrameMapping &frame, double X, double Y)
    : m_surface(surface), m_frame(frame), m_previousX(X), m_previousY(Y)
{
}

bool ClampedChain::add(double x, double y)
{
    double X = m_frame.X(x);
    double Y = m_frame.Y(y);
    if (!computable(X, Y))
        return false;
    const double W = m_frame.W;
    const double bottomClamp = m_frame.H + clampMargin;
    const double topClamp = -clampMargin;
    if (Y > bottomClamp)
        Y = bottomClamp;
    if (Y < topClamp)
        Y = topClamp;
    if (X < 0)
        X = 0;
    if (X > W)
        X = W;
    if (X == 0 || X == W || Y == bottomClamp || Y == topClamp)
        m_surface.point(X, Y);
    else
        m_surface.line(m_previousX, m_previousY, X, Y);
    m_previousX = X;
    m_previousY = Y;
    return true;
}

} // namespace conics
