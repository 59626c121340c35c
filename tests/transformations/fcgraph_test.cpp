#include "modules/transformations/fcgraph.h"

#include "canvas/recordingsurface.h"
#include "core/checkedarithmetic.h"
#include "recordeddrawing.h"
#include "testsupport.h"

#include <algorithm>

using namespace transformations;
using namespace transformations::fc;
using Kind = DrawingOperation::Kind;

namespace {

struct ValueRow
{
    const char *name;
    BaseFunction base;
    Transformation transformation;
    Parameters parameters;
    double x;
    double value;
};

class FcYTest : public testing::TestWithParam<ValueRow>
{
};

TEST_P(FcYTest, GivesThePlottedValue)
{
    const ValueRow &row = GetParam();
    const double value = y({row.base, row.transformation, row.parameters}, row.x);
    EXPECT_TRUE(sameValue(value, row.value)) << value;
}

// Parameters are {k, a, b, c}.
INSTANTIATE_TEST_SUITE_P(
    Rows, FcYTest,
    testing::Values(
        ValueRow{"BaseIgnoresTheParameters",
                 BaseFunction::XSquared,
                 Transformation::F,
                 {2, 1, 1, 3},
                 -3,
                 9},
        ValueRow{"TimesK", BaseFunction::XSquared, Transformation::TimesK, {2, 1, 1, 3}, -3, 18},
        ValueRow{
            "ShiftedByA", BaseFunction::XSquared, Transformation::Shifted, {2, 1, 1, 3}, -3, 32},
        ValueRow{"ShiftedAndScaled",
                 BaseFunction::XSquared,
                 Transformation::ShiftedScaled,
                 {2, 1, 1, 3},
                 -3,
                 288},
        ValueRow{"FullForm", BaseFunction::XSquared, Transformation::Full, {2, 1, 1, 3}, -3, 289},
        ValueRow{"KStartsAtZero", BaseFunction::X, Transformation::TimesK, {}, 4, 0},
        ValueRow{
            "SquareRootBelowZeroIsZero", BaseFunction::SquareRoot, Transformation::F, {}, -1, 0},
        ValueRow{"SquareRootFullFormIsZeroNotB",
                 BaseFunction::SquareRoot,
                 Transformation::Full,
                 {1, 2, 1, 1},
                 1,
                 0},
        ValueRow{"SquareRootFullFormFromA",
                 BaseFunction::SquareRoot,
                 Transformation::Full,
                 {1, 2, 1, 1},
                 6,
                 3},
        ValueRow{"SquareRootMirroredByNegativeC",
                 BaseFunction::SquareRoot,
                 Transformation::Full,
                 {1, 2, 1, -1},
                 -2,
                 3},
        ValueRow{"OtherFunctionsKeepBBelowZero",
                 BaseFunction::X,
                 Transformation::Full,
                 {1, 2, 1, 1},
                 1,
                 0},
        ValueRow{"ReciprocalWithCZeroAtMinusZero",
                 BaseFunction::Reciprocal,
                 Transformation::ShiftedScaled,
                 {1, 2, 0, 0},
                 1,
                 0},
        ValueRow{"CubeRootShifted",
                 BaseFunction::CubeRoot,
                 Transformation::Shifted,
                 {1, 1, 0, 0},
                 -7,
                 -2},
        ValueRow{"OverflowOfAPower",
                 BaseFunction::XCubed,
                 Transformation::ShiftedScaled,
                 {1, 0, 0, 1e200},
                 1,
                 notComputable},
        ValueRow{"OverflowHiddenByTheReciprocal",
                 BaseFunction::Reciprocal,
                 Transformation::ShiftedScaled,
                 {1, 0, 0, 1e300},
                 1e10,
                 notComputable},
        ValueRow{"OverflowHiddenByTheSquareRootRule",
                 BaseFunction::SquareRoot,
                 Transformation::Full,
                 {1, 0, 0, -1e300},
                 1e10,
                 notComputable}),
    rowName<ValueRow>);

const WorldFrame canvasAtNine(designSide - 10, designSide - 10, 9);
const PageFrame pageAtNine(designSide, designSide, 1.5, 9);

RecordedDrawing drawn(const FrameMapping &frame, const Graph &graph,
                      DrawResult (*draw)(DrawingSurface &, const FrameMapping &, bool,
                                         const Graph &) = draw)
{
    RecordingSurface surface(float(frame.W + 10), float(frame.H + 10));
    const DrawResult result = draw(surface, frame, false, graph);
    return splitAfterFrame(result, surface.log(), tickedFrameLines);
}

// The columns at which the curve's operations end.
std::vector<double> columns(const std::vector<DrawingOperation> &curve)
{
    std::vector<double> X;
    for (const DrawingOperation &operation : curve)
        X.push_back(operation.kind == Kind::Point ? operation.x1 : operation.x2);
    return X;
}

std::vector<double> everyStep(double step, double last)
{
    std::vector<double> X;
    for (double column = 0; column <= last; column += step)
        X.push_back(column);
    return X;
}

TEST(FcTeken, SamplesTheSquareRootEveryTenTwipsAndTheOthersEveryTwentyFive)
{
    const Graph line{BaseFunction::X, Transformation::F, {}};
    const RecordedDrawing coarse = drawn(canvasAtNine, line);
    ASSERT_EQ(coarse.result, DrawResult::Complete);
    EXPECT_EQ(columns(coarse.curve), everyStep(25, 6125));
    EXPECT_EQ(std::count_if(coarse.curve.begin(), coarse.curve.end(),
                            [](const auto &op) { return op.kind == Kind::Point; }),
              1);

    const RecordedDrawing fine =
        drawn(canvasAtNine, {BaseFunction::SquareRoot, Transformation::F, {}});
    ASSERT_EQ(fine.result, DrawResult::Complete);
    EXPECT_EQ(columns(fine.curve), everyStep(10, 6120));
}

// The square root's samples left of x = a + d, d being one step in world units, are set as single
// points under every transformation; from there on the curve is joined.
TEST(FcTeken, SetsTheSquareRootAsPointsLeftOfAPlusOneStep)
{
    struct Row
    {
        const char *name;
        Transformation transformation;
        Parameters parameters;
    };
    const Row rows[] = {
        {"full form, c = 1", Transformation::Full, {1, 2, 1, 1}},
        {"full form, c = -1: the whole curve as points", Transformation::Full, {1, 2, 1, -1}},
        {"the base graph, with a unused", Transformation::F, {0, 2, 0, 0}},
        {"a negative a", Transformation::Shifted, {1, -3, 0, 0}},
    };
    const double d = (2 * 9 * 10) / canvasAtNine.W;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const RecordedDrawing drawing =
            drawn(canvasAtNine, {BaseFunction::SquareRoot, row.transformation, row.parameters});
        ASSERT_EQ(drawing.result, DrawResult::Complete);
        for (const DrawingOperation &operation : drawing.curve) {
            const double X = operation.kind == Kind::Point ? operation.x1 : operation.x2;
            const bool single = X == 0 || canvasAtNine.x(X) - row.parameters.a < d;
            EXPECT_EQ(operation.kind, single ? Kind::Point : Kind::Line) << X;
        }
    }
}

TEST(FcTeken, APageIsSampledEveryTenTwipsWithTheStandardPen)
{
    const RecordedDrawing line =
        drawn(pageAtNine, {BaseFunction::X, Transformation::F, {}}, drawPage);
    ASSERT_EQ(line.result, DrawResult::Complete);
    EXPECT_EQ(columns(line.curve), everyStep(10, 9190));

    const RecordedDrawing root =
        drawn(pageAtNine, {BaseFunction::SquareRoot, Transformation::Full, {1, 2, 1, 1}}, drawPage);
    ASSERT_EQ(root.result, DrawResult::Complete);
    EXPECT_EQ(std::count_if(root.curve.begin(), root.curve.end(),
                            [](const auto &op) { return op.kind == Kind::Point; }),
              1);
}

TEST(FcTeken, StopsWithAnErrorWhereAValueCannotBeComputed)
{
    struct Row
    {
        const char *name;
        double s;
        Graph graph;
        std::size_t frameLines;
    };
    const Row rows[] = {
        {"a scale of 0 after the axes", 0, {BaseFunction::X, Transformation::F, {}}, 2},
        {"a power that overflows",
         9,
         {BaseFunction::XSquared, Transformation::ShiftedScaled, {1, 0, 0, 1e200}},
         tickedFrameLines},
        {"y times W overflows",
         9,
         {BaseFunction::X, Transformation::Full, {1, 0, 1e305, 1}},
         tickedFrameLines},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (const auto draw : {draw, drawPage}) {
            RecordingSurface surface(designSide, designSide);
            const DrawResult result = draw(
                surface, WorldFrame(designSide - 10, designSide - 10, row.s), false, row.graph);
            EXPECT_EQ(result, DrawResult::Failed);
            EXPECT_EQ(surface.log().operations().size(), row.frameLines);
        }
    }
}

} // namespace
