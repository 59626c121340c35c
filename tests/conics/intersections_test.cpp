// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "conicstestsupport.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace conics;

// The worked examples of both windows (a line and a parabola in either order, tangents, vertical
// lines, two parabolas, two circles, two lines crossing, parallel or the same, a parabola with
// a = 0 turned into its line in the store, lines without direction, an overflow in the
// discriminant) are pinned by the fg-inters and fh-inters scenarios.

namespace {

constexpr auto P = Window::Parabolas;
constexpr auto C = Window::Circles;

// The intersection text of two stored figures; nullptr where a number overflows.
TEST(Intersections, WriteTheCommonPoints)
{
    struct Row
    {
        const char *name;
        Window window;
        Figure first;
        Figure second;
        const char *text;
    };
    // clang-format off
    const Row rows[] = {
        {"points rounded", P, lineFigure(0, 1, -2), conicFigure(1, 0, 0), "(-1.414, 2)\r\n( 1.414, 2)"},
        {"smaller x first only when opening up", P, lineFigure(0, 1, 1), conicFigure(-1, 0, 0), "( 1,-1)\r\n(-1,-1)"},
        {"missing", P, lineFigure(0, 1, 1), conicFigure(1, 0, 0), "No intersection"},
        {"vertical line through the origin", P, lineFigure(1, 0, 0), conicFigure(1, 0, 0), "Snijpunt:( 0, 0)"},
        {"flat parabola meets parabola", P, conicFigure(0, 0, 1), conicFigure(1, 0, 0), "(-1, 1)\r\n( 1, 1)"},
        {"all coefficients zero", P, lineFigure(0, 0, 0), conicFigure(0, 0, 0), "Lines coincides"},
        // x = 1 and x = 3: no common point, though neither line has a slope.
        {"vertical lines parallel", P, lineFigure(1, 0, -1), lineFigure(1, 0, -3), "No intersection"},
        {"overflow between lines", P, lineFigure(1e200, 1e200, 0), lineFigure(1e200, -1e200, 1), nullptr},
        {"overflow at a vertical line", P, conicFigure(1e300, 0, 0), lineFigure(1e-10, 0, 1e10), nullptr},
        // The circle about (1, 2) with radius 5 and the line y = x + 2: (x - 1)² + x² = 25 gives
        // x² - x - 12 = 0, so x = -3 or 4.
        {"sloped chord of a circle off the origin", C, conicFigure(-1, -2, -20), lineFigure(1, -1, 2), "(-3,-1)\r\n( 4, 6)"},
        {"vertical tangent", C, conicFigure(-1, 0, 0), lineFigure(1, 0, -2), "Contact:( 2, 0)"},
        {"circle and no circle", C, conicFigure(0, 0, 4), conicFigure(-2, 0, 0), "No intersection"},
        {"no line beside no figure", C, noFigure, lineFigure(0, 0, 1), "No line"},
        {"overflow between circles", C, conicFigure(1e308, 0, 0), conicFigure(-1e308, 0, 0), nullptr},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FigureStore figures;
        figures[FigureNumber::First] = row.first;
        figures[FigureNumber::Second] = row.second;
        const std::optional<QString> text = row.window == Window::Parabolas
                                                ? parabolas::intersectionText(figures)
                                                : circles::intersectionText(figures);
        EXPECT_EQ(text, row.text ? std::optional(QString::fromUtf8(row.text)) : std::nullopt);
    }
}

} // namespace
