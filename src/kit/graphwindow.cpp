// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/graphwindow.h"

#include "canvas/graphcanvas.h"
#include "canvas/recordingsurface.h"
#include "core/numberreading.h"
#include "kit/controls.h"
#include "kit/prompts.h"
#include "kit/sliderbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

double CoefficientControls::value() const
{
    return readNumber(box->text());
}

GraphWindow::GraphWindow(ModuleContext &context, const ModuleEntry &entry, ScaleRule rule,
                         const QString &failureMessage)
    : ModuleWindow(context, entry), m_rule(rule), m_failureMessage(failureMessage)
{
}

DrawResult GraphWindow::drawPage(DrawingSurface &surface, const FrameMapping &frame)
{
    return draw(surface, frame);
}

CoefficientControls GraphWindow::addCoefficient(QWidget *parent, const CoefficientLayout &layout)
{
    CoefficientControls controls{
        add<QLineEdit>(parent, layout.boxName, layout.box),
        add<QScrollBar>(parent, layout.sliderName, layout.slider),
        add<QLabel>(parent, layout.labelName, layout.label, tr(layout.caption))};
    nameByLabel(controls.label, {controls.box, controls.slider});
    controls.box->setText(QStringLiteral("0"));
    controls.slider->setRange(-layout.range, layout.range);
    connectSliderToBox(controls.slider, controls.box);
    return controls;
}

void GraphWindow::addScalePart(QWidget *parent, const ScaleLayout &layout)
{
    auto *box = add<QLineEdit>(parent, "Text1", layout.box);
    auto *slider = add<QScrollBar>(parent, "VScroll1", layout.slider);
    auto *label = add<QLabel>(parent, layout.labelName, layout.label, tr(layout.caption));
    nameByLabel(label, {box, slider});
    auto *grid = add<QCheckBox>(parent, "Check1", layout.grid, tr("Grid"));
    m_scale = new ScaleControls(canvas(), m_rule, box, slider, grid);
}

QPushButton *GraphWindow::addPlotButton(QWidget *parent, const char *name, const TwipRect &place)
{
    auto *button = add<QPushButton>(parent, name, place, tr("&Plot"));
    connect(button, &QPushButton::clicked, this, &GraphWindow::plot);
    return button;
}

QPushButton *GraphWindow::addNewButton(QWidget *parent, const char *name, const TwipRect &place)
{
    auto *button = add<QPushButton>(parent, name, place, tr("&New"));
    connect(button, &QPushButton::clicked, this, &GraphWindow::clearGraph);
    return button;
}

QPushButton *GraphWindow::addPrintButton(QWidget *parent, const char *name, const TwipRect &place,
                                         double magnification, const QString &failureMessage)
{
    m_printMagnification = magnification;
    m_printFailureMessage = failureMessage.isEmpty() ? m_failureMessage : failureMessage;
    auto *button = add<QPushButton>(parent, name, place, tr("&Print"));
    connect(button, &QPushButton::clicked, this, &GraphWindow::printGraph);
    return button;
}

void GraphWindow::finishLayout(const TwipRect &canvasPlace)
{
    placeInTwips(canvas(), canvasPlace);
    orderTabs();
}

WorldFrame GraphWindow::plotFrame()
{
    const WorldFrame frame = m_scale->canvasFrame();
    canvas()->setPointerReading(
        [frame](double X, double Y) { return worldPointText(frame, X, Y); });
    return frame;
}

DrawResult GraphWindow::plot()
{
    const DrawResult result = plotOnCanvas();
    QString content = graphInWords();
    if (result == DrawResult::Failed)
        //: Ends the description of a graph for screen readers; %1 is what the graph shows.
        content = tr("%1; the drawing stopped at an error").arg(content);
    canvas()->describeDrawing({frameInWords(m_scale->scale(), gridTicked()), content});
    return result;
}

DrawResult GraphWindow::plotOnCanvas()
{
    const DrawResult result = draw(*canvas(), plotFrame());
    reportFailure(result, m_failureMessage);
    return result;
}

void GraphWindow::clearGraph()
{
    canvas()->clear();
}

bool GraphWindow::gridTicked() const
{
    return m_scale->gridTicked();
}

// The page is recorded whole first; on a failed point the message is shown and nothing is
// printed. On paper, the drawing is clipped to the page box, the graph's square.
void GraphWindow::printGraph()
{
    const PageFrame frame(canvas()->widthInTwips(), canvas()->heightInTwips(), m_printMagnification,
                          m_scale->scale());
    RecordingSurface page(float(frame.W + 10), float(frame.H + 10));
    if (drawPage(page, frame) == DrawResult::Failed) {
        m_context.prompts.warning(this, m_printFailureMessage);
        return;
    }
    m_context.prompts.print(this, {{page.log(), QRectF(0, 0, frame.W, frame.H)}});
}
