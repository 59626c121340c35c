// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/functions/cubicwindow.h"

#include "canvas/graphcanvas.h"
#include "kit/controls.h"
#include "kit/multilinetextbox.h"
#include "kit/prompts.h"
#include "modules/functions/cubicresults.h"
#include "modules/functions/functionsdescription.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace cubic;

namespace {

// The controls stand in one column to the right of the canvas.
constexpr int column = 6375;
constexpr int columnWidth = 3030;
constexpr int labelWidth = 300;
constexpr int resultInset = 120;
constexpr int resultWidth = columnWidth - 2 * resultInset;

// The four coefficients side by side, each letter above its box and slider.
constexpr int coefficientSpacing = 760;
constexpr int letterTop = 1320;
constexpr int boxTop = letterTop + 240;

// The letter is a caption that the graph window translates.
CoefficientLayout coefficientLayout(int i, const char *box, const char *slider, const char *label,
                                    const char *letter)
{
    const int left = column + i * coefficientSpacing;
    return {box,   {left, boxTop, 495, 375},          slider, {left + 495, boxTop, 255, 375},
            label, {left + 180, letterTop, 255, 255}, letter};
}

const CoefficientLayout coefficientLayouts[] = {
    coefficientLayout(0, "Text2", "VScroll2", "Label2", QT_TRANSLATE_NOOP("GraphWindow", "a")),
    coefficientLayout(1, "Text3", "VScroll3", "Label3", QT_TRANSLATE_NOOP("GraphWindow", "b")),
    coefficientLayout(2, "Text4", "VScroll4", "Label4", QT_TRANSLATE_NOOP("GraphWindow", "c")),
    coefficientLayout(3, "Text5", "VScroll5", "Label5", QT_TRANSLATE_NOOP("GraphWindow", "d")),
};

const ScaleLayout scaleLayout{{120, 660, 495, 375},
                              {615, 660, 255, 375},
                              "Label1",
                              {930, 720, 480, 255},
                              //: The caption of the scale box, spelled so in this window.
                              QT_TRANSLATE_NOOP("GraphWindow", "Scaale"),
                              {120, 240, 855, 255}};

// A result box in the column, with its name to its left.
QLineEdit *addResultBox(QWidget *window, const char *label, const char *box, int top,
                        const QString &name)
{
    auto *nameLabel = add<QLabel>(window, label, {column, top + 60, labelWidth, 255}, name);
    auto *resultBox =
        add<QLineEdit>(window, box, {column + labelWidth, top, columnWidth - labelWidth, 375});
    nameByLabel(nameLabel, {resultBox});
    return resultBox;
}

// A framed multi-line result box in the column.
MultiLineTextBox *addFramedResult(QWidget *window, const char *frame, const char *box, int top,
                                  const QString &caption)
{
    auto *group = add<QGroupBox>(window, frame, {column, top, columnWidth, 855}, caption);
    auto *text = add<MultiLineTextBox>(group, box, {resultInset, 240, resultWidth, 525});
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    return text;
}

} // namespace

CubicWindow::CubicWindow(ModuleContext &context, const ModuleEntry &entry)
    //: "Error", in Dutch already.
    : GraphWindow(context, entry, ScaleRule::MinimumPlusNine, tr("Fout"))
{
    auto *prescriptionLabel =
        add<QLabel>(this, "Label6", {column, 60, 1440, 255}, tr("Prescription"));
    auto *prescription = add<QListWidget>(this, "List1", {column, 300, 1440, 300});
    nameByLabel(prescriptionLabel, {prescription});
    m_expand = add<QRadioButton>(this, "Option1", {column, 700, 1200, 255},
                                 //: Show the polynomials written out term by term.
                                 tr("Expand"));
    m_factor = add<QRadioButton>(
        this, "Option2", {column, 960, 1200, 255},
        //: Show the polynomials factorised, with their roots, extrema and point of inflection.
        tr("Factor"));

    addScalePart(add<QGroupBox>(this, "Frame1", {column + 1560, 0, 1470, 1215}), scaleLayout);
    for (int i = 0; i < 4; ++i)
        m_coefficients[i] = addCoefficient(this, coefficientLayouts[i]);

    constexpr int textsTop = 2040;
    m_polynomial = addResultBox(this, "Label7", "Text6", textsTop, tr("y"));
    //: The first derivative.
    m_firstDerivative = addResultBox(this, "Label8", "Text7", textsTop + 405, tr("y'"));
    //: The second derivative.
    m_secondDerivative = addResultBox(this, "Label9", "Text8", textsTop + 810, tr("y\""));

    auto *rootsFrame =
        add<QGroupBox>(this, "Frame6", {column, 3330, columnWidth, 690}, tr("Roots"));
    m_roots = add<QLineEdit>(rootsFrame, "Text11", {resultInset, 240, resultWidth, 375});
    m_extrema = addFramedResult(this, "Frame7", "Text9", 4080, tr("Extrema"));
    m_inflection =
        addFramedResult(this, "Frame8", "Text10", 4995, tr("Point of inflection, tangent"));

    auto *plotButton = add<QPushButton>(this, "Command1", {column, 5910, 1440, 375}, tr("&Plot"));
    connect(plotButton, &QPushButton::clicked, this, &CubicWindow::plotWithResults);
    addEndButton(this, "Command2", {column + 1590, 5910, 1440, 375});
    finishLayout({120, 120, 6135, 6135});

    prescription->addItem(tr("ax³+bx²+cx+d"));
    prescription->setCurrentRow(0);
    scale().reset(9, 1);
    m_expand->setChecked(true);
}

Coefficients CubicWindow::coefficients() const
{
    const auto &[a, b, c, d] = m_coefficients;
    return {a.value(), b.value(), c.value(), d.value()};
}

DrawResult CubicWindow::draw(DrawingSurface &surface, const FrameMapping &frame)
{
    return cubic::draw(surface, frame, gridTicked(), coefficients());
}

QString CubicWindow::graphInWords() const
{
    return cubic::graphInWords(coefficients(), m_factor->isChecked());
}

// Plot clears the canvas and draws before it writes the texts, which are written even when the
// drawing failed. Texts that would need a number that is not finite are not written at all: the
// boxes are emptied, so that no result of an earlier polynomial stands beside the new
// coefficients, and one "Fout" tells of either failure or both.
void CubicWindow::plotWithResults()
{
    clearGraph();
    const DrawResult drawing = plot();

    const Coefficients polynomial = coefficients();
    const std::optional<ResultTexts> texts =
        m_factor->isChecked() ? factorisedTexts(polynomial) : expandedTexts(polynomial);
    if (!texts && drawing == DrawResult::Complete)
        m_context.prompts.warning(this, failureMessage());
    const ResultTexts shown = texts.value_or(ResultTexts{});
    m_extrema->setText(shown.extrema);
    m_inflection->setText(shown.inflection);
    m_roots->setText(shown.roots);
    m_polynomial->setText(shown.polynomial);
    m_firstDerivative->setText(shown.firstDerivative);
    m_secondDerivative->setText(shown.secondDerivative);
}
