#pragma once

#include "canvas/drawresult.h"
#include "canvas/operationlog.h"
#include "canvas/worldframe.h"

#include <algorithm>
#include <cmath>
#include <vector>

// The design canvas of both transformation windows.
inline constexpr float designSide = 6135;

// The frame at scale 9 with ticks: two axes and 19 ticks on each.
inline constexpr std::size_t tickedFrameLines = 2 + 19 + 19;

// A drawing recorded on a surface, split into its frame and its curve.
struct RecordedDrawing
{
    DrawResult result;
    std::vector<DrawingOperation> frame;
    std::vector<DrawingOperation> curve;
};

inline RecordedDrawing splitAfterFrame(DrawResult result, const OperationLog &log,
                                       std::size_t frameLines)
{
    const auto &operations = log.operations();
    const auto curveStart = operations.begin() + std::min(frameLines, operations.size());
    return {result, {operations.begin(), curveStart}, {curveStart, operations.end()}};
}

// Whether a curve operation is a single point set 2000 twips beyond the top or bottom edge.
inline bool clampedPoint(const DrawingOperation &operation, const FrameMapping &frame)
{
    return operation.kind == DrawingOperation::Kind::Point &&
           (operation.y1 == -2000 || operation.y1 == frame.H + 2000);
}

// A value row's expectation: a number, or notComputable where the drawing must fail.
inline bool sameValue(double actual, double expected)
{
    return std::isnan(expected) ? !std::isfinite(actual) : actual == expected;
}
