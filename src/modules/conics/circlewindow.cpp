// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/circlewindow.h"

#include "modules/conics/circles.h"
#include "modules/conics/conicsdescription.h"

using namespace conics;

namespace {

ConicsLayout circleWindowLayout()
{
    return {.prescriptionLabel = {120, 0, 1695, 255},
            .prescriptions = {120, 240, 2415, 645},
            .buttons = {0, 960, 2535, 1455},
            .settings = {0, 2400, 2535, 2175},
            .firstFigureLabel = {0, 4800, 255, 255},
            .secondFigureLabel = {0, 5160, 255, 375},
            .figureRows = {360, 4680, 2175, 840},
            .intersectionLabel = {0, 5760, 975, 255},
            .intersections = {960, 5640, 1575, 615},
            .canvas = {2640, 120, 6135, 6135},
            .conicEntry = CircleWindow::tr("x²+y²+2ax+2by+c=0"),
            .intersectionCaption = CircleWindow::tr("Intersection")};
}

} // namespace

CircleWindow::CircleWindow(ModuleContext &context, const ModuleEntry &entry)
    : ConicsWindow(context, entry, circleWindowLayout())
{
}

std::optional<FigureRows> CircleWindow::storeFigure(FigureNumber k, const Figure &boxes)
{
    return circles::storeFigure(figures(), k, boxes);
}

std::optional<QString> CircleWindow::intersectionText()
{
    return circles::intersectionText(figures());
}

DrawResult CircleWindow::draw(DrawingSurface &surface, const FrameMapping &frame)
{
    return circles::draw(surface, frame, gridTicked(), figures());
}

QString CircleWindow::graphInWords() const
{
    return circles::graphInWords(figures());
}
