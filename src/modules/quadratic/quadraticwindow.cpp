// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/quadratic/quadraticwindow.h"

#include "canvas/graphcanvas.h"
#include "kit/controls.h"
#include "kit/multilinetextbox.h"
#include "kit/prompts.h"
#include "modules/quadratic/quadraticdescription.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace quadratic;

namespace {

// clang-format off
const CoefficientLayout layoutA{"Text2", {120, 1080, 495, 375}, "VScroll2", {600, 1080, 255, 375},
                                "Label3", {960, 1080, 375, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "a")};
const CoefficientLayout layoutB{"Text3", {120, 1440, 495, 375}, "VScroll3", {600, 1440, 255, 375},
                                "Label4", {960, 1440, 375, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "b")};
const CoefficientLayout layoutC{"Text4", {120, 1800, 495, 375}, "VScroll4", {600, 1800, 255, 375},
                                "Label5", {960, 1800, 375, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "c")};
const CoefficientLayout layoutP{"Text5", {120, 2280, 495, 375}, "VScroll5", {600, 2280, 255, 375},
                                "Label6", {960, 2280, 375, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "p")};
const CoefficientLayout layoutQ{"Text6", {120, 2640, 495, 375}, "VScroll6", {600, 2640, 255, 375},
                                "Label7", {960, 2640, 375, 255},
                                QT_TRANSLATE_NOOP("GraphWindow", "q")};
const ScaleLayout scaleLayout{{120, 600, 495, 375}, {600, 600, 255, 375},
                              "Label2", {840, 600, 570, 255},
                              QT_TRANSLATE_NOOP("GraphWindow", "Scale"),
                              {120, 240, 855, 255}};
// clang-format on

} // namespace

QuadraticWindow::QuadraticWindow(ModuleContext &context, const ModuleEntry &entry)
    : GraphWindow(context, entry, ScaleRule::MaximumPlusOne, tr("Error"))
{
    auto *prescriptionLabel = add<QLabel>(this, "Label1", {120, 0, 855, 255}, tr("Prescription"));
    m_prescriptions = add<QListWidget>(this, "List1", {120, 240, 1695, 1230});
    nameByLabel(prescriptionLabel, {m_prescriptions});

    auto *buttons = add<QGroupBox>(this, "Frame1", {120, 1440, 1695, 1695}, QStringLiteral("&"));
    auto *plotButton = add<QPushButton>(buttons, "Command1", {120, 240, 615, 375}, tr("&Plot"));
    auto *newButton = add<QPushButton>(buttons, "Command2", {960, 240, 615, 375}, tr("&New"));
    auto *alterButton = add<QPushButton>(buttons, "Command4", {120, 720, 615, 375}, tr("&Alter"));
    auto *tableButton = add<QPushButton>(buttons, "Command5", {960, 720, 615, 375}, tr("&Table"));
    addPrintButton(buttons, "Prt", {120, 1200, 615, 375}, 1);
    addEndButton(buttons, "Command3", {960, 1200, 615, 375});

    auto *settings = add<QGroupBox>(this, "Frame2", {1920, 0, 1455, 3135});
    addScalePart(settings, scaleLayout);
    m_a = addCoefficient(settings, layoutA);
    m_b = addCoefficient(settings, layoutB);
    m_c = addCoefficient(settings, layoutC);
    m_p = addCoefficient(settings, layoutP);
    m_q = addCoefficient(settings, layoutQ);

    // The caption of the table's frame doubles as its column header.
    //: The column header of the table of values: x, y and the sign of y, each above its column.
    const QString tableHeader = tr("     x                   y                      +/0/-");
    auto *tableFrame = add<QGroupBox>(this, "Frame3", {0, 3120, 3375, 3135}, tableHeader);
    m_table = add<MultiLineTextBox>(tableFrame, "Text7", {120, 240, 3015, 2775});
    m_table->setLineWrapMode(QPlainTextEdit::NoWrap);
    tableFrame->setAccessibleName(tableHeader.simplified());
    m_table->setAccessibleName(tableHeader.simplified());
    finishLayout({3480, 120, 6135, 6135});

    for (const CoefficientControls &coefficient : {m_a, m_b, m_c})
        connect(coefficient.box, &QLineEdit::textChanged, this,
                [this] { m_standardFormEdited = true; });
    for (const CoefficientControls &coefficient : {m_p, m_q})
        connect(coefficient.box, &QLineEdit::textChanged, this,
                [this] { m_vertexFormEdited = true; });
    connect(plotButton, &QPushButton::clicked, this, &QuadraticWindow::plotParabola);
    connect(newButton, &QPushButton::clicked, this, &QuadraticWindow::startAfresh);
    connect(alterButton, &QPushButton::clicked, this, &QuadraticWindow::alterForms);
    connect(tableButton, &QPushButton::clicked, this, &QuadraticWindow::showTable);

    m_prescriptions->addItems(
        {tr("ax²"), tr("ax²+q"), tr("a(x-p)²"), tr("a(x-p)²+q"), tr("ax²+bx+c")});
    reset();
}

// The prescription, the scale and the coefficients as the window opens: y = 1x² at scale 8.
void QuadraticWindow::reset()
{
    m_prescriptions->setCurrentRow(0);
    m_a.box->setText(QStringLiteral("1"));
    for (const CoefficientControls &coefficient : {m_b, m_c, m_p, m_q})
        coefficient.box->setText(QStringLiteral("0"));
    scale().setScale(8);
    scale().reset(15, 8);
    m_standardFormEdited = false;
    m_vertexFormEdited = false;
}

// Brings the two forms in line. When a derived coefficient overflows, the window shows its
// message and the boxes stay as they were; the handler then goes no further.
bool QuadraticWindow::alterForms()
{
    const std::optional<CoefficientTexts> texts = keepFormsInLine(
        {m_a.box->text(), m_b.box->text(), m_c.box->text(), m_p.box->text(), m_q.box->text()},
        m_standardFormEdited, m_vertexFormEdited);
    if (!texts) {
        m_context.prompts.warning(this, failureMessage());
        return false;
    }
    m_a.box->setText(texts->a);
    m_b.box->setText(texts->b);
    m_c.box->setText(texts->c);
    m_p.box->setText(texts->p);
    m_q.box->setText(texts->q);
    m_standardFormEdited = false;
    m_vertexFormEdited = false;
    return true;
}

Prescription QuadraticWindow::prescription() const
{
    return Prescription(std::max(0, m_prescriptions->currentRow()));
}

QuadraticCoefficients QuadraticWindow::coefficients() const
{
    return {m_a.value(), m_b.value(), m_c.value(), m_p.value(), m_q.value()};
}

// The parabola as the boxes hold it: a plot brings the forms in line first, a print does not.
DrawResult QuadraticWindow::draw(DrawingSurface &surface, const FrameMapping &frame)
{
    return quadratic::draw(surface, frame, gridTicked(), prescription(), coefficients());
}

QString QuadraticWindow::graphInWords() const
{
    return quadratic::graphInWords(prescription(), coefficients());
}

void QuadraticWindow::plotParabola()
{
    if (!alterForms())
        return;
    m_table->setText(QString());
    plot();
}

void QuadraticWindow::startAfresh()
{
    m_table->setText(QString());
    reset();
    clearGraph();
}

void QuadraticWindow::showTable()
{
    if (!alterForms())
        return;
    m_table->setText(QString());
    // The table divides by a: a box that reads as zero counts as 0.01, as in the forms.
    m_a.box->setText(nonZeroCoefficientText(m_a.box->text()));
    const ValueTable table = valueTable(prescription(), coefficients());
    QString rows;
    for (const TablePoint &point : table.points)
        rows += tableRow(point.x, point.y);
    m_table->setText(rows);
    if (table.failed)
        m_context.prompts.warning(this, failureMessage());
}
