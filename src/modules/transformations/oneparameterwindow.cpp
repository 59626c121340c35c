// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/oneparameterwindow.h"

#include "kit/controls.h"
#include "modules/transformations/transformationdescription.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

using namespace transformations;

namespace {

// clang-format off
const CoefficientLayout parameterK{"Text5",  {240, 240, 375, 375}, "VScroll5", {600, 240, 255, 375},
                                   "Label3", {960, 240, 135, 255},
                                   QT_TRANSLATE_NOOP("GraphWindow", "k")};

const ScaleLayout scaleLayout{{240, 720, 375, 375},  {600, 720, 255, 375},
                              "Label4", {960, 720, 495, 255},
                              QT_TRANSLATE_NOOP("GraphWindow", "Scale"),
                              {240, 1200, 1095, 255}};
// clang-format on

// A printed page is the canvas magnified by half as much again.
constexpr double pageMagnification = 1.5;

} // namespace

OneParameterTransformationWindow::OneParameterTransformationWindow(ModuleContext &context,
                                                                   const ModuleEntry &entry)
    : GraphWindow(context, entry, ScaleRule::MinimumPlusNine, tr("Error"))
{
    auto *baseLabel = add<QLabel>(this, "Label1", {120, 0, 1575, 255}, tr("Prescription"));
    m_baseFunctions = add<QListWidget>(this, "List1", {120, 240, 1575, 1035});
    nameByLabel(baseLabel, {m_baseFunctions});
    auto *transformationLabel =
        add<QLabel>(this, "Label2", {120, 1320, 1335, 255}, tr("Transformations"));
    m_transformations = add<QListWidget>(this, "List2", {120, 1560, 1575, 1035});
    nameByLabel(transformationLabel, {m_transformations});

    auto *settings = add<QGroupBox>(this, "Frame1", {120, 2520, 1575, 1575});
    m_k = addCoefficient(settings, parameterK);
    addScalePart(settings, scaleLayout);

    auto *buttons = add<QGroupBox>(this, "Frame2", {120, 4200, 1575, 1215});
    addPlotButton(buttons, "Command1", {120, 240, 615, 375});
    addNewButton(buttons, "Command2", {840, 240, 615, 375});
    addPrintButton(buttons, "Prt", {120, 720, 615, 375}, pageMagnification);
    addEndButton(buttons, "Command3", {840, 720, 615, 375});
    finishLayout({1920, 120, 6135, 6135});

    m_baseFunctions->addItems(baseFunctionEntries());
    m_transformations->addItems(fb::transformationEntries());
    m_baseFunctions->setCurrentRow(0);
    m_transformations->setCurrentRow(0);
    scale().reset(9, 1);
}

fb::Graph OneParameterTransformationWindow::graph() const
{
    return {BaseFunction(std::max(0, m_baseFunctions->currentRow())),
            fb::Transformation(std::max(0, m_transformations->currentRow())), m_k.value()};
}

DrawResult OneParameterTransformationWindow::draw(DrawingSurface &surface,
                                                  const FrameMapping &frame)
{
    return fb::draw(surface, frame, gridTicked(), graph());
}

QString OneParameterTransformationWindow::graphInWords() const
{
    return fb::graphInWords(graph());
}
