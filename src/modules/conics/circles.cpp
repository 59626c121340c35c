// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/circles.h"

#include "canvas/framedrawing.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"
#include "core/numbertext.h"
#include "modules/conics/figuredrawing.h"

#include <QCoreApplication>

#include <cmath>

namespace conics::circles {

namespace {

// The circle is sampled every 0.07 radians up to a little past a full turn, which closes it.
constexpr double angleStep = 0.07;
constexpr double lastAngle = 6.4832;

double squaredRadius(const Conic &circle)
{
    const auto [a, b, c] = circle;
    return (b * b + a * a) - c;
}

// A line's details: where it cuts both axes, only the x-axis or only the y-axis. The first
// figure's row and the second's name the intercepts differently.
struct InterceptPatterns
{
    const char *both;
    const char *x;
    const char *y;
};
const InterceptPatterns interceptPatterns[] = {
    //: Where the line cuts the x-axis and the y-axis ("Int" for intercept).
    {QT_TRANSLATE_NOOP("conics", "Int X:%1  Int Y:%2"), QT_TRANSLATE_NOOP("conics", "Int X:%1"),
     QT_TRANSLATE_NOOP("conics", "  Int Y:%1")},
    //: Where the line cuts the x-axis and the y-axis ("sn" for snijpunt, intersection).
    {QT_TRANSLATE_NOOP("conics", "sn X: %1  sn Y: %2"), QT_TRANSLATE_NOOP("conics", "sn X: %1"),
     QT_TRANSLATE_NOOP("conics", "  sn Y: %1")},
};

std::optional<FigureRows> lineRows(FigureNumber k, const Line &line)
{
    const auto [u, v, w] = line;
    if (u == 0 && v == 0)
        return FigureRows{std::nullopt, QString()};
    const double X0 = u != 0 ? roundedIntercept(w, u) : 0;
    const double Y0 = v != 0 ? roundedIntercept(w, v) : 0;
    if (!computable(X0, Y0))
        return std::nullopt;

    const InterceptPatterns &patterns = interceptPatterns[std::size_t(k)];
    const QString x = checkedNumberText(X0);
    const QString y = checkedNumberText(Y0);
    QString details;
    if (u != 0 && v != 0)
        details = QCoreApplication::translate("conics", patterns.both).arg(x, y);
    else if (u != 0)
        details = QCoreApplication::translate("conics", patterns.x).arg(x);
    else
        details = QCoreApplication::translate("conics", patterns.y).arg(y);
    return FigureRows{linePrescription(line), details};
}

std::optional<FigureRows> circleRows(const Conic &circle)
{
    const auto [a, b, c] = circle;
    const double R2 = squaredRadius(circle);
    if (!computable(2 * a, 2 * b, R2))
        return std::nullopt;
    // The prescription shows the doubled coefficients of x and y.
    //: The circle x² + y² + 2ax + 2by + c = 0, each coefficient with its sign.
    FigureRows rows{QCoreApplication::translate("conics", "x²+y²%1x%2y%3=0")
                        .arg(signedCoefficientText(2 * a), signedCoefficientText(2 * b),
                             signedCoefficientText(c)),
                    QCoreApplication::translate("conics", "No circle")};
    if (R2 < 0)
        return rows;
    const double mx = roundThreeDecimals(-a);
    const double my = roundThreeDecimals(-b);
    const double R = roundThreeDecimals(std::sqrt(R2));
    if (!computable(mx, my, R))
        return std::nullopt;
    //: The circle's centre m(x , y) and its radius R.
    rows.details =
        QCoreApplication::translate("conics", "m(%1 , %2)  R=%3")
            .arg(signedCoefficientText(mx), signedCoefficientText(my), signedCoefficientText(R));
    return rows;
}

DrawResult drawCircle(DrawingSurface &surface, const FrameMapping &frame, const Conic &circle)
{
    const double R2 = squaredRadius(circle);
    if (!computable(R2))
        return DrawResult::Failed;
    if (R2 < 0)
        return DrawResult::Complete;
    const double R = std::sqrt(R2);
    const double mx = -circle.a;
    const double my = -circle.b;
    const double W = frame.W;
    const double H = frame.H;
    // The chain starts at the point (mx + R, my), the first sample.
    const double startX = W / 2 + ((W * (R + mx)) / frame.s) / 2;
    const double startY = H / 2 - ((W * my) / frame.s) / 2;
    if (!computable(startX, startY))
        return DrawResult::Failed;
    ClampedChain chain(surface, frame, startX, startY);
    for (double t = 0; t <= lastAngle; t += angleStep) {
        if (!chain.add(R * std::cos(t) + mx, R * std::sin(t) + my))
            return DrawResult::Failed;
    }
    return DrawResult::Complete;
}

} // namespace

std::optional<FigureRows> storeFigure(FigureStore &store, FigureNumber k, const Figure &boxes)
{
    const std::optional<FigureRows> rows =
        boxes.kind == FigureKind::Line ? lineRows(k, boxes.line) : circleRows(boxes.conic);
    if (rows)
        store.store(k, boxes);
    return rows;
}

std::optional<QString> lineIntersectionText(const Conic &circle, const Line &line)
{
    const auto [a, b, c] = circle;
    const auto [u, v, w] = line;
    if (u == 0 && v == 0)
        return QString();

    // The quadratic A·t² + B·t + C = 0 in y for a vertical line (multiplied by u·u), in x for any
    // other line (with y = -(u·x + w) / v, multiplied by v·v).
    double A, B, C;
    if (v == 0) {
        A = u * u;
        B = 2 * b * u * u;
        C = (w * w + c * u * u) - 2 * a * u * w;
    } else {
        A = u * u + v * v;
        B = (2 * u * w + 2 * a * v * v) - 2 * b * u * v;
        C = (w * w - 2 * b * v * w) + c * v * v;
    }
    const double D = B * B - 4 * A * C;
    if (!computable(A, B, C, D))
        return std::nullopt;
    if (D < 0)
        return QCoreApplication::translate("conics", "No intersection");

    const double t1 = ((-B - std::sqrt(D)) / 2) / A;
    const double t2 = ((-B + std::sqrt(D)) / 2) / A;
    const auto pointAt = [&](double t) {
        return v == 0 ? roundedPointText(-w / u, t) : roundedPointText(t, (-u * t - w) / v);
    };
    const std::optional<QString> first = pointAt(t1);
    const std::optional<QString> second = pointAt(t2);
    if (!first || !second)
        return std::nullopt;
    if (D == 0)
        //: The one point where the line touches the circle.
        return QCoreApplication::translate("conics", "Contact:%1").arg(*first);
    return *first + NL + *second;
}

std::optional<QString> intersectionText(const FigureStore &store)
{
    const auto isNoLine = [](const Figure &figure) {
        return figure.kind == FigureKind::Line && figure.line.u == 0 && figure.line.v == 0;
    };
    const Figure &one = store[FigureNumber::First];
    const Figure &two = store[FigureNumber::Second];
    if (isNoLine(one) || isNoLine(two))
        //: A stored line has u = v = 0, so it is no line at all.
        return QCoreApplication::translate("conics", "No line");

    constexpr auto line = FigureKind::Line;
    constexpr auto circle = FigureKind::Conic;
    if (one.kind == line && two.kind == line)
        return lineAgainstLine(one.line, two.line, false);
    if (one.kind == line && two.kind == circle)
        return lineIntersectionText(two.conic, one.line);
    if (one.kind == circle && two.kind == line)
        return lineIntersectionText(one.conic, two.line);
    if (one.kind == circle && two.kind == circle) {
        // The first prescription less the second: the x² and y² terms cancel.
        const auto [a1, b1, c1] = one.conic;
        const auto [a2, b2, c2] = two.conic;
        const Line difference{2 * a1 - 2 * a2, 2 * b1 - 2 * b2, c1 - c2};
        if (!computable(difference.u, difference.v, difference.w))
            return std::nullopt;
        return lineIntersectionText(two.conic, difference);
    }
    return QString();
}

DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                const FigureStore &store)
{
    if (drawFrame(surface, frame, grid) == DrawResult::Failed ||
        traceLines(surface, frame, store, LinesWithoutDirection::Skipped) == DrawResult::Failed ||
        drawVerticalLines(surface, frame, store) == DrawResult::Failed)
        return DrawResult::Failed;
    for (const Figure &figure : store.figures) {
        if (figure.kind == FigureKind::Conic &&
            drawCircle(surface, frame, figure.conic) == DrawResult::Failed)
            return DrawResult::Failed;
    }
    return DrawResult::Complete;
}

} // namespace conics::circles
