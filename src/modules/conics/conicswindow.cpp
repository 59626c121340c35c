// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/conicswindow.h"

#include "kit/controls.h"
#include "kit/multilinetextbox.h"
#include "kit/prompts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace conics;

namespace {

// The list of figures holds two rows for each figure: its prescription, then its details.
constexpr int rowsPerFigure = 2;

// The sliders of a line's slopes run from -20 to 20, all others from -50 to 50.
constexpr int slopeRange = 20;
constexpr int coefficientRange = 50;

// clang-format off
// The line ux + vy + w = 0 in the left column, the conic's a, b and c in the right one.
const CoefficientLayout layoutU{"Text5", {240, 690, 375, 405}, "VScroll5", {600, 720, 255, 375},
                                "Label6", {960, 720, 135, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "u"), slopeRange};
const CoefficientLayout layoutV{"Text6", {240, 1200, 375, 405}, "VScroll6", {600, 1200, 255, 375},
                                "Label7", {960, 1200, 135, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "v"), slopeRange};
const CoefficientLayout layoutW{"Text7", {240, 1680, 375, 405}, "VScroll7", {600, 1680, 255, 375},
                                "Label8", {960, 1680, 135, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "w"), coefficientRange};
const CoefficientLayout layoutA{"Text2", {1560, 690, 375, 405}, "VScroll2", {1920, 720, 255, 375},
                                "Label9", {2280, 720, 135, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "a"), coefficientRange};
const CoefficientLayout layoutB{"Text3", {1560, 1200, 375, 405}, "VScroll3", {1920, 1200, 255, 375},
                                "Label10", {2280, 1200, 135, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "b"), coefficientRange};
const CoefficientLayout layoutC{"Text4", {1560, 1680, 375, 405}, "VScroll4", {1920, 1680, 255, 375},
                                "Label11", {2280, 1680, 135, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "c"), coefficientRange};
const ScaleLayout scaleLayout{{1200, 240, 375, 405}, {1560, 240, 255, 375},
                              "Label5", {1920, 240, 495, 255},
                              QT_TRANSLATE_NOOP("GraphWindow", "Scale"),
                              {240, 240, 855, 255}};
// clang-format on

} // namespace

ConicsWindow::ConicsWindow(ModuleContext &context, const ModuleEntry &entry,
                           const ConicsLayout &layout)
    : GraphWindow(context, entry, ScaleRule::MinimumPlusNine, tr("Error")),
      m_conicEntry(layout.conicEntry)
{
    auto *prescriptionLabel =
        add<QLabel>(this, "Label1", layout.prescriptionLabel, tr("Prescription"));
    m_prescriptions = add<QListWidget>(this, "List1", layout.prescriptions);
    nameByLabel(prescriptionLabel, {m_prescriptions});

    auto *buttons = add<QGroupBox>(this, "Frame1", layout.buttons);
    auto *firstButton = add<QPushButton>(buttons, "Command4", {240, 360, 615, 375},
                                         //: Stores the coefficients as the first figure, f1.
                                         tr("&1st f"));
    addPlotButton(buttons, "Command1", {960, 360, 615, 375});
    auto *intersectButton =
        add<QPushButton>(buttons, "Command6", {1680, 360, 615, 375},
                         //: Shows where the two figures intersect; short for "intersections".
                         tr("&Inters"));
    auto *secondButton = add<QPushButton>(buttons, "Command5", {240, 840, 615, 375},
                                          //: Stores the coefficients as the second figure, f2.
                                          tr("&2nd f"));
    auto *newButton = add<QPushButton>(buttons, "Command2", {960, 840, 615, 375}, tr("&New"));
    addEndButton(buttons, "Command3", {1680, 840, 615, 375});

    auto *settings = add<QGroupBox>(this, "Frame2", layout.settings);
    addScalePart(settings, scaleLayout);
    m_u = addCoefficient(settings, layoutU);
    m_v = addCoefficient(settings, layoutV);
    m_w = addCoefficient(settings, layoutW);
    m_a = addCoefficient(settings, layoutA);
    m_b = addCoefficient(settings, layoutB);
    m_c = addCoefficient(settings, layoutC);

    //: The first figure.
    auto *firstFigureLabel = add<QLabel>(this, "Label2", layout.firstFigureLabel, tr("f1"));
    //: The second figure.
    add<QLabel>(this, "Label3", layout.secondFigureLabel, tr("f2"));
    m_figureRows = add<QListWidget>(this, "List2", layout.figureRows);
    // The labels f1 and f2 stand beside the rows of the two figures.
    firstFigureLabel->setBuddy(m_figureRows);
    m_figureRows->setAccessibleName(tr("f1, f2"));
    // A long row wraps instead of scrolling sideways: a horizontal scroll bar would cover the
    // last row of this low list.
    m_figureRows->setWordWrap(true);
    m_figureRows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *intersectionLabel =
        add<QLabel>(this, "Label4", layout.intersectionLabel, layout.intersectionCaption);
    m_intersections = add<MultiLineTextBox>(this, "Text8", layout.intersections);
    nameByLabel(intersectionLabel, {m_intersections});
    finishLayout(layout.canvas);

    connect(firstButton, &QPushButton::clicked, this, [this] { storeAs(FigureNumber::First); });
    connect(secondButton, &QPushButton::clicked, this, [this] { storeAs(FigureNumber::Second); });
    connect(newButton, &QPushButton::clicked, this, &ConicsWindow::startAfresh);
    connect(intersectButton, &QPushButton::clicked, this, &ConicsWindow::showIntersections);

    reset();
}

// Also runs again from "&New": the lists are filled afresh, not added to.
void ConicsWindow::reset()
{
    m_prescriptions->clear();
    m_prescriptions->addItems({tr("ux+vy+w=0"), m_conicEntry});
    m_prescriptions->setCurrentRow(0);
    m_figureRows->clear();
    for (int row = 0; row < 2 * rowsPerFigure; ++row)
        m_figureRows->addItem(QString());
    scale().reset(9, 1);
    for (const CoefficientControls &coefficient : {m_u, m_v, m_w, m_a, m_b, m_c}) {
        coefficient.box->setText(QStringLiteral("0"));
        coefficient.slider->setValue(0);
    }
}

void ConicsWindow::storeAs(FigureNumber k)
{
    const Figure boxes{m_prescriptions->currentRow() == 1 ? FigureKind::Conic : FigureKind::Line,
                       {m_u.value(), m_v.value(), m_w.value()},
                       {m_a.value(), m_b.value(), m_c.value()}};
    const std::optional<FigureRows> rows = storeFigure(k, boxes);
    if (!rows) {
        m_context.prompts.warning(this, tr("The figure is not stored: a number that describes it "
                                           "is too large to compute. Try smaller coefficients."));
        return;
    }
    const int first = int(k) * rowsPerFigure;
    if (rows->prescription)
        m_figureRows->item(first)->setText(*rows->prescription);
    if (rows->details)
        m_figureRows->item(first + 1)->setText(*rows->details);
}

void ConicsWindow::startAfresh()
{
    clearGraph();
    m_intersections->setText(QString());
    figures().zeroCoefficients();
    reset();
}

void ConicsWindow::showIntersections()
{
    const std::optional<QString> text = intersectionText();
    if (!text) {
        m_context.prompts.warning(this, failureMessage());
        return;
    }
    m_intersections->setText(*text);
}
