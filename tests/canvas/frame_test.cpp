// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/framedrawing.h"
#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using Kind = DrawingOperation::Kind;

constexpr float designSide = 6135;

std::vector<DrawingOperation> framed(double s, bool grid,
                                     DrawResult expected = DrawResult::Complete)
{
    RecordingSurface surface(designSide, designSide);
    EXPECT_EQ(drawFrame(surface, WorldFrame::onSurface(surface, s), grid), expected);
    return surface.log().operations();
}

// Lines of the frame after the two axes that stand at the given canvas position.
int linesAt(const std::vector<DrawingOperation> &ops, bool vertical, double position)
{
    int count = 0;
    for (std::size_t i = 2; i < ops.size(); ++i) {
        const DrawingOperation &op = ops[i];
        const bool isVertical = op.x1 == op.x2;
        if (isVertical == vertical && (vertical ? op.x1 : op.y1) == position)
            ++count;
    }
    return count;
}

TEST(WorldFrame, MapsTheDesignCanvasAtScaleEight)
{
    const WorldFrame frame(6125, 6125, 8);
    EXPECT_EQ(frame.X(0), 3062.5);
    EXPECT_EQ(frame.Y(0), 3062.5);
    EXPECT_EQ(frame.X(1) - frame.X(0), 382.8125);
    EXPECT_EQ(frame.Xj(1), 3445.3125);
    EXPECT_EQ(frame.x(frame.X(-3)), -3);
    EXPECT_EQ(frame.Yj(2), frame.Y(2));
}

TEST(WorldFrame, PageFrameMagnifiesTheCanvas)
{
    // The page box is 1.5 · 6135 - 10 = 9192.5 twips; a world unit at scale 8 is 574.53125.
    const PageFrame page(6135, 6135, 1.5, 8);
    EXPECT_EQ(page.W, 9192.5);
    EXPECT_EQ(page.X(-8), 0);
    EXPECT_EQ(page.X(8), 9192.5);
    EXPECT_EQ(page.Y(4), 2298.125);
    EXPECT_EQ(page.Yj(-4), 6894.375);
}

TEST(FrameDrawing, DrawsAxesThenTicksOrGrid)
{
    struct Row
    {
        const char *name;
        double s;
        bool grid;
        int lines;
    };
    // Ticks: 2s + 1 on each axis. Grid: 2s + 1 lines each way, 62 dashes (d = 0 ... 6100).
    // clang-format off
    const Row rows[] = {
        {"ticks at scale 8", 8, false, 2 + 17 + 17},
        {"grid at scale 8", 8, true, 2 + 17 * 62 * 2},
        {"ticks at scale 2.5", 2.5, false, 2 + 6 + 6},
        {"negative scale: axes only", -3, true, 2},
        {"ticks at the largest scale that shows them", 1000, false, 2 + 2001 + 2001},
        {"ticks beyond it: axes only", 1000.5, false, 2},
        {"grid at the largest scale that shows it", 50, true, 2 + 101 * 62 * 2},
        {"grid beyond it: axes only", 50.5, true, 2},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto ops = framed(row.s, row.grid);
        ASSERT_EQ(int(ops.size()), row.lines);
        EXPECT_EQ(ops[0], DrawingOperation::line(0, 3062.5, 6125, 3062.5));
        EXPECT_EQ(ops[1], DrawingOperation::line(3062.5, 0, 3062.5, 6125));
    }
}

TEST(FrameDrawing, TicksAreCentredOnTheAxesIncludingTheBorders)
{
    const auto ops = framed(8, false);
    EXPECT_EQ(ops[2], DrawingOperation::line(0, 3022.5, 0, 3102.5));
    EXPECT_EQ(ops[2 + 9], DrawingOperation::line(3445.3125, 3022.5, 3445.3125, 3102.5));
    EXPECT_EQ(ops[2 + 16], DrawingOperation::line(6125, 3022.5, 6125, 3102.5));
    EXPECT_EQ(ops[2 + 17], DrawingOperation::line(3022.5, 6125, 3102.5, 6125));
}

TEST(FrameDrawing, GridLinesAreDashesAtEveryWholeUnit)
{
    const auto ops = framed(2.5, true);
    // At s = 2.5 the lines stand at -2.5 ... 2.5: the first on the left border, one unit apart.
    EXPECT_EQ(linesAt(ops, true, 0), 62);
    EXPECT_EQ(linesAt(ops, true, 1225), 62);
    EXPECT_EQ(linesAt(ops, true, 6125), 62);
    EXPECT_EQ(ops[2], DrawingOperation::line(0, 0, 0, 40));
    EXPECT_EQ(ops[3], DrawingOperation::line(0, 100, 0, 140));
    // The horizontal line at -2.5 is the bottom border, drawn after the six vertical lines.
    EXPECT_EQ(linesAt(ops, false, 6125), 62);
    EXPECT_EQ(ops[2 + 6 * 62], DrawingOperation::line(0, 6125, 40, 6125));
}

TEST(FrameDrawing, AZeroScaleFailsWithAtMostTheAxes)
{
    EXPECT_EQ(framed(0, false, DrawResult::Failed).size(), 2u);
    EXPECT_EQ(framed(0, true, DrawResult::Failed).size(), 2u);
}

} // namespace
