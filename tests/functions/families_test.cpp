#include "modules/functions/families.h"

#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace families;
using Kind = DrawingOperation::Kind;

namespace {

constexpr double pi = std::numbers::pi;

enum class Outcome
{
    Value,
    Undefined,
    Failure
};

struct ValueRow
{
    const char *name;
    Family k;
    Coefficients coefficients;
    double x;
    Outcome outcome;
    double y = 0;
};

class FamilyValueTest : public testing::TestWithParam<ValueRow>
{
};

TEST_P(FamilyValueTest, GivesTheFamilysValue)
{
    const ValueRow &row = GetParam();
    const std::optional<double> y = valueAt(row.k, row.coefficients, row.x);
    switch (row.outcome) {
    case Outcome::Value:
        ASSERT_TRUE(y.has_value());
        EXPECT_NEAR(*y, row.y, 1e-12);
        break;
    case Outcome::Undefined:
        EXPECT_FALSE(y.has_value());
        break;
    case Outcome::Failure:
        ASSERT_TRUE(y.has_value());
        EXPECT_FALSE(computable(*y)) << *y;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FamilyValueTest,
    testing::Values(
        ValueRow{"LinearRoot", Family::Linear, {2, 3}, -1.5, Outcome::Value, 0},
        ValueRow{"Quadratic", Family::Quadratic, {1, -1, -2}, -0.5, Outcome::Value, -1.25},
        ValueRow{"Cubic", Family::Cubic, {1, 0, -1, 0.5}, 2, Outcome::Value, 6.5},
        ValueRow{"SineTop", Family::Sine, {2, 1, 0, 1}, pi / 2, Outcome::Value, 3},
        ValueRow{"SineShifted", Family::Sine, {1, 2, 1, 0}, 1 + pi / 4, Outcome::Value, 1},
        ValueRow{"Tangent", Family::Tangent, {2, 0.5, 1, -1}, 1 + pi / 2, Outcome::Value, 1},
        ValueRow{"Quotient", Family::Quotient, {1, 1, 1, -2}, 4, Outcome::Value, 2.5},
        ValueRow{"RationalAtZero", Family::Rational, {2, 1, 3, 1}, 0, Outcome::Value, 6},
        ValueRow{"Rational", Family::Rational, {2, 1, 3, 1}, 2, Outcome::Value, -0.4},
        ValueRow{"QuotientAtItsPole", Family::Quotient, {1, 1, 1, -2}, 2, Outcome::Undefined},
        ValueRow{"QuotientOverZero", Family::Quotient, {1, 1, 0, 0}, 3, Outcome::Undefined},
        ValueRow{"RationalDividesByZero", Family::Rational, {1, 1, 1, 0}, 0, Outcome::Failure},
        ValueRow{"QuadraticOverflows", Family::Quadratic, {1e307}, 9, Outcome::Failure},
        ValueRow{"CubicOverflowsBothWays", Family::Cubic, {1e307, -1e307}, 9, Outcome::Failure},
        ValueRow{"SineAngleOverflows", Family::Sine, {1, 1e308}, 9, Outcome::Failure},
        ValueRow{"TangentAngleOverflows", Family::Tangent, {1, 1e308}, 9, Outcome::Failure},
        // An overflowing denominator must not pass for a quotient of 0.
        ValueRow{
            "QuotientDenominatorOverflows", Family::Quotient, {1, 0, 1e308}, 9, Outcome::Failure},
        ValueRow{"RationalDenominatorOverflows",
                 Family::Rational,
                 {1, 0, 0, 1e200},
                 1,
                 Outcome::Failure}),
    rowName<ValueRow>);

TEST(FamilyCurve, KeepsThePreviousValueWhereTheFamilyIsUndefined)
{
    Curve hyperbola(Family::Quotient, {0, 1, 1, -2}); // 1 / (x - 2)
    EXPECT_EQ(hyperbola(1), -1);
    EXPECT_EQ(hyperbola(2), -1);
    EXPECT_EQ(hyperbola(3), 1);

    Curve undefinedEverywhere(Family::Quotient, {1, 1, 0, 0});
    EXPECT_EQ(undefinedEverywhere(5), 0);
    EXPECT_EQ(undefinedEverywhere(6), 0);
}

struct StepRow
{
    const char *name;
    double a;
    double step;
};

class SamplingStepTest : public testing::TestWithParam<StepRow>
{
};

TEST_P(SamplingStepTest, FollowsA)
{
    EXPECT_DOUBLE_EQ(samplingStep(GetParam().a), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Rows, SamplingStepTest,
                         testing::Values(StepRow{"AZero", 0, 2}, StepRow{"ATenth", 0.1, 2},
                                         StepRow{"AFifth", 0.2, 2}, StepRow{"AQuarter", 0.25, 2.5},
                                         StepRow{"AHalf", 0.5, 5}, StepRow{"MinusAHalf", -0.5, 5},
                                         StepRow{"AOne", 1, 10}, StepRow{"AFour", 4, 10},
                                         StepRow{"MinusFour", -4, 10}),
                         rowName<StepRow>);

struct PenRow
{
    const char *name;
    Family k;
    double d;
    double X;
    double previousy;
    bool previousClamped;
    double y;
    bool clamped;
    PenAction action;
};

class AsymptotePenTest : public testing::TestWithParam<PenRow>
{
};

TEST_P(AsymptotePenTest, LiftsOnlyAtAJumpAcrossTheCentreLevel)
{
    const PenRow &row = GetParam();
    CurveSample sample;
    sample.X = row.X;
    sample.previousX = row.X - 10;
    sample.previousy = row.previousy;
    sample.previousClamped = row.previousClamped;
    sample.y = row.y;
    sample.clamped = row.clamped;
    EXPECT_EQ(asymptotePen(row.k, row.d, sample), row.action);
}

INSTANTIATE_TEST_SUITE_P(Rows, AsymptotePenTest,
                         testing::Values(PenRow{"FirstSampleIsSet", Family::Linear, 0, 0, 0, false,
                                                1, false, PenAction::Point},
                                         PenRow{"TangentJumpsIntoTheClamp", Family::Tangent, 0, 500,
                                                1e16, true, -1e16, true, PenAction::Point},
                                         PenRow{"TangentJumpsOutOfTheClamp", Family::Tangent, 0,
                                                500, 1e16, true, -3, false, PenAction::Point},
                                         PenRow{"TangentJumpsToTheClamp", Family::Tangent, 0, 500,
                                                3, false, -1e16, true, PenAction::Point},
                                         PenRow{"QuotientJumpsAcrossD", Family::Quotient, 1, 500,
                                                1e9, true, -1e9, true, PenAction::Point},
                                         PenRow{"CrossingIsMeasuredFromD", Family::Tangent, 3, 500,
                                                1e9, true, 1, false, PenAction::Point},
                                         PenRow{"NoCrossingOfDIsJoined", Family::Tangent, -5, 500,
                                                1e9, true, -1, false, PenAction::Line},
                                         PenRow{"TouchingDIsJoined", Family::Tangent, 2, 500, 2,
                                                false, -1e9, true, PenAction::Line},
                                         PenRow{"CrossingOnTheCanvasIsJoined", Family::Tangent, 0,
                                                500, 2, false, -2, false, PenAction::Line},
                                         PenRow{"ClampedSamplesAreJoined", Family::Tangent, 0, 500,
                                                1e9, true, 2e9, true, PenAction::Line},
                                         PenRow{"RationalJoinsAcrossTheClamp", Family::Rational, 0,
                                                500, 1e9, true, -1e9, true, PenAction::Line},
                                         PenRow{"QuadraticJoinsAcrossTheClamp", Family::Quadratic,
                                                0, 500, 1e9, true, -1e9, true, PenAction::Line}),
                         rowName<PenRow>);

TEST(AsymptotePen, SeesWhetherTheSampleBeforeWasClamped)
{
    // A jump from far above the canvas straight onto it, across the level 0.
    RecordingSurface canvas(6135, 6135);
    SamplingOptions options;
    options.pen = [](const CurveSample &sample) {
        return asymptotePen(Family::Tangent, 0, sample);
    };
    const auto jump = [](double x) { return x < 0 ? 1e9 : -1.0; };
    ASSERT_EQ(sampleCurve(canvas, WorldFrame::onSurface(canvas, 9), jump, options),
              DrawResult::Complete);
    EXPECT_EQ(canvas.log().pointCount(), 2);
}

struct Drawing
{
    DrawResult result;
    std::vector<DrawingOperation> frame; // the axes and the ticks or grid
    std::vector<DrawingOperation> curve; // everything after the frame
};

// The ticks at scale s: 2s + 1 on each axis, none above a scale of 1000.
size_t frameOperations(double s)
{
    const size_t ticks = s > 1000 ? 0 : size_t(2 * std::floor(s) + 1);
    return 2 + 2 * ticks;
}

Drawing split(DrawResult result, const OperationLog &log, double s)
{
    const auto &operations = log.operations();
    const size_t frame = std::min(frameOperations(s), operations.size());
    return {result,
            {operations.begin(), operations.begin() + std::ptrdiff_t(frame)},
            {operations.begin() + std::ptrdiff_t(frame), operations.end()}};
}

Drawing onCanvas(double s, Family k, const Coefficients &coefficients)
{
    RecordingSurface canvas(6135, 6135);
    const DrawResult result =
        draw(canvas, WorldFrame::onSurface(canvas, s), false, k, coefficients);
    return split(result, canvas.log(), s);
}

Drawing onPage(double s, Family k, const Coefficients &coefficients)
{
    const PageFrame page(6135, 6135, 1.5, s);
    RecordingSurface printer(float(page.W + 10), float(page.H + 10));
    const DrawResult result = printedGraph(printer, page, false, k, coefficients);
    return split(result, printer.log(), s);
}

long count(const std::vector<DrawingOperation> &operations, Kind kind)
{
    return std::count_if(operations.begin(), operations.end(),
                         [kind](const DrawingOperation &op) { return op.kind == kind; });
}

constexpr double H = 6125;
constexpr double topClamp = -2000;
constexpr double bottomClamp = H + 2000;

TEST(FamiliesTeken, DrawsTheBranchesOfTanWithoutJoiningThemAcrossTheAsymptotes)
{
    const double s = 5;
    const Drawing tan = onCanvas(s, Family::Tangent, {1, 1, 0, 0});
    ASSERT_EQ(tan.result, DrawResult::Complete);
    ASSERT_EQ(tan.curve.size(), 613u); // X = 0, 10, ..., 6120
    ASSERT_EQ(count(tan.curve, Kind::Point), 5);

    const WorldFrame frame(H, H, s);
    int lifts = 0;
    for (size_t i = 1; i < tan.curve.size(); ++i) {
        const DrawingOperation &op = tan.curve[i];
        if (op.kind == Kind::Line) {
            EXPECT_FALSE(std::minmax(op.y1, op.y2) == std::minmax(topClamp, bottomClamp))
                << "a stroke across the canvas at X = " << op.x2;
            continue;
        }
        // Each lift comes just past x = -3π/2, -π/2, π/2 or 3π/2, after the branch has run up
        // to the clamp line above the canvas, and starts the next branch on the one below.
        ++lifts;
        EXPECT_LT(std::cos(frame.x(op.x1 - 10)) * std::cos(frame.x(op.x1)), 0) << op.x1;
        EXPECT_EQ(op.y1, bottomClamp);
        EXPECT_EQ(tan.curve[i - 1].y2, topClamp);
    }
    EXPECT_EQ(lifts, 4);
    // Samples pulled to the clamp line are still joined to each other.
    const auto joinedOnTheClamp =
        std::count_if(tan.curve.begin(), tan.curve.end(), [](const DrawingOperation &op) {
            return op.kind == Kind::Line && op.y1 == topClamp && op.y2 == topClamp;
        });
    EXPECT_GT(joinedOnTheClamp, 0);
}

TEST(FamiliesTeken, SamplesAFlatLineEveryTwoTwipsWhenAIsZero)
{
    const Drawing line = onCanvas(9, Family::Linear, {0, 3});
    ASSERT_EQ(line.result, DrawResult::Complete);
    ASSERT_EQ(line.curve.size(), 3063u); // X = 0, 2, ..., 6124
    const double Y = WorldFrame(H, H, 9).Y(3);
    EXPECT_EQ(line.curve.front(), DrawingOperation::point(0, Y));
    EXPECT_EQ(line.curve.back(), DrawingOperation::line(6122, Y, 6124, Y));
    EXPECT_EQ(count(line.curve, Kind::Point), 1);
}

TEST(FamiliesTeken, JoinsAParabolaThroughItsClampLine)
{
    const Drawing parabola = onCanvas(9, Family::Quadratic, {3, 0, -20});
    ASSERT_EQ(parabola.result, DrawResult::Complete);
    // Both branches leave the canvas at the top and the vertex lies below it: one stroke.
    EXPECT_EQ(count(parabola.curve, Kind::Point), 1);
    EXPECT_EQ(parabola.curve.front().y1, topClamp);
    EXPECT_TRUE(std::any_of(parabola.curve.begin(), parabola.curve.end(),
                            [](const DrawingOperation &op) { return op.y2 == bottomClamp; }));
}

TEST(FamiliesTeken, KeepsTheLevelOfZeroWhereTheQuotientIsNowhereDefined)
{
    const Drawing flat = onCanvas(9, Family::Quotient, {1, 1, 0, 0});
    ASSERT_EQ(flat.result, DrawResult::Complete);
    ASSERT_EQ(flat.curve.size(), 613u);
    for (const DrawingOperation &op : flat.curve)
        EXPECT_EQ(op.kind == Kind::Point ? op.y1 : op.y2, H / 2);
}

TEST(FamiliesTeken, DrawsOnlyTheAxesAndTheCurveAtAnImmenseScale)
{
    const Drawing immense = onCanvas(1e17, Family::Linear, {1});
    ASSERT_EQ(immense.result, DrawResult::Complete);
    EXPECT_EQ(immense.curve.size(), 613u);
}

struct FailureRow
{
    const char *name;
    double s;
    Family k;
    Coefficients coefficients;
    size_t frameOperations;
    size_t curveOperations;
};

class FamiliesFailureTest : public testing::TestWithParam<FailureRow>
{
};

TEST_P(FamiliesFailureTest, StopsAndKeepsWhatWasDrawn)
{
    const FailureRow &row = GetParam();
    const Drawing drawing = onCanvas(row.s, row.k, row.coefficients);
    EXPECT_EQ(drawing.result, DrawResult::Failed);
    EXPECT_EQ(drawing.frame.size(), row.frameOperations);
    EXPECT_EQ(drawing.curve.size(), row.curveOperations);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FamiliesFailureTest,
    testing::Values(
        FailureRow{"ScaleZero", 0, Family::Linear, {1}, 2, 0},
        // A step of 2.5 lands on x = 0 in the middle: the left half stays drawn.
        FailureRow{"RationalAtTheOriginWithDZero", 9, Family::Rational, {0.25, 1, 2, 0}, 40, 1225},
        FailureRow{"ValueOverflows", 9, Family::Quadratic, {1e307}, 40, 0},
        FailureRow{"HeightOverflows", 9, Family::Quadratic, {1e306}, 40, 0},
        // 2 s X overflows at the second column.
        FailureRow{"ColumnOverflows", 8e307, Family::Linear, {0}, 2, 1}),
    rowName<FailureRow>);

TEST(FamiliesPrinted, SamplesEveryTenTwipsAndSetsEveryClampedSample)
{
    const Drawing tan = onPage(5, Family::Tangent, {0.5, 1, 0, 0});
    ASSERT_EQ(tan.result, DrawResult::Complete);
    ASSERT_EQ(tan.curve.size(), 920u); // px = 0, 10, ..., 9190 on a page box of 9192.5
    const double pageBottomClamp = 9192.5 + 2000;
    long clampedPoints = 0;
    for (size_t i = 1; i < tan.curve.size(); ++i) {
        const DrawingOperation &op = tan.curve[i];
        if (op.kind == Kind::Point) {
            EXPECT_TRUE(op.y1 == topClamp || op.y1 == pageBottomClamp) << op.x1;
            ++clampedPoints;
        } else {
            EXPECT_NE(op.y2, topClamp);
            EXPECT_NE(op.y2, pageBottomClamp);
        }
    }
    EXPECT_GT(clampedPoints, 4);
}

TEST(FamiliesPrinted, KeepsThePreviousValueAndStopsOnAFailedPoint)
{
    const Drawing flat = onPage(9, Family::Quotient, {1, 1, 0, 0});
    ASSERT_EQ(flat.result, DrawResult::Complete);
    for (const DrawingOperation &op : flat.curve)
        EXPECT_EQ(op.kind == Kind::Point ? op.y1 : op.y2, 9192.5 / 2);

    EXPECT_EQ(onPage(9, Family::Cubic, {1e307}).result, DrawResult::Failed);
    EXPECT_EQ(onPage(0, Family::Linear, {1}).result, DrawResult::Failed);
    EXPECT_EQ(onPage(1e17, Family::Linear, {1}).curve.size(), 920u);
}

} // namespace
