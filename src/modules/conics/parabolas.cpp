// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/parabolas.h"

#include "canvas/framedrawing.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"
#include "core/numbertext.h"
#include "modules/conics/figuredrawing.h"

#include <QCoreApplication>

#include <cmath>

namespace conics::parabolas {

namespace {

// The parabola pass samples x from -s to s in steps of s / 50.
constexpr double samplesPerScale = 50;

std::optional<FigureRows> lineRows(FigureNumber k, const Line &line)
{
    const auto [u, v, w] = line;
    const double X0 = u != 0 ? roundedIntercept(w, u) : 0;
    const double Y0 = v != 0 ? roundedIntercept(w, v) : 0;
    if (!computable(X0, Y0))
        return std::nullopt;

    FigureRows rows{linePrescription(line), std::nullopt};
    const QString x = checkedNumberText(X0);
    const QString y = checkedNumberText(Y0);
    if (u != 0 && v != 0) {
        // The first figure's row and the second's name the y-intercept differently.
        //: Where the line cuts the x-axis ("Int" for intercept) and the y-axis ("sn" for
        //: snijpunt, intersection).
        const char *firstFigure = QT_TRANSLATE_NOOP("conics", "Int X:%1  sn Y: %2");
        const char *secondFigure = QT_TRANSLATE_NOOP("conics", "Int X:%1  Int Y:%2");
        const char *pattern = k == FigureNumber::First ? firstFigure : secondFigure;
        rows.details = QCoreApplication::translate("conics", pattern).arg(x, y);
    } else if (u != 0) {
        rows.details = QCoreApplication::translate("conics", "Int X:%1").arg(x);
    } else if (v != 0) {
        rows.details = QCoreApplication::translate("conics", "Int Y:%1").arg(y);
    }
    return rows;
}

std::optional<FigureRows> parabolaRows(const Conic &parabola)
{
    const auto [a, b, c] = parabola;
    //: The parabola y = ax² + bx + c, each coefficient with its sign.
    FigureRows rows{
        QCoreApplication::translate("conics", "y=%1x²%2x%3")
            .arg(signedCoefficientText(a), signedCoefficientText(b), signedCoefficientText(c)),
        QCoreApplication::translate("conics", "No parabola")};
    if (a == 0)
        return rows;
    const double D = b * b - 4 * a * c;
    const double xT = (-b / 2) / a;
    const double yT = (-D / 4) / a;
    if (!computable(xT, yT))
        return std::nullopt;
    //: The vertex ("top") T(x , y) of the parabola.
    rows.details = QCoreApplication::translate("conics", "T(%1 , %2)")
                       .arg(signedCoefficientText(xT), signedCoefficientText(yT));
    return rows;
}

DrawResult drawParabola(DrawingSurface &surface, const FrameMapping &frame, const Conic &parabola)
{
    const auto [a, b, c] = parabola;
    const double first = -frame.s;
    const double last = frame.s;
    const double step = frame.s / samplesPerScale;
    ClampedChain chain(surface, frame, 0, 0);
    for (double x = first; x <= last; x += step) {
        if (!chain.add(x, a * x * x + b * x + c))
            return DrawResult::Failed;
        // A scale so small that the step underflows would never reach the end.
        if (x + step == x)
            return DrawResult::Failed;
    }
    return DrawResult::Complete;
}

} // namespace

std::optional<FigureRows> storeFigure(FigureStore &store, FigureNumber k, const Figure &boxes)
{
    const std::optional<FigureRows> rows =
        boxes.kind == FigureKind::Line ? lineRows(k, boxes.line) : parabolaRows(boxes.conic);
    if (rows)
        store.store(k, boxes);
    return rows;
}

std::optional<QString> lineIntersectionText(const Conic &parabola, const Line &line)
{
    const auto [a, b, c] = parabola;
    const auto [u, v, w] = line;
    if (u == 0 && v == 0)
        return QString();

    if (v == 0) {
        const double x = -w / u;
        const double y = c + ((a * w * w) / u) / u - (b * w) / u;
        if (!computable(x, y))
            return std::nullopt;
        //: "Intersection:", in Dutch already: where a vertical line cuts the parabola.
        return QCoreApplication::translate("conics", "Snijpunt:%1").arg(pointText(x, y));
    }

    // The line y = -(u·x + w) / v put into the parabola.
    const double A = a;
    const double B = b + u / v;
    const double C = c + w / v;
    const double D = B * B - 4 * A * C;
    if (!computable(B, C, D))
        return std::nullopt;
    if (D < 0)
        return QCoreApplication::translate("conics", "No intersection");

    const double x1 = ((-B - std::sqrt(D)) / 2) / A;
    const double x2 = ((-B + std::sqrt(D)) / 2) / A;
    const std::optional<QString> first = roundedPointText(x1, (-u * x1 - w) / v);
    const std::optional<QString> second = roundedPointText(x2, (-u * x2 - w) / v);
    if (!first || !second)
        return std::nullopt;
    if (D == 0)
        //: The one point where the line touches the parabola, on the next line.
        return QCoreApplication::translate("conics", "Point of contact:\r\n%1").arg(*first);
    return *first + NL + *second;
}

std::optional<QString> intersectionText(FigureStore &store)
{
    for (Figure &figure : store.figures) {
        if (figure.kind == FigureKind::Conic && figure.conic.a == 0) {
            figure.kind = FigureKind::Line;
            figure.line = {figure.conic.b, -1, figure.conic.c};
        }
    }

    const Figure &one = store[FigureNumber::First];
    const Figure &two = store[FigureNumber::Second];
    constexpr auto line = FigureKind::Line;
    constexpr auto parabola = FigureKind::Conic;
    if (one.kind == line && two.kind == line)
        return lineAgainstLine(one.line, two.line, true);
    if (one.kind == line && two.kind == parabola)
        return lineIntersectionText(two.conic, one.line);
    if (one.kind == parabola && two.kind == line)
        return lineIntersectionText(one.conic, two.line);
    if (one.kind == parabola && two.kind == parabola) {
        // a2 times the first prescription less a1 times the second: the x² terms cancel.
        const auto [a1, b1, c1] = one.conic;
        const auto [a2, b2, c2] = two.conic;
        const Line difference{b1 * a2 - b2 * a1, a1 - a2, c1 * a2 - c2 * a1};
        if (!computable(difference.u, difference.v, difference.w))
            return std::nullopt;
        return lineIntersectionText(two.conic, difference);
    }
    return QString();
}

PlotResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                const FigureStore &store)
{
    if (drawFrame(surface, frame, grid) == DrawResult::Failed ||
        traceLines(surface, frame, store, LinesWithoutDirection::Traced) == DrawResult::Failed ||
        drawVerticalLines(surface, frame, store) == DrawResult::Failed)
        return PlotResult::Failed;
    for (const Figure &figure : store.figures) {
        if (figure.kind == FigureKind::Conic &&
            drawParabola(surface, frame, figure.conic) == DrawResult::Failed)
            return PlotResult::ParabolaPassFailed;
    }
    return PlotResult::Complete;
}

} // namespace conics::parabolas
