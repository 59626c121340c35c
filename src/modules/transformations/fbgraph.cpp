// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/fbgraph.h"

#include "canvas/sampling.h"
#include "core/checkedarithmetic.h"

#include <QCoreApplication>

namespace transformations::fb {

QStringList transformationEntries()
{
    return {QCoreApplication::translate("transformations", "f(x)+k"),
            QCoreApplication::translate("transformations", "f(x+k)"),
            QCoreApplication::translate("transformations", "kf(x)"),
            QCoreApplication::translate("transformations", "f(kx)")};
}

double f(const Graph &graph, double x)
{
    if (graph.base == BaseFunction::SquareRoot && x < 0)
        return graph.transformation == Transformation::PlusK ? -graph.k : 0;
    return baseValue(graph.base, x);
}

double y(const Graph &graph, double x)
{
    // f at an argument that overflowed would hide the overflow (1/x of an infinity is 0).
    const auto fAt = [&graph](double argument) {
        return computable(argument) ? f(graph, argument) : notComputable;
    };
    switch (graph.transformation) {
    case Transformation::PlusK:
        return f(graph, x) + graph.k;
    case Transformation::ShiftX:
        return fAt(x + graph.k);
    case Transformation::TimesK:
        return f(graph, x) * graph.k;
    case Transformation::ScaleX:
        return fAt(x * graph.k);
    }
    return notComputable;
}

DrawResult draw(DrawingSurface &surface, const FrameMapping &frame, bool grid, const Graph &graph)
{
    return drawGraph(surface, frame, grid, [&graph](double x) { return y(graph, x); });
}

} // namespace transformations::fb
