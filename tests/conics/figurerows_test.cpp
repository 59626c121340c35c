#include "conicstestsupport.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include "testsupport.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace conics;

using namespace Qt::StringLiterals;

namespace {

constexpr auto First = FigureNumber::First;
constexpr auto Second = FigureNumber::Second;

std::optional<FigureRows> store(Window window, FigureStore &figures, FigureNumber k,
                                const Figure &boxes)
{
    return window == Window::Parabolas ? parabolas::storeFigure(figures, k, boxes)
                                       : circles::storeFigure(figures, k, boxes);
}

std::optional<QString> text(const char *row)
{
    if (!row)
        return std::nullopt;
    return QString::fromUtf8(row);
}

// The rows a figure gets; nullptr where a row keeps its previous text.
struct RowsRow
{
    const char *name;
    Window window;
    FigureNumber k;
    Figure boxes;
    const char *prescription;
    const char *details;
};

class FigureRowsTest : public testing::TestWithParam<RowsRow>
{
};

TEST_P(FigureRowsTest, DescribeTheStoredFigure)
{
    const RowsRow &row = GetParam();
    FigureStore figures;
    const std::optional<FigureRows> rows = store(row.window, figures, row.k, row.boxes);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->prescription, text(row.prescription));
    EXPECT_EQ(rows->details, text(row.details));
    EXPECT_EQ(figures[row.k].kind, row.boxes.kind);
}

constexpr auto P = Window::Parabolas;
constexpr auto C = Window::Circles;

INSTANTIATE_TEST_SUITE_P(
    Rows, FigureRowsTest,
    testing::Values(
        RowsRow{"ParabolaWindowFirstLine", P, First, lineFigure(2, -3, 6), "+ 2x-3y+ 6=0",
                "Int X:-3  sn Y:  2"},
        RowsRow{"ParabolaWindowSecondLine", P, Second, lineFigure(2, -3, 6), "+ 2x-3y+ 6=0",
                "Int X:-3  Int Y: 2"},
        RowsRow{"ParabolaWindowVerticalLine", P, First, lineFigure(1, 0, -4), "+ 1x+ 0y-4=0",
                "Int X: 4"},
        RowsRow{"ParabolaWindowHorizontalLine", P, Second, lineFigure(0, 2, 3), "+ 0x+ 2y+ 3=0",
                "Int Y:-1.5"},
        RowsRow{"InterceptRoundedToThreeDecimals", P, First, lineFigure(0, 3, 1), "+ 0x+ 3y+ 1=0",
                "Int Y:-.333"},
        RowsRow{"InterceptRoundedHalfUp", P, First, lineFigure(0, 2000, 3), "+ 0x+ 2000y+ 3=0",
                "Int Y:-.001"},
        RowsRow{"ParabolaWindowLineWithoutDirectionKeepsDetails", P, First, lineFigure(0, 0, 5),
                "+ 0x+ 0y+ 5=0", nullptr},
        RowsRow{"NegativeZeroIsWrittenAsZero", P, First, lineFigure(-0.0, 1, -0.0), "+ 0x+ 1y+ 0=0",
                "Int Y: 0"},
        RowsRow{"InterceptAtTheOrigin", P, First, lineFigure(1, 1, 0), "+ 1x+ 1y+ 0=0",
                "Int X: 0  sn Y:  0"},
        RowsRow{"Parabola", P, First, conicFigure(1, -2, -3), "y=+ 1x²-2x-3", "T(+ 1 , -4)"},
        RowsRow{"VertexNotRounded", P, Second, conicFigure(2, 1, 0), "y=+ 2x²+ 1x+ 0",
                "T(-.25 , -.125)"},
        RowsRow{"VertexAtTheOriginHasNoMinusZero", P, First, conicFigure(0.5, 0, 0),
                "y=+ .5x²+ 0x+ 0", "T(+ 0 , + 0)"},
        RowsRow{"NoParabola", P, First, conicFigure(0, 2, 1), "y=+ 0x²+ 2x+ 1", "No parabola"},
        RowsRow{"CircleWindowFirstLine", C, First, lineFigure(1, 1, -2), "+ 1x+ 1y-2=0",
                "Int X: 2  Int Y: 2"},
        RowsRow{"CircleWindowSecondLine", C, Second, lineFigure(1, 1, -2), "+ 1x+ 1y-2=0",
                "sn X:  2  sn Y:  2"},
        RowsRow{"CircleWindowHorizontalLine", C, First, lineFigure(0, 1, -3), "+ 0x+ 1y-3=0",
                "  Int Y: 3"},
        RowsRow{"CircleWindowSecondHorizontalLine", C, Second, lineFigure(0, 1, -3), "+ 0x+ 1y-3=0",
                "  sn Y:  3"},
        RowsRow{"CircleWindowVerticalLine", C, First, lineFigure(1, 0, 0), "+ 1x+ 0y+ 0=0",
                "Int X: 0"},
        RowsRow{"CircleWindowLineWithoutDirection", C, Second, lineFigure(0, 0, 5), nullptr, ""},
        RowsRow{"Circle", C, First, conicFigure(1, -2, -4), "x²+y²+ 2x-4y-4=0",
                "m(-1 , + 2)  R=+ 3"},
        RowsRow{"RadiusRounded", C, First, conicFigure(1, 1, 0), "x²+y²+ 2x+ 2y+ 0=0",
                "m(-1 , -1)  R=+ 1.414"},
        RowsRow{"HalfCentre", C, Second, conicFigure(0.5, 0, 0), "x²+y²+ 1x+ 0y+ 0=0",
                "m(-.5 , + 0)  R=+ .5"},
        RowsRow{"PointCircle", C, First, conicFigure(0, 0, 0), "x²+y²+ 0x+ 0y+ 0=0",
                "m(+ 0 , + 0)  R=+ 0"},
        RowsRow{"NoCircle", C, First, conicFigure(0, 0, 4), "x²+y²+ 0x+ 0y+ 4=0", "No circle"}),
    rowName<RowsRow>);

// Storing a figure whose row numbers overflow stores nothing.
struct OverflowRow
{
    const char *name;
    Window window;
    Figure boxes;
};

class StoringOverflowTest : public testing::TestWithParam<OverflowRow>
{
};

TEST_P(StoringOverflowTest, LeavesStoreAndRowsAsTheyWere)
{
    const OverflowRow &row = GetParam();
    FigureStore figures;
    figures[Second] = lineFigure(1, 2, 3);
    figures[Second].conic = {4, 5, 6};
    const FigureStore before = figures;
    EXPECT_EQ(store(row.window, figures, Second, row.boxes), std::nullopt);
    EXPECT_EQ(figures[Second].kind, FigureKind::Line);
    EXPECT_EQ(figures[Second].line.w, before[Second].line.w);
    EXPECT_EQ(figures[Second].conic.a, before[Second].conic.a);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoringOverflowTest,
    testing::Values(OverflowRow{"XInterceptTimesThousand", P, lineFigure(1, 0, 1e306)},
                    OverflowRow{"YInterceptTimesThousand", C, lineFigure(0, 1, -1e306)},
                    OverflowRow{"InterceptQuotient", P, lineFigure(1e-300, 1, 1e10)},
                    OverflowRow{"Discriminant", P, conicFigure(1, 1e200, 0)},
                    OverflowRow{"SquaredRadius", C, conicFigure(1e200, 1e200, 0)},
                    OverflowRow{"HugeCentre", C, conicFigure(0, 1e308, -1)}),
    rowName<OverflowRow>);

TEST(FigureStore, StoringAFigureKeepsTheOtherThreeCoefficients)
{
    FigureStore figures;
    EXPECT_EQ(figures[First].kind, FigureKind::None);
    figures.store(First, {FigureKind::Conic, {7, 8, 9}, {1, 2, 3}});
    figures.store(First, {FigureKind::Line, {4, 5, 6}, {0, 0, 0}});
    EXPECT_EQ(figures[First].kind, FigureKind::Line);
    EXPECT_EQ(figures[First].line.v, 5);
    EXPECT_EQ(figures[First].conic.b, 2);
    EXPECT_EQ(figures[Second].kind, FigureKind::None);
}

TEST(FigureStore, ZeroingKeepsTheKinds)
{
    FigureStore figures;
    figures[First] = lineFigure(1, 2, 3);
    figures[Second] = conicFigure(4, 5, 6);
    figures.zeroCoefficients();
    EXPECT_EQ(figures[First].kind, FigureKind::Line);
    EXPECT_EQ(figures[Second].kind, FigureKind::Conic);
    for (const Figure &figure : figures.figures) {
        EXPECT_EQ(figure.line.u, 0);
        EXPECT_EQ(figure.line.w, 0);
        EXPECT_EQ(figure.conic.a, 0);
        EXPECT_EQ(figure.conic.c, 0);
    }
}

TEST(FigureText, WritesCoefficientsWithTheirSign)
{
    EXPECT_EQ(signedCoefficientText(2), u"+ 2"_s);
    EXPECT_EQ(signedCoefficientText(0), u"+ 0"_s);
    EXPECT_EQ(signedCoefficientText(-0.0), u"+ 0"_s);
    EXPECT_EQ(signedCoefficientText(-3), u"-3"_s);
    EXPECT_EQ(signedCoefficientText(0.25), u"+ .25"_s);
    EXPECT_EQ(pointText(-1, -2), u"(-1,-2)"_s);
    EXPECT_EQ(pointText(2, -0.0), u"( 2, 0)"_s);
}

TEST(FigureText, WritesAPointWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(signedCoefficientText(-0.5), u"-.5"_s);
    EXPECT_EQ(pointText(1.25, 0.5), u"( 1.25, .5)"_s);
    QLocale::setDefault(before);
}

} // namespace
