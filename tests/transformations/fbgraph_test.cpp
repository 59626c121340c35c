#include "modules/transformations/fbgraph.h"

#include "canvas/recordingsurface.h"
#include "core/checkedarithmetic.h"
#include "recordeddrawing.h"
#include "testsupport.h"

#include <algorithm>

using namespace transformations;
using namespace transformations::fb;
using Kind = DrawingOperation::Kind;

namespace {

struct ValueRow
{
    const char *name;
    BaseFunction base;
    Transformation transformation;
    double k;
    double x;
    double value;
};

class FbFTest : public testing::TestWithParam<ValueRow>
{
};

TEST_P(FbFTest, EvaluatesTheBaseFunction)
{
    const ValueRow &row = GetParam();
    EXPECT_EQ(f({row.base, row.transformation, row.k}, row.x), row.value);
}

// The square root is the one row where the window's f differs from the plain base function.
INSTANTIATE_TEST_SUITE_P(
    Rows, FbFTest,
    testing::Values(
        ValueRow{"SquareRootOfFour", BaseFunction::SquareRoot, Transformation::PlusK, 3, 4, 2},
        ValueRow{"SquareRootBelowZeroIsMinusKUnderPlusK", BaseFunction::SquareRoot,
                 Transformation::PlusK, 3, -1, -3},
        ValueRow{"SquareRootBelowZeroIsZeroUnderShift", BaseFunction::SquareRoot,
                 Transformation::ShiftX, 3, -1, 0},
        ValueRow{"SquareRootBelowZeroIsZeroUnderTimesK", BaseFunction::SquareRoot,
                 Transformation::TimesK, 3, -1, 0},
        ValueRow{"SquareRootBelowZeroIsZeroUnderScale", BaseFunction::SquareRoot,
                 Transformation::ScaleX, 3, -1, 0},
        ValueRow{"ReciprocalAtMinusZero", BaseFunction::Reciprocal, Transformation::ScaleX, 0, -0.0,
                 0},
        ValueRow{"CubeRootOfMinusEight", BaseFunction::CubeRoot, Transformation::PlusK, 0, -8, -2}),
    rowName<ValueRow>);

class FbYTest : public testing::TestWithParam<ValueRow>
{
};

TEST_P(FbYTest, GivesThePlottedValue)
{
    const ValueRow &row = GetParam();
    const double value = y({row.base, row.transformation, row.k}, row.x);
    EXPECT_TRUE(sameValue(value, row.value)) << value;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FbYTest,
    testing::Values(
        ValueRow{"SquarePlusK", BaseFunction::XSquared, Transformation::PlusK, 2, 3, 11},
        ValueRow{"SquareShifted", BaseFunction::XSquared, Transformation::ShiftX, 2, 3, 25},
        ValueRow{"SquareTimesK", BaseFunction::XSquared, Transformation::TimesK, 2, 3, 18},
        ValueRow{"SquareScaled", BaseFunction::XSquared, Transformation::ScaleX, 2, 3, 36},
        ValueRow{"KZeroLeavesTheBaseUnderPlusK", BaseFunction::XCubed, Transformation::PlusK, 0, -2,
                 -8},
        ValueRow{"KZeroFlattensUnderTimesK", BaseFunction::XCubed, Transformation::TimesK, 0, -2,
                 0},
        ValueRow{"ReciprocalAtMinusZeroFromXTimesZero", BaseFunction::Reciprocal,
                 Transformation::ScaleX, 0, -3, 0},
        ValueRow{"ReciprocalAtZeroIsK", BaseFunction::Reciprocal, Transformation::PlusK, 1.5, 0,
                 1.5},
        ValueRow{"SquareRootOnTheAxisUnderPlusK", BaseFunction::SquareRoot, Transformation::PlusK,
                 2, -3, 0},
        ValueRow{"SquareRootOnTheAxisUnderShift", BaseFunction::SquareRoot, Transformation::ShiftX,
                 2, -3, 0},
        ValueRow{"SquareRootShiftedFromMinusTwo", BaseFunction::SquareRoot, Transformation::ShiftX,
                 2, 7, 3},
        ValueRow{"CubeRootScaled", BaseFunction::CubeRoot, Transformation::ScaleX, -2, 4, -2},
        ValueRow{"OverflowOfAPower", BaseFunction::XCubed, Transformation::ScaleX, 1e200, 1,
                 notComputable},
        ValueRow{"OverflowHiddenByTheReciprocal", BaseFunction::Reciprocal, Transformation::ScaleX,
                 1e300, 1e10, notComputable},
        ValueRow{"OverflowOfTheShift", BaseFunction::Reciprocal, Transformation::ShiftX, 1.7e308,
                 1.7e308, notComputable}),
    rowName<ValueRow>);

RecordedDrawing drawn(const FrameMapping &frame, bool grid, const Graph &graph,
                      std::size_t frameLines = tickedFrameLines)
{
    RecordingSurface surface(float(frame.W + 10), float(frame.H + 10));
    const DrawResult result = draw(surface, frame, grid, graph);
    return splitAfterFrame(result, surface.log(), frameLines);
}

TEST(FbTeken, SamplesEveryTenTwipsAndLiftsThePenAtTheClamp)
{
    const WorldFrame frame(designSide - 10, designSide - 10, 9);
    const RecordedDrawing hyperbola =
        drawn(frame, false, {BaseFunction::Reciprocal, Transformation::PlusK, 1});
    ASSERT_EQ(hyperbola.result, DrawResult::Complete);
    ASSERT_EQ(hyperbola.curve.size(), 613u); // X = 0, 10, ..., 6120

    double expectedX = 0;
    for (const DrawingOperation &operation : hyperbola.curve) {
        const double X = operation.kind == Kind::Point ? operation.x1 : operation.x2;
        EXPECT_EQ(X, expectedX);
        expectedX += 10;
        if (operation.kind == Kind::Point) {
            EXPECT_TRUE(X == 0 || clampedPoint(operation, frame)) << X;
        } else {
            // The two branches beside the pole at X = 3062.5 are never joined.
            EXPECT_FALSE(operation.x1 < 3062.5 && operation.x2 > 3062.5);
        }
    }
    const auto points = std::count_if(hyperbola.curve.begin(), hyperbola.curve.end(),
                                      [](const auto &op) { return op.kind == Kind::Point; });
    EXPECT_GT(points, 1);
}

TEST(FbTeken, StopsWithAnErrorWhereAValueCannotBeComputed)
{
    struct Row
    {
        const char *name;
        double s;
        Graph graph;
        std::size_t frameLines;
        std::size_t curveOperations;
    };
    const Row rows[] = {
        {"a scale of 0 after the axes", 0, {BaseFunction::X, Transformation::PlusK, 0}, 2, 0},
        {"a power that overflows",
         9,
         {BaseFunction::XCubed, Transformation::ScaleX, 1e200},
         tickedFrameLines,
         0},
        // y is finite but y·W is not: an error, not a row of clamped points.
        {"y times W overflows",
         9,
         {BaseFunction::X, Transformation::PlusK, 1e305},
         tickedFrameLines,
         0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const RecordedDrawing drawing = drawn(WorldFrame(designSide - 10, designSide - 10, row.s),
                                              false, row.graph, row.frameLines);
        EXPECT_EQ(drawing.result, DrawResult::Failed);
        EXPECT_EQ(drawing.frame.size(), row.frameLines);
        EXPECT_EQ(drawing.curve.size(), row.curveOperations);
    }
}

TEST(FbTeken, HugeButFiniteValuesAreClamped)
{
    const WorldFrame frame(designSide - 10, designSide - 10, 9);
    const RecordedDrawing drawing =
        drawn(frame, false, {BaseFunction::X, Transformation::PlusK, 1e300});
    ASSERT_EQ(drawing.result, DrawResult::Complete);
    EXPECT_TRUE(std::all_of(drawing.curve.begin(), drawing.curve.end(),
                            [&frame](const auto &op) { return clampedPoint(op, frame); }));
}

// Whole units closer than three twips would blacken the canvas, and at a scale such as 1E17
// (where j + 1 == j) the unit loops would never end: the canvas and the page show the axes alone.
TEST(FbTeken, AHugeScaleDrawsOnlyTheAxesOnCanvasAndPage)
{
    const WorldFrame canvas(designSide - 10, designSide - 10, 1e17);
    const PageFrame page(designSide, designSide, 1.5, 1e17);
    for (const bool grid : {false, true}) {
        SCOPED_TRACE(grid);
        const Graph line{BaseFunction::X, Transformation::PlusK, 0};
        const RecordedDrawing onCanvas = drawn(canvas, grid, line, 2);
        EXPECT_EQ(onCanvas.result, DrawResult::Complete);
        EXPECT_EQ(onCanvas.curve.size(), 613u);
        const RecordedDrawing onPage = drawn(page, grid, line, 2);
        EXPECT_EQ(onPage.result, DrawResult::Complete);
        EXPECT_EQ(onPage.curve.size(), 920u); // X = 0, 10, ..., 9190 on a page of 9192.5
        EXPECT_EQ(onPage.curve.front().kind, Kind::Point);
    }
}

} // namespace
