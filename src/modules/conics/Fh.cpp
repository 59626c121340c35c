#include "modules/conics/Fh.h"

#include "canvas/graphcanvas.h"
#include "canvas/worldframe.h"
#include "modules/conics/circles.h"

using namespace conics;

namespace {

ConicsLayout circleWindowLayout()
{
    return {.Label1 = {120, 0, 1695, 255},
            .List1 = {120, 240, 2415, 645},
            .Frame1 = {0, 960, 2535, 1455},
            .Frame2 = {0, 2400, 2535, 2175},
            .Label2 = {0, 4800, 255, 255},
            .Label3 = {0, 5160, 255, 375},
            .List2 = {360, 4680, 2175, 840},
            .Label4 = {0, 5760, 975, 255},
            .Text8 = {960, 5640, 1575, 615},
            .Picture1 = {2640, 120, 6135, 6135},
            .conicEntry = QStringLiteral("x²+y²+2ax+2by+c=0"),
            .intersectionCaption = QStringLiteral("Intersection")};
}

} // namespace

Fh::Fh(ModuleContext &context, const ModuleEntry &entry)
    : ConicsWindow(context, entry, circleWindowLayout())
{
}

std::optional<FigureRows> Fh::storeFigure(FigureNumber k, const Figure &boxes)
{
    return circles::storeFigure(figures(), k, boxes);
}

std::optional<QString> Fh::intersectionText()
{
    return circles::intersectionText(figures());
}

void Fh::Command1_Click()
{
    reportFailure(circles::draw(*Picture1, canvasFrame(), gridTicked(), figures()),
                  errorMessage());
}
