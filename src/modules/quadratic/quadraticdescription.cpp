// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/quadratic/quadraticdescription.h"

#include "canvas/graphdescription.h"

#include <QCoreApplication>

#include <cmath>

using namespace Qt::StringLiterals;

namespace quadratic {

namespace {

QString prescriptionInWords(Prescription k, const QuadraticCoefficients &coefficients)
{
    const auto [a, b, c, p, q] = coefficients;
    const QString square = p == 0 ? u"x²"_s : u"(%1)²"_s.arg(shiftInWords(p));
    switch (k) {
    case Prescription::AX2:
        return sumInWords({{a, u"x²"_s}});
    case Prescription::AX2PlusQ:
        return sumInWords({{a, u"x²"_s}, {q, {}}});
    case Prescription::AXMinusP2:
        return sumInWords({{a, square}});
    case Prescription::AXMinusP2PlusQ:
        return sumInWords({{a, square}, {q, {}}});
    case Prescription::Standard:
        return sumInWords({{a, u"x²"_s}, {b, u"x"_s}, {c, {}}});
    }
    return {};
}

// The vertex (h, k) of the prescription, which each vertex form names and the standard form
// gives as (−b / 2a, −D / 4a).
struct Vertex
{
    double x;
    double y;
};
Vertex vertexOf(Prescription k, const QuadraticCoefficients &coefficients)
{
    const auto [a, b, c, p, q] = coefficients;
    switch (k) {
    case Prescription::AX2:
        return {0, 0};
    case Prescription::AX2PlusQ:
        return {0, q};
    case Prescription::AXMinusP2:
        return {p, 0};
    case Prescription::AXMinusP2PlusQ:
        return {p, q};
    case Prescription::Standard:
        return {-b / (2 * a), -discriminant(coefficients) / (4 * a)};
    }
    return {};
}

// The zeros of a·(x − h)² + k, smallest first.
QString zerosInWords(double a, const Vertex &vertex)
{
    const double r = -vertex.y / a;
    if (r < 0)
        return QCoreApplication::translate("GraphDescription", "no zeros");
    if (r == 0)
        return QCoreApplication::translate("GraphDescription", "zero %1")
            .arg(numberInWords(vertex.x));
    const double root = std::sqrt(r);
    return QCoreApplication::translate("GraphDescription", "zeros %1 and %2")
        .arg(numberInWords(vertex.x - root), numberInWords(vertex.x + root));
}

// The line b·x + c that a prescription with a = 0 leaves.
QString lineZerosInWords(double b, double c)
{
    if (b != 0)
        return QCoreApplication::translate("GraphDescription", "zero %1")
            .arg(numberInWords(-c / b));
    return c == 0 ? QCoreApplication::translate("GraphDescription", "zero everywhere")
                  : QCoreApplication::translate("GraphDescription", "no zeros");
}

} // namespace

QString graphInWords(Prescription k, const QuadraticCoefficients &coefficients)
{
    const QString prescription = QCoreApplication::translate("GraphDescription", "y = %1")
                                     .arg(prescriptionInWords(k, coefficients));
    if (coefficients.a == 0) {
        // What is left is the line b·x + c, or the level that a vertex form names.
        const QString zeros = k == Prescription::Standard
                                  ? lineZerosInWords(coefficients.b, coefficients.c)
                                  : lineZerosInWords(0, vertexOf(k, coefficients).y);
        return prescription + u"; "_s + zeros;
    }
    const Vertex vertex = vertexOf(k, coefficients);
    //: The prescription of a parabola, its zeros, and its vertex as a point "(1, −4)".
    return QCoreApplication::translate("GraphDescription", "%1; %2; vertex %3")
        .arg(prescription, zerosInWords(coefficients.a, vertex), pointInWords(vertex.x, vertex.y));
}

} // namespace quadratic
