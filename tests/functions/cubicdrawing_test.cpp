#include "modules/functions/cubic.h"

#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"
#include "testsupport.h"

#include <algorithm>
#include <vector>

using namespace cubic;

namespace {

using Kind = DrawingOperation::Kind;

struct Drawing
{
    DrawResult result;
    std::vector<DrawingOperation> ops;
};

Drawing drawn(double s, bool grid, const Coefficients &polynomial)
{
    RecordingSurface surface(6135, 6135);
    const DrawResult result = draw(surface, WorldFrame::onSurface(surface, s), grid, polynomial);
    return {result, surface.log().operations()};
}

// The pen colours in the order they were set, and how many strokes and points each drew.
struct Stretch
{
    SystemColour colour;
    int drawn;
};
std::vector<Stretch> stretches(const std::vector<DrawingOperation> &ops)
{
    std::vector<Stretch> result;
    for (const DrawingOperation &op : ops) {
        if (op.kind == Kind::Colour)
            result.push_back({op.colour, 0});
        else if (!result.empty())
            ++result.back().drawn;
    }
    return result;
}

TEST(CubicDrawing, DrawsEachPartInItsOwnColour)
{
    const Drawing drawing = drawn(8, false, {1, -6, 11, -6});
    ASSERT_EQ(drawing.result, DrawResult::Complete);
    ASSERT_FALSE(drawing.ops.empty());
    EXPECT_EQ(drawing.ops.front(), DrawingOperation::penColour(SystemColour::WindowText));
    const std::vector<Stretch> parts = stretches(drawing.ops);
    ASSERT_EQ(parts.size(), 5u);
    const SystemColour colours[] = {SystemColour::WindowText, SystemColour::ButtonShadow,
                                    SystemColour::Desktop, SystemColour::ActiveTitle,
                                    SystemColour::InactiveTitle};
    const int counts[] = {2, 17 + 17, 613, 613, 613};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(parts[i].colour, colours[i]) << i;
        EXPECT_EQ(parts[i].drawn, counts[i]) << i;
    }
}

TEST(CubicDrawing, SamplesThePolynomialAndBothDerivatives)
{
    // y = x, y' = 1, y'' = 0 at the scale 8: the last sample of each curve at X = 6120.
    const Drawing drawing = drawn(8, true, {0, 0, 1, 0});
    const std::vector<DrawingOperation> &ops = drawing.ops;
    const WorldFrame frame(6125, 6125, 8);
    std::vector<double> lastHeights;
    for (std::size_t i = 1; i < ops.size(); ++i) {
        if (ops[i].kind == Kind::Colour && ops[i - 1].kind == Kind::Line && ops[i - 1].x2 == 6120)
            lastHeights.push_back(ops[i - 1].y2);
    }
    lastHeights.push_back(ops.back().y2);
    ASSERT_EQ(lastHeights.size(), 3u);
    EXPECT_EQ(lastHeights[0], frame.Y(frame.x(6120)));
    EXPECT_EQ(lastHeights[1], frame.Y(1));
    EXPECT_EQ(lastHeights[2], frame.Y(0));
}

TEST(CubicDrawing, AZeroScaleDrawsTheAxesAndNoCurve)
{
    const Drawing drawing = drawn(0, false, {1, 0, 0, 0});
    EXPECT_EQ(drawing.result, DrawResult::Failed);
    const std::vector<Stretch> parts = stretches(drawing.ops);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].drawn, 2);
    EXPECT_EQ(parts[1].colour, SystemColour::ButtonShadow);
    EXPECT_EQ(parts[1].drawn, 0);
}

TEST(CubicDrawing, StopsAtACurveValueThatOverflows)
{
    const Drawing drawing = drawn(8, false, {1e306, 0, 0, 0});
    EXPECT_EQ(drawing.result, DrawResult::Failed);
    const std::vector<Stretch> parts = stretches(drawing.ops);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[2].colour, SystemColour::Desktop);
}

} // namespace
