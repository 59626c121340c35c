#include "app/moduleregistry.h"

#include "app/placeholderwindow.h"
#include "modules/conics/Fg.h"
#include "modules/conics/Fh.h"
#include "modules/functions/Fa.h"
#include "modules/functions/Fe.h"
#include "modules/probability/Ff.h"
#include "modules/quadratic/Fd.h"
#include "modules/transformations/Fb.h"
#include "modules/transformations/Fc.h"

namespace {

template <typename Window>
std::unique_ptr<ModuleWindow> build(ModuleContext &context, const ModuleEntry &entry)
{
    return std::make_unique<Window>(context, entry);
}

} // namespace

const std::array<ModuleEntry, moduleCount> &moduleRegistry()
{
    static const std::array<ModuleEntry, moduleCount> entries = {{
        {QStringLiteral("The quadratic function"),
         QStringLiteral("Fd"),
         QStringLiteral("The quadratic  function"),
         {9840, 6765, 6135},
         build<Fd>},
        {QStringLiteral("Transformations (1)"),
         QStringLiteral("Fb"),
         QStringLiteral("Transformations (1)"),
         {8280, 6765, 6135},
         build<Fb>},
        {QStringLiteral("Transformations (2)"),
         QStringLiteral("Fc"),
         QStringLiteral("Transformations (2)"),
         {8640, 6735, 6135},
         build<Fc>},
        {QStringLiteral("Lines and parabolas"),
         QStringLiteral("Fg"),
         QStringLiteral("Lines and parabolas"),
         {9100, 6730, 6135},
         build<Fg>},
        {QStringLiteral("Lines en circles"),
         QStringLiteral("Fh"),
         QStringLiteral("Lines and circles"),
         {8985, 6765, 6135},
         build<Fh>},
        {QStringLiteral("Graphics of functions"),
         QStringLiteral("Fe"),
         QStringLiteral("Graphics of functions"),
         {8160, 6735, 6135},
         build<Fe>},
        {QStringLiteral("Functions  of 3rd degree"),
         QStringLiteral("Fa"),
         QStringLiteral("Functions of the third degree"),
         {9585, 6720, 6135},
         build<Fa>},
        {QStringLiteral("Experiments of probability"),
         QStringLiteral("Ff"),
         QStringLiteral("Experiments of probability"),
         {9480, 6765, 6015},
         build<Ff>},
    }};
    return entries;
}
