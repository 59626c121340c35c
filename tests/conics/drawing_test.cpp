// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "conicstestsupport.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include "canvas/worldframe.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace conics;

// The frame alone, lines without direction, a negative squared radius, the set samples of a
// steep parabola and the failures at the scales 0, 1E-322 and 1E17 are pinned by the fg-plot and
// fh-plot scenarios.

namespace {

using Kind = DrawingOperation::Kind;

// On the design canvas W = H = 6125; at the scale 9 a world unit is 6125 / 18 twips.
constexpr double W = 6125;
constexpr double H = 6125;
const WorldFrame atNine(W, H, 9);

FigureStore storeOf(const Figure &first, const Figure &second = noFigure)
{
    FigureStore figures;
    figures[FigureNumber::First] = first;
    figures[FigureNumber::Second] = second;
    return figures;
}

SplitDrawing parabolaPlot(const FigureStore &figures, const FrameMapping &frame = atNine)
{
    return drawnAfterFrame(frame, false, [&](DrawingSurface &surface) {
        return parabolas::draw(surface, frame, false, figures) == parabolas::PlotResult::Complete
                   ? DrawResult::Complete
                   : DrawResult::Failed;
    });
}

SplitDrawing circlePlot(const FigureStore &figures, const FrameMapping &frame = atNine)
{
    return drawnAfterFrame(frame, false, [&](DrawingSurface &surface) {
        return circles::draw(surface, frame, false, figures);
    });
}

// Line traces of both figures first, then the vertical lines, then the conics, whatever order
// the figures were stored in.
TEST(ConicsDrawing, DrawsThePassesInTheirOrder)
{
    const FigureStore figures = storeOf(conicFigure(0.1, 0, 0), lineFigure(1, 0, -4));
    const SplitDrawing parabola = parabolaPlot(figures);
    const SplitDrawing circle = circlePlot(figures);
    for (const SplitDrawing &plot : {parabola, circle}) {
        const Operations &ops = plot.curve;
        ASSERT_EQ(plot.result, DrawResult::Complete);
        // The vertical line's trace: X = 40 ... 6120 along the x-axis, the first sample not drawn.
        ASSERT_GT(ops.size(), 154u);
        EXPECT_EQ(ops[0], DrawingOperation::line(0, 3062.5, 40, 3062.5));
        EXPECT_EQ(ops[152], DrawingOperation::line(6080, 3062.5, 6120, 3062.5));
        // x = 4 over the whole height: 3062.5 + 4 · 6125 / 18.
        EXPECT_EQ(ops[153].x1, ops[153].x2);
        EXPECT_NEAR(ops[153].x1, 4423.6111, 1e-4);
        EXPECT_EQ(ops[153].y2, H);
    }
    // Then the conic: a parabola begins with a point on the left border, a circle with a stroke
    // of length zero.
    EXPECT_EQ(parabola.curve[154].kind, Kind::Point);
    EXPECT_EQ(parabola.curve[154].x1, 0);
    ASSERT_EQ(circle.curve.size(), 154u + 93u);
    EXPECT_EQ(circle.curve[154].x1, circle.curve[154].x2);
}

TEST(ConicsDrawing, JoinsClampedSamplesOfALine)
{
    // y = -50x leaves the canvas at once: its samples run along the clamp lines, all joined.
    const SplitDrawing plot = parabolaPlot(storeOf(lineFigure(50, 1, 0)));
    ASSERT_EQ(plot.curve.size(), 153u);
    EXPECT_EQ(countOf(plot.curve, Kind::Point), 0);
    EXPECT_EQ(plot.curve.front(), DrawingOperation::line(0, -2000, 40, -2000));
    EXPECT_EQ(plot.curve.back(), DrawingOperation::line(6080, H + 2000, 6120, H + 2000));
}

TEST(ConicsDrawing, StepsTheParabolaByARunningSumOfAFiftiethOfTheScale)
{
    // y = 0.1x² from x = -9 (y = 8.1, at 3062.5 - 8.1 · 6125 / 18 = 306.25) in steps of 0.18:
    // the first sample is only set, the other 100 joined. The running sum ends a hair below 9,
    // just inside the right border.
    const Operations ops = parabolaPlot(storeOf(conicFigure(0.1, 0, 0))).curve;
    ASSERT_EQ(ops.size(), 101u);
    EXPECT_EQ(ops[0], DrawingOperation::point(0, 306.25));
    EXPECT_EQ(countOf(ops, Kind::Point), 1);
    EXPECT_NEAR(ops.back().x2, W, 1e-9);
}

TEST(ConicsDrawing, ClosesACircleInNinetyThreeSamples)
{
    // Radius 3 about the origin: every sample joined, the first with a stroke of length zero from
    // the starting point (3, 0), at 3062.5 + 3 · 6125 / 18 = 4083.3333.
    const Operations ops = circlePlot(storeOf(conicFigure(0, 0, -9))).curve;
    ASSERT_EQ(ops.size(), 93u);
    EXPECT_EQ(countOf(ops, Kind::Line), 93);
    EXPECT_EQ(ops[0].x1, ops[0].x2);
    EXPECT_NEAR(ops[0].x1, 4083.3333, 1e-4);
    EXPECT_EQ(ops[0].y1, 3062.5);
    EXPECT_NEAR(ops.back().x2, ops[0].x1, 25); // a little past the full turn
}

TEST(ConicsDrawing, SetsACircleOnTheBorderWhereItLeavesTheCanvas)
{
    // Centre (8, 0), radius 3: the right part lies beyond the canvas.
    const Operations ops = circlePlot(storeOf(conicFigure(-8, 0, 55))).curve;
    ASSERT_EQ(ops.size(), 93u);
    EXPECT_GT(countOf(ops, Kind::Point), 0);
    for (const DrawingOperation &op : ops) {
        if (op.kind == Kind::Point) {
            EXPECT_EQ(op.x1, W);
        }
    }
}

TEST(ConicsDrawing, DrawsAZeroCircleAsAPointAtTheOrigin)
{
    const Operations ops = circlePlot(storeOf(conicFigure(0, 0, 0))).curve;
    ASSERT_EQ(ops.size(), 93u);
    for (const DrawingOperation &op : ops)
        EXPECT_EQ(op, DrawingOperation::line(3062.5, 3062.5, 3062.5, 3062.5));
}

TEST(ConicsDrawing, EndsAtALineThatOverflowsInBothWindows)
{
    const FigureStore overflowing = storeOf(lineFigure(1, 1e-300, 1e300));
    EXPECT_EQ(parabolaPlot(overflowing).result, DrawResult::Failed);
    EXPECT_EQ(circlePlot(overflowing).result, DrawResult::Failed);
    // At a vast scale the frame shows its axes alone and the line is traced along them.
    const WorldFrame vast(W, H, 1e300);
    EXPECT_EQ(parabolaPlot(storeOf(lineFigure(1, 1, 0)), vast).result, DrawResult::Complete);
    EXPECT_EQ(circlePlot(storeOf(lineFigure(1, 1, 0)), vast).result, DrawResult::Complete);
}

} // namespace
