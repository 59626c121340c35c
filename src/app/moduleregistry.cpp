// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/moduleregistry.h"

#include "modules/conics/circlewindow.h"
#include "modules/conics/parabolawindow.h"
#include "modules/functions/cubicwindow.h"
#include "modules/functions/familieswindow.h"
#include "modules/probability/probabilitywindow.h"
#include "modules/quadratic/quadraticwindow.h"
#include "modules/transformations/fourparameterwindow.h"
#include "modules/transformations/oneparameterwindow.h"

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
         build<QuadraticWindow>},
        {QStringLiteral("Transformations (1)"),
         QStringLiteral("Fb"),
         QStringLiteral("Transformations (1)"),
         {8280, 6765, 6135},
         build<OneParameterTransformationWindow>},
        {QStringLiteral("Transformations (2)"),
         QStringLiteral("Fc"),
         QStringLiteral("Transformations (2)"),
         {8640, 6735, 6135},
         build<FourParameterTransformationWindow>},
        {QStringLiteral("Lines and parabolas"),
         QStringLiteral("Fg"),
         QStringLiteral("Lines and parabolas"),
         {9100, 6730, 6135},
         build<ParabolaWindow>},
        {QStringLiteral("Lines en circles"),
         QStringLiteral("Fh"),
         QStringLiteral("Lines and circles"),
         {8985, 6765, 6135},
         build<CircleWindow>},
        {QStringLiteral("Graphics of functions"),
         QStringLiteral("Fe"),
         QStringLiteral("Graphics of functions"),
         {8160, 6735, 6135},
         build<FunctionFamiliesWindow>},
        {QStringLiteral("Functions  of 3rd degree"),
         QStringLiteral("Fa"),
         QStringLiteral("Functions of the third degree"),
         {9585, 6720, 6135},
         build<CubicWindow>},
        {QStringLiteral("Experiments of probability"),
         QStringLiteral("Ff"),
         QStringLiteral("Experiments of probability"),
         {9480, 6765, 6015},
         build<ProbabilityWindow>},
    }};
    return entries;
}
