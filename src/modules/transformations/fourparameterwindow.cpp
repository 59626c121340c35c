// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/transformations/fourparameterwindow.h"

#include "kit/controls.h"
#include "modules/transformations/transformationdescription.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

using namespace transformations;

namespace {

// clang-format off
const CoefficientLayout parameterK{"Text5", {120, 240, 375, 375}, "VScroll5", {480, 240, 255, 375},
                                   "Label3", {840, 360, 135, 255},
                                   QT_TRANSLATE_NOOP("GraphWindow", "k")};
const CoefficientLayout parameterA{"Text3", {1080, 240, 375, 375}, "VScroll3", {1440, 240, 255, 375},
                                   "Label5", {1800, 360, 135, 255},
                                   QT_TRANSLATE_NOOP("GraphWindow", "a")};
const CoefficientLayout parameterB{"Text2", {120, 720, 375, 375}, "VScroll2", {480, 720, 255, 375},
                                   "Label4", {840, 720, 135, 255},
                                   QT_TRANSLATE_NOOP("GraphWindow", "b")};
const CoefficientLayout parameterC{"Text4", {1080, 720, 375, 375}, "VScroll4", {1440, 720, 255, 375},
                                   "Label6", {1800, 720, 135, 255},
                                   QT_TRANSLATE_NOOP("GraphWindow", "c")};
const ScaleLayout scaleLayout{{120, 240, 375, 405}, {480, 240, 255, 375},
                              "Label7", {840, 360, 615, 255},
                              QT_TRANSLATE_NOOP("GraphWindow", "Scale"),
                              {240, 840, 1455, 255}};
// clang-format on

// A printed page is the canvas magnified by half as much again.
constexpr double pageMagnification = 1.5;

} // namespace

FourParameterTransformationWindow::FourParameterTransformationWindow(ModuleContext &context,
                                                                     const ModuleEntry &entry)
    : GraphWindow(context, entry, ScaleRule::MinimumPlusNine, tr("Error"))
{
    auto *choice = add<QGroupBox>(this, "Frame1", {120, 0, 2055, 1935});
    auto *functionLabel = add<QLabel>(choice, "Label1", {120, 240, 615, 375}, tr("Function"));
    m_baseFunctions = add<QListWidget>(choice, "List1", {120, 480, 615, 1230});
    nameByLabel(functionLabel, {m_baseFunctions});
    // The label reaches down behind the list: its caption stands at its top, clear of the list.
    functionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *transformationLabel =
        add<QLabel>(choice, "Label2", {840, 240, 1095, 255}, tr("Transformation"));
    m_transformations = add<QListWidget>(choice, "List2", {840, 480, 1095, 1230});
    nameByLabel(transformationLabel, {m_transformations});

    auto *parameters = add<QGroupBox>(this, "Frame2", {120, 1920, 2055, 1215});
    m_k = addCoefficient(parameters, parameterK);
    m_a = addCoefficient(parameters, parameterA);
    m_b = addCoefficient(parameters, parameterB);
    m_c = addCoefficient(parameters, parameterC);

    addScalePart(add<QGroupBox>(this, "Frame3", {120, 3360, 1815, 1215}), scaleLayout);

    auto *buttons = add<QGroupBox>(this, "Frame4", {120, 4560, 1815, 1215});
    addPlotButton(buttons, "Command1", {120, 240, 735, 375});
    addNewButton(buttons, "Command2", {960, 240, 735, 375});
    addPrintButton(buttons, "Prt", {120, 720, 735, 375}, pageMagnification);
    addEndButton(buttons, "Command3", {960, 720, 735, 375});
    finishLayout({2280, 120, 6135, 6135});

    m_baseFunctions->addItems(baseFunctionEntries());
    m_transformations->addItems(fc::transformationEntries());
    m_baseFunctions->setCurrentRow(0);
    m_transformations->setCurrentRow(0);
    scale().reset(9, 1);
}

fc::Graph FourParameterTransformationWindow::graph() const
{
    return {BaseFunction(std::max(0, m_baseFunctions->currentRow())),
            fc::Transformation(std::max(0, m_transformations->currentRow())),
            {m_k.value(), m_a.value(), m_b.value(), m_c.value()}};
}

DrawResult FourParameterTransformationWindow::draw(DrawingSurface &surface,
                                                   const FrameMapping &frame)
{
    return fc::draw(surface, frame, gridTicked(), graph());
}

QString FourParameterTransformationWindow::graphInWords() const
{
    return fc::graphInWords(graph());
}

// A page is sampled every 10 twips whatever the base function, with the standard pen rule.
DrawResult FourParameterTransformationWindow::drawPage(DrawingSurface &surface,
                                                       const FrameMapping &frame)
{
    return fc::drawPage(surface, frame, gridTicked(), graph());
}
