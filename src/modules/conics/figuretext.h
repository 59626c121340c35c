// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "modules/conics/figurestore.h"

#include <QString>

#include <optional>

// The texts that both windows build in the same way: coefficients with their sign, points, a
// line's prescription and intercepts, and where two lines meet.
namespace conics {

// The two rows of List2 that describe a figure: its prescription (row r) and its details (row
// r + 1). A row without a text keeps what it showed before.
struct FigureRows
{
    std::optional<QString> prescription;
    std::optional<QString> details;
};

// A coefficient with its sign: "+" and the number text for 0 and more ("+ 2", "+ 0", "+ .25"),
// the number text alone below 0 ("-3"). -0 counts as 0. For a computable value.
QString signedCoefficientText(double u);

// The number text of a value already checked to be computable (" 2", "-.25").
QString checkedNumberText(double value);

// The point "(x,y)" in number texts: "(-1,-2)", "( 2, 1)". For computable values.
QString pointText(double x, double y);

// The point text of (x, y) with both rounded half up to three decimals; nothing when a number is
// not computable.
std::optional<QString> roundedPointText(double x, double y);

// The break between the two lines of an intersection text.
inline const QString NL = QStringLiteral("\r\n");

// A line's prescription row: "+ 2x-3y+ 6=0". For a line read from the boxes, always computable.
QString linePrescription(const Line &line);

// Where the line u·x + v·y + w = 0 cuts the x-axis (with denominator u) or the y-axis (with v),
// rounded half up to three decimals: floor((-w · 1000) / denominator + 0.5) / 1000. Not
// computable when it overflows.
double roundedIntercept(double w, double denominator);

// Where two lines meet, by Cramer's rule: a point, "No intersection" or "Lines coincides". The
// parabola window rounds the point to three decimals, the circle window does not. Nothing when a
// number overflows.
std::optional<QString> lineAgainstLine(const Line &first, const Line &second, bool rounded);

} // namespace conics
