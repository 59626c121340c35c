#include "modules/conics/Fg.h"

#include "app/prompts.h"
#include "canvas/graphcanvas.h"
#include "canvas/worldframe.h"
#include "modules/conics/parabolas.h"

using namespace conics;

namespace {

ConicsLayout parabolaWindowLayout()
{
    return {.Label1 = {120, 0, 975, 255},
            .List1 = {120, 240, 2535, 645},
            .Frame1 = {120, 960, 2535, 1455},
            .Frame2 = {120, 2400, 2535, 2175},
            .Label2 = {120, 4800, 255, 255},
            .Label3 = {120, 5160, 255, 375},
            .List2 = {480, 4680, 2175, 840},
            .Label4 = {120, 5760, 975, 255},
            .Text8 = {1080, 5640, 1575, 615},
            .Picture1 = {2760, 120, 6135, 6135},
            .conicEntry = QStringLiteral("y=ax²+bx+c"),
            .intersectionCaption = QStringLiteral("Intersection:")};
}

} // namespace

Fg::Fg(ModuleContext &context, const ModuleEntry &entry)
    : ConicsWindow(context, entry, parabolaWindowLayout())
{
}

std::optional<FigureRows> Fg::storeFigure(FigureNumber k, const Figure &boxes)
{
    return parabolas::storeFigure(figures(), k, boxes);
}

std::optional<QString> Fg::intersectionText()
{
    return parabolas::intersectionText(figures());
}

void Fg::Command1_Click()
{
    switch (parabolas::draw(*Picture1, canvasFrame(), gridTicked(), figures())) {
    case parabolas::PlotResult::Complete:
        break;
    case parabolas::PlotResult::Failed:
        m_context.prompts.message(this, errorMessage());
        break;
    case parabolas::PlotResult::ParabolaPassFailed:
        m_context.prompts.message(this, QStringLiteral("Fout"));
        break;
    }
}
