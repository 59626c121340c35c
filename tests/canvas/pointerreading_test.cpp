#include "canvas/worldframe.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

struct PointRow
{
    const char *name;
    double W;
    double s;
    double X;
    double Y;
    const char *text;
};

class WorldPointText : public testing::TestWithParam<PointRow>
{
};

// On a 6135-twip canvas W = H = 6125, so the origin lies at (3062.5, 3062.5).
TEST_P(WorldPointText, ReadsTheWorldPointUnderTheSurfacePoint)
{
    const PointRow &row = GetParam();
    EXPECT_EQ(worldPointText(WorldFrame(row.W, row.W, row.s), row.X, row.Y),
              QString::fromUtf8(row.text));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WorldPointText,
    testing::Values(PointRow{"Origin", 6125, 8, 3062.5, 3062.5, "x = 0, y = 0"},
                    PointRow{"TopLeftCorner", 6125, 8, 0, 0, "x = -8, y = 8"},
                    PointRow{"ThreeDecimalsRoundedHalfUp", 6125, 10, 3063, 3062,
                             "x = .002, y = .002"},
                    PointRow{"NegativeBelowTheAxis", 6125, 8, 3062.5, 4593.75, "x = 0, y = -4"},
                    PointRow{"CanvasWithoutRoomHasNoReading", 0, 8, 100, 100, ""}),
    rowName<PointRow>);

} // namespace
