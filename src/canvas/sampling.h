// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"

#include <functional>

class DrawingSurface;
class FrameMapping;

// Samples further than this beyond the top or bottom edge are pulled back to it.
inline constexpr double clampMargin = 2000;

// One sample of a curve, as the pen rule sees it: the column X, the world point (x, y), the
// clamped surface height Y, and the previous sample (0, 0 and y = 0 before the first).
struct CurveSample
{
    double X = 0;
    double x = 0;
    double y = 0;
    double Y = 0;
    bool clamped = false; // Y lies on a clamp line, 2000 twips beyond the top or bottom edge
    double previousX = 0;
    double previousY = 0;
    double previousy = 0;
    bool previousClamped = false;
};

// What the pen does at a sample: nothing, set the single point, or join from the previous one.
enum class PenAction
{
    Skip,
    Point,
    Line
};
using PenRule = std::function<PenAction(const CurveSample &)>;

// The usual rule: the first sample and every clamped sample are only set, so that no stroke
// joins a point far beyond the edge.
PenAction standardPen(const CurveSample &sample);

struct SamplingOptions
{
    double step = 10; // twips between sample columns
    PenRule pen = standardPen;
};

// Samples y = f(x) column by column across the surface (X = 0, step, ... while X <= W), clamps
// each height to 2000 twips beyond the top or bottom edge and lets the pen rule join or set the
// samples. f returns a value that is not computable (an infinity or NaN) where it fails; the
// drawing then stops at that sample with what was drawn before it left in place.
DrawResult sampleCurve(DrawingSurface &surface, const FrameMapping &frame,
                       const std::function<double(double x)> &f,
                       const SamplingOptions &options = {});

// The coordinate frame and one curve by the standard sampling: a plain graph, as the simpler
// modules plot and print it.
DrawResult drawGraph(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                     const std::function<double(double x)> &f);
