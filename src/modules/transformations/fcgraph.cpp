// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/fcgraph.h"

#include "canvas/framedrawing.h"
#include "canvas/sampling.h"
#include "canvas/worldframe.h"
#include "core/checkedarithmetic.h"

#include <QCoreApplication>

namespace transformations::fc {

QStringList transformationEntries()
{
    return {QCoreApplication::translate("transformations", "f(x)"),
            QCoreApplication::translate("transformations", "kf(x)"),
            QCoreApplication::translate("transformations", "kf(x-a)"),
            QCoreApplication::translate("transformations", "k.f[c(x-a)]"),
            QCoreApplication::translate("transformations", "k.f[c(x-a)]+b")};
}

double y(const Graph &graph, double x)
{
    const auto [k, a, b, c] = graph.parameters;
    // f at an argument that overflowed would hide the overflow (1/x of an infinity is 0).
    const auto f = [&graph](double argument) {
        return computable(argument) ? baseValue(graph.base, argument) : notComputable;
    };
    switch (graph.transformation) {
    case Transformation::F:
        return f(x);
    case Transformation::TimesK:
        return f(x) * k;
    case Transformation::Shifted:
        return f(x - a) * k;
    case Transformation::ShiftedScaled:
        return f(c * (x - a)) * k;
    case Transformation::Full: {
        const double argument = c * (x - a);
        if (graph.base == BaseFunction::SquareRoot && argument < 0 && computable(argument))
            return 0;
        return f(argument) * k + b;
    }
    }
    return notComputable;
}

double sampleStep(BaseFunction base)
{
    return base == BaseFunction::SquareRoot ? 10 : 25;
}

DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, const Graph &graph)
{
    if (drawFrame(surface, frame, grid) == DrawResult::Failed)
        return DrawResult::Failed;

    const double step = sampleStep(graph.base);
    const double d = (2 * frame.s * step) / frame.W;
    if (!computable(d))
        return DrawResult::Failed;
    const bool squareRoot = graph.base == BaseFunction::SquareRoot;
    const double a = graph.parameters.a;
    const PenRule pen = [=](const CurveSample &sample) {
        if (squareRoot && sample.x - a < d)
            return PenAction::Point;
        return standardPen(sample);
    };
    return sampleCurve(surface, frame, [&graph](double x) { return y(graph, x); }, {step, pen});
}

DrawResult drawPage(DrawingSurface &surface, const FrameMapping &frame, bool grid,
                    const Graph &graph)
{
    return drawGraph(surface, frame, grid, [&graph](double x) { return y(graph, x); });
}

} // namespace transformations::fc
