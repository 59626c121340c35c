// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/recordingsurface.h"
#include "canvas/sampling.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using Kind = DrawingOperation::Kind;

struct Curve
{
    DrawResult result;
    std::vector<DrawingOperation> ops;
};

Curve sampled(double s, const std::function<double(double)> &f, const SamplingOptions &options = {})
{
    RecordingSurface surface(6135, 6135);
    const DrawResult result = sampleCurve(surface, WorldFrame::onSurface(surface, s), f, options);
    return {result, surface.log().operations()};
}

TEST(Sampling, JoinsEveryTenTwipsFromAFirstPointToTheLastMultipleOfTen)
{
    const Curve line = sampled(8, [](double x) { return x / 2; });
    ASSERT_EQ(line.result, DrawResult::Complete);
    ASSERT_EQ(line.ops.size(), 613u); // X = 0, 10, ..., 6120
    EXPECT_EQ(line.ops.front().kind, Kind::Point);
    EXPECT_EQ(line.ops.front().x1, 0);
    EXPECT_EQ(line.ops[1], DrawingOperation::line(0, line.ops[0].y1, 10, line.ops[1].y2));
    EXPECT_EQ(line.ops.back().kind, Kind::Line);
    EXPECT_EQ(line.ops.back().x2, 6120);
}

TEST(Sampling, ClampsFarSamplesAndOnlySetsThem)
{
    // A steep parabola: its branches leave the canvas at the top.
    const Curve parabola = sampled(8, [](double x) { return 5 * x * x; });
    double previousY = 0;
    for (const DrawingOperation &op : parabola.ops) {
        if (op.kind == Kind::Point) {
            EXPECT_TRUE(op.x1 == 0 || op.y1 == -2000) << op.x1;
            previousY = op.y1;
        } else {
            EXPECT_GE(op.y2, -2000);
            EXPECT_EQ(op.y1, previousY); // a stroke always starts where the previous sample was
            previousY = op.y2;
        }
    }
    // The branch is joined right up to the border and beyond, within the clamp band.
    const auto joinedAboveTop =
        std::count_if(parabola.ops.begin(), parabola.ops.end(), [](const DrawingOperation &op) {
            return op.kind == Kind::Line && op.y2 < 0;
        });
    EXPECT_GT(joinedAboveTop, 0);
}

// What was drawn before the failure stays: at the scale 8 the left half of the canvas.
TEST(Sampling, StopsAtTheFirstSampleThatCannotBeComputed)
{
    struct Row
    {
        const char *name;
        std::function<double(double)> f;
        double s;
        std::size_t drawn;
    };
    // clang-format off
    const Row rows[] = {
        {"division by zero", [](double x) { return x < 0 ? 1.0 : 1 / (x - x); }, 8, 307},
        {"domain", [](double x) { return x < 0 ? 1.0 : std::sqrt(-1 - x); }, 8, 307},
        {"overflow", [](double x) { return x < 0 ? 1.0 : 1e300 * 1e300; }, 8, 307},
        {"a function's own failure", [](double x) { return x < 0 ? 1.0 : notComputable; }, 8, 307},
        // y is finite, but its height y · W is not: a failure, not a clamped point.
        {"the height overflows", [](double x) { return x < 0 ? 1.0 : 1e306; }, 8, 307},
        {"a scale of 0", [](double) { return 1.0; }, 0, 0},
        // x = 2 s X / W - s overflows at the second column.
        {"the column overflows", [](double) { return 1.0; }, 8e307, 1},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Curve curve = sampled(row.s, row.f);
        EXPECT_EQ(curve.result, DrawResult::Failed);
        EXPECT_EQ(curve.ops.size(), row.drawn);
    }
}

TEST(Sampling, TakesTheStepAndPenRuleOfTheModule)
{
    SamplingOptions options;
    options.step = 40;
    options.pen = [](const CurveSample &sample) {
        return sample.X == 0 ? PenAction::Skip : PenAction::Line;
    };
    const Curve line = sampled(
        8, [](double x) { return -100 * x; }, options);
    ASSERT_EQ(line.ops.size(), 153u); // X = 40 ... 6120, the first sample not drawn
    EXPECT_EQ(line.ops.front().x1, 0);
    EXPECT_EQ(line.ops.front().y1, -2000); // clamped samples are joined under this rule
}

} // namespace
