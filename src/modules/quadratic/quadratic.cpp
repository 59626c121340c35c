// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/quadratic/quadratic.h"

#include "canvas/sampling.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"
#include "core/numberreading.h"
#include "core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quadratic {

namespace {

// Both numbers of a table row are padded to this width; a longer number is written as it is.
constexpr qsizetype numberWidth = 11;

// The table runs over the eleven whole numbers from floor(p - 5) to floor(p + 5).
constexpr double tableSpan = 10;

QString paddedNumber(double value, const QLocale &locale)
{
    return formatPattern(value, u"###0.000", locale).rightJustified(numberWidth, u' ');
}

struct Zeros
{
    double x1;
    double x2;
};

// The zeros x1 <= x2 of prescription k; a prescription without zeros gets x1 = x2 = p, so that no
// zero row is inserted. Not computable when a division by a or an overflow fails.
Zeros zerosOf(Prescription k, const QuadraticCoefficients &coefficients, double D)
{
    const auto [a, b, c, p, q] = coefficients;
    switch (k) {
    case Prescription::AX2:
        return {0, 0};
    case Prescription::AX2PlusQ:
    case Prescription::AXMinusP2PlusQ: {
        const double r = (-q) / a;
        if (!computable(r))
            return {notComputable, notComputable};
        if (r < 0)
            return {p, p};
        const double centre = k == Prescription::AX2PlusQ ? 0 : p;
        return {centre - std::sqrt(r), centre + std::sqrt(r)};
    }
    case Prescription::AXMinusP2:
        return {p, p};
    case Prescription::Standard: {
        if (D < 0)
            return {p, p};
        double x1 = ((-b) - std::sqrt(D)) / 2 / a;
        double x2 = ((-b) + std::sqrt(D)) / 2 / a;
        if (x1 > x2)
            std::swap(x1, x2);
        return {roundThreeDecimals(x1), roundThreeDecimals(x2)};
    }
    }
    return {notComputable, notComputable};
}

bool between(double low, double value, double high)
{
    return low < value && value < high;
}

} // namespace

double f(Prescription k, const QuadraticCoefficients &coefficients, double x)
{
    const auto [a, b, c, p, q] = coefficients;
    switch (k) {
    case Prescription::AX2:
        return a * x * x;
    case Prescription::AX2PlusQ:
        return a * x * x + q;
    case Prescription::AXMinusP2:
        return a * (x - p) * (x - p);
    case Prescription::AXMinusP2PlusQ:
        return a * (x - p) * (x - p) + q;
    case Prescription::Standard:
        return a * x * x + b * x + c;
    }
    return notComputable;
}

double discriminant(const QuadraticCoefficients &coefficients)
{
    return coefficients.b * coefficients.b - (4 * coefficients.a) * coefficients.c;
}

StandardForm toStandardForm(double a, double p, double q)
{
    return {(-2 * a) * p, q + (a * p) * p};
}

VertexForm toVertexForm(double a, double b, double c)
{
    const double D = discriminant({.a = a, .b = b, .c = c});
    return {((-b) / 2) / a, ((-D) / 4) / a};
}

std::optional<CoefficientTexts> keepFormsInLine(CoefficientTexts texts, bool abcEdited,
                                                bool pqEdited)
{
    if (pqEdited) {
        const StandardForm form =
            toStandardForm(readNumber(texts.a), readNumber(texts.p), readNumber(texts.q));
        const std::optional<QString> b = numberText(form.b);
        const std::optional<QString> c = numberText(form.c);
        if (!b || !c)
            return std::nullopt;
        abcEdited = abcEdited || *b != texts.b || *c != texts.c;
        texts.b = *b;
        texts.c = *c;
    }
    if (abcEdited) {
        texts.a = nonZeroCoefficientText(texts.a);
        const VertexForm form =
            toVertexForm(readNumber(texts.a), readNumber(texts.b), readNumber(texts.c));
        const std::optional<QString> p = numberText(form.p);
        const std::optional<QString> q = numberText(form.q);
        if (!p || !q)
            return std::nullopt;
        texts.p = *p;
        texts.q = *q;
    }
    return texts;
}

QString nonZeroCoefficientText(QStringView aText)
{
    if (readNumber(aText) == 0)
        return QStringLiteral("0.01");
    return aText.toString();
}

QString tableRow(double xd, double yd, const QLocale &locale)
{
    const QChar sign = yd > 0 ? u'+' : yd < 0 ? u'-' : u'0';
    return paddedNumber(xd, locale) + QString(4, u' ') + paddedNumber(yd, locale) +
           QString(16, u' ') + sign + QStringLiteral("\r\n");
}

ValueTable valueTable(Prescription k, const QuadraticCoefficients &coefficients)
{
    const auto [a, b, c, p, q] = coefficients;
    ValueTable table;
    // Adds a row; a value that cannot be computed ends the table there.
    const auto write = [&table](double x, double y) {
        if (!computable(x, y)) {
            table.failed = true;
            return false;
        }
        table.points.push_back({x, y});
        return true;
    };
    const auto fail = [&table] {
        table.failed = true;
        return table;
    };

    const double D = discriminant(coefficients);
    const auto [x1, x2] = zerosOf(k, coefficients, D);
    const double start = std::floor(p - 5);
    const double end = std::floor(p + 5);
    if (!computable(D, x1, x2, start, end))
        return fail();
    const double vertexY = k == Prescription::AX2PlusQ ? a * p * p + q : q;

    if (D >= 0 && x1 <= start - 1 && !write(x1, 0))
        return table;

    // Counting the rows rather than stepping x keeps the loop finite where x + 1 == x.
    const int lastRow = int(std::min(end - start, tableSpan));
    for (int i = 0; i <= lastRow; ++i) {
        const double x = start + i;
        const double y = f(k, coefficients, x);
        if (!computable(y))
            return fail();

        bool written = true;
        switch (k) {
        case Prescription::AX2PlusQ:
        case Prescription::AXMinusP2PlusQ:
        case Prescription::Standard:
            if (D >= 0 && between(x - 1, x1, x))
                written = write(x1, 0);
            if (written && D > 0 && between(x - 1, p, x))
                written = write(p, vertexY);
            if (written && D > 0 && between(x - 1, x2, x))
                written = write(x2, 0);
            break;
        case Prescription::AXMinusP2:
            if (between(x - 1, p, x))
                written = write(p, 0);
            break;
        case Prescription::AX2:
            break;
        }
        if (!written || !write(x, y))
            return table;
    }

    if (D > 0 && x2 > end)
        write(x2, 0);
    return table;
}

DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, Prescription k,
                const QuadraticCoefficients &coefficients)
{
    return drawGraph(surface, frame, grid, [&](double x) { return f(k, coefficients, x); });
}

} // namespace quadratic
