// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/familieswindow.h"

#include "kit/controls.h"
#include "modules/functions/functionsdescription.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

using namespace families;

namespace {

// clang-format off
// a, b, c and d, one under the other.
const CoefficientLayout coefficientLayouts[] = {
    {"Text2", {120, 1080, 495, 375}, "VScroll2", {600, 1080, 255, 375},
     "Label7", {960, 1140, 375, 255}, QT_TRANSLATE_NOOP("GraphWindow", "a")},
    {"Text3", {120, 1440, 495, 375}, "VScroll3", {600, 1440, 255, 375},
     "Label4", {960, 1500, 375, 255}, QT_TRANSLATE_NOOP("GraphWindow", "b")},
    {"Text4", {120, 1800, 495, 375}, "VScroll4", {600, 1800, 255, 375},
     "Label5", {960, 1860, 375, 255}, QT_TRANSLATE_NOOP("GraphWindow", "c")},
    {"Text5", {120, 2160, 495, 375}, "VScroll5", {600, 2160, 255, 375},
     "Label6", {960, 2220, 375, 255}, QT_TRANSLATE_NOOP("GraphWindow", "d")},
};
const ScaleLayout scaleLayout{{120, 600, 495, 375}, {600, 600, 255, 375},
                              "Label2", {960, 660, 570, 255},
                              QT_TRANSLATE_NOOP("GraphWindow", "Scale"),
                              {120, 240, 855, 255}};
// clang-format on

// The printed page is the canvas magnified by one and a half.
constexpr double printMagnification = 1.5;

} // namespace

FunctionFamiliesWindow::FunctionFamiliesWindow(ModuleContext &context, const ModuleEntry &entry)
    //: "Error", in Dutch already.
    : GraphWindow(context, entry, ScaleRule::MinimumPlusNine, tr("Fout"))
{
    auto *familyLabel = add<QLabel>(this, "Label1", {120, 0, 1575, 255}, tr("Prescription"));
    m_families = add<QListWidget>(this, "List1", {120, 240, 1575, 1740});
    nameByLabel(familyLabel, {m_families});

    auto *settings = add<QGroupBox>(this, "Frame2", {120, 2040, 1575, 2655});
    addScalePart(settings, scaleLayout);
    for (int i = 0; i < 4; ++i)
        m_coefficients[i] = addCoefficient(settings, coefficientLayouts[i]);

    auto *buttons = add<QGroupBox>(this, "Frame1", {120, 4800, 1575, 1215});
    addPlotButton(buttons, "Command1", {120, 240, 615, 375});
    addNewButton(buttons, "Command2", {840, 240, 615, 375});
    addPrintButton(buttons, "Prt", {120, 720, 615, 375}, printMagnification,
                   //: "Wrong function value", in Dutch already: a point of the printed graph cannot
                   //: be computed.
                   tr("Foutieve functiewaarde"));
    addEndButton(buttons, "Command3", {840, 720, 615, 375});
    finishLayout({1800, 120, 6135, 6135});

    // The rows follow the order of families::Family.
    m_families->addItems({tr("ax+b"), tr("ax²+bx+c"), tr("ax³+bx²+cx+d"), tr("a.sin[b(x-c)]+d"),
                          tr("a.tan[b(x-c)]+d"), tr("(ax+b)/cx+d)"), tr("a(x-b)(x-c)/(x²+d²)")});
    m_families->setCurrentRow(0);
    scale().reset(9, 1);
}

Family FunctionFamiliesWindow::family() const
{
    return Family(std::max(0, m_families->currentRow()));
}

Coefficients FunctionFamiliesWindow::coefficients() const
{
    const auto &[a, b, c, d] = m_coefficients;
    return {a.value(), b.value(), c.value(), d.value()};
}

DrawResult FunctionFamiliesWindow::draw(DrawingSurface &surface, const FrameMapping &frame)
{
    return families::draw(surface, frame, gridTicked(), family(), coefficients());
}

QString FunctionFamiliesWindow::graphInWords() const
{
    return families::graphInWords(family(), coefficients());
}

DrawResult FunctionFamiliesWindow::drawPage(DrawingSurface &surface, const FrameMapping &frame)
{
    return printedGraph(surface, frame, gridTicked(), family(), coefficients());
}
