#include "modules/transformations/basefunctions.h"

#include "testsupport.h"

#include <cmath>

using namespace transformations;
using namespace Qt::StringLiterals;

namespace {

struct BaseRow
{
    const char *name;
    BaseFunction base;
    double x;
    double value;
};

class BaseFunctionTest : public testing::TestWithParam<BaseRow>
{
};

TEST_P(BaseFunctionTest, GivesItsValue)
{
    EXPECT_EQ(baseValue(GetParam().base, GetParam().x), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BaseFunctionTest,
    testing::Values(BaseRow{"X", BaseFunction::X, -1.5, -1.5},
                    BaseRow{"Square", BaseFunction::XSquared, -3, 9},
                    BaseRow{"Cube", BaseFunction::XCubed, -2, -8},
                    BaseRow{"Reciprocal", BaseFunction::Reciprocal, -4, -0.25},
                    BaseRow{"ReciprocalAtZero", BaseFunction::Reciprocal, 0, 0},
                    BaseRow{"ReciprocalAtMinusZero", BaseFunction::Reciprocal, -0.0, 0},
                    BaseRow{"SquareRoot", BaseFunction::SquareRoot, 6.25, 2.5},
                    BaseRow{"SquareRootAtZero", BaseFunction::SquareRoot, 0, 0},
                    BaseRow{"SquareRootOfMinusOne", BaseFunction::SquareRoot, -1, 0},
                    BaseRow{"CubeRootOfEight", BaseFunction::CubeRoot, 8, 2},
                    BaseRow{"CubeRootOfMinusEight", BaseFunction::CubeRoot, -8, -2},
                    BaseRow{"CubeRootOfZero", BaseFunction::CubeRoot, 0, 0}),
    rowName<BaseRow>);

TEST(BaseFunctions, OverflowIsNotHidden)
{
    EXPECT_TRUE(std::isinf(baseValue(BaseFunction::XCubed, 1e103)));
    EXPECT_TRUE(std::isinf(baseValue(BaseFunction::Reciprocal, 1e-320)));
}

TEST(BaseFunctions, ListsTheSixEntriesWithTheMacron)
{
    EXPECT_EQ(baseFunctionEntries(),
              QStringList({u"x"_s, u"x²"_s, u"x³"_s, u"1/x"_s, u"V\u00afx"_s, u"³V\u00afx"_s}));
}

} // namespace
