#include "conicstestsupport.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include "canvas/framedrawing.h"
#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace conics;

namespace {

using Kind = DrawingOperation::Kind;
using Operations = std::vector<DrawingOperation>;

constexpr float side = 6135; // W = H = 6125
constexpr double W = 6125;
constexpr double H = 6125;

FigureStore storeOf(const Figure &first, const Figure &second = noFigure)
{
    FigureStore figures;
    figures[FigureNumber::First] = first;
    figures[FigureNumber::Second] = second;
    return figures;
}

// The operations of a drawing after its frame of axes and ticks.
struct Plot
{
    Operations figures;
    bool complete;
    parabolas::PlotResult result = parabolas::PlotResult::Complete;
};

Operations frameAlone(double s)
{
    RecordingSurface surface(side, side);
    drawFrame(surface, WorldFrame::onSurface(surface, s), false);
    return surface.log().operations();
}

Operations afterFrame(const RecordingSurface &surface, double s)
{
    const Operations all = surface.log().operations();
    const std::size_t frame = std::min(all.size(), frameAlone(s).size());
    return {all.begin() + std::ptrdiff_t(frame), all.end()};
}

Plot parabolaPlot(const FigureStore &figures, double s = 9)
{
    RecordingSurface surface(side, side);
    const parabolas::PlotResult result =
        parabolas::draw(surface, WorldFrame::onSurface(surface, s), false, figures);
    return {afterFrame(surface, s), result == parabolas::PlotResult::Complete, result};
}

Plot circlePlot(const FigureStore &figures, double s = 9)
{
    RecordingSurface surface(side, side);
    const DrawResult result =
        circles::draw(surface, WorldFrame::onSurface(surface, s), false, figures);
    return {afterFrame(surface, s), result == DrawResult::Complete};
}

long count(const Operations &ops, Kind kind)
{
    return std::count_if(ops.begin(), ops.end(),
                         [kind](const DrawingOperation &op) { return op.kind == kind; });
}

TEST(ConicsDrawing, DrawsOnlyTheFrameWithoutFigures)
{
    EXPECT_TRUE(parabolaPlot({}).figures.empty());
    EXPECT_TRUE(circlePlot({}).figures.empty());
}

// Line traces of both figures first, then the vertical lines, then the conics, whatever order
// the figures were stored in.
TEST(ConicsDrawing, DrawsThePassesInTheirOrder)
{
    const FigureStore figures = storeOf(conicFigure(0.1, 0, 0), lineFigure(1, 0, -4));
    const Plot parabola = parabolaPlot(figures);
    const Plot circle = circlePlot(figures);
    for (const Plot &plot : {parabola, circle}) {
        const Operations &ops = plot.figures;
        ASSERT_TRUE(plot.complete);
        // The vertical line's trace: X = 40 ... 6120 along the x-axis, the first sample not drawn.
        ASSERT_GT(ops.size(), 154u);
        for (std::size_t i = 0; i < 153; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(ops[i], DrawingOperation::line(40.0 * i, H / 2, 40.0 * (i + 1), H / 2));
        }
        // x = 4 over the whole height.
        const double Xv = W / 2 + 4 * W / 18;
        EXPECT_EQ(ops[153], DrawingOperation::line(Xv, 0, Xv, H));
    }
    // Then the conic: a parabola begins with a point on the left border, a circle with a stroke
    // of length zero.
    EXPECT_EQ(parabola.figures[154].kind, Kind::Point);
    EXPECT_EQ(parabola.figures[154].x1, 0);
    ASSERT_EQ(circle.figures.size(), 154u + 93u);
    EXPECT_EQ(circle.figures[154].x1, circle.figures[154].x2);
}

TEST(ConicsDrawing, JoinsClampedSamplesOfALine)
{
    // y = -50x leaves the canvas at once: its samples run along the clamp lines, all joined.
    const Plot plot = parabolaPlot(storeOf(lineFigure(50, 1, 0)));
    ASSERT_TRUE(plot.complete);
    ASSERT_EQ(plot.figures.size(), 153u);
    EXPECT_EQ(count(plot.figures, Kind::Point), 0);
    EXPECT_EQ(plot.figures.front(), DrawingOperation::line(0, -2000, 40, -2000));
    EXPECT_EQ(plot.figures.back(), DrawingOperation::line(6080, H + 2000, 6120, H + 2000));
}

TEST(ConicsDrawing, TracesALineWithoutDirectionOnlyInTheParabolaWindow)
{
    const FigureStore figures = storeOf(lineFigure(0, 0, 5));
    EXPECT_EQ(parabolaPlot(figures).figures.size(), 153u);
    EXPECT_TRUE(circlePlot(figures).figures.empty());
}

TEST(ConicsDrawing, StepsTheParabolaByARunningSumOfAFiftiethOfTheScale)
{
    const Plot plot = parabolaPlot(storeOf(conicFigure(0.1, 0, 0)));
    ASSERT_TRUE(plot.complete);
    const Operations &ops = plot.figures;
    // x = -9, -8.82, ...: the first sample is only set, the next joined from it.
    ASSERT_GE(ops.size(), 100u);
    EXPECT_EQ(ops[0], DrawingOperation::point(0, H / 2 - 8.1 * W / 18));
    EXPECT_EQ(ops[1].kind, Kind::Line);
    EXPECT_EQ(ops[1].x1, 0);
    EXPECT_NEAR(ops[1].x2, 0.18 * W / 18, 1e-9);
    // 101 samples: the running sum of 0.18 ends a hair below 9, just inside the right border.
    EXPECT_EQ(ops.size(), 101u);
    EXPECT_NEAR(ops.back().x2, W, 1e-9);
    EXPECT_EQ(count(ops, Kind::Point), 1);
}

TEST(ConicsDrawing, SetsParabolaSamplesOutsideTheCanvas)
{
    // y = x² at scale 9 leaves the canvas at the top; the far samples are pulled to the clamp
    // line and only set, and each branch comes back in with a stroke from there.
    const Operations ops = parabolaPlot(storeOf(conicFigure(1, 0, 0))).figures;
    double previousY = 0;
    for (const DrawingOperation &op : ops) {
        if (op.kind == Kind::Point) {
            EXPECT_TRUE(op.x1 == 0 || op.x1 == W || op.y1 == -2000) << op.y1;
        } else {
            EXPECT_EQ(op.y1, previousY);
            EXPECT_GT(op.x1, 0);
        }
        previousY = op.kind == Kind::Point ? op.y1 : op.y2;
    }
    EXPECT_GT(count(ops, Kind::Point), 2);
}

TEST(ConicsDrawing, ClosesACircleInNinetyThreeSamples)
{
    // Radius 3 about the origin at scale 9: all inside, every sample joined, the first with a
    // stroke of length zero from the starting point.
    const Plot plot = circlePlot(storeOf(conicFigure(0, 0, -9)));
    ASSERT_TRUE(plot.complete);
    const Operations &ops = plot.figures;
    ASSERT_EQ(ops.size(), 93u);
    EXPECT_EQ(count(ops, Kind::Line), 93);
    const double startX = W / 2 + 3 * W / 18;
    EXPECT_EQ(ops[0], DrawingOperation::line(startX, H / 2, startX, H / 2));
    EXPECT_NEAR(ops.back().x2, startX, 25); // a little past the full turn
}

TEST(ConicsDrawing, CutsACircleAtTheBorder)
{
    // Centre (8, 0), radius 3: the right part lies beyond the canvas and is set on its border.
    const Operations ops = circlePlot(storeOf(conicFigure(-8, 0, 55))).figures;
    ASSERT_EQ(ops.size(), 93u);
    EXPECT_GT(count(ops, Kind::Point), 0);
    for (const DrawingOperation &op : ops) {
        if (op.kind == Kind::Point) {
            EXPECT_EQ(op.x1, W);
        }
    }
}

TEST(ConicsDrawing, LeavesOutACircleWithANegativeSquaredRadius)
{
    const Plot plot = circlePlot(storeOf(conicFigure(0, 0, 4)));
    EXPECT_TRUE(plot.complete);
    EXPECT_TRUE(plot.figures.empty());
}

TEST(ConicsDrawing, DrawsAZeroCircleAsAPointAtTheOrigin)
{
    const Operations ops = circlePlot(storeOf(conicFigure(0, 0, 0))).figures;
    ASSERT_EQ(ops.size(), 93u);
    for (const DrawingOperation &op : ops)
        EXPECT_EQ(op, DrawingOperation::line(W / 2, H / 2, W / 2, H / 2));
}

// Drawing failures: which message the parabola window shows depends on the pass.
struct FailureRow
{
    const char *name;
    double s;
    Figure first;
    parabolas::PlotResult parabolaWindow;
    bool circleWindowFails;
};

class DrawingFailureTest : public testing::TestWithParam<FailureRow>
{
};

TEST_P(DrawingFailureTest, EndsTheDrawing)
{
    const FailureRow &row = GetParam();
    const FigureStore figures = storeOf(row.first);
    EXPECT_EQ(parabolaPlot(figures, row.s).result, row.parabolaWindow);
    EXPECT_EQ(!circlePlot(figures, row.s).complete, row.circleWindowFails);
}

using parabolas::PlotResult;

INSTANTIATE_TEST_SUITE_P(
    Rows, DrawingFailureTest,
    testing::Values(
        FailureRow{"ScaleZero", 0, noFigure, PlotResult::Failed, true},
        FailureRow{"LineOverflows", 9, lineFigure(1, 1e-300, 1e300), PlotResult::Failed, true},
        FailureRow{"ParabolaOverflows", 9, conicFigure(1e305, 0, 0), PlotResult::ParabolaPassFailed,
                   true},
        // A fiftieth of the scale is 0: the parabola's x would never move on.
        FailureRow{"ScaleTooSmallToStep", 1e-322, conicFigure(1, 0, 0),
                   PlotResult::ParabolaPassFailed, true},
        // The frame shows its axes alone, and every pass ends.
        FailureRow{"ScaleTooLargeForUnits", 1e17, conicFigure(1, 0, 0), PlotResult::Complete,
                   false},
        FailureRow{"LargeScaleWithALine", 1e300, lineFigure(1, 1, 0), PlotResult::Complete, false}),
    rowName<FailureRow>);

} // namespace
