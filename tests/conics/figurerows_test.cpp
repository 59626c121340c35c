// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "conicstestsupport.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include "testsupport.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace conics;
using namespace Qt::StringLiterals;

// The rows of the worked examples of both windows (first and second lines, vertical and
// horizontal lines, rounded intercepts, lines without direction, parabolas, circles, no parabola,
// no circle) and overflows of the intercepts, the discriminant and the squared radius are pinned
// by the fg-store and fh-store scenarios; zeroing the store by fg-plot.

namespace {

constexpr auto First = FigureNumber::First;
constexpr auto Second = FigureNumber::Second;
constexpr auto P = Window::Parabolas;
constexpr auto C = Window::Circles;

std::optional<FigureRows> store(Window window, FigureStore &figures, FigureNumber k,
                                const Figure &boxes)
{
    return window == P ? parabolas::storeFigure(figures, k, boxes)
                       : circles::storeFigure(figures, k, boxes);
}

TEST(FigureRows, DescribeTheStoredFigure)
{
    struct Row
    {
        const char *name;
        Figure boxes;
        const char *prescription;
        const char *details;
    };
    // clang-format off
    const Row rows[] = {
        {"intercept rounded half up", lineFigure(0, 2000, 3), "+ 0x+ 2000y+ 3=0", "Int Y:-.001"},
        {"negative zero is written as zero", lineFigure(-0.0, 1, -0.0), "+ 0x+ 1y+ 0=0", "Int Y: 0"},
        {"intercepts at the origin", lineFigure(1, 1, 0), "+ 1x+ 1y+ 0=0", "Int X: 0  sn Y:  0"},
        {"vertex at the origin has no minus zero", conicFigure(0.5, 0, 0), "y=+ .5x²+ 0x+ 0", "T(+ 0 , + 0)"},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FigureStore figures;
        const std::optional<FigureRows> stored = store(P, figures, First, row.boxes);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->prescription, QString::fromUtf8(row.prescription));
        EXPECT_EQ(stored->details, QString::fromUtf8(row.details));
        EXPECT_EQ(figures[First].kind, row.boxes.kind);
    }
}

// Storing a figure whose row numbers overflow stores nothing.
TEST(FigureRows, LeaveStoreAndRowsAsTheyWereOnAnOverflow)
{
    // clang-format off
    const std::pair<Window, Figure> rows[] = {
        {P, lineFigure(1e-300, 1, 1e10)}, // the intercept quotient
        {C, conicFigure(0, 1e308, -1)},   // a huge centre
    };
    // clang-format on
    for (const auto &[window, boxes] : rows) {
        FigureStore figures;
        figures[Second] = lineFigure(1, 2, 3);
        EXPECT_EQ(store(window, figures, Second, boxes), std::nullopt);
        EXPECT_EQ(figures[Second].kind, FigureKind::Line);
        EXPECT_EQ(figures[Second].line.w, 3);
    }
}

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

TEST(FigureText, WritesAPointWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(signedCoefficientText(-0.5), u"-.5"_s);
    EXPECT_EQ(pointText(1.25, 0.5), u"( 1.25, .5)"_s);
    EXPECT_EQ(pointText(2, -0.0), u"( 2, 0)"_s);
    QLocale::setDefault(before);
}

} // namespace
