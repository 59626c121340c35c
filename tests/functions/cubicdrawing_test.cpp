// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubic.h"

#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"
#include "testsupport.h"

#include <vector>

using namespace cubic;

namespace {

using Kind = DrawingOperation::Kind;

// The operations drawn after each change of the pen colour.
struct Stretch
{
    SystemColour colour;
    Operations drawn;
};

std::vector<Stretch> stretches(const Coefficients &polynomial, DrawResult expected)
{
    RecordingSurface surface(6135, 6135);
    EXPECT_EQ(draw(surface, WorldFrame::onSurface(surface, 8), false, polynomial), expected);
    std::vector<Stretch> result;
    for (const DrawingOperation &op : surface.log().operations()) {
        if (op.kind == Kind::Colour)
            result.push_back({op.colour, {}});
        else if (!result.empty())
            result.back().drawn.push_back(op);
    }
    return result;
}

// y = x³/64 + x²/8 at the scale 8, where a world unit is 6125 / 16 = 382.8125 twips: at the left
// border x = -8, y = -8 + 8 = 0, y' = 3 - 2 = 1 and y'' = -0.75 + 0.25 = -0.5.
TEST(CubicDrawing, DrawsTheFrameThenTheCurveAndBothDerivativesEachInItsColour)
{
    const std::vector<Stretch> parts = stretches({1.0 / 64, 1.0 / 8, 0, 0}, DrawResult::Complete);
    struct Row
    {
        SystemColour colour;
        std::size_t count;
        DrawingOperation first;
    };
    // Two axes, 17 ticks on each, then 613 samples of each curve (X = 0, 10, ..., 6120).
    // clang-format off
    const Row rows[] = {
        {SystemColour::WindowText, 2, DrawingOperation::line(0, 3062.5, 6125, 3062.5)},
        {SystemColour::ButtonShadow, 34, DrawingOperation::line(0, 3022.5, 0, 3102.5)},
        {SystemColour::Desktop, 613, DrawingOperation::point(0, 3062.5)},
        {SystemColour::ActiveTitle, 613, DrawingOperation::point(0, 2679.6875)},
        {SystemColour::InactiveTitle, 613, DrawingOperation::point(0, 3253.90625)},
    };
    // clang-format on
    ASSERT_EQ(parts.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(parts[i].colour, rows[i].colour);
        ASSERT_EQ(parts[i].drawn.size(), rows[i].count);
        EXPECT_EQ(parts[i].drawn.front(), rows[i].first);
    }
}

TEST(CubicDrawing, StopsAtACurveValueThatOverflows)
{
    const std::vector<Stretch> parts = stretches({1e306, 0, 0, 0}, DrawResult::Failed);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[2].colour, SystemColour::Desktop);
}

} // namespace
