// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class DrawingSurface;
class FrameMapping;

namespace quadratic {

// The five prescriptions of a parabola, in the order of the window's list.
enum class Prescription
{
    AX2 = 0,
    AX2PlusQ = 1,
    AXMinusP2 = 2,
    AXMinusP2PlusQ = 3,
    Standard = 4
};

// The five coefficients as read from their text boxes. Every prescription reads only those it
// names.
struct QuadraticCoefficients
{
    double a = 0;
    double b = 0;
    double c = 0;
    double p = 0;
    double q = 0;
};

// f(x) of prescription k, computed as written (a·x·x, a·(x − p)·(x − p) + q, ...).
double f(Prescription k, const QuadraticCoefficients &coefficients, double x);

// The discriminant b·b − (4·a)·c.
double discriminant(const QuadraticCoefficients &coefficients);

// The standard form's b and c from the vertex form a, p, q.
struct StandardForm
{
    double b;
    double c;
};
StandardForm toStandardForm(double a, double p, double q);

// The vertex form's p and q from the standard form a, b, c (a must not be zero).
struct VertexForm
{
    double p;
    double q;
};
VertexForm toVertexForm(double a, double b, double c);

// The text that the box of a holds before the vertex form is derived from it: a text that reads
// as zero ("0", "0.0", "00", an empty box) becomes "0.01", so that no division by zero happens;
// any other text is kept.
QString nonZeroCoefficientText(QStringView aText);

// The five coefficient boxes as the user left them.
struct CoefficientTexts
{
    QString a;
    QString b;
    QString c;
    QString p;
    QString q;

    bool operator==(const CoefficientTexts &) const = default;
};

// Brings the standard form (a, b, c) and the vertex form (p, q) in line; the group edited last
// wins. When p or q was edited, b and c are derived from a, p and q; a new b or c counts as an
// edit of the standard form. When the standard form was edited, an a that reads as zero becomes
// "0.01" and p and q are derived from a, b and c. Nothing when a derived value overflows, so
// that the boxes can be left as they were.
std::optional<CoefficientTexts> keepFormsInLine(CoefficientTexts texts, bool abcEdited,
                                                bool pqEdited);

// One row of the table of values: 43 characters and CR LF. Both numbers are formatted
// "###0.000" with the locale's decimal separator and padded on the left to 11 characters (a
// longer number is written unpadded), then the sign of yd: "+", "-" or "0".
QString tableRow(double xd, double yd, const QLocale &locale = QLocale::system());

// The points of the table of values and sign table of prescription k, in the order they are
// written: the eleven whole numbers from Int(p − 5), with the zeros and the vertex inserted
// where they fall strictly between two of them.
struct TablePoint
{
    double x;
    double y;
};
struct ValueTable
{
    std::vector<TablePoint> points;
    bool failed = false; // a value could not be computed; the points before it are kept
};
ValueTable valueTable(Prescription k, const QuadraticCoefficients &coefficients);

// Draws the coordinate frame and the parabola of prescription k through the frame mapping (the
// canvas's or a printed page's) by the standard sampling. Never clears the surface.
DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, Prescription k,
                const QuadraticCoefficients &coefficients);

} // namespace quadratic
