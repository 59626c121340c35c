// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/families.h"

#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace families;

// The drawings on the canvas (a flat line every 2 twips, the branches of tan x, a parabola joined
// through its clamp line, a quotient that is nowhere defined, the rational family failing at
// x = 0, overflows, the scales 0 and 1E17) are pinned by the fe-plot scenario, the printed page
// by fe-print.

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::nullopt_t undefined = std::nullopt;

TEST(Families, GiveTheFamilysValue)
{
    struct Row
    {
        const char *name;
        Family k;
        Coefficients coefficients;
        double x;
        std::optional<double> y; // notComputable where the value must fail
    };
    // clang-format off
    const Row rows[] = {
        {"linear root", Family::Linear, {2, 3}, -1.5, 0},
        {"quadratic", Family::Quadratic, {1, -1, -2}, -0.5, -1.25},
        {"cubic", Family::Cubic, {1, 0, -1, 0.5}, 2, 6.5},
        {"sine top", Family::Sine, {2, 1, 0, 1}, pi / 2, 3},
        {"sine shifted", Family::Sine, {1, 2, 1, 0}, 1 + pi / 4, 1},
        {"tangent", Family::Tangent, {2, 0.5, 1, -1}, 1 + pi / 2, 1},
        {"quotient", Family::Quotient, {1, 1, 1, -2}, 4, 2.5},
        {"rational", Family::Rational, {2, 1, 3, 1}, 2, -0.4},
        {"quotient at its pole", Family::Quotient, {1, 1, 1, -2}, 2, undefined},
        {"quotient over zero", Family::Quotient, {1, 1, 0, 0}, 3, undefined},
        {"rational divides by zero", Family::Rational, {1, 1, 1, 0}, 0, notComputable},
        {"quadratic overflows", Family::Quadratic, {1e307}, 9, notComputable},
        {"cubic overflows both ways", Family::Cubic, {1e307, -1e307}, 9, notComputable},
        {"sine angle overflows", Family::Sine, {1, 1e308}, 9, notComputable},
        {"tangent angle overflows", Family::Tangent, {1, 1e308}, 9, notComputable},
        // An overflowing denominator must not pass for a quotient of 0.
        {"quotient denominator overflows", Family::Quotient, {1, 0, 1e308}, 9, notComputable},
        {"rational denominator overflows", Family::Rational, {1, 0, 0, 1e200}, 1, notComputable},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<double> y = valueAt(row.k, row.coefficients, row.x);
        ASSERT_EQ(y.has_value(), row.y.has_value());
        if (!y)
            continue;
        if (!computable(*row.y)) {
            EXPECT_FALSE(computable(*y)) << *y;
        } else {
            EXPECT_NEAR(*y, *row.y, 1e-12);
        }
    }
}

TEST(FamilyCurve, KeepsThePreviousValueWhereTheFamilyIsUndefined)
{
    Curve hyperbola(Family::Quotient, {0, 1, 1, -2}); // 1 / (x - 2)
    EXPECT_EQ(hyperbola(1), -1);
    EXPECT_EQ(hyperbola(2), -1);
    EXPECT_EQ(hyperbola(3), 1);

    Curve undefinedEverywhere(Family::Quotient, {1, 1, 0, 0});
    EXPECT_EQ(undefinedEverywhere(5), 0);
}

TEST(Families, SampleEveryTenTimesAButNotCloserThanTwoTwips)
{
    // clang-format off
    const std::pair<double, double> rows[] = {{0.1, 2}, {0.25, 2.5}, {-0.5, 5}, {4, 10}};
    // clang-format on
    for (const auto &[a, step] : rows)
        EXPECT_DOUBLE_EQ(samplingStep(a), step) << a;
}

TEST(AsymptotePen, LiftsOnlyAtAJumpAcrossTheCentreLevel)
{
    struct Row
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
    // clang-format off
    const Row rows[] = {
        {"first sample is set", Family::Linear, 0, 0, 0, false, 1, false, PenAction::Point},
        {"tangent jumps out of the clamp", Family::Tangent, 0, 500, 1e16, true, -3, false, PenAction::Point},
        {"tangent jumps to the clamp", Family::Tangent, 0, 500, 3, false, -1e16, true, PenAction::Point},
        {"quotient jumps across d", Family::Quotient, 1, 500, 1e9, true, -1e9, true, PenAction::Point},
        {"the crossing is measured from d", Family::Tangent, 3, 500, 1e9, true, 1, false, PenAction::Point},
        {"touching d is joined", Family::Tangent, 2, 500, 2, false, -1e9, true, PenAction::Line},
        {"a crossing on the canvas is joined", Family::Tangent, 0, 500, 2, false, -2, false, PenAction::Line},
        {"clamped samples are joined", Family::Tangent, 0, 500, 1e9, true, 2e9, true, PenAction::Line},
        {"a quadratic joins across the clamp", Family::Quadratic, 0, 500, 1e9, true, -1e9, true, PenAction::Line},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CurveSample sample;
        sample.X = row.X;
        sample.previousX = row.X - 10;
        sample.previousy = row.previousy;
        sample.previousClamped = row.previousClamped;
        sample.y = row.y;
        sample.clamped = row.clamped;
        EXPECT_EQ(asymptotePen(row.k, row.d, sample), row.action);
    }
}

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

} // namespace
