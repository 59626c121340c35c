#include "conicstestsupport.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace conics;

namespace {

// The intersection text of two stored figures; nullptr where a number overflows.
struct IntersectionRow
{
    const char *name;
    Window window;
    Figure first;
    Figure second;
    const char *text;
};

class IntersectionTest : public testing::TestWithParam<IntersectionRow>
{
};

TEST_P(IntersectionTest, WritesTheCommonPoints)
{
    const IntersectionRow &row = GetParam();
    FigureStore figures;
    figures[FigureNumber::First] = row.first;
    figures[FigureNumber::Second] = row.second;
    const std::optional<QString> text = row.window == Window::Parabolas
                                            ? parabolas::intersectionText(figures)
                                            : circles::intersectionText(figures);
    const std::optional<QString> expected =
        row.text ? std::optional(QString::fromUtf8(row.text)) : std::nullopt;
    EXPECT_EQ(text, expected);
}

constexpr auto P = Window::Parabolas;
constexpr auto C = Window::Circles;

INSTANTIATE_TEST_SUITE_P(
    ParabolaWindow, IntersectionTest,
    testing::Values(
        IntersectionRow{"LineAndParabola", P, lineFigure(1, -1, -1), conicFigure(1, 0, -3),
                        "(-1,-2)\r\n( 2, 1)"},
        IntersectionRow{"ParabolaAndLine", P, conicFigure(1, 0, -3), lineFigure(1, -1, -1),
                        "(-1,-2)\r\n( 2, 1)"},
        IntersectionRow{"PointsRounded", P, lineFigure(0, 1, -2), conicFigure(1, 0, 0),
                        "(-1.414, 2)\r\n( 1.414, 2)"},
        IntersectionRow{"SmallerXFirstOnlyWhenOpeningUp", P, lineFigure(0, 1, 1),
                        conicFigure(-1, 0, 0), "( 1,-1)\r\n(-1,-1)"},
        IntersectionRow{"Tangent", P, lineFigure(2, -1, -1), conicFigure(1, 0, 0),
                        "Point of contact:\r\n( 1, 1)"},
        IntersectionRow{"Missing", P, lineFigure(0, 1, 1), conicFigure(1, 0, 0), "No intersection"},
        IntersectionRow{"VerticalLine", P, lineFigure(1, 0, -2), conicFigure(1, 0, 0),
                        "Snijpunt:( 2, 4)"},
        IntersectionRow{"VerticalLineNotRounded", P, conicFigure(1, 0, 0), lineFigure(3, 0, -1),
                        "Snijpunt:( .333333333333333, .111111111111111)"},
        IntersectionRow{"VerticalLineThroughTheOrigin", P, lineFigure(1, 0, 0),
                        conicFigure(1, 0, 0), "Snijpunt:( 0, 0)"},
        IntersectionRow{"NoLine", P, lineFigure(0, 0, 5), conicFigure(1, 0, 0), ""},
        IntersectionRow{"TwoParabolas", P, conicFigure(1, 0, 0), conicFigure(-1, 0, 2),
                        "( 1, 1)\r\n(-1, 1)"},
        IntersectionRow{"ParabolasOneAboveTheOther", P, conicFigure(1, 0, 0), conicFigure(1, 0, 1),
                        ""},
        IntersectionRow{"LinesCross", P, lineFigure(1, 1, -2), lineFigure(1, -1, 0), "( 1, 1)"},
        IntersectionRow{"LinesParallel", P, lineFigure(1, 1, -2), lineFigure(1, 1, 3),
                        "No intersection"},
        IntersectionRow{"LinesCoincide", P, lineFigure(1, 1, -2), lineFigure(1, 1, -2),
                        "Lines coincides"},
        IntersectionRow{"LinePointRounded", P, lineFigure(3, 0, -1), lineFigure(0, 1, 0),
                        "( .333, 0)"},
        IntersectionRow{"FlatParabolaIsItsLine", P, conicFigure(0, 2, 1), lineFigure(2, -1, 1),
                        "Lines coincides"},
        IntersectionRow{"FlatParabolaMeetsParabola", P, conicFigure(0, 0, 1), conicFigure(1, 0, 0),
                        "(-1, 1)\r\n( 1, 1)"},
        IntersectionRow{"AllCoefficientsZero", P, lineFigure(0, 0, 0), conicFigure(0, 0, 0),
                        "Lines coincides"},
        IntersectionRow{"OnlyOneFigure", P, lineFigure(1, 1, 1), noFigure, ""},
        IntersectionRow{"NoFigure", P, noFigure, noFigure, ""},
        IntersectionRow{"OverflowBetweenLines", P, lineFigure(1e200, 1e200, 0),
                        lineFigure(1e200, -1e200, 1), nullptr},
        IntersectionRow{"OverflowInTheDiscriminant", P, conicFigure(1, 1e200, 0),
                        lineFigure(1, 1, 0), nullptr},
        IntersectionRow{"OverflowAtAVerticalLine", P, conicFigure(1e300, 0, 0),
                        lineFigure(1e-10, 0, 1e10), nullptr}),
    rowName<IntersectionRow>);

INSTANTIATE_TEST_SUITE_P(
    CircleWindow, IntersectionTest,
    testing::Values(
        IntersectionRow{"VerticalChord", C, lineFigure(1, 0, 0), conicFigure(0, 0, -4),
                        "( 0,-2)\r\n( 0, 2)"},
        IntersectionRow{"Chord", C, conicFigure(0, 0, -2), lineFigure(1, -1, 0),
                        "(-1,-1)\r\n( 1, 1)"},
        IntersectionRow{"Tangent", C, lineFigure(0, 1, -2), conicFigure(0, 0, -4),
                        "Contact:( 0, 2)"},
        IntersectionRow{"VerticalTangent", C, conicFigure(-1, 0, 0), lineFigure(1, 0, -2),
                        "Contact:( 2, 0)"},
        IntersectionRow{"Missing", C, lineFigure(0, 1, -3), conicFigure(0, 0, -4),
                        "No intersection"},
        IntersectionRow{"TwoCircles", C, conicFigure(0, 0, -4), conicFigure(-2, 0, 0),
                        "( 1,-1.732)\r\n( 1, 1.732)"},
        IntersectionRow{"ConcentricCircles", C, conicFigure(1, 1, -4), conicFigure(1, 1, -1), ""},
        IntersectionRow{"LineAndNoCircle", C, lineFigure(1, 0, 0), conicFigure(0, 0, 4),
                        "No intersection"},
        IntersectionRow{"CircleAndNoCircle", C, conicFigure(0, 0, 4), conicFigure(-2, 0, 0),
                        "No intersection"},
        IntersectionRow{"NoLineFirst", C, lineFigure(0, 0, 5), conicFigure(0, 0, -4), "No line"},
        IntersectionRow{"NoLineSecond", C, conicFigure(0, 0, -4), lineFigure(0, 0, 0), "No line"},
        IntersectionRow{"NoLineBesideNoFigure", C, noFigure, lineFigure(0, 0, 1), "No line"},
        IntersectionRow{"LinesCross", C, lineFigure(1, 1, -2), lineFigure(1, -1, 0), "( 1, 1)"},
        IntersectionRow{"LinesParallel", C, lineFigure(1, 1, -2), lineFigure(1, 1, 3),
                        "No intersection"},
        IntersectionRow{"LinesCoincide", C, lineFigure(1, 1, -2), lineFigure(1, 1, -2),
                        "Lines coincides"},
        IntersectionRow{"LinePointNotRounded", C, lineFigure(3, 0, -1), lineFigure(0, 1, 0),
                        "( .333333333333333, 0)"},
        IntersectionRow{"OnlyOneFigure", C, noFigure, conicFigure(0, 0, -4), ""},
        IntersectionRow{"OverflowInTheDiscriminant", C, conicFigure(1e200, 0, 0),
                        lineFigure(1, 1, 0), nullptr},
        IntersectionRow{"OverflowBetweenCircles", C, conicFigure(1e308, 0, 0),
                        conicFigure(-1e308, 0, 0), nullptr}),
    rowName<IntersectionRow>);

TEST(ParabolaWindowIntersections, TurnAFlatParabolaIntoItsLineInTheStore)
{
    FigureStore figures;
    figures[FigureNumber::First] = conicFigure(0, 2, 1);
    figures[FigureNumber::Second] = conicFigure(1, 0, 0);
    parabolas::intersectionText(figures);
    const Figure &turned = figures[FigureNumber::First];
    EXPECT_EQ(turned.kind, FigureKind::Line);
    EXPECT_EQ(turned.line.u, 2);
    EXPECT_EQ(turned.line.v, -1);
    EXPECT_EQ(turned.line.w, 1);
    EXPECT_EQ(figures[FigureNumber::Second].kind, FigureKind::Conic);
}

TEST(CircleWindowIntersections, LeaveTheStoreAlone)
{
    FigureStore figures;
    figures[FigureNumber::First] = conicFigure(0, 2, 1);
    figures[FigureNumber::Second] = lineFigure(1, 0, 0);
    circles::intersectionText(figures);
    EXPECT_EQ(figures[FigureNumber::First].kind, FigureKind::Conic);
}

} // namespace
