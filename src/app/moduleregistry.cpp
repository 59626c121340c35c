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
        {QT_TRANSLATE_NOOP("ModuleRegistry", "The quadratic function"),
         QStringLiteral("Fd"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "The quadratic  function"),
         {9840, 6765, 6135},
         build<QuadraticWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Transformations (1)"),
         QStringLiteral("Fb"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Transformations (1)"),
         {8280, 6765, 6135},
         build<OneParameterTransformationWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Transformations (2)"),
         QStringLiteral("Fc"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Transformations (2)"),
         {8640, 6735, 6135},
         build<FourParameterTransformationWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Lines and parabolas"),
         QStringLiteral("Fg"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Lines and parabolas"),
         {9100, 6730, 6135},
         build<ParabolaWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Lines en circles"),
         QStringLiteral("Fh"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Lines and circles"),
         {8985, 6765, 6135},
         build<CircleWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Graphics of functions"),
         QStringLiteral("Fe"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Graphics of functions"),
         {8160, 6735, 6135},
         build<FunctionFamiliesWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Functions  of 3rd degree"),
         QStringLiteral("Fa"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Functions of the third degree"),
         {9585, 6720, 6135},
         build<CubicWindow>},
        {QT_TRANSLATE_NOOP("ModuleRegistry", "Experiments of probability"),
         QStringLiteral("Ff"),
         QT_TRANSLATE_NOOP("ModuleRegistry", "Experiments of probability"),
         {9480, 6765, 6015},
         build<ProbabilityWindow>},
    }};
    return entries;
}
