// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/parabolawindow.h"

#include "canvas/graphcanvas.h"
#include "kit/prompts.h"
#include "modules/conics/conicsdescription.h"
#include "modules/conics/parabolas.h"

using namespace conics;

namespace {

ConicsLayout parabolaWindowLayout()
{
    return {.prescriptionLabel = {120, 0, 975, 255},
            .prescriptions = {120, 240, 2535, 645},
            .buttons = {120, 960, 2535, 1455},
            .settings = {120, 2400, 2535, 2175},
            .firstFigureLabel = {120, 4800, 255, 255},
            .secondFigureLabel = {120, 5160, 255, 375},
            .figureRows = {480, 4680, 2175, 840},
            .intersectionLabel = {120, 5760, 975, 255},
            .intersections = {1080, 5640, 1575, 615},
            .canvas = {2760, 120, 6135, 6135},
            .conicEntry = ParabolaWindow::tr("y=ax²+bx+c"),
            .intersectionCaption = ParabolaWindow::tr("Intersection:")};
}

} // namespace

ParabolaWindow::ParabolaWindow(ModuleContext &context, const ModuleEntry &entry)
    : ConicsWindow(context, entry, parabolaWindowLayout())
{
}

std::optional<FigureRows> ParabolaWindow::storeFigure(FigureNumber k, const Figure &boxes)
{
    return parabolas::storeFigure(figures(), k, boxes);
}

std::optional<QString> ParabolaWindow::intersectionText()
{
    return parabolas::intersectionText(figures());
}

DrawResult ParabolaWindow::draw(DrawingSurface &surface, const FrameMapping &frame)
{
    return parabolas::draw(surface, frame, gridTicked(), figures()) ==
                   parabolas::PlotResult::Complete
               ? DrawResult::Complete
               : DrawResult::Failed;
}

QString ParabolaWindow::graphInWords() const
{
    return parabolas::graphInWords(figures());
}

// A failure in the parabola's own pass has a message of its own.
DrawResult ParabolaWindow::plotOnCanvas()
{
    switch (parabolas::draw(*canvas(), plotFrame(), gridTicked(), figures())) {
    case parabolas::PlotResult::Complete:
        return DrawResult::Complete;
    case parabolas::PlotResult::Failed:
        m_context.prompts.warning(this, failureMessage());
        break;
    case parabolas::PlotResult::ParabolaPassFailed:
        //: "Error", in Dutch already: a point of a parabola cannot be computed.
        m_context.prompts.warning(this, tr("Fout"));
        break;
    }
    return DrawResult::Failed;
}
